#include "editor/helpwindow.h"

#include "platform/richtext.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
    resize(560, 460);

    txtHelp = new QTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setReadOnly(true);
    txtHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font(QStringLiteral("Trebuchet MS"), 10);
    font.setStyleHint(QFont::SansSerif);
    txtHelp->setFont(font);
    txtHelp->document()->setDefaultFont(font);

    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, [this] { close(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp, 1);
    layout->addLayout(buttons);
}

void HelpWindow::load()
{
    MakeTopmost(this);
}

void HelpWindow::showPage(const QByteArray &page)
{
    RichText::read(page, txtHelp->document());
    txtHelp->moveCursor(QTextCursor::Start);
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    WindowDirectory::unload(objectName());
}

HelpWindow *frmHelp()
{
    return WindowDirectory::touch<HelpWindow>(QStringLiteral("frmHelp"));
}
