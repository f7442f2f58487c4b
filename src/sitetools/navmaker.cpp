#include "sitetools/navmaker.h"

#include "editor/openers.h"
#include "platform/htmleditview.h"
#include "sitetools/boxborders.h"
#include "sitetools/navlisturls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString lines(std::initializer_list<const char *> list)
{
    QString text;
    for (const char *line : list)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

const QStringList borderTypes = {"solid", "dotted", "dashed", "double", "groove",
                                 "ridge", "inset",  "outset", "none"};

} // namespace

const QString &navTemplate()
{
    static const QString text = lines({
        "<style>",
        "/* Navigation */",
        "",
        "#navigation",
        "{",
        "\tfloat: left; ",
        "\twidth: 100%;",
        "\tbackground-color: getBasicBGColour;",
        "}",
        "",
        "#navigation ul",
        "{",
        "\tmargin: 0 5px;",
        "\tfloat: left;",
        "\twidth: 95%;",
        "\tpadding: 10px 0;",
        "\tlist-style-type: none;",
        "",
        "\tcolor: getBasicColour;",
        "\tbackground-color: getBasicBGColour;",
        "\tborder-color: getBasicBorderColour;",
        "}",
        "",
        "#navigation li { float: left; margin: 0 0 0 5px; padding: 0; }",
        "",
        "#navigation a:link",
        "{",
        "\tfloat: left;",
        "\tdisplay: block;",
        "\tcolor: getLColour;",
        "\tpadding: 5px 10px;",
        "\tbackground-color: getBGColour;",
        "\tborder: getLinkColour getLinkThickness getLinkBorderType;",
        "}",
        "",
        "#navigation a:visited",
        "{",
        "\tfloat: left;",
        "\tdisplay: block;",
        "\tcolor: getVColour;",
        "\tpadding: 5px 10px;",
        "\tbackground-color: getVBGColour;",
        "\tborder: getVLinkColour getVLinkThickness getLinkVBorderType;",
        "}",
        "",
        "#navigation a:hover",
        "{",
        "\tfloat: left;",
        "\tdisplay: block;",
        "\tcolor: getHColour;",
        "\tpadding: 5px 10px;",
        "\tbackground-color: getHBGColour;",
        "\tborder: getHLinkColour getHLinkThickness getLinkHBorderType;",
        "}",
        "",
        "#navigation a:active",
        "{",
        "\tfloat: left;",
        "\tdisplay: block;",
        "\tpadding: 5px 10px;",
        "\tcolor: getAColour;",
        "\tbackground-color: getABGColour;",
        "\tborder: getALinkColour getALinkThickness getLinkABorderType;",
        "}",
        "",
        "#bBasic li#lBasic a",
        "{",
        "\tcolor: getBasicColour;",
        "\tbackground-color: getBasicBGColour;",
        "\tborder-color: getBasicBorderColour;",
        "}",
        "</style>",
        "",
        "<div id=\"navigation\">",
        "\t\t",
        "\t\t\t<ul>",
        "\t\t\t",
        "\t\t\t\t<li id=\"lBasic\"><A title=Home href=\"#01\">Home</a></li>",
        "\t\t\t\t<li id=\"lBasic\"><A href=\"#04\">Link 1</a></li>",
        "\t\t\t\t<li id=\"lBasic\"><A href=\"#05\">Link 2</a></li>",
        "\t\t\t\t<li id=\"lBasic\"><A href=\"#06\">Link 3</a></li>",
        "\t\t\t\t<li id=\"lBasic\"><A href=\"#02\">Link 4</a></li>",
        "\t\t\t\t<li id=\"lBasict\"><A href=\"#03\">Link 5</a></li>",
        "\t\t\t",
        "\t\t\t</ul>",
        "\t\t",
        "\t\t</div>",
    });
    return text;
}

QString fillNavTemplate(const NavValues &typed)
{
    NavValues v = typed;
    for (QString *thickness : {&v.linkThickness, &v.aLinkThickness, &v.hLinkThickness,
                               &v.vLinkThickness})
        *thickness = borderThickness(*thickness);
    const std::pair<const char *, const QString *> placeholders[] = {
        {"getLinkColour", &v.linkColour},
        {"getALinkColour", &v.aLinkColour},
        {"getHLinkColour", &v.hLinkColour},
        {"getVLinkColour", &v.vLinkColour},
        {"getLinkBorderType", &v.linkBorderType},
        {"getLinkABorderType", &v.linkABorderType},
        {"getLinkHBorderType", &v.linkHBorderType},
        {"getLinkVBorderType", &v.linkVBorderType},
        {"getLinkThickness", &v.linkThickness},
        {"getALinkThickness", &v.aLinkThickness},
        {"getHLinkThickness", &v.hLinkThickness},
        {"getVLinkThickness", &v.vLinkThickness},
        {"getBasicColour", &v.basicColour},
        {"getBasicBorderColour", &v.basicBorderColour},
        {"getBasicBGColour", &v.basicBGColour},
        {"getLColour", &v.lColour},
        {"getHColour", &v.hColour},
        {"getVColour", &v.vColour},
        {"getAColour", &v.aColour},
        {"getBGColour", &v.bgColour},
        {"getABGColour", &v.aBGColour},
        {"getHBGColour", &v.hBGColour},
        {"getVBGColour", &v.vBGColour},
    };
    QString text = navTemplate();
    for (const auto &[placeholder, value] : placeholders)
        text.replace(QLatin1String(placeholder), *value);
    return text;
}

NavMaker::NavMaker()
    : DialogFrame(QStringLiteral("NavMaker"), QStringLiteral("Navgiation Bar Creator"))
{
    const NavValues defaults;
    auto *basic = new QGroupBox(QStringLiteral("Basic Properties"), this);
    new QGridLayout(basic);
    txtBasicColour = colourRow(basic, 0, "Basic Colour", "txtBasicColour", "btnBasicColour");
    txtBasicBGColour = colourRow(basic, 1, "Background Colour", "txtBasicBGColour",
                                 "btnBasicBGColour", defaults.basicBGColour);
    txtBasicBorderColour = colourRow(basic, 2, "Border Colour", "txtBasicBorderColour",
                                     "btnBasicBorderColour");

    QGroupBox *normal = linkFrame("Normal Link Properties", "", &txtLColour, &txtBGColour,
                                  &txtLinkColour, &cmbLinkBorderType, &txtLinkThickness,
                                  defaults);
    QGroupBox *visited = linkFrame("Visited Link Properties", "V", &txtVColour, &txtVBGColour,
                                   &txtVLinkColour, &cmbLinkVBorderType, &txtVLinkThickness,
                                   defaults);
    QGroupBox *hover = linkFrame("Hover Link Properties", "H", &txtHColour, &txtHBGColour,
                                 &txtHLinkColour, &cmbLinkHBorderType, &txtHLinkThickness,
                                 defaults);
    QGroupBox *active = linkFrame("Active Link Properties", "A", &txtAColour, &txtABGColour,
                                  &txtALinkColour, &cmbLinkABorderType, &txtALinkThickness,
                                  defaults);

    auto *about = new QGroupBox(QStringLiteral("About"), this);
    auto *aboutText = new QLabel(QStringLiteral(
        "Navigation Bar Creator allows you to create navigation bars for your web pages using "
        "Cascaded Style Sheets. Select the options &  click on preview after every change to "
        "see effect"), about);
    aboutText->setWordWrap(true);
    (new QVBoxLayout(about))->addWidget(aboutText);

    Result = new HtmlEditView(this);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setMinimumHeight(120);
    btnPreview = button(QStringLiteral("btnPreview"), QStringLiteral("Preview"));
    btnProceed = button(QStringLiteral("btnProceed"), QStringLiteral("Proceed >>"));
    btnHelp = helpButton(QStringLiteral("navmaker.qhp"));

    auto *frames = new QGridLayout;
    frames->addWidget(basic, 0, 0);
    frames->addWidget(normal, 0, 1);
    frames->addWidget(visited, 0, 2);
    frames->addWidget(about, 1, 0);
    frames->addWidget(hover, 1, 1);
    frames->addWidget(active, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(Result, 1);
    addButtonRow(layout, {btnPreview, btnProceed}, {btnHelp});
    resize(900, 640);

    connect(btnPreview, &QPushButton::clicked, this, &NavMaker::preview);
    connect(btnProceed, &QPushButton::clicked, this, &NavMaker::proceed);
}

QLineEdit *NavMaker::colourRow(QGroupBox *frame, int row, const char *label,
                               const QString &field, const QString &buttonName,
                               const QString &text)
{
    auto *grid = static_cast<QGridLayout *>(frame->layout());
    QLineEdit *edit = textField(field, text);
    QPushButton *pick = colourTextButton(buttonName, edit);
    pick->setFixedWidth(32);
    grid->addWidget(new QLabel(QLatin1String(label), frame), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(pick, row, 2);
    return edit;
}

QGroupBox *NavMaker::linkFrame(const char *title, const char *prefix, QLineEdit **colour,
                               QLineEdit **bgColour, QLineEdit **borderColour, QComboBox **type,
                               QLineEdit **thickness, const NavValues &d)
{
    // The controls of the four frames differ only by the state's letter:
    // txtLColour / txtVColour, txtBGColour / txtVBGColour, txtLinkColour /
    // txtVLinkColour, cmbLinkBorderType / cmbLinkVBorderType, UDLink / UDVLink.
    const QString p = QLatin1String(prefix);
    const QString first = p.isEmpty() ? QStringLiteral("L") : p;
    auto *frame = new QGroupBox(QLatin1String(title), this);
    auto *grid = new QGridLayout(frame);
    *colour = colourRow(frame, 0, "Colour", "txt" + first + "Colour",
                        "btn" + first + "Colour");
    *bgColour = colourRow(frame, 1, "BG Colour", "txt" + p + "BGColour",
                          "btn" + p + "BGColour",
                          p == u"H" ? d.hBGColour : QString());
    *borderColour = colourRow(frame, 2, "Border Colour", "txt" + p + "LinkColour",
                              "btn" + p + "LinkColour");

    const QString typeText = p.isEmpty() ? d.linkBorderType
                             : p == u"V" ? d.linkVBorderType
                             : p == u"H" ? d.linkHBorderType
                                         : d.linkABorderType;
    const QString thicknessText = p.isEmpty() ? d.linkThickness
                                  : p == u"V" ? d.vLinkThickness
                                  : p == u"H" ? d.hLinkThickness
                                              : d.aLinkThickness;
    *type = comboBox("cmbLink" + p + "BorderType", borderTypes, false, typeText);
    *thickness = textField("txt" + p + "LinkThickness", thicknessText);
    grid->addWidget(new QLabel(QStringLiteral("Border Type"), frame), 3, 0);
    grid->addWidget(*type, 3, 1, 1, 2);
    auto *thick = new QHBoxLayout;
    thick->addWidget(*thickness);
    thick->addWidget(spinner("UD" + p + "Link", *thickness));
    grid->addWidget(new QLabel(QStringLiteral("Thickness"), frame), 4, 0);
    grid->addLayout(thick, 4, 1, 1, 2);
    return frame;
}

void NavMaker::load()
{
    DialogFrame::load();
    preview();
}

NavValues NavMaker::values() const
{
    NavValues v;
    v.basicColour = txtBasicColour->text();
    v.basicBGColour = txtBasicBGColour->text();
    v.basicBorderColour = txtBasicBorderColour->text();
    v.lColour = txtLColour->text();
    v.bgColour = txtBGColour->text();
    v.linkColour = txtLinkColour->text();
    v.linkBorderType = cmbLinkBorderType->currentText();
    v.linkThickness = txtLinkThickness->text();
    v.vColour = txtVColour->text();
    v.vBGColour = txtVBGColour->text();
    v.vLinkColour = txtVLinkColour->text();
    v.linkVBorderType = cmbLinkVBorderType->currentText();
    v.vLinkThickness = txtVLinkThickness->text();
    v.hColour = txtHColour->text();
    v.hBGColour = txtHBGColour->text();
    v.hLinkColour = txtHLinkColour->text();
    v.linkHBorderType = cmbLinkHBorderType->currentText();
    v.hLinkThickness = txtHLinkThickness->text();
    v.aColour = txtAColour->text();
    v.aBGColour = txtABGColour->text();
    v.aLinkColour = txtALinkColour->text();
    v.linkABorderType = cmbLinkABorderType->currentText();
    v.aLinkThickness = txtALinkThickness->text();
    return v;
}

void NavMaker::preview()
{
    Result->setDocumentHtml(fillNavTemplate(values()));
    Result->setBrowseMode(true);
}

void NavMaker::proceed()
{
    auto *links = WindowDirectory::touch<NavListURLs>(QStringLiteral("NavListURLs"));
    if (!links)
        return;
    links->txtCode = fillNavTemplate(values());
    Openers::showWindow(links);
    unload();
}
