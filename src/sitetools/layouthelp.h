#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QPlainTextEdit;

// "LHelp": five help texts about the layout manager, one at a time.
class LayoutHelp : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    LayoutHelp();

    void load() override;

    // The text a topic button shows, by the button's name; empty for
    // another name.
    static QString text(const QString &button);

    QPlainTextEdit *txtHelp = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
};
