#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QPushButton;
class QTextEdit;

// The help viewer "frmHelp": help pages, and any text another window wants
// to show in it (it may change the caption; a new viewer has its own again).
class HelpWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void load() override;

    // Replaces the content by a rich-text (or plain-text) page, from its top.
    void showPage(const QByteArray &page);

    QTextEdit *txtHelp = nullptr;
    QPushButton *Command1 = nullptr;

    static inline const QString caption = QStringLiteral("Specific Help: Quorl Vevevodi");

protected:
    void closeEvent(QCloseEvent *event) override;
};

// The one help viewer, created and loaded on first use.
HelpWindow *frmHelp();
