#pragma once

#include "platform/commondialog.h"
#include "platform/windowdirectory.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "OeditHTML": the design as HTML text, written back to the canvas by OK.
// The designer hides while it is open and shows again whenever it goes.
class DesignerEditHtml : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    DesignerEditHtml();
    ~DesignerEditHtml() override;

    void load() override;
    void setCode(const QString &text);

    QPlainTextEdit *txtCode = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QGroupBox *Frame1 = nullptr;
    QListWidget *listFont = nullptr;
    QGroupBox *frmColour = nullptr;
    QPushButton *btnPalete = nullptr;
    QLineEdit *txtColour = nullptr;
    QPushButton *btnClip = nullptr;
    CommonDialog ComDlg;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unload();
};
