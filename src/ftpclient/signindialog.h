#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// `frmSignin`: sets the address and credentials on the main window's transfer
// control and starts the first listing. What is typed stays only in memory.
class SigninDialog : public QWidget
{
    Q_OBJECT

public:
    explicit SigninDialog(QWidget *parent = nullptr);

    void connectCommand();
    void cancelCommand();

    QLineEdit *txturl = nullptr;
    QLineEdit *txtusername = nullptr;
    QLineEdit *txtpassword = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
};
