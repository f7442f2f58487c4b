#include "ftpclient/inethelpwindow.h"

#include "platform/windowdirectory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

InetHelpWindow::InetHelpWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Help"));

    auto *heading = new QLabel(QStringLiteral("FTP: Quorl Vevevodi"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(48, 48));

    Text1 = new QPlainTextEdit(helpText(), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    QFont textFont(QStringLiteral("Trebuchet MS"));
    textFont.setStyleHint(QFont::SansSerif);
    Text1->setFont(textFont);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this,
            [] { WindowDirectory::unload(QStringLiteral("INETHelp")); });

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(heading, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Text1, 1);
    layout->addLayout(bottom);
    resize(460, 340);
}

QString InetHelpWindow::helpText()
{
    return QStringLiteral(
        "FTP: Quorl Vevevodi transfers files between this computer and your web space. "
        "To sign in, click Connect on the toolbar or in the File menu. The Sign in Details "
        "window opens: fill in the server address, user name and password that your "
        "hosting provider's control panel shows.\r\n\r\n"
        "Once you are signed in, every operation is straightforward. To delete a file, for "
        "instance, select it in the list in the middle of the window and click Delete.\r\n\r\n"
        "When you are done, click Disconnect to disconnect from the server.");
}
