#pragma once

#include "dialogs/dialogframe.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "prewizard": asks for the form's name, method and action and delivers the
// form code around the design the designer captured, by the target the
// designer's opener wrote.
class FormCodeDialog : public DialogFrame
{
    Q_OBJECT
    // The target outlives the dialog: it holds until an opener writes it
    // anew, so a later Generate goes where the first one went.
    Q_PROPERTY(QString txtCompOrEdit READ target WRITE setTarget)

public:
    FormCodeDialog();

    QString target() const { return compOrEdit; }
    void setTarget(const QString &target);

    // The design as it stood at the last Generate.
    QString captured;

    QLineEdit *txtFormName = nullptr;
    QComboBox *cmbAction = nullptr;
    QLineEdit *txtFormAction = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    void onContinue();
};
