#pragma once

#include "dialogs/dialogframe.h"

class HtmlEditView;

// Step 1 of the style sheet creator, "styleSheet": the creator page from the
// tools folder, from which the user copies the rules for step 2.
class StyleSheetWindow : public DialogFrame
{
    Q_OBJECT

public:
    StyleSheetWindow();
    void load() override;

    HtmlEditView *webber = nullptr;
    QPushButton *btnTintor = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnNext = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    void startTintor();
    void next();
};
