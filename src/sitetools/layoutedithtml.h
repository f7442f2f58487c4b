#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// "LEditHTML": the layout as HTML text, written back to the work area by OK.
// The layout manager hides while it is open and shows again however it goes.
class LayoutEditHtml : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    LayoutEditHtml();
    ~LayoutEditHtml() override;

    void load() override {}

    QPlainTextEdit *txtCode = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unload();
};
