#include "formdesigner/optionbuttondialog.h"

#include "platform/prompter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

const QString OptionButtonDialog::txtHelp = QStringLiteral(
    "Check boxes let a visitor tick any number of choices; radio buttons that share a name "
    "let the visitor pick exactly one of them.\n\n"
    "The name is mandatory: the form sends the choice under it. The value is what is sent "
    "when the box or button is chosen.\n\n"
    "The tab index sets the place of the field in the order in which the Tab key moves "
    "through the page.\n\n"
    "\"Checked by default\" shows the box or button already chosen when the page opens.");

QString optionButtonHtml(const OptionButtonValues &v, const QString &tagEnd)
{
    return QStringLiteral("<INPUT") + fieldAttribute("type", v.type)
           + fieldAttribute("name", v.name) + optionalAttribute("value", v.value)
           + optionalAttribute("tabindex", v.tabIndex)
           + (v.checked ? QStringLiteral(" checked") : QString()) + tagEnd;
}

OptionButtonDialog::OptionButtonDialog(Variant variant)
    : FormFieldDialog("formRadChk", "Insert Option Buttons : Quorl",
                      "Insert Option Buttons : Quorl", variant, {})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Value"), txtValue = textField("txtValue"));
    fields->addRow(QStringLiteral("Tab Index"), txtTab = textField("txtTab"));
    layout->addLayout(fields);
    layout->addWidget(chkChecked = checkBox("chkChecked", "Checked by default"));

    // One type is always chosen, so no field is built with an empty type.
    auto *frmType = new QGroupBox(QStringLiteral("Type"), this);
    frmType->setObjectName(QStringLiteral("frmType"));
    auto *types = new QHBoxLayout(frmType);
    types->addWidget(radCheckbox = optionButton("radCheckbox", "Checkbox", true));
    types->addWidget(radRadio = optionButton("radRadio", "Radio"));
    layout->addWidget(frmType);

    btnInsert = confirmButton("btnInsert", "Insert", [this](const QString &end) {
        return optionButtonHtml(values(), end);
    });
    if (!isDesigner()) {
        // This dialog's help is its own text.
        btnHelp = button(QStringLiteral("btnHelp"), QStringLiteral("Help"));
        connect(btnHelp, &QPushButton::clicked, this, [] {
            Prompter::tell(txtHelp, QStringLiteral("Help: Quorl Vevevodi"),
                           Prompter::Icon::Information);
        });
    }
    layout->addLayout(buttonRow({btnInsert, btnHelp}));
}

OptionButtonValues OptionButtonDialog::values() const
{
    QString type;
    if (radRadio->isChecked())
        type = QStringLiteral("radio");
    else if (radCheckbox->isChecked())
        type = QStringLiteral("checkbox");
    return {type, txtName->text(), txtValue->text(), txtTab->text(), chkChecked->isChecked()};
}
