#include "sitetools/boxborders.h"

#include "editor/optfunctions.h"
#include "platform/htmlmarkup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A double quote would close the attribute.
QString quoted(const QString &text)
{
    return HtmlMarkup::quotesEscaped(text);
}

QString declaration(const char *side, const QString &first, const QString &second,
                    const QString &colour)
{
    return QLatin1String(side) + quoted(first) + u' ' + quoted(second) + u' ' + quoted(colour)
           + u';';
}

QString boxHtml(const QString &id, const QString &bgColour, const BoxBorders &borders,
                const char *width, const char *height)
{
    return QStringLiteral("<div id=\"") + quoted(id) + QStringLiteral("\" style=\"")
           + borderDeclarations(borders) + QLatin1String(width)
           + QStringLiteral("POSITION: relative; TOP: 0px; HEIGHT: ") + QLatin1String(height)
           + quoted(bgColour) + QStringLiteral("\">");
}

} // namespace

QString borderThickness(const QString &typed)
{
    if (!isCompleteNumber(typed))
        return typed;
    QString number = typed.trimmed();
    // "2." is a number to the user, not to a style sheet.
    if (number.endsWith(u'.'))
        number.chop(1);
    return number + QStringLiteral("px");
}

QString borderDeclarations(const BoxBorders &b)
{
    const std::pair<const char *, const BorderSide *> sides[] = {
        {"BORDER-LEFT: ", &b.left},
        {"BORDER-RIGHT: ", &b.right},
        {"BORDER-TOP: ", &b.top},
        {"BORDER-BOTTOM: ", &b.bottom},
    };
    QString text;
    for (const auto &[label, side] : sides)
        text += b.individual ? declaration(label, borderThickness(side->thickness), side->type,
                                           side->colour)
                             : declaration(label, b.all.type, borderThickness(b.all.thickness),
                                           b.all.colour);
    return text;
}

QString layoutBoxHtml(const QString &name, const QString &bgColour, const BoxBorders &borders)
{
    const QString id = name.isEmpty() ? QStringLiteral("LayoutBox") : name;
    return boxHtml(id, bgColour, borders, "WIDTH: 40px; ", "30px; BACKGROUND-COLOR: ")
           + QStringLiteral("New Layout Box</div>");
}

QString boxMakerHtml(const QString &bgColour, const BoxBorders &borders)
{
    return boxHtml(QStringLiteral("Box"), bgColour, borders, "WIDTH: 328px; ",
                   "228px; BACKGROUND-COLOR: ")
           + QStringLiteral("</div>");
}

BoxBorderDialog::BoxBorderDialog(const QString &name, const QString &caption)
    : DialogFrame(name, caption)
{
    radAllBorder = optionButton(QStringLiteral("radAllBorder"),
                                QStringLiteral("All Borders Similar"), true);
    radIndiBorder = optionButton(QStringLiteral("radIndiBorder"),
                                 QStringLiteral("Individual Border Properties"));
    cmbAllBorderType = typeList(QStringLiteral("cmbAllBorderType"));
    txtAllThickness = thicknessField(QStringLiteral("txtAllThickness"));
    txtAllColour = textField(QStringLiteral("txtAllColour"));
    txtTopThickness = thicknessField(QStringLiteral("txtTopThickness"));
    txtLeftThickness = thicknessField(QStringLiteral("txtLeftThickness"));
    txtRightThickness = thicknessField(QStringLiteral("txtRightThickness"));
    txtBottomThickness = thicknessField(QStringLiteral("txtBottomThickness"));
    cmbIndiTopType = typeList(QStringLiteral("cmbIndiTopType"));
    cmbIndiLeftType = typeList(QStringLiteral("cmbIndiLeftType"));
    cmbIndiRightType = typeList(QStringLiteral("cmbIndiRightType"));
    cmbIndiBottomType = typeList(QStringLiteral("cmbIndiBottomType"));
    txtTopColour = textField(QStringLiteral("txtTopColour"));
    txtLeftColour = textField(QStringLiteral("txtLeftColour"));
    txtRightColour = textField(QStringLiteral("txtRightColour"));
    txtBottomColour = textField(QStringLiteral("txtBottomColour"));
    txtBGColour = textField(QStringLiteral("txtBGColour"));
}

QLineEdit *BoxBorderDialog::thicknessField(const QString &name)
{
    // Not a number field: a thickness may carry its unit ("2em").
    return textField(name, QStringLiteral("1"));
}

QComboBox *BoxBorderDialog::typeList(const QString &name)
{
    return comboBox(name, BoxBorders::types, true, QStringLiteral("solid"));
}

BoxBorders BoxBorderDialog::borders() const
{
    const auto side = [](const QLineEdit *thickness, const QComboBox *type,
                         const QLineEdit *colour) {
        return BorderSide{thickness->text(), type->currentText(), colour->text()};
    };
    BoxBorders b;
    b.individual = radIndiBorder->isChecked();
    b.all = side(txtAllThickness, cmbAllBorderType, txtAllColour);
    b.left = side(txtLeftThickness, cmbIndiLeftType, txtLeftColour);
    b.right = side(txtRightThickness, cmbIndiRightType, txtRightColour);
    b.top = side(txtTopThickness, cmbIndiTopType, txtTopColour);
    b.bottom = side(txtBottomThickness, cmbIndiBottomType, txtBottomColour);
    return b;
}

QWidget *BoxBorderDialog::borderControls()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *options = new QHBoxLayout;
    options->addWidget(radAllBorder);
    options->addWidget(radIndiBorder);
    options->addStretch();
    layout->addLayout(options);

    auto *lblAllBorder = new QLabel(QStringLiteral("All Borders Similar - Set Attributes"), box);
    lblAllBorder->setObjectName(QStringLiteral("lblAllBorder"));
    layout->addWidget(lblAllBorder);
    auto *shared = new QHBoxLayout;
    const auto frame = [box, shared](const char *name, const char *caption,
                                     std::initializer_list<QWidget *> parts) {
        auto *group = new QGroupBox(QLatin1String(caption), box);
        group->setObjectName(QLatin1String(name));
        auto *row = new QHBoxLayout(group);
        for (QWidget *part : parts)
            row->addWidget(part);
        shared->addWidget(group);
    };
    frame("frmAllStyle", "Border Type", {cmbAllBorderType});
    frame("frmAllThickness", "Thickness",
          {txtAllThickness, spinner(QStringLiteral("UDAll"), txtAllThickness)});
    frame("frmAllCoour", "Colour",
          {txtAllColour, colourTextButton(QStringLiteral("btnAllColour"), txtAllColour)});
    layout->addLayout(shared);

    auto *lblIndividual = new QLabel(QStringLiteral("Individual Borders"), box);
    lblIndividual->setObjectName(QStringLiteral("lblIndividual"));
    layout->addWidget(lblIndividual);
    auto *grid = new QGridLayout;
    int column = 1;
    for (const char *heading : {"Thickness", "Border Type", "Colour"})
        grid->addWidget(new QLabel(QLatin1String(heading), box), 0, column++);
    struct Side {
        const char *name;
        QLineEdit *thickness;
        QComboBox *type;
        QLineEdit *colour;
    };
    const Side sides[] = {
        {"Top", txtTopThickness, cmbIndiTopType, txtTopColour},
        {"Left", txtLeftThickness, cmbIndiLeftType, txtLeftColour},
        {"Right", txtRightThickness, cmbIndiRightType, txtRightColour},
        {"Bottom", txtBottomThickness, cmbIndiBottomType, txtBottomColour},
    };
    int row = 1;
    for (const Side &s : sides) {
        const QString side = QLatin1String(s.name);
        auto *label = new QLabel(side, box);
        label->setObjectName(QStringLiteral("lblIndi") + side);
        grid->addWidget(label, row, 0);
        auto *thickness = new QHBoxLayout;
        thickness->addWidget(s.thickness);
        thickness->addWidget(spinner(QStringLiteral("UD") + side, s.thickness));
        grid->addLayout(thickness, row, 1);
        grid->addWidget(s.type, row, 2);
        auto *colour = new QHBoxLayout;
        colour->addWidget(s.colour);
        colour->addWidget(colourTextButton(QStringLiteral("btn%1Colour").arg(side), s.colour));
        grid->addLayout(colour, row, 3);
        ++row;
    }
    layout->addLayout(grid);
    return box;
}

QWidget *BoxBorderDialog::backgroundControls(const QString &labelName)
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Background Colour"), box);
    label->setObjectName(labelName);
    row->addWidget(label);
    row->addWidget(txtBGColour);
    row->addWidget(colourTextButton(QStringLiteral("btnBGColour"), txtBGColour));
    return box;
}

void BoxBorderDialog::watchBorderFields(const std::function<void(bool individual)> &changed)
{
    const auto watch = [this, changed](bool individual, QLineEdit *thickness, QComboBox *type,
                                       QLineEdit *colour) {
        const auto run = [changed, individual] { changed(individual); };
        connect(thickness, &QLineEdit::textChanged, this, run);
        connect(type, &QComboBox::currentTextChanged, this, run);
        connect(colour, &QLineEdit::textChanged, this, run);
    };
    watch(false, txtAllThickness, cmbAllBorderType, txtAllColour);
    watch(true, txtTopThickness, cmbIndiTopType, txtTopColour);
    watch(true, txtLeftThickness, cmbIndiLeftType, txtLeftColour);
    watch(true, txtRightThickness, cmbIndiRightType, txtRightColour);
    watch(true, txtBottomThickness, cmbIndiBottomType, txtBottomColour);
}
