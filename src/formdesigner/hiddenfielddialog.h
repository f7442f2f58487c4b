#pragma once

#include "formdesigner/formfielddialog.h"

// What the hidden field dialog's fields hold.
struct HiddenFieldValues {
    QString name{};
    QString value{};
};

// The hidden INPUT; its value is written also when empty.
QString hiddenFieldHtml(const HiddenFieldValues &values);

// "formHidden", and the designer's "OformHidden".
class HiddenFieldDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit HiddenFieldDialog(Variant variant = Variant::Document);

    HiddenFieldValues values() const;

    QLineEdit *txtValue = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;
};
