#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The insert-HTML dialog "insHTML": raw HTML typed by the user, dropped into
// the main composer window at its caret through the insertion pump.
class InsertHtmlDialog : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    InsertHtmlDialog();

    void load() override;

    QPlainTextEdit *theTags = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QLabel *Label1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void ok();
};
