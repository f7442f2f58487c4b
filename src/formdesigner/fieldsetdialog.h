#pragma once

#include "formdesigner/formfielddialog.h"

class QListWidget;

// What the fieldset dialog's fields hold.
struct FieldsetValues {
    QString caption{};
    QString align{};   // the chosen alignment, empty when none is chosen
};

// The FIELDSET, with a LEGEND when there is a caption.
QString fieldsetHtml(const FieldsetValues &values);

// "formFieldset", and the designer's "OformFieldset".
class FieldsetDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit FieldsetDialog(Variant variant = Variant::Document);

    FieldsetValues values() const;

    QLineEdit *txtCaption = nullptr;
    QListWidget *listAlign = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;
};
