#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "TempClip": snippets of the source text collected for the run, pasted back
// from the display box, independent of the system clipboard.
class TempClipWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit TempClipWindow(QWidget *parent = nullptr);

    void load() override;

    void addSnippet(const QString &text);
    void paste();
    void removeSelected();
    void clear();

    QListWidget *listClip = nullptr;
    QPlainTextEdit *txtClip = nullptr;
    QPushButton *btnPaste = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

// The one temporary clipboard, created and loaded on first use.
TempClipWindow *TempClip();

// The source window's two commands.
void copyToTempClip();
void showTempClip();
