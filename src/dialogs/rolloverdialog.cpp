#include "dialogs/rolloverdialog.h"

#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/htmlmarkup.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString assistant = QStringLiteral("Assistant: Quorl");

QString lines(std::initializer_list<const char *> list)
{
    QString text;
    for (const char *line : list)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

EditMessage unfinished(const char *what)
{
    return {QStringLiteral("The %1 of this page is not finished, so the rollover cannot be "
                           "added. Nothing was changed.").arg(QLatin1String(what)),
            assistant, Prompter::Icon::Exclamation};
}

// Where an onload attribute of the tag [from, end) starts, or -1.
qsizetype onloadAttribute(const EditedText &doc, qsizetype from, qsizetype end)
{
    const QString &text = doc.text();
    for (qsizetype at = doc.find(QLatin1String("onload"), from); at >= 0 && at < end;
         at = doc.find(QLatin1String("onload"), at + 1)) {
        if (!text.at(at - 1).isSpace())
            continue;
        qsizetype i = at + 6;
        while (i < end && text.at(i).isSpace())
            ++i;
        if (i < end && text.at(i) == u'=')
            return at;
    }
    return -1;
}

// Where an attribute's value starts: its opening quote, or its first character.
qsizetype valueStart(const QString &text, qsizetype attribute)
{
    qsizetype i = text.indexOf(u'=', attribute) + 1;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i;
}

// value as a script string in quote, inside an attribute value that
// delimiter (a quote, or nothing) encloses: a backslash or that quote typed
// in it must not end the string, nor the delimiter the attribute.
QString scriptString(const QString &value, QChar quote, QChar delimiter = u'"')
{
    QString string = quote;
    for (const QChar c : value) {
        if (c == u'\\' || c == quote)
            string += u'\\';
        string += c;
    }
    string += quote;
    if (delimiter == u'"')
        return HtmlMarkup::quotesEscaped(string);
    if (delimiter == u'\'')
        return string.replace(u'\'', QStringLiteral("&#39;"));
    return string;
}

// The script string the image takes inside an attribute value that starts at
// start: in the quote that does not end the value.
QString imageArgument(const QString &image, const QString &text, qsizetype start)
{
    const QChar first = start < text.size() ? text.at(start) : QChar();
    if (first == u'\'')
        return scriptString(image, u'"', first);
    return scriptString(image, u'\'', first == u'"' ? first : QChar());
}

} // namespace

const QString &rolloverScript()
{
    static const QString script = lines({
        "<script language=\"JavaScript\">",
        "<!--",
        "function QRL_swapImgRestore() { ",
        "  var i,x,a=document.QRL_sr; ",
        "",
        "for(i=0;a&&i<a.length&&(x=a[i])&&x.oSrc;i++) ",
        "x.src=x.oSrc;",
        "}",
        "",
        "function QRL_preloadImages() { ",
        "  var d=document; if(d.images){ ",
        "if(!d.QRL_p) d.QRL_p=new Array();",
        "    var i,j=d.QRL_p.length,a=QRL_preloadImages.arguments;",
        " for(i=0; i<a.length; i++)",
        "    if (a[i].indexOf(\"#\")!=0){ d.QRL_p[j]=new Image; ",
        "d.QRL_p[j++].src=a[i];}}",
        "}",
        "",
        "function QRL_findObj(n, d) ",
        "{ ",
        "  var p,i,x;  if(!d) d=document; ",
        "if((p=n.indexOf(\"?\"))>0&&parent.frames.length) {",
        "    d=parent.frames[n.substring(p+1)].document; ",
        "n=n.substring(0,p);}",
        "  ",
        "if(!(x=d[n])&&d.all) ",
        "x=d.all[n]; ",
        "for(i=0;!x&&i<d.forms.length;i++) x=d.forms[i][n];",
        "  ",
        "for(i=0;!x&&d.layers&&i<d.layers.length;i++) x=QRL_findObj(n,d.layers[i].document); "
        "return x;",
        "}",
        "",
        "function QRL_swapImage() {",
        "  var i,j=0,x,a=QRL_swapImage.arguments; ",
        "document.QRL_sr=new Array; ",
        "for(i=0;i<(a.length-2);i+=3)",
        "   if ((x=QRL_findObj(a[i]))!=null){document.QRL_sr[j++]=x; ",
        "if(!x.oSrc) x.oSrc=x.src; x.src=a[i+2];}",
        "}",
        "//-->",
        "</script>",
    });
    return script;
}

QString rolloverLink(const RolloverValues &v)
{
    using HtmlMarkup::quotesEscaped;
    const QString href = v.link.isEmpty() ? QStringLiteral("#") : v.link;
    return QStringLiteral("<a href=\"") + quotesEscaped(href)
           + QStringLiteral("\" onMouseOut=\"QRL_swapImgRestore()\" onMouseOver=\""
                            "QRL_swapImage(")
           + scriptString(v.name, u'\'') + QStringLiteral(",'',")
           + scriptString(v.secondImage, u'\'') + QStringLiteral(",1)\"><img name=\"")
           + quotesEscaped(v.name) + QStringLiteral("\" border=\"0\" src=\"")
           + quotesEscaped(v.firstImage) + QStringLiteral("\"></a>");
}

std::optional<EditMessage> rolloverMissing(const RolloverValues &v)
{
    if (v.name.isEmpty() || v.firstImage.isEmpty() || v.secondImage.isEmpty())
        return EditMessage{QStringLiteral("One or more required fields missing"), assistant,
                           Prompter::Icon::Exclamation};
    return std::nullopt;
}

DocumentEdit rolloverEdit(const QString &text, std::optional<qsizetype> caret,
                          const RolloverValues &v)
{
    if (const auto missing = rolloverMissing(v))
        return DocumentEdit::refuse(*missing);

    EditedText doc(text, caret.value_or(0));
    const bool hasScript = text.contains(rolloverScript());
    const qsizetype head = doc.find(QLatin1String("<head>"));
    const qsizetype html = doc.find(QLatin1String("<html>"));
    const qsizetype body = doc.find(QLatin1String("<body"));
    if (body >= 0 && doc.find(QLatin1String(">"), body) < 0)
        return DocumentEdit::refuse(unfinished("<body> tag"));
    if (head >= 0 && body < 0 && doc.find(QLatin1String("</head>")) < 0)
        return DocumentEdit::refuse(unfinished("head"));

    if (head < 0) {
        if (html >= 0)
            doc.insert(html + 6, QStringLiteral("\r\n<HEAD>\r\n\r\n</HEAD>"));
        else
            doc.insert(0, QStringLiteral("<html>\r\n<HEAD>\r\n</HEAD>\r\n"));
    }
    if (body < 0)
        doc.insert(doc.find(QLatin1String("</head>")) + 7, QStringLiteral("\r\n<body>\r\n"));
    if (caret)
        doc.insert(doc.caret(), rolloverLink(v));

    // The preload call goes into the body start tag only, whatever else the
    // page calls "onload".
    const qsizetype bodyTag = doc.find(QLatin1String("<body"));
    const qsizetype tagEnd = doc.find(QLatin1String(">"), bodyTag);
    const qsizetype onload = onloadAttribute(doc, bodyTag + 5, tagEnd);
    if (onload < 0) {
        doc.insert(tagEnd, QStringLiteral(" onLoad=\"QRL_preloadImages(")
                               + scriptString(v.secondImage, u'\'') + QStringLiteral(")\""),
                   false);
    } else {
        qsizetype value = valueStart(doc.text(), onload);
        const QString image = imageArgument(v.secondImage, doc.text(), value);
        const qsizetype call = doc.text().indexOf(QLatin1String("QRL_preloadImages("), onload);
        if (call >= 0 && call < tagEnd) {
            const qsizetype close = doc.text().indexOf(u')', call);
            if (close < 0 || close > tagEnd)
                return DocumentEdit::refuse(unfinished("onLoad handler"));
            doc.insert(close, u',' + image, false);
        } else {
            if (doc.text().at(value) == u'"' || doc.text().at(value) == u'\'')
                ++value;
            doc.insert(value, QStringLiteral("QRL_preloadImages(") + image + QStringLiteral(");"),
                       false);
        }
    }

    if (!hasScript)
        doc.insert(doc.find(QLatin1String("<head>")) + 6, rolloverScript(), false);
    return doc.result();
}

RolloverDialog::RolloverDialog()
    : DialogFrame(QStringLiteral("rollover"), QStringLiteral("Insert Rollover Images : Quorl"))
{
    txtName = textField(QStringLiteral("txtName"));
    txtFirstImage = textField(QStringLiteral("txtFirstImage"));
    btnBrowseFirst = button(QStringLiteral("btnBrowseFirst"), QStringLiteral("Browse"));
    txtSecondImage = textField(QStringLiteral("txtSecondImage"));
    btnBrowseSecond = button(QStringLiteral("btnBrowseSecond"), QStringLiteral("Browse"));
    txtLink = textField(QStringLiteral("txtLink"));
    insert = button(QStringLiteral("insert"), QStringLiteral("Insert"));
    insert->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const auto row = [this, grid](int r, const char *label, QLineEdit *field,
                                  QPushButton *browse) {
        grid->addWidget(new QLabel(QLatin1String(label), this), r, 0);
        grid->addWidget(field, r, 1);
        if (browse)
            grid->addWidget(browse, r, 2);
    };
    row(0, "Name", txtName, nullptr);
    row(1, "First Image", txtFirstImage, btnBrowseFirst);
    row(2, "Second Image", txtSecondImage, btnBrowseSecond);
    row(3, "Hyperlink", txtLink, nullptr);
    grid->addWidget(insert, 4, 2);
    txtName->setMinimumWidth(260);

    connect(btnBrowseFirst, &QPushButton::clicked, this, [this] { browse(txtFirstImage); });
    connect(btnBrowseSecond, &QPushButton::clicked, this, [this] { browse(txtSecondImage); });
    connect(txtName, &QLineEdit::textChanged, this, &RolloverDialog::dropBlanks);
    connect(insert, &QPushButton::clicked, this, &RolloverDialog::onInsert);
}

RolloverValues RolloverDialog::values() const
{
    return {txtName->text(), txtFirstImage->text(), txtSecondImage->text(), txtLink->text()};
}

void RolloverDialog::browse(QLineEdit *field)
{
    if (comdlg.ShowOpen() && !comdlg.FileName.isEmpty())
        field->setText(comdlg.FileName);
}

void RolloverDialog::dropBlanks()
{
    // The name is looked up by the swap script, so it holds no blanks.
    QString name = txtName->text();
    if (!name.contains(u' '))
        return;
    const int caret = txtName->cursorPosition();
    name.remove(u' ');
    txtName->setText(name);
    txtName->setCursorPosition(std::min<int>(caret, name.size()));
}

void RolloverDialog::onInsert()
{
    const RolloverValues v = values();
    // The page of the view showing when Insert is clicked takes the rollover.
    ComposerWindow *composer = WholeDocument::showing(false);
    constexpr auto rewrites = GeneratorRewrite::Rewrites(GeneratorRewrite::OwnGenerator
                                                         | GeneratorRewrite::Engine2800);
    bool done = false;
    if (composer) {
        // The composer puts the link at its own caret, in the same step as
        // the script, so one Undo never leaves a link without its script.
        if (const auto missing = rolloverMissing(v)) {
            missing->show();
            return;
        }
        done = WholeDocument::apply(composer, rewrites, rolloverLink(v),
                                    [&](const QString &text, qsizetype) {
                                        return rolloverEdit(text, std::nullopt, v);
                                    });
    } else {
        const qsizetype caret = Quorl()->area->selStart();
        done = WholeDocument::apply(nullptr, rewrites, [&](const QString &text) {
            return rolloverEdit(text, caret, v);
        });
    }
    if (done)
        unload();
}
