#include "dialogs/ruledialog.h"

#include "platform/htmlmarkup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using HtmlMarkup::attribute;

} // namespace

QString ruleHtml(const RuleValues &v)
{
    QString html = QStringLiteral("<HR");
    if (!v.width.isEmpty())
        html += attribute("width", v.width + (v.percentage ? QStringLiteral("%") : QString()));
    if (v.align != u"Center")
        html += attribute("align", v.align);
    if (!v.colour.isEmpty())
        html += attribute("color", v.colour);
    if (!v.size.isEmpty())
        html += attribute("size", v.size);
    if (v.noShade)
        html += QStringLiteral(" NOSHADE");
    return html + u'>';
}

RuleDialog::RuleDialog()
    : DialogFrame(QStringLiteral("rule"), QStringLiteral("Insert Horizontal Rule : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *sizes = new QGroupBox(QStringLiteral("Size"), this);
    auto *grid = new QGridLayout(sizes);
    txtWidth = numberField(QStringLiteral("txtWidth"));
    txtSize = numberField(QStringLiteral("txtSize"));
    chkPercentage = checkBox(QStringLiteral("chkPercentage"), QStringLiteral("Percentage"));
    auto *pixels = new QLabel(QStringLiteral("Pixels"), sizes);
    grid->addWidget(new QLabel(QStringLiteral("Width"), sizes), 0, 0);
    grid->addWidget(txtWidth, 0, 1);
    grid->addWidget(pixels, 0, 2);
    grid->addWidget(chkPercentage, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Size"), sizes), 1, 0);
    grid->addWidget(txtSize, 1, 1);
    layout->addWidget(sizes);
    connect(chkPercentage, &QCheckBox::toggled, pixels, &QWidget::setHidden);

    auto *form = new QGridLayout;
    cmbAlign = comboBox(QStringLiteral("cmbAlign"), {"Left", "Center", "Right"}, true,
                        QStringLiteral("Center"));
    form->addWidget(new QLabel(QStringLiteral("Alignment"), this), 0, 0);
    form->addWidget(cmbAlign, 0, 1, 1, 2);
    txtColour = textField(QStringLiteral("txtColour"));
    btnShowColours = colourBoxButton(QStringLiteral("btnShowColours"), txtColour);
    btnShowColours->setToolTip(QStringLiteral("Show Colour Palette"));
    btnShowColours->setFixedWidth(32);
    form->addWidget(new QLabel(QStringLiteral("Colour"), this), 1, 0);
    form->addWidget(txtColour, 1, 1);
    form->addWidget(btnShowColours, 1, 2);
    layout->addLayout(form);

    chkShade = checkBox(QStringLiteral("chkShade"), QStringLiteral("No Shade"));
    chkRemember = checkBox(QStringLiteral("chkRemember"), QStringLiteral("Remember Settings"));
    layout->addWidget(chkShade);
    layout->addWidget(chkRemember);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("hr.qhp"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});
    onConfirm(OKButton, [this] { onOK(); });

    m_memory.emplace(QStringLiteral("HRule"), chkRemember);
    m_memory->tick("NoShade", "0", chkShade);
    m_memory->comboText("Alignment", "Center", cmbAlign);
    m_memory->text("Colour", "", txtColour);
    m_memory->text("Size", "", txtSize);
    m_memory->tick("Percentage", "0", chkPercentage);
    m_memory->text("Width", "", txtWidth);
}

void RuleDialog::load()
{
    m_memory->restore();
    DialogFrame::load();
}

RuleValues RuleDialog::values() const
{
    RuleValues v;
    v.width = txtWidth->text();
    v.percentage = chkPercentage->isChecked();
    v.size = txtSize->text();
    v.align = cmbAlign->currentText();
    v.colour = txtColour->text();
    v.noShade = chkShade->isChecked();
    return v;
}

void RuleDialog::onOK()
{
    InsertHtml(ruleHtml(values()));
    m_memory->store();
    unload();
}
