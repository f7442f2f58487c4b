#include "formdesigner/textareadialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString textAreaHtml(const TextAreaValues &v, const QString &tagEnd)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("<TEXTAREA") + fieldAttribute("name", v.name)
           + optionalAttribute("cols", v.cols) + optionalAttribute("rows", v.rows)
           + optionalAttribute("tabindex", v.tabIndex)
           + styleAttribute(v.style, QStringLiteral("background")) + tagEnd + crlf + v.text
           + crlf + QStringLiteral("</TEXTAREA>");
}

TextAreaDialog::TextAreaDialog(Variant variant)
    : FormFieldDialog("formTextArea", "Insert Text Area : Quorl", "Insert Text Area", variant,
                      {NameRule::Field, ConsoleForm::Element, false})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    // The document dialog takes numbers only in its three number boxes.
    const auto sized = [this](const char *name) {
        return isDesigner() ? textField(name) : numberField(name);
    };
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Default Text"), txtDefault = textField("txtDefault"));
    fields->addRow(QStringLiteral("Width in number of characters"), txtWidth = sized("txtWidth"));
    fields->addRow(QStringLiteral("Number of lines"), txtLines = sized("txtLines"));
    fields->addRow(QStringLiteral("Tab Index"), txtTab = sized("txtTab"));
    layout->addLayout(fields);
    layout->addWidget(chkAdvanced = checkBox("chkAdvanced", "Advanced / Style"));

    QGroupBox *frame =
        isDesigner()
            ? styleGroup({"Style Text Area", "chkUseStyle", "Use Style Text Area",
                          "Background Colour", "Size", ""})
            : styleGroup({"Style Text Area", "chkUseStyleTextarea", "Use Style Text Area",
                          "Background Colour", nullptr, ""});
    frame->setObjectName(QStringLiteral("frmStyleTextArea"));
    chkBorder = checkBox("chkBorder", "Solid Border");
    style.grid->addWidget(chkBorder, 6, 0, 1, 3);
    addStyleSwitch(chkBorder);
    layout->addWidget(frame);
    frame->hide();
    connect(chkAdvanced, &QCheckBox::toggled, frame, &QWidget::setVisible);

    btnInsert = confirmButton("btnInsert", "Insert",
                              [this](const QString &end) { return textAreaHtml(values(), end); });
    btnHelp = documentHelp(QStringLiteral("textarea.qhp"), "Show Help");
    layout->addLayout(buttonRow({btnInsert, btnHelp}));
}

TextAreaValues TextAreaDialog::values() const
{
    std::optional<FieldStyle> s = styleValues();
    if (s) {
        s->border = chkBorder->isChecked();
        // The document dialog's font box writes nothing while it reads "none".
        if (!isDesigner() && s->font == u"none")
            s->font.reset();
    }
    return {txtName->text(), txtDefault->text(), txtWidth->text(),
            txtLines->text(), txtTab->text(),    s};
}
