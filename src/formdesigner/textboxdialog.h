#pragma once

#include "formdesigner/formfielddialog.h"

class QRadioButton;

// What the text box dialog's fields hold.
struct TextBoxValues {
    QString name{};
    QString value{};
    QString size{};
    QString maxLength{};
    QString tabIndex{};
    bool password = false;
    bool readOnly = false;
    std::optional<FieldStyle> style{};
};

// The INPUT of type text or password; tagEnd closes its start tag.
QString textBoxHtml(const TextBoxValues &values, const QString &tagEnd = QStringLiteral(">"));

// "formTextbox", and the designer's "OformTextbox".
class TextBoxDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit TextBoxDialog(Variant variant = Variant::Document);

    TextBoxValues values() const;

    QLineEdit *txtDefault = nullptr;
    QLineEdit *txtMaxLen = nullptr;
    QLineEdit *txtSize = nullptr;
    QLineEdit *txtTab = nullptr;
    QRadioButton *radYes = nullptr;
    QRadioButton *radNo = nullptr;
    QCheckBox *chkReadOnly = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
};
