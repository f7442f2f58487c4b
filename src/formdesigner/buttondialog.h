#pragma once

#include "formdesigner/formfielddialog.h"

class QRadioButton;

// What the button dialog's fields hold.
struct ButtonValues {
    QString type = QStringLiteral("button");   // "button", "submit" or "reset"
    QString name{};
    QString value{};
    QString tabIndex{};
};

// The INPUT of type button, submit or reset; tagEnd closes its tag.
QString buttonHtml(const ButtonValues &values, const QString &tagEnd = QStringLiteral(">"));

// "formButton", and the designer's "OformButton".
class ButtonDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit ButtonDialog(Variant variant = Variant::Document);

    ButtonValues values() const;

    QLineEdit *txtValue = nullptr;
    QLineEdit *txtTab = nullptr;
    QRadioButton *radButton = nullptr;
    QRadioButton *radSubmit = nullptr;
    QRadioButton *radReset = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
};
