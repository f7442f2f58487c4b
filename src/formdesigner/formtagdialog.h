#pragma once

#include "formdesigner/formfielddialog.h"

// What the form tag dialog's fields hold.
struct FormTagValues {
    QString name{};
    QString method = QStringLiteral("Get");
    QString action{};
    QString target = QStringLiteral("_self");
};

// The FORM with its submit button, all four attributes always written;
// tagEnd closes the form's start tag.
QString formTagHtml(const FormTagValues &values, const QString &tagEnd = QStringLiteral(">"));

// "formForm".
class FormTagDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    FormTagDialog();

    FormTagValues values() const;

    QLineEdit *txtAction = nullptr;
    QComboBox *cmbMethod = nullptr;
    QComboBox *cmbTarget = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;
};
