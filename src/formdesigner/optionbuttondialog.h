#pragma once

#include "formdesigner/formfielddialog.h"

class QRadioButton;

// What the option button dialog's fields hold.
struct OptionButtonValues {
    QString type = QStringLiteral("checkbox");   // "radio" or "checkbox"
    QString name{};
    QString value{};
    QString tabIndex{};
    bool checked = false;
};

// The INPUT of type radio or checkbox; tagEnd closes its tag.
QString optionButtonHtml(const OptionButtonValues &values,
                         const QString &tagEnd = QStringLiteral(">"));

// "formRadChk", and the designer's "OformRadChk".
class OptionButtonDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit OptionButtonDialog(Variant variant = Variant::Document);

    OptionButtonValues values() const;

    static const QString txtHelp;

    QLineEdit *txtValue = nullptr;
    QLineEdit *txtTab = nullptr;
    QCheckBox *chkChecked = nullptr;
    QRadioButton *radCheckbox = nullptr;
    QRadioButton *radRadio = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
};
