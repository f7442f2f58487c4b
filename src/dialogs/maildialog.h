#pragma once

#include "dialogs/dialogframe.h"

#include <optional>

struct MailValues {
    QString address;
    QString subject;
    QString text;
    QString screenTip;
    bool noUnderline = false;
};

// The A element with a "mailto:" address; nothing without an address.
std::optional<QString> mailHtml(const MailValues &values);

// The mail link dialog "mail". It writes into the source text, unless the
// composer's hyperlink dialog handed it over with the target "comp"; the
// source window's command writes "edit" back.
class MailDialog : public DialogFrame
{
    Q_OBJECT

public:
    MailDialog();

    MailValues values() const;

    QLineEdit *txtLink = nullptr;
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtTextToDisp = nullptr;
    QLineEdit *txtScreentip = nullptr;
    QCheckBox *chkNoUnderline = nullptr;
    QPushButton *btnInsert = nullptr;

private:
    void onInsert();
};
