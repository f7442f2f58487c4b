#include "formdesigner/filefielddialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString fileFieldHtml(const FileFieldValues &v, const QString &tagEnd)
{
    return QStringLiteral("<INPUT type=\"file\"") + fieldAttribute("name", v.name)
           + optionalAttribute("value", v.value) + optionalAttribute("size", v.size)
           + optionalAttribute("tabindex", v.tabIndex) + tagEnd;
}

FileFieldDialog::FileFieldDialog(Variant variant)
    : FormFieldDialog("formFile", "File Upload : Quorl", "File Upload", variant, {})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Default Text"), txtDefault = textField("txtDefault"));
    fields->addRow(QStringLiteral("Size"), txtSize = textField("txtSize"));
    txtTab = isDesigner() ? textField("txtTab") : numberField("txtTab");
    fields->addRow(QStringLiteral("Tab Index"), txtTab);
    layout->addLayout(fields);

    btnInsert = confirmButton("btnInsert", "Insert",
                              [this](const QString &end) { return fileFieldHtml(values(), end); });
    btnHelp = documentHelp(QStringLiteral("fileUpload.qhp"));
    layout->addLayout(buttonRow({btnInsert, btnHelp}));
}

FileFieldValues FileFieldDialog::values() const
{
    return {txtName->text(), txtDefault->text(), txtSize->text(), txtTab->text()};
}
