#include "formdesigner/formtagdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString formTagHtml(const FormTagValues &v, const QString &tagEnd)
{
    return QStringLiteral("<form") + fieldAttribute("name", v.name)
           + fieldAttribute("method", v.method) + fieldAttribute("action", v.action)
           + fieldAttribute("target", v.target) + tagEnd
           + QStringLiteral("<input type=\"submit\" name=\"submit\"></form>");
}

FormTagDialog::FormTagDialog()
    : FormFieldDialog("formForm", "Insert Form : Quorl", nullptr, Variant::Document,
                      {NameRule::Form, ConsoleForm::BodyElement, true})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Action"), txtAction = textField("txtAction"));
    cmbMethod = comboBox("cmbMethod", {"Get", "Post"}, true, "Get");
    fields->addRow(QStringLiteral("Method"), cmbMethod);
    cmbTarget = comboBox("cmbTarget", {"_blank", "_self", "_parent", "_top"}, true, "_self");
    fields->addRow(QStringLiteral("Target"), cmbTarget);
    layout->addLayout(fields);

    OKButton = confirmButton("OKButton", "OK",
                             [this](const QString &end) { return formTagHtml(values(), end); });
    CancelButton = cancelButton();
    btnHelp = documentHelp(QStringLiteral("forms.qhp"));
    layout->addLayout(buttonRow({OKButton, CancelButton, btnHelp}));
}

FormTagValues FormTagDialog::values() const
{
    return {txtName->text(), cmbMethod->currentText(), txtAction->text(),
            cmbTarget->currentText()};
}
