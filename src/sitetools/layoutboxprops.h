#pragma once

#include "sitetools/boxborders.h"

// "LBoxProps": makes one new box and stages it in the layout manager's
// `tagbar`, from where the user drags it into the layout.
class LayoutBoxProps : public BoxBorderDialog
{
    Q_OBJECT

public:
    LayoutBoxProps();

    QLineEdit *txtName = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    void onOK();
};
