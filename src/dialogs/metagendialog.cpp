#include "dialogs/metagendialog.h"

#include "platform/htmlmarkup.h"
#include "vevevodi/generatorrewrite.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString marker = QStringLiteral("<!-- MetaGen: Quorl Vevevodi 3.0 -->\r\n");

// A quote typed in a value would end the CONTENT attribute early.
QString named(const char *name, const QString &content)
{
    return QStringLiteral("<META NAME=\"") + QLatin1String(name) + QStringLiteral("\" CONTENT=\"")
           + HtmlMarkup::quotesEscaped(content) + QStringLiteral("\">\r\n");
}

QString namedIfSet(const char *name, const QString &content)
{
    return content.isEmpty() ? QString() : named(name, content);
}

// The content a list entry stands for; empty for a text the list does not offer.
QString chosen(const QString &text, std::initializer_list<std::pair<const char *, const char *>>
                                         entries)
{
    for (const auto &[entry, content] : entries) {
        if (text == QLatin1String(entry))
            return QLatin1String(content);
    }
    return QString();
}

} // namespace

QString metaBlock(const MetaValues &v)
{
    QString block = marker;
    block += namedIfSet("Title", v.title);
    block += namedIfSet("Author", v.author);
    block += namedIfSet("Subject", v.subject);
    block += namedIfSet("Description", v.description);
    block += namedIfSet("Keywords", v.keywords);
    block += namedIfSet("Abstract", v.abstractText);
    block += namedIfSet("Designer", v.designer);
    block += namedIfSet("Publisher", v.publisher);
    if (v.cache != u"Cache")
        block += QStringLiteral("<META HTTP-EQUIV=\"Pragma\" CONTENT=\"no-cache\">\r\n");
    // A page safe for children carries the general rating.
    block += namedIfSet("Rating", chosen(v.rating, {{"General - Safe for Kids", "General"},
                                                    {"Mature", "Mature"},
                                                    {"Adult", "Adult"},
                                                    {"Restricted", "Restricted"},
                                                    {"14 years!", "14 years"}}));
    const QString distribution = chosen(v.distribution, {{"Internal Use!", "IU"},
                                                         {"Local", "LOCAL"}});
    block += named("Distribution", distribution.isEmpty() ? QStringLiteral("GLOBAL")
                                                          : distribution);
    block += namedIfSet("Robots", chosen(v.robots, {
                                             {"All robots index and follow links",
                                              "all,index,follow"},
                                             {"All robots index page only", "index,nofollow"},
                                             {"All robots follow links only", "follow,noindex"},
                                             {"No robots!", "none"}}));
    if (!v.revisit.isEmpty())
        block += named("Revisit-After", v.revisit + QStringLiteral(" days"));
    if (!v.copyright.isEmpty())
        block += named("Copyright", QStringLiteral("\u00A9 ") + v.copyright);
    return block + marker;
}

DocumentEdit metaEdit(const QString &text, const MetaValues &values)
{
    EditedText doc(text, 0);
    const qsizetype headEnd = doc.find(QLatin1String("</head>"));
    if (headEnd < 0)
        return DocumentEdit::refuse({QStringLiteral("Unable to find <head> </head> tags. "
                                                    "Cannot proceed"),
                                     QCoreApplication::applicationName(), Prompter::Icon::None});
    const QString block = metaBlock(values);
    doc.insert(headEnd, block);
    DocumentEdit edit = doc.result();
    edit.caret = headEnd + block.size();
    return edit;
}

MetaGenDialog::MetaGenDialog()
    : DialogFrame(QStringLiteral("MetaGen"), QStringLiteral("Meta Generator : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("Enter the details in the form below. Forms "
                                                "with ** in the labels are recommended."),
                                 this));
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    const auto add = [&](const char *label, QWidget *field, const char *tip = nullptr) {
        auto *l = new QLabel(QLatin1String(label), this);
        if (tip) {
            l->setToolTip(QLatin1String(tip));
            field->setToolTip(QLatin1String(tip));
        }
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row++, 1);
    };
    const auto list = [this](const char *name, const QStringList &items) {
        return comboBox(QLatin1String(name), items, true, items.first());
    };

    txtTitle = textField(QStringLiteral("txtTitle"));
    txtAuthor = textField(QStringLiteral("txtAuthor"));
    txtSubject = textField(QStringLiteral("txtSubject"));
    txtDesc = textField(QStringLiteral("txtDesc"));
    txtKeywords = textField(QStringLiteral("txtKeywords"));
    txtAbstract = textField(QStringLiteral("txtAbstract"));
    txtDesigner = textField(QStringLiteral("txtDesigner"));
    txtPublisher = textField(QStringLiteral("txtPublisher"));
    txtRevisit = textField(QStringLiteral("txtRevisit"));
    txtCopyright = textField(QStringLiteral("txtCopyright"));
    cmbCache = list("cmbCache", {"Cache", "No Cache!"});
    cmbRating = list("cmbRating", {"General - Safe for Kids", "Mature", "Adult", "Restricted",
                                   "14 years!"});
    cmbDistribution = list("cmbDistribution", {"Global", "Local", "Internal Use!"});
    cmbRobots = list("cmbRobots", {"All robots index and follow links",
                                   "All robots index page only",
                                   "All robots follow links only", "No robots!"});
    txtTitle->setMinimumWidth(300);

    add("** Title", txtTitle);
    add("** Author", txtAuthor);
    add("Subject", txtSubject);
    add("** Description", txtDesc);
    add("** Keywords", txtKeywords, "Keywords to be separated by commas.");
    add("** Abstract", txtAbstract,
        "This tag is a one line sentence which gives an overview of the entire webpage");
    add("Designer", txtDesigner);
    add("Publisher", txtPublisher);
    add("** Cache", cmbCache);
    add("Rating", cmbRating);
    add("Distribution", cmbDistribution);
    add("** Robots", cmbRobots);
    add("Revisit", txtRevisit);
    add("Copyright", txtCopyright);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("metagen.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {OKButton, CancelButton}, {btnHelp});
    connect(OKButton, &QPushButton::clicked, this, &MetaGenDialog::onOK);
}

MetaValues MetaGenDialog::values() const
{
    MetaValues v;
    v.title = txtTitle->text();
    v.author = txtAuthor->text();
    v.subject = txtSubject->text();
    v.description = txtDesc->text();
    v.keywords = txtKeywords->text();
    v.abstractText = txtAbstract->text();
    v.designer = txtDesigner->text();
    v.publisher = txtPublisher->text();
    v.cache = cmbCache->currentText();
    v.rating = cmbRating->currentText();
    v.distribution = cmbDistribution->currentText();
    v.robots = cmbRobots->currentText();
    v.revisit = txtRevisit->text();
    v.copyright = txtCopyright->text();
    return v;
}

void MetaGenDialog::onOK()
{
    // The composer's page is taken as it stands now: a copy taken when the
    // dialog opened would lose what was typed there since.
    const bool composer = WholeDocument::inComposer(compOrEdit == u"comp");
    const MetaValues meta = values();
    if (WholeDocument::apply(composer,
                             GeneratorRewrite::OwnGenerator | GeneratorRewrite::Engine2800,
                             [&meta](const QString &text) { return metaEdit(text, meta); }))
        unload();
}
