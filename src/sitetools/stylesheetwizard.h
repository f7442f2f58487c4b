#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/documentedit.h"

class QPlainTextEdit;

// The rules wrapped for use inside a page, five lines without a final line end.
QString styleBlock(const QString &code);

// The external style sheet: the rules and one line end.
QString cssFileText(const QString &code);

// Said when a style sheet goes to the start of a page that has no head.
EditMessage styleSheetAtStartNotice();

// The page with the block right before its first "</head>", or at its very
// start with the notice when it has none.
DocumentEdit styleSheetEdit(const QString &text, const QString &block);

// Step 2 of the style sheet creator, "styleSheetWiz": saves the pasted rules
// as a .css file or puts them into the page of the window that opened it.
class StyleSheetWizard : public DialogFrame
{
    Q_OBJECT

public:
    StyleSheetWizard();

    QPlainTextEdit *txtCode = nullptr;
    QRadioButton *radExt = nullptr;
    QRadioButton *radInt = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    CommonDialog ComDlg;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void back();
    void finish();
    void saveExternal();
    void useWithinDocument();
    void endTool();
};
