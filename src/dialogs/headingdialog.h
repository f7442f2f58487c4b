#pragma once

#include "dialogs/dialogframe.h"

#include <array>

class QListWidget;

// An H1 to H6 element with its alignment around text.
QString headingHtml(int level, const QString &align, const QString &text);

// The heading dialog "heading".
class HeadingDialog : public DialogFrame
{
    Q_OBJECT

public:
    HeadingDialog();
    void load() override;

    // The level of the selected option, 1 to 6.
    int level() const;

    std::array<QRadioButton *, 6> radLevel{};
    QListWidget *listAlign = nullptr;
    QLineEdit *txtHeading = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void onOK();
};
