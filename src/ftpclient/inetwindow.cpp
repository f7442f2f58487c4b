#include "ftpclient/inetwindow.h"

#include "ftpclient/ftptiming.h"
#include "ftpclient/ftpwindows.h"
#include "ftpclient/responselines.h"
#include "ftpclient/transfercontrol.h"
#include "platform/programexit.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/textfiles.h"
#include "platform/windowdirectory.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QFont listFont()
{
    QFont font(QStringLiteral("News Gothic MT"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

InetWindow::InetWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(title());
    Inet1 = new TransferControl(this);
    Inet1->setObjectName(QStringLiteral("Inet1"));
    connect(Inet1, &TransferControl::StateChanged, this, &InetWindow::onStateChanged);
    buildControls();
    buildMenus();
    buildToolbar();
    resize(760, 560);
}

void InetWindow::buildControls()
{
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);

    List1 = new QListWidget(central);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(listFont());
    List1->setUniformItemSizes(true);
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QListWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QAction *chosen = Prompter::instance().popupMenu(mOperations,
                                                             List1->viewport()->mapToGlobal(pos)))
            chosen->trigger();
    });
    grid->addWidget(List1, 0, 0);

    struct ButtonDef {
        QPushButton **button;
        const char *name;
        const char *caption;
        void (InetWindow::*action)();
    };
    const ButtonDef defs[] = {
        {&Command1, "Command1", "Upload", &InetWindow::uploadCommand},
        {&Command2, "Command2", "Download", &InetWindow::downloadCommand},
        {&Command3, "Command3", "Browse", &InetWindow::browseCommand},
        {&Command4, "Command4", "MKDIR", &InetWindow::makeDirCommand},
        {&Command5, "Command5", "RMDIR", &InetWindow::removeDirCommand},
        {&Command6, "Command6", "RENAME", &InetWindow::renameCommand},
        {&Command7, "Command7", "DIR", &InetWindow::dirCommand},
        {&Command8, "Command8", "DELETE", &InetWindow::deleteCommand},
        {&Command9, "Command9", "DISCONNECT", &InetWindow::disconnectCommand},
        {&Command10, "Command10", "CHANGE DIR", &InetWindow::changeDirCommand},
        {&Command11, "Command11", "CD UP", &InetWindow::cdUpCommand},
    };
    auto *buttons = new QVBoxLayout;
    for (const ButtonDef &def : defs) {
        auto *button = new QPushButton(QString::fromLatin1(def.caption), central);
        button->setObjectName(QString::fromLatin1(def.name));
        button->setFont(listFont());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, def.action);
        *def.button = button;
        if (def.button != &Command3)
            buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 0, 1);

    auto *local = new QHBoxLayout;
    local->addWidget(new QLabel(QStringLiteral("Local file:"), central));
    Text1 = new QLineEdit(central);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(listFont());
    local->addWidget(Text1, 1);
    local->addWidget(Command3);
    grid->addLayout(local, 1, 0, 1, 2);

    txtResponse = new QPlainTextEdit(central);
    txtResponse->setObjectName(QStringLiteral("txtResponse"));
    txtResponse->setReadOnly(true);
    txtResponse->setMaximumHeight(120);
    grid->addWidget(txtResponse, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    setCentralWidget(central);
}

void InetWindow::buildMenus()
{
    auto item = [this](QMenu *menu, QAction **action, const char *name, const char *caption,
                       auto handler) {
        *action = menu->addAction(QString::fromLatin1(caption));
        (*action)->setObjectName(QString::fromLatin1(name));
        connect(*action, &QAction::triggered, this, handler);
    };
    mFile = menuBar()->addMenu(QStringLiteral("File"));
    mFile->setObjectName(QStringLiteral("mFile"));
    item(mFile, &mSignIn, "mSignIn", "Connect", [this] { showSignin(); });
    item(mFile, &mSignOut, "mSignOut", "Disconnect", [this] { CloseInet(); });
    item(mFile, &mLcose, "mLcose", "Exit", [this] { leave(); });

    mOperations = menuBar()->addMenu(QStringLiteral("Operations"));
    mOperations->setObjectName(QStringLiteral("mOperations"));
    item(mOperations, &mUpload, "mUpload", "Upload", [this] { uploadCommand(); });
    item(mOperations, &mDownload, "mDownload", "Download", [this] { downloadCommand(); });
    item(mOperations, &mDIR, "mDIR", "DIR", [this] { dirCommand(); });
    item(mOperations, &mChangeDIR, "mChangeDIR", "Change DIR", [this] { changeDirCommand(); });
    item(mOperations, &mMakeDIR, "mMakeDIR", "Make DIR", [this] { makeDirCommand(); });
    item(mOperations, &mRmDIR, "mRmDIR", "Remove DIR", [this] { removeDirCommand(); });
    item(mOperations, &mRename, "mRename", "Rename", [this] { renameCommand(); });
    item(mOperations, &mDelete, "mDelete", "Delete RemoteFIle", [this] { deleteCommand(); });

    mHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mHelp->setObjectName(QStringLiteral("mHelp"));
    item(mHelp, &mnuHelp, "mnuHelp", "Help", [] {
        QWidget *help = WindowDirectory::touch(QStringLiteral("INETHelp"));
        help->show();
        help->raise();
    });
}

void InetWindow::buildToolbar()
{
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    struct Tool {
        const char *key;
        const char *tip;
        QStyle::StandardPixmap icon;
    };
    const Tool tools[] = {
        {"Connect", "Connect to ...", QStyle::SP_DriveNetIcon},
        {"UpLevel", "", QStyle::SP_FileDialogBack},
        {"Stop", "Stop operation", QStyle::SP_BrowserStop},
        {"Refresh", "Refresh contents of current directory", QStyle::SP_BrowserReload},
        {"Download", "Download File...", QStyle::SP_ArrowDown},
        {"Upload", "Upload File...", QStyle::SP_ArrowUp},
        {"CreateDirectory", "Create Directory...", QStyle::SP_FileDialogNewFolder},
        {"Delete", "Delete File", QStyle::SP_TrashIcon},
        {"Rename", "Rename File...", QStyle::SP_FileDialogContentsView},
        {"View Large Icons", "View Large Icons", QStyle::SP_FileDialogInfoView},
        {"View Small Icons", "View Small Icons", QStyle::SP_FileDialogStart},
        {"View List", "View List", QStyle::SP_FileDialogListView},
        {"View Details", "View Details", QStyle::SP_FileDialogDetailedView},
    };
    for (const Tool &tool : tools) {
        const QString key = QString::fromLatin1(tool.key);
        const QString tip = QString::fromLatin1(tool.tip);
        // A button without a tip has no text either: Qt would show the text as its tip.
        QAction *action = tbToolBar->addAction(style()->standardIcon(tool.icon),
                                               tip.isEmpty() ? QString() : key);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(tip);
        tbToolBar->widgetForAction(action)->setAccessibleName(key);
        if (key == QLatin1String("Rename"))
            tbToolBar->addSeparator();
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { toolbarCommand(action->data().toString()); });
}

// ---- the command layer --------------------------------------------------

void InetWindow::Exec(const FtpOperation &Oper)
{
    if (Inet1->StillExecuting())
        return;
    if (!Inet1->execute(Oper)) {
        RefreshPending = false;
        tell(Inet1->errorString());
        return;
    }
    waitUntilIdle();
    if (m_leaving)
        return;
    Pause(1000);
    if (m_leaving)
        return;
    if (RefreshPending) {
        RefreshPending = false;
        DIR();
    }
}

void InetWindow::waitUntilIdle()
{
    if (!Inet1->StillExecuting() || m_leaving)
        return;
    QEventLoop loop;
    connect(Inet1, &TransferControl::idle, &loop, &QEventLoop::quit);
    connect(this, &InetWindow::leaving, &loop, &QEventLoop::quit);
    loop.exec();
}

void InetWindow::Pause(int HowLong)
{
    if (m_leaving)
        return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire early; the wait is a lower bound.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &InetWindow::leaving, &loop, &QEventLoop::quit);
    timer.start(qMax(0, FtpTiming::wait(HowLong)));
    loop.exec();
}

bool InetWindow::busy() const
{
    return Inet1->StillExecuting();
}

void InetWindow::Upload(const QString &PATH)
{
    if (busy())
        return;
    // Sent under its own name: there are no short names to fall back on.
    Exec({FtpOperation::Put, PATH, QFileInfo(PATH).fileName()});
}

void InetWindow::Download(const QString &RemoteFilename, const QString &LocalFilename)
{
    if (busy())
        return;
    // The transfer control writes beside the target and replaces it only when
    // the whole file arrived, so a failed download leaves the old file alone.
    Exec({FtpOperation::Get, RemoteFilename, LocalFilename});
}

void InetWindow::ChangeDIR(const QString &RemoteDirectory)
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::Cd, RemoteDirectory, {}});
}

void InetWindow::LevelUp()
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::CdUp, {}, {}});
}

void InetWindow::CloseInet()
{
    if (busy())
        return;
    Exec({FtpOperation::Close, {}, {}});
}

void InetWindow::DeleteFile(const QString &RemoteFile)
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::Delete, RemoteFile, {}});
}

void InetWindow::DIR()
{
    if (busy())
        return;
    Exec({FtpOperation::Dir, {}, {}});
}

void InetWindow::MakeDIR(const QString &NewDIR)
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::MkDir, NewDIR, {}});
}

void InetWindow::RenameFile(const QString &FileName, const QString &NewFilename)
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::Rename, FileName, NewFilename});
}

void InetWindow::RemoveDIR(const QString &Directory)
{
    if (busy())
        return;
    RefreshPending = true;
    Exec({FtpOperation::RmDir, Directory, {}});
}

void InetWindow::AddNamesToList(const QString &str, QListWidget *listbox)
{
    listbox->clear();
    listbox->addItems(splitResponseLines(str));
}

void InetWindow::save(const QString &FILEPATH, const QString &data)
{
    QString error;
    if (!TextFiles::write(FILEPATH, data, &error)) {
        tell(error);
        return;
    }
    Pause(500);
}

void InetWindow::onStateChanged(int state)
{
    if (state == TransferControl::ResponseCompleted) {
        QString joined;
        for (QString chunk = Inet1->GetChunk(512); !chunk.isEmpty();
             chunk = Inet1->GetChunk(512)) {
            QCoreApplication::processEvents();
            joined += chunk;
        }
        ListingText = joined;
        AddNamesToList(joined, List1);
    }
    QTextCursor cursor(txtResponse->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(TransferControl::stateText(state) + u'\n');
}

// ---- the window's commands ----------------------------------------------

QString InetWindow::selection() const
{
    const QListWidgetItem *item = List1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void InetWindow::tell(const QString &text)
{
    Prompter::tell(text, title(), Prompter::Icon::None);
}

bool InetWindow::confirm(const QString &text)
{
    return Prompter::ask(text, title(), Prompter::Icon::None, Prompter::Buttons::YesNo)
        == Prompter::Answer::Yes;
}

QString InetWindow::prompt(const QString &text)
{
    return Prompter::instance().input(text, title(), QString()).value_or(QString());
}

void InetWindow::uploadCommand()
{
    if (Text1->text().isEmpty())
        browseCommand();
    if (!Text1->text().isEmpty())
        Upload(Text1->text());
    else
        tell(QStringLiteral("Please select a file to upload"));
}

void InetWindow::downloadCommand()
{
    const QString remote = selection();
    if (remote.isEmpty()) {
        tell(QStringLiteral("Please Select Filename"));
        return;
    }
    // The server's name never chooses the folder: the dialog starts where
    // the user last chose one.
    const QString local = FtpOperation::localName(remote);
    if (local.isEmpty()) {
        tell(QStringLiteral("The selected name cannot be used for a file on this computer"));
        return;
    }
    Cdlg.FileName = local;
    if (Cdlg.ShowSave() && !Cdlg.FileName.isEmpty())
        Download(remote, Cdlg.FileName);
}

void InetWindow::browseCommand()
{
    Cdlg.FileName.clear();
    Text1->clear();
    if (Cdlg.ShowOpen() && !Cdlg.FileName.isEmpty())
        Text1->setText(Cdlg.FileName);
}

void InetWindow::makeDirCommand()
{
    const QString name = prompt(QStringLiteral("Please Enter the name of the Directory to create"));
    if (!name.isEmpty())
        MakeDIR(name);
}

void InetWindow::removeDirCommand()
{
    const QString folder = selection();
    if (folder.isEmpty()) {
        tell(QStringLiteral("Please select a directory"));
        return;
    }
    if (confirm(QStringLiteral("Are you sure you want to delete ") + folder
                + QStringLiteral(" Directory")))
        RemoveDIR(folder);
}

void InetWindow::renameCommand()
{
    const QString name = selection();
    if (name.isEmpty()) {
        tell(QStringLiteral("Please Select the filename to rename"));
        return;
    }
    const QString newName = prompt(QStringLiteral("Please Enter the newfilename for ") + name);
    if (!newName.isEmpty())
        RenameFile(name, newName);
}

void InetWindow::dirCommand()
{
    DIR();
    if (!ListingText.isEmpty())
        save(ProgramFolder::resolve(QStringLiteral("log.txt")), ListingText);
}

void InetWindow::deleteCommand()
{
    const QString name = selection();
    if (name.isEmpty()) {
        tell(QStringLiteral("Please select the filename"));
        return;
    }
    if (confirm(QStringLiteral("Are you sure you want to Delete the file ") + name))
        DeleteFile(name);
}

void InetWindow::disconnectCommand()
{
    if (confirm(QStringLiteral("Are you sure you want to Disconnect")))
        CloseInet();
}

void InetWindow::changeDirCommand()
{
    const QString folder = selection();
    if (folder.isEmpty()) {
        tell(QStringLiteral("Please Select the filename"));
        return;
    }
    ChangeDIR(folder);
}

void InetWindow::cdUpCommand()
{
    LevelUp();
}

void InetWindow::toolbarCommand(const QString &key)
{
    if (key == QLatin1String("Connect"))
        showSignin();
    else if (key == QLatin1String("UpLevel"))
        LevelUp();
    else if (key == QLatin1String("Stop"))
        Inet1->Cancel();
    else if (key == QLatin1String("Refresh"))
        DIR();
    else if (key == QLatin1String("Download"))
        downloadCommand();
    else if (key == QLatin1String("Upload"))
        uploadCommand();
    else if (key == QLatin1String("CreateDirectory"))
        makeDirCommand();
    else if (key == QLatin1String("Delete"))
        deleteCommand();
    else if (key == QLatin1String("Rename"))
        renameCommand();
    // The view keys do nothing.
}

void InetWindow::showSignin()
{
    QWidget *signin = WindowDirectory::touch(QStringLiteral("frmSignin"));
    signin->show();
    signin->raise();
    signin->activateWindow();
}

void InetWindow::leave()
{
    m_leaving = true;
    Inet1->Cancel();
    emit leaving();
    ProgramExit::exitNow();
}

void InetWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    leave();
}

void InetWindow::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    // The sign-in dialog stays in front of the main window while it is open.
    if (m_reshowQueued)
        return;
    m_reshowQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_reshowQueued = false;
        QWidget *signin = WindowDirectory::touch(QStringLiteral("frmSignin"));
        if (signin && signin->isVisible())
            signin->raise();
    });
}
