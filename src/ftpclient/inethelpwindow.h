#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// `INETHelp`: a fixed text on how to use the FTP client.
class InetHelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit InetHelpWindow(QWidget *parent = nullptr);

    static QString helpText();

    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
};
