#pragma once

#include "formdesigner/formfielddialog.h"

// What the text area dialog's fields hold.
struct TextAreaValues {
    QString name{};
    QString text{};
    QString cols{};
    QString rows{};
    QString tabIndex{};
    std::optional<FieldStyle> style{};
};

// The TEXTAREA with its text; tagEnd closes its start tag.
QString textAreaHtml(const TextAreaValues &values, const QString &tagEnd = QStringLiteral(">"));

// "formTextArea", and the designer's "OformTextArea" with the full style group.
class TextAreaDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit TextAreaDialog(Variant variant = Variant::Document);

    TextAreaValues values() const;

    QLineEdit *txtDefault = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtLines = nullptr;
    QLineEdit *txtTab = nullptr;
    QCheckBox *chkAdvanced = nullptr;
    QCheckBox *chkBorder = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
};
