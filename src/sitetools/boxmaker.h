#pragma once

#include "sitetools/boxborders.h"

class HtmlEditView;

// "BMBoxProps", the box maker: one bordered box with a live preview in
// `tagbar`; Insert delivers the preview's own markup, so a size dragged
// there goes along.
class BoxMaker : public BoxBorderDialog
{
    Q_OBJECT
    Q_PROPERTY(QString txtCompOrEdit MEMBER compOrEdit)

public:
    BoxMaker();
    void load() override;

    // Rebuilds the preview from the fields.
    void preview();
    void Insert();

    HtmlEditView *tagbar = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *btnGenHTML = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;
};
