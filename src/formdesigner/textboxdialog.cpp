#include "formdesigner/textboxdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString textBoxHtml(const TextBoxValues &v, const QString &tagEnd)
{
    QString html = QStringLiteral("<INPUT")
                   + fieldAttribute("type", v.password ? QStringLiteral("password")
                                                       : QStringLiteral("text"))
                   + fieldAttribute("name", v.name) + optionalAttribute("value", v.value)
                   + optionalAttribute("size", v.size)
                   + optionalAttribute("maxlength", v.maxLength)
                   + optionalAttribute("tabindex", v.tabIndex);
    if (v.readOnly)
        html += fieldAttribute("readonly", QStringLiteral("readonly"));
    return html + styleAttribute(v.style, QStringLiteral("background-color")) + tagEnd;
}

TextBoxDialog::TextBoxDialog(Variant variant)
    : FormFieldDialog("formTextbox", "Insert Text Box : Quorl", "Insert Text Box", variant, {})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Default Text"), txtDefault = textField("txtDefault"));
    fields->addRow(QStringLiteral("Max Length"), txtMaxLen = textField("txtMaxLen"));
    fields->addRow(QStringLiteral("Size"), txtSize = textField("txtSize"));
    fields->addRow(QStringLiteral("Tab Index"), txtTab = textField("txtTab"));
    layout->addLayout(fields);

    auto *frmPassword = new QGroupBox(QStringLiteral("Convert To Password Field?"), this);
    frmPassword->setObjectName(QStringLiteral("frmPassword"));
    auto *options = new QHBoxLayout(frmPassword);
    options->addWidget(radYes = optionButton("radYes", "Yes"));
    options->addWidget(radNo = optionButton("radNo", "No", true));
    layout->addWidget(frmPassword);
    layout->addWidget(chkReadOnly = checkBox("chkReadOnly", "Read Only"));

    layout->addWidget(styleGroup({"Style Text Box", "chkUseStyle",
                                  isDesigner() ? "Use Style Text Area" : "Use Style Text Box",
                                  "Background ", "Font Size", "Arial"}));

    btnInsert = confirmButton("btnInsert", "Insert",
                              [this](const QString &end) { return textBoxHtml(values(), end); });
    btnHelp = documentHelp(QStringLiteral("textbox.qhp"), "Show Help");
    layout->addLayout(buttonRow({btnInsert, btnHelp}));
}

TextBoxValues TextBoxDialog::values() const
{
    return {txtName->text(), txtDefault->text(),      txtSize->text(),
            txtMaxLen->text(), txtTab->text(),        radYes->isChecked(),
            chkReadOnly->isChecked(), styleValues()};
}
