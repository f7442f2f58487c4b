#include "dialogs/fontdialog.h"

#include "editor/sourcewindow.h"
#include "platform/clipboard.h"
#include "platform/htmlmarkup.h"
#include "platform/screenfonts.h"
#include "platform/sourcearea.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString wrap(const QString &open, const QString &text, const QString &close)
{
    return open + text + close;
}


QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

} // namespace

QString fontHtml(const FontValues &v, const QString &text)
{
    QString html = text;
    if (!v.colour.isEmpty())
        html = wrap(QStringLiteral("<FONT") + HtmlMarkup::attribute("color", v.colour) + u'>', html,
                    QStringLiteral("</FONT>"));
    if (!v.face.isEmpty() || !v.size.isEmpty()) {
        QString open = QStringLiteral("<FONT");
        if (!v.face.isEmpty())
            open += HtmlMarkup::attribute("face", v.face);
        if (!v.size.isEmpty())
            open += HtmlMarkup::attribute("size", v.size);
        html = wrap(open + u'>', html, QStringLiteral("</FONT>"));
    }

    QStringList declarations;
    if (v.overline)
        declarations << QStringLiteral(" text-decoration: overline");
    if (v.hidden)
        declarations << QStringLiteral(" visibility: Hidden");
    if (v.smallCaps)
        declarations << QStringLiteral(" font-variant: small-caps");
    if (v.capitalise)
        declarations << QStringLiteral(" text-transform: capitalize");
    else if (v.allCaps)
        declarations << QStringLiteral(" text-transform: uppercase");
    if (!declarations.isEmpty())
        html = wrap(QStringLiteral("<span style=\"") + declarations.join(u';')
                        + QStringLiteral("\">"),
                    html, QStringLiteral("</span>"));

    const QList<QPair<bool, const char *>> phrases = {
        {v.underline, "U"}, {v.blink, "BLINK"},   {v.strike, "STRIKE"}, {v.superscript, "SUP"},
        {v.subscript, "SUB"}, {v.strong, "STRONG"}, {v.emphasis, "EM"},   {v.keyboard, "KBD"},
        {v.code, "CODE"},    {v.citation, "CITE"},  {v.sample, "SAMP"}};
    for (const auto &[ticked, tag] : phrases) {
        if (ticked)
            html = wrap(QStringLiteral("<%1>").arg(QLatin1String(tag)), html,
                        QStringLiteral("</%1>").arg(QLatin1String(tag)));
    }

    if (v.style == u"Bold")
        html = wrap(QStringLiteral("<B>"), html, QStringLiteral("</B>"));
    else if (v.style == u"Italics")
        html = wrap(QStringLiteral("<I>"), html, QStringLiteral("</I>"));
    else if (v.style == u"Bold Italics")
        html = wrap(QStringLiteral("<B><I>"), html, QStringLiteral("</I></B>"));
    return html;
}

FontDialog::FontDialog()
    : DialogFrame(QStringLiteral("frmFont"), QStringLiteral("Font : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const auto list = [this](const char *name, const QStringList &items) {
        auto *l = new QListWidget(this);
        l->setObjectName(QLatin1String(name));
        l->addItems(items);
        l->setFixedHeight(140);
        return l;
    };
    listFont = list("listFont", screenFontFamilies());
    listFont->setFixedWidth(200);
    listSize = list("listSize", {"1", "2", "3", "4", "5", "6", "7"});
    listSize->setFixedWidth(60);
    listStyle = list("listStyle", {"Regular", "Bold", "Italics", "Bold Italics"});
    listStyle->setFixedWidth(120);
    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Font"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Size"), this), 0, 1);
    lists->addWidget(new QLabel(QStringLiteral("Style"), this), 0, 2);
    lists->addWidget(listFont, 1, 0);
    lists->addWidget(listSize, 1, 1);
    lists->addWidget(listStyle, 1, 2);
    layout->addLayout(lists);

    txtColour = textField(QStringLiteral("txtColour"));
    showColours = colourBoxButton(QStringLiteral("showColours"), txtColour);
    showColours->setFixedWidth(32);
    auto *colour = new QHBoxLayout;
    colour->addWidget(new QLabel(QStringLiteral("Colour"), this));
    colour->addWidget(txtColour);
    colour->addWidget(showColours);
    colour->addStretch();
    layout->addLayout(colour);
    layout->addWidget(buildEffects());

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    addButtonRow(layout, {OKButton, CancelButton});

    // Each of a pair unticks the other.
    const auto exclusive = [this](QCheckBox *a, QCheckBox *b) {
        connect(a, &QCheckBox::toggled, b, [b](bool on) { if (on) b->setChecked(false); });
        connect(b, &QCheckBox::toggled, a, [a](bool on) { if (on) a->setChecked(false); });
    };
    exclusive(chkAllCaps, chkCapitalise);
    exclusive(chkSub, chkSup);
    connect(OKButton, &QPushButton::clicked, this, &FontDialog::onOK);
}

QWidget *FontDialog::buildEffects()
{
    auto *frame = new QGroupBox(QStringLiteral("Effects"), this);
    auto *grid = new QGridLayout(frame);
    const QList<QPair<QCheckBox **, QPair<const char *, const char *>>> boxes = {
        {&chkUnderline, {"chkUnderline", "Underline"}},
        {&chkBlink, {"chkBlink", "Blink"}},
        {&chkStrike, {"chkStrike", "Strikethrough"}},
        {&chkSup, {"chkSup", "Superscript"}},
        {&chkSub, {"chkSub", "Subscript"}},
        {&chkStrong, {"chkStrong", "Strong"}},
        {&chkEmphasis, {"chkEmphasis", "Emphasis"}},
        {&chkKeyboard, {"chkKeyboard", "Keyboard"}},
        {&chkCode, {"chkCode", "Code"}},
        {&chkCitation, {"chkCitation", "Citation"}},
        {&chkSample, {"chkSample", "Sample"}},
        {&chkOverline, {"chkOverline", "Overline"}},
        {&chkHidden, {"chkHidden", "Hidden"}},
        {&chkSmallCaps, {"chkSmallCaps", "Small Caps"}},
        {&chkAllCaps, {"chkAllCaps", "All Caps"}},
        {&chkCapitalise, {"chkCapitalise", "Capitalise"}},
        {&chkVariable, {"chkVariable", "Variable"}},
        {&chkDefinition, {"chkDefinition", "Definition"}}};
    int i = 0;
    for (const auto &[member, names] : boxes) {
        *member = checkBox(QLatin1String(names.first), QLatin1String(names.second));
        grid->addWidget(*member, i % 6, i / 6);
        ++i;
    }
    return frame;
}

FontValues FontDialog::values() const
{
    FontValues v;
    v.face = selectedText(listFont);
    v.size = selectedText(listSize);
    v.style = selectedText(listStyle);
    v.colour = txtColour->text();
    v.underline = chkUnderline->isChecked();
    v.blink = chkBlink->isChecked();
    v.strike = chkStrike->isChecked();
    v.superscript = chkSup->isChecked();
    v.subscript = chkSub->isChecked();
    v.strong = chkStrong->isChecked();
    v.emphasis = chkEmphasis->isChecked();
    v.keyboard = chkKeyboard->isChecked();
    v.code = chkCode->isChecked();
    v.citation = chkCitation->isChecked();
    v.sample = chkSample->isChecked();
    v.overline = chkOverline->isChecked();
    v.hidden = chkHidden->isChecked();
    v.smallCaps = chkSmallCaps->isChecked();
    v.allCaps = chkAllCaps->isChecked();
    v.capitalise = chkCapitalise->isChecked();
    return v;
}

void FontDialog::onOK()
{
    const InsertRoute::Route route = deliveryRoute();
    // The clipboard holds the page's plain text: in the composer it is text, not markup.
    const QString given = compOrEdit == u"edit" ? Quorl()->area->selText()
                                                : HtmlMarkup::text(Clipboard::text());
    deliver(route, fontHtml(values(), textIn(route, given)));
    unload();
}
