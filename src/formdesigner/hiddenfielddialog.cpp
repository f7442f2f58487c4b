#include "formdesigner/hiddenfielddialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString hiddenFieldHtml(const HiddenFieldValues &v)
{
    return QStringLiteral("<input type=\"hidden\"") + fieldAttribute("value", v.value)
           + fieldAttribute("name", v.name) + u'>';
}

HiddenFieldDialog::HiddenFieldDialog(Variant variant)
    : FormFieldDialog("formHidden", "Insert Hidden Element : Quorl", "Insert Hidden Element",
                      variant, {NameRule::Hidden, ConsoleForm::OpenTag, true})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Value"), txtValue = textField("txtValue"));
    layout->addLayout(fields);

    OKButton = confirmButton("OKButton", "OK",
                             [this](const QString &) { return hiddenFieldHtml(values()); });
    CancelButton = cancelButton();
    btnHelp = documentHelp(QStringLiteral("hidden.qhp"));
    layout->addLayout(buttonRow({OKButton, CancelButton, btnHelp}));
}

HiddenFieldValues HiddenFieldDialog::values() const
{
    return {txtName->text(), txtValue->text()};
}
