#include "formdesigner/buttondialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString buttonHtml(const ButtonValues &v, const QString &tagEnd)
{
    return QStringLiteral("<INPUT") + fieldAttribute("type", v.type)
           + fieldAttribute("name", v.name) + optionalAttribute("value", v.value)
           + optionalAttribute("tabindex", v.tabIndex) + tagEnd;
}

ButtonDialog::ButtonDialog(Variant variant)
    : FormFieldDialog("formButton", "Insert Button : Quorl", "Insert Button", variant, {})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Value"), txtValue = textField("txtValue"));
    txtTab = isDesigner() ? textField("txtTab") : numberField("txtTab");
    fields->addRow(QStringLiteral("Tab Index"), txtTab);
    layout->addLayout(fields);

    // One type is always chosen, so no button is built with an empty type.
    auto *frmType = new QGroupBox(QStringLiteral("Type"), this);
    frmType->setObjectName(QStringLiteral("frmType"));
    auto *types = new QHBoxLayout(frmType);
    types->addWidget(radButton = optionButton("radButton", "Button", true));
    types->addWidget(radSubmit = optionButton("radSubmit", "Submit"));
    types->addWidget(radReset = optionButton("radReset", "Reset"));
    layout->addWidget(frmType);

    btnInsert = confirmButton("btnInsert", "Insert",
                              [this](const QString &end) { return buttonHtml(values(), end); });
    btnHelp = documentHelp(QStringLiteral("button.qhp"));
    layout->addLayout(buttonRow({btnInsert, btnHelp}));
    if (!isDesigner()) {
        for (QLineEdit *box : {txtName, txtValue, txtTab})
            connect(box, &QLineEdit::returnPressed, btnInsert, &QPushButton::click);
    }
}

ButtonValues ButtonDialog::values() const
{
    QString type;
    if (radButton->isChecked())
        type = QStringLiteral("button");
    else if (radSubmit->isChecked())
        type = QStringLiteral("submit");
    else if (radReset->isChecked())
        type = QStringLiteral("reset");
    return {type, txtName->text(), txtValue->text(), txtTab->text()};
}
