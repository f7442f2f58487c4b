#include "ftpclient/signindialog.h"

#include "ftpclient/ftpwindows.h"
#include "ftpclient/inetwindow.h"
#include "ftpclient/transfercontrol.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SigninDialog::SigninDialog(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Sign in Details: FTP Quorl"));
    QFont font(QStringLiteral("News Gothic MT"));
    font.setStyleHint(QFont::SansSerif);

    auto field = [this, &font](QLineEdit **edit, const char *name) {
        *edit = new QLineEdit(this);
        (*edit)->setObjectName(QString::fromLatin1(name));
        (*edit)->setFont(font);
        (*edit)->setMinimumWidth(260);
        connect(*edit, &QLineEdit::returnPressed, this, &SigninDialog::connectCommand);
    };
    field(&txturl, "txturl");
    field(&txtusername, "txtusername");
    field(&txtpassword, "txtpassword");
    txtpassword->setEchoMode(QLineEdit::Password);

    auto *form = new QFormLayout;
    auto label = [this, &font](const char *text) {
        auto *l = new QLabel(QString::fromLatin1(text), this);
        l->setFont(font);
        return l;
    };
    form->addRow(label("URL"), txturl);
    form->addRow(label("Username"), txtusername);
    form->addRow(label("Password"), txtpassword);

    Command2 = new QPushButton(QStringLiteral("Connect"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command2, &QPushButton::clicked, this, &SigninDialog::connectCommand);
    connect(Command1, &QPushButton::clicked, this, &SigninDialog::cancelCommand);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void SigninDialog::connectCommand()
{
    InetWindow *main = frmInet();
    TransferControl *inet = main->Inet1;
    inet->Protocol = 2;
    inet->URL = txturl->text();
    inet->UserName = txtusername->text();
    inet->Password = txtpassword->text();
    main->Exec({FtpOperation::Dir, {}, {}});
    hide();
}

void SigninDialog::cancelCommand()
{
    hide();
}
