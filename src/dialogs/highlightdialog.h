#pragma once

#include "dialogs/dialogframe.h"

// The SPAN that gives text a background colour; a colour name or code is
// written in upper case.
QString highlightHtml(const QString &colour, const QString &text);

// The highlight dialog "highlight": wraps the source selection it was given.
class HighlightDialog : public DialogFrame
{
    Q_OBJECT

public:
    HighlightDialog();

    QPushButton *openColor = nullptr;
    QLineEdit *txtColour = nullptr;
    QLineEdit *txthighlight = nullptr;  // the selection, carried unseen
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void onOK();
};
