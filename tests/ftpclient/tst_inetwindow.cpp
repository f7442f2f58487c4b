#include "ftpclient/ftptiming.h"
#include "ftpclient/ftpwindows.h"
#include "ftpclient/inethelpwindow.h"
#include "ftpclient/inetwindow.h"
#include "ftpclient/signindialog.h"
#include "ftpclient/transfercontrol.h"
#include "ftptestserver.h"
#include "platform/commondialog.h"
#include "platform/programexit.h"
#include "platform/windowdirectory.h"
#include "support/files.h"
#include "support/hangguard.h"
#include "support/scriptedprompter.h"
#include "support/showntext.h"
#include "support/testenv.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <ctime>
#include <sys/stat.h>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {
const QString title = QStringLiteral("FTP: Quorl Vevevodi");
}

class TestInetWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void signInByEnterListsTheStartFolder();
    void signInWhileBusyOnlySetsTheConnection();
    void cancelKeepsTheTypedValues();
    void repaintLoadsTheSigninDialogHidden();
    void refreshFollowsOnlyFolderChanges_data();
    void refreshFollowsOnlyFolderChanges();
    void commandWhileBusyIsDropped();
    void stopInsideAStateLetsTheNextCommandRun();
    void stopLeavesAnEndLine();
    void namesWithBlanksAndAccentsRoundTrip();
    void failedDownloadKeepsTheLocalFile();
    void refusalsShowErrorInTheLog();
    void missingSelectionMessages_data();
    void missingSelectionMessages();
    void disconnectAsksOnlyFromTheButton();
    void dirWritesLogTxtButRefreshDoesNot();
    void unsafeNameGetsAMessage();
    void failuresBeforeSendingGetAMessage();
    void uploadRefusesSpecialFiles_data();
    void uploadRefusesSpecialFiles();
    void downloadOffersOnlyTheNamesLastPart_data();
    void downloadOffersOnlyTheNamesLastPart();
    void downloadIntoAFolderTheUserCannotWrite_data();
    void downloadIntoAFolderTheUserCannotWrite();
    void addNamesToList_data();
    void addNamesToList();
    void pauseStaysResponsiveWithoutSpinning();
    void helpWindowShowsAndUnloads();
    void leavingEndsEveryWait();
    void toolbarTips_data();
    void toolbarTips();

private:
    void signIn();
    void select(const QString &name);
    QStringList listed() const;
    QString topOfLog() const;
    InetWindow *w = nullptr;
    FtpTestServer m_server;
    TestEnv m_env;
    QTemporaryDir m_local;
    int m_exits = 0;
};

void TestInetWindow::initTestCase()
{
    QVERIFY2(m_server.isValid(), "the FTP server fixture did not start");
    FtpTiming::setWaitScaleForTests(0.01);
    ProgramExit::setHandlerForTests([this] { ++m_exits; });
    registerFtpWindows();
    w = frmInet();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("frmInet"));
    QCOMPARE(w->windowTitle(), title);
    w->show();
}

void TestInetWindow::cleanupTestCase()
{
    WindowDirectory::unloadAll();
    ProgramExit::setHandlerForTests({});
}

void TestInetWindow::init()
{
    m_server.clearRoot();
    m_server.clearLog();
    w->Text1->clear();
    w->List1->clear();
}

void TestInetWindow::toolbarTips_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tip");  // empty: the button shows no tool tip
    QTest::newRow("up level") << "UpLevel" << "";
    QTest::newRow("connect") << "Connect" << "Connect to ...";
    QTest::newRow("view list") << "View List" << "View List";
}

void TestInetWindow::toolbarTips()
{
    QFETCH(QString, key);
    QFETCH(QString, tip);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QWidget *button = w->tbToolBar->widgetForAction(w->tbToolBar->findChild<QAction *>(key));
    QCOMPARE(shownToolTip(button), tip);
    // Named for a screen reader all the same.
    QCOMPARE(button->accessibleName(), key);
}

void TestInetWindow::signIn()
{
    w->Inet1->URL = m_server.url();
    w->Inet1->UserName = m_server.user();
    w->Inet1->Password = m_server.password();
    w->DIR();
    m_server.clearLog();
}

void TestInetWindow::select(const QString &name)
{
    const auto found = w->List1->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name + " is not listed: " + listed().join('|')));
    w->List1->setCurrentItem(found.first());
}

QStringList TestInetWindow::listed() const
{
    QStringList names;
    for (int i = 0; i < w->List1->count(); ++i)
        names << w->List1->item(i)->text();
    return names;
}

QString TestInetWindow::topOfLog() const
{
    return w->txtResponse->toPlainText().section(u'\n', 0, 0);
}

void TestInetWindow::signInByEnterListsTheStartFolder()
{
    QVERIFY(FtpTestServer::writeFile(m_server.root(QStringLiteral("index.html")), "<p>"));
    QDir(m_server.root()).mkdir(QStringLiteral("images"));
    w->txtResponse->clear();

    auto *signin = WindowDirectory::touch<SigninDialog>(QStringLiteral("frmSignin"));
    QVERIFY(signin);
    QCOMPARE(signin->windowTitle(), QStringLiteral("Sign in Details: FTP Quorl"));
    w->mSignIn->trigger();
    QVERIFY(signin->isVisible());
    signin->txturl->setText(m_server.url());
    signin->txtusername->setText(m_server.user());
    signin->txtpassword->setText(m_server.password());
    QCOMPARE(signin->txtpassword->echoMode(), QLineEdit::Password);
    QTest::keyClick(signin->txtpassword, Qt::Key_Return);

    QVERIFY(!signin->isVisible());
    QVERIFY(!w->Inet1->StillExecuting());
    QStringList names = listed();
    names.sort();
    QCOMPARE(names, (QStringList{"", "images", "index.html"}));
    QCOMPARE(topOfLog(), QStringLiteral("Response Completed"));
    QVERIFY(w->txtResponse->toPlainText().endsWith(QLatin1String("Connecting\n")));
    QCOMPARE(m_server.count(QStringLiteral("NLST")), 1);
    QVERIFY(!w->txtResponse->toPlainText().contains(m_server.password()));
}

void TestInetWindow::signInWhileBusyOnlySetsTheConnection()
{
    signIn();
    auto *signin = WindowDirectory::touch<SigninDialog>(QStringLiteral("frmSignin"));
    signin->show();
    QVERIFY(w->Inet1->execute({FtpOperation::Dir, {}, {}}));
    signin->txturl->setText(m_server.url() + QStringLiteral("/"));
    signin->Command2->click();
    QVERIFY(!signin->isVisible());
    QCOMPARE(w->Inet1->URL, m_server.url() + QStringLiteral("/"));
    QTRY_VERIFY(!w->Inet1->StillExecuting());
    QTest::qWait(50);
    QCOMPARE(m_server.count(QStringLiteral("NLST")), 1);
}

void TestInetWindow::cancelKeepsTheTypedValues()
{
    auto *signin = WindowDirectory::touch<SigninDialog>(QStringLiteral("frmSignin"));
    const QString urlBefore = w->Inet1->URL;
    w->showSignin();
    signin->txturl->setText(QStringLiteral("ftp.example.invalid"));
    signin->Command1->click();
    QVERIFY(!signin->isVisible());
    w->tbToolBar->findChild<QAction *>(QStringLiteral("Connect"))->trigger();
    QVERIFY(signin->isVisible());
    QCOMPARE(signin->txturl->text(), QStringLiteral("ftp.example.invalid"));
    QCOMPARE(w->Inet1->URL, urlBefore);
    signin->Command1->click();
}

void TestInetWindow::repaintLoadsTheSigninDialogHidden()
{
    WindowDirectory::unload(QStringLiteral("frmSignin"));
    // Only the deletion runs here: a paint now would load the dialog again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!WindowDirectory::isLoaded(QStringLiteral("frmSignin")));
    w->repaint();
    QTRY_VERIFY(WindowDirectory::isLoaded(QStringLiteral("frmSignin")));
    QVERIFY(!WindowDirectory::loaded(QStringLiteral("frmSignin"))->isVisible());
}

void TestInetWindow::refreshFollowsOnlyFolderChanges_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("listings");
    QTest::newRow("CD") << "CD" << 1;
    QTest::newRow("CDUP") << "CDUP" << 1;
    QTest::newRow("DELETE") << "DELETE" << 1;
    QTest::newRow("MKDIR") << "MKDIR" << 1;
    QTest::newRow("RENAME") << "RENAME" << 1;
    QTest::newRow("RMDIR") << "RMDIR" << 1;
    QTest::newRow("PUT") << "PUT" << 0;
    QTest::newRow("GET") << "GET" << 0;
    QTest::newRow("CLOSE") << "CLOSE" << 0;
    QTest::newRow("DIR") << "DIR" << 1; // the listing itself, and no second one
}

void TestInetWindow::refreshFollowsOnlyFolderChanges()
{
    QFETCH(QString, command);
    QFETCH(int, listings);
    QVERIFY(QDir(m_server.root()).mkpath(QStringLiteral("sub dir/empty")));
    QVERIFY(FtpTestServer::writeFile(m_server.root(QStringLiteral("sub dir/a.txt")), "a"));
    const QString local = m_local.filePath(QStringLiteral("local.txt"));
    QVERIFY(FtpTestServer::writeFile(local, "local"));
    signIn();
    w->ChangeDIR(QStringLiteral("sub dir"));
    m_server.clearLog();

    const QMap<QString, std::function<void()>> commands = {
        {"CD", [&] { w->ChangeDIR(QStringLiteral("empty")); }},
        {"CDUP", [&] { w->LevelUp(); }},
        {"DELETE", [&] { w->DeleteFile(QStringLiteral("a.txt")); }},
        {"MKDIR", [&] { w->MakeDIR(QStringLiteral("new")); }},
        {"RENAME", [&] { w->RenameFile(QStringLiteral("a.txt"), QStringLiteral("b.txt")); }},
        {"RMDIR", [&] { w->RemoveDIR(QStringLiteral("empty")); }},
        {"PUT", [&] { w->Upload(local); }},
        {"GET", [&] { w->Download(QStringLiteral("a.txt"), m_local.filePath("a.txt")); }},
        {"CLOSE", [&] { w->CloseInet(); }},
        {"DIR", [&] { w->DIR(); }},
    };
    commands.value(command)();
    QVERIFY(!w->Inet1->StillExecuting());
    QVERIFY(!w->RefreshPending);
    // A transfer that no listing follows shows its own end on top of the log.
    if (command == QLatin1String("PUT") || command == QLatin1String("GET"))
        QCOMPARE(topOfLog(), QStringLiteral("Response Recieved"));
    QVERIFY2(!w->txtResponse->toPlainText().section(u'\n', 0, 8).contains("Error"),
             qPrintable(m_server.log()));
    QCOMPARE(m_server.count(QStringLiteral("NLST")), listings);
    // A refresh comes after the command it follows, not before.
    if (listings == 1 && command != QLatin1String("DIR"))
        QCOMPARE(m_server.commands().filter(QRegularExpression("^[A-Z]+")).last().left(4),
                 QStringLiteral("NLST"));
    w->CloseInet();
}

void TestInetWindow::commandWhileBusyIsDropped()
{
    QDir(m_server.root()).mkdir(QStringLiteral("keep"));
    signIn();
    ScriptedPrompter prompter; // any message would fail the test
    QVERIFY(w->Inet1->execute({FtpOperation::Dir, {}, {}}));
    w->MakeDIR(QStringLiteral("made while busy"));
    w->RemoveDIR(QStringLiteral("keep"));
    w->ChangeDIR(QStringLiteral("keep"));
    w->Upload(QStringLiteral("/etc/hostname"));
    w->CloseInet();
    QVERIFY(!w->RefreshPending);
    QTRY_VERIFY(!w->Inet1->StillExecuting());
    QTest::qWait(50);
    const QStringList sent = m_server.commands();
    QVERIFY2(sent.filter(QRegularExpression("^(MKD|RMD|CWD|STOR|QUIT)")).isEmpty(),
             qPrintable(sent.join('|')));
    QVERIFY(QDir(m_server.root(QStringLiteral("keep"))).exists());
    QV_VERIFY_PROMPTS(prompter);
}

void TestInetWindow::stopInsideAStateLetsTheNextCommandRun()
{
    signIn();
    bool once = false;
    qint64 nestedMs = -1;
    auto connection = connect(w->Inet1, &TransferControl::StateChanged, this, [&](int state) {
        if (state != TransferControl::ResponseCompleted || once)
            return;
        once = true;
        // As if Stop and then DIR were clicked while the listing was being read.
        w->Inet1->Cancel();
        QTimer::singleShot(5000, w->Inet1, &TransferControl::Cancel);
        QElapsedTimer clock;
        clock.start();
        w->DIR();
        nestedMs = clock.elapsed();
    });
    w->DIR();
    disconnect(connection);
    QVERIFY2(nestedMs >= 0 && nestedMs < 4000, qPrintable(QString::number(nestedMs)));
    QCOMPARE(m_server.count(QStringLiteral("NLST")), 2);
}

void TestInetWindow::stopLeavesAnEndLine()
{
    signIn();
    QVERIFY(w->Inet1->execute({FtpOperation::Dir, {}, {}}));
    w->toolbarCommand(QStringLiteral("Stop"));
    QVERIFY(!w->Inet1->StillExecuting());
    QCOMPARE(topOfLog(), QStringLiteral("Disconnected"));
}

void TestInetWindow::namesWithBlanksAndAccentsRoundTrip()
{
    const QByteArray bytes = QByteArray("Grüße\r\n") + QByteArray(70000, '\x7f') + '\0';
    QDir(m_local.path()).mkdir(QStringLiteral("mein ordner"));
    const QString local = m_local.filePath(QStringLiteral("mein ordner/bericht für dich.html"));
    QVERIFY(FtpTestServer::writeFile(local, bytes));
    signIn();

    ScriptedPrompter prompter;
    w->Text1->setText(local);
    w->Command1->click();
    QCOMPARE(FtpTestServer::readFile(m_server.root(QStringLiteral("bericht für dich.html"))),
             bytes);
    w->DIR();
    QVERIFY(listed().contains(QStringLiteral("bericht für dich.html")));

    const QString back = m_local.filePath(QStringLiteral("zurück kopie.html"));
    select(QStringLiteral("bericht für dich.html"));
    prompter.expect(ScriptedPrompter::SaveFile{QString(), back});
    w->Command2->click();
    QCOMPARE(FtpTestServer::readFile(back), bytes);

    select(QStringLiteral("bericht für dich.html"));
    prompter.expect(ScriptedPrompter::Input{
        QStringLiteral("Please Enter the newfilename for bericht für dich.html"), title,
        QStringLiteral("neuer name ö.html")});
    w->Command6->click();
    QVERIFY(QFile::exists(m_server.root(QStringLiteral("neuer name ö.html"))));
    QVERIFY(listed().contains(QStringLiteral("neuer name ö.html")));

    select(QStringLiteral("neuer name ö.html"));
    prompter.expect(Msg{QStringLiteral("Are you sure you want to Delete the file neuer name ö.html"),
                        title, Icon::None, Buttons::YesNo, Answer::Yes});
    w->Command8->click();
    QVERIFY(!QFile::exists(m_server.root(QStringLiteral("neuer name ö.html"))));
    QVERIFY(!listed().contains(QStringLiteral("neuer name ö.html")));

    prompter.expect(ScriptedPrompter::Input{
        QStringLiteral("Please Enter the name of the Directory to create"), title,
        QStringLiteral("neuer ordner ß")});
    w->Command4->click();
    select(QStringLiteral("neuer ordner ß"));
    w->Command10->click();
    QCOMPARE(w->Inet1->currentFolder(), QStringLiteral("/neuer ordner ß"));
    w->Command11->click();
    select(QStringLiteral("neuer ordner ß"));
    prompter.expect(Msg{QStringLiteral("Are you sure you want to delete neuer ordner ß Directory"),
                        title, Icon::None, Buttons::YesNo, Answer::Yes});
    w->Command5->click();
    QVERIFY(!QDir(m_server.root(QStringLiteral("neuer ordner ß"))).exists());
    QV_VERIFY_PROMPTS(prompter);
}

void TestInetWindow::failedDownloadKeepsTheLocalFile()
{
    QTemporaryDir local;
    const QString target = local.filePath(QStringLiteral("precious.html"));
    const QByteArray old = "<html>the only copy</html>\r\n";
    QVERIFY(FtpTestServer::writeFile(target, old));
    signIn();
    w->Download(QStringLiteral("vanished.html"), target);
    QCOMPARE(topOfLog(), QStringLiteral("Error"));
    QCOMPARE(FtpTestServer::readFile(target), old);
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"precious.html"});
    QVERIFY2(listed().first().startsWith(QLatin1String("550")), qPrintable(listed().first()));
}

void TestInetWindow::refusalsShowErrorInTheLog()
{
    signIn();
    w->txtResponse->clear();
    w->RemoveDIR(QStringLiteral("no such folder"));
    // The refused command logs Error; the refresh that follows logs above it.
    const QStringList log = w->txtResponse->toPlainText().split(u'\n');
    QCOMPARE(log.first(), QStringLiteral("Response Completed"));
    QVERIFY(log.contains(QStringLiteral("Error")));

    w->Inet1->Password = QStringLiteral("wr@ng:password");
    w->DIR();
    QCOMPARE(topOfLog(), QStringLiteral("Error"));
    QVERIFY(listed().first().startsWith(QLatin1String("530")));
    QVERIFY(!w->txtResponse->toPlainText().contains(QLatin1String("wr@ng")));
    QVERIFY(!listed().join(u'\n').contains(QLatin1String("wr@ng")));
}

void TestInetWindow::missingSelectionMessages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Download") << "Command2" << "Please Select Filename";
    QTest::newRow("RMDIR") << "Command5" << "Please select a directory";
    QTest::newRow("RENAME") << "Command6" << "Please Select the filename to rename";
    QTest::newRow("DELETE") << "Command8" << "Please select the filename";
    QTest::newRow("CHANGE DIR") << "Command10" << "Please Select the filename";
}

void TestInetWindow::missingSelectionMessages()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    ScriptedPrompter prompter;
    prompter.expect(Msg{message, title, Icon::None, Buttons::Ok, Answer::Ok});
    w->findChild<QPushButton *>(button)->click();
    QV_VERIFY_PROMPTS(prompter);
    QCOMPARE(m_server.commands(), QStringList());
}

void TestInetWindow::disconnectAsksOnlyFromTheButton()
{
    signIn();
    ScriptedPrompter prompter;
    prompter.expect(Msg{QStringLiteral("Are you sure you want to Disconnect"), title,
                        Icon::None, Buttons::YesNo, Answer::No});
    w->Command9->click();
    QCOMPARE(m_server.count(QStringLiteral("QUIT")), 0);
    w->mSignOut->trigger();
    QCOMPARE(m_server.count(QStringLiteral("QUIT")), 1);
    QCOMPARE(topOfLog(), QStringLiteral("Disconnected"));

    // An empty local file field opens the open dialog first.
    prompter.expect(ScriptedPrompter::OpenFile{QString(), std::nullopt});
    prompter.expect(Msg{QStringLiteral("Please select a file to upload"), title, Icon::None,
                        Buttons::Ok, Answer::Ok});
    w->tbToolBar->findChild<QAction *>(QStringLiteral("Upload"))->trigger();
    QV_VERIFY_PROMPTS(prompter);
}

void TestInetWindow::dirWritesLogTxtButRefreshDoesNot()
{
    QVERIFY(FtpTestServer::writeFile(m_server.root(QStringLiteral("ä page.html")), "x"));
    signIn();
    const QString logFile = QDir(m_env.programFolder()).filePath(QStringLiteral("log.txt"));
    QFile::remove(logFile);

    w->tbToolBar->findChild<QAction *>(QStringLiteral("Refresh"))->trigger();
    QCOMPARE(m_server.count(QStringLiteral("NLST")), 1);
    QVERIFY(!QFile::exists(logFile));
    const qsizetype sent = m_server.commands().size();
    for (const char *view : {"View Large Icons", "View Small Icons", "View List",
                             "View Details"})
        w->tbToolBar->findChild<QAction *>(QLatin1String(view))->trigger();
    QCOMPARE(m_server.commands().size(), sent);

    w->Command7->click();
    QCOMPARE(FtpTestServer::readFile(logFile), w->ListingText.toUtf8());
    QCOMPARE(w->ListingText, QStringLiteral("ä page.html\r\n"));

    // The list's right-click menu is the Operations menu.
    QFile::remove(logFile);
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Popup{QStringLiteral("DIR")});
    emit w->List1->customContextMenuRequested(QPoint(5, 5));
    QV_VERIFY_PROMPTS(prompter);
    QVERIFY(QFile::exists(logFile));
}

void TestInetWindow::unsafeNameGetsAMessage()
{
    signIn();
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Input{
        QStringLiteral("Please Enter the name of the Directory to create"), title,
        QStringLiteral("x\r\nDELE important.html")});
    prompter.expect(Msg{QStringLiteral("The name contains a line break or a NUL character, so "
                                       "it was not sent to the server"),
                        title, Icon::None, Buttons::Ok, Answer::Ok});
    w->Command4->click();
    QV_VERIFY_PROMPTS(prompter);
    QVERIFY(!w->RefreshPending);
    QCOMPARE(m_server.commands(), QStringList());
}

void TestInetWindow::failuresBeforeSendingGetAMessage()
{
    InetWindow fresh;
    ScriptedPrompter prompter;
    prompter.expect(Msg{QStringLiteral("No server address is set: sign in with Connect first"),
                        title, Icon::None, Buttons::Ok, Answer::Ok});
    fresh.Command7->click();

    signIn();
    const QString missing = m_local.filePath(QStringLiteral("not there.html"));
    prompter.expect(Msg{QStringLiteral("Cannot read \"%1\": No such file or directory").arg(missing),
                        title, Icon::None, Buttons::Ok, Answer::Ok});
    w->Text1->setText(missing);
    w->Command1->click();
    QV_VERIFY_PROMPTS(prompter);
    QCOMPARE(m_server.commands(), QStringList());
}

void TestInetWindow::uploadRefusesSpecialFiles_data()
{
    // A FIFO froze the client for good; /dev/zero never ends.
    const QString fifo = m_local.filePath(QStringLiteral("waits.html"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::addColumn<QString>("path");
    QTest::newRow("fifo") << fifo;
    QTest::newRow("device") << "/dev/zero";
    QTest::newRow("kernel file") << "/proc/self/status";
}

void TestInetWindow::uploadRefusesSpecialFiles()
{
    QFETCH(QString, path);
    signIn();
    ScriptedPrompter prompter;
    prompter.expect(Msg{QStringLiteral("Cannot read \"%1\": Not a regular file").arg(path),
                        title, Icon::None, Buttons::Ok, Answer::Ok});
    w->Text1->setText(path);
    HangGuard guard("Uploading a special file");
    w->Command1->click();
    QV_VERIFY_PROMPTS(prompter);
    QCOMPARE(m_server.commands(), QStringList());
}

void TestInetWindow::downloadOffersOnlyTheNamesLastPart_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("offered"); // empty: refused
    QTest::newRow("plain") << "page.html" << "page.html";
    QTest::newRow("climbing") << "../../../../home/user/.config/autostart/x.desktop"
                              << "x.desktop";
    QTest::newRow("absolute") << "/home/user/x.html" << "x.html";
    QTest::newRow("backslashes") << "..\\..\\x.html" << "x.html";
    QTest::newRow("parent") << ".." << "";
    QTest::newRow("self") << "." << "";
    QTest::newRow("folder only") << "sub/" << "";
    QTest::newRow("line break") << "x.html\r\nDELE y" << "";
    QTest::newRow("control character") << "x\x01.html" << "";
}

void TestInetWindow::downloadOffersOnlyTheNamesLastPart()
{
    QFETCH(QString, listed);
    QFETCH(QString, offered);
    signIn();
    ScriptedPrompter prompter;
    // Where the user last saved: the dialog starts there, whatever the server names.
    const QString chosen = m_local.filePath(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    prompter.expect(ScriptedPrompter::SaveFile{QString(), chosen + "/first.html"});
    CommonDialog().ShowSave();

    w->List1->addItem(listed);
    w->List1->setCurrentRow(w->List1->count() - 1);
    if (offered.isEmpty())
        prompter.expect(Msg{QStringLiteral("The selected name cannot be used for a file on this "
                                           "computer"),
                            title, Icon::None, Buttons::Ok, Answer::Ok});
    else
        prompter.expect(ScriptedPrompter::SaveFile{QString(), std::nullopt});
    w->Command2->click();
    QV_VERIFY_PROMPTS(prompter);
    if (!offered.isEmpty())
        QCOMPARE(prompter.lastFileRequest().initialPath, chosen + u'/' + offered);
    QCOMPARE(m_server.commands(), QStringList());
}

void TestInetWindow::downloadIntoAFolderTheUserCannotWrite_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replaced") << "new.html" << QByteArray("<p>new</p>");
    // What never arrived does not touch the file.
    QTest::newRow("failed") << "vanished.html" << QByteArray("<p>old</p>");
}

void TestInetWindow::downloadIntoAFolderTheUserCannotWrite()
{
    QFETCH(QString, remote);
    QFETCH(QByteArray, after);
    QVERIFY(FtpTestServer::writeFile(m_server.root(QStringLiteral("new.html")), "<p>new</p>"));
    QTemporaryDir parent;
    const QString target = TestFiles::fileInLockedFolder(parent.path(), "page.html", "<p>old</p>");
    QVERIFY(!target.isEmpty());
    signIn();
    ScriptedPrompter prompter;
    if (!TestFiles::asNobody([&] { w->Download(remote, target); }))
        QSKIP("The user cannot be changed here");
    QV_VERIFY_PROMPTS(prompter);
    QCOMPARE(FtpTestServer::readFile(target), after);
}

void TestInetWindow::addNamesToList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF pairs") << "ab\r\ncd\r\n" << QStringList{"ab", "cd", ""};
    QTest::newRow("lone CR swallows the next character") << "ab\rcd" << QStringList{"ab", "d"};
    QTest::newRow("empty text") << "" << QStringList{""};
    QTest::newRow("no line end") << "one name" << QStringList{"one name"};
    QTest::newRow("lone LF stays in its line") << "a\nb\r\nc" << QStringList{"a\nb", "c"};
    QTest::newRow("CR CR: the second is swallowed") << "a\r\rb\r\n" << QStringList{"a", "b", ""};
    QTest::newRow("CR at the very end") << "a\r" << QStringList{"a", ""};
    QTest::newRow("blank lines kept") << "\r\n\r\n" << QStringList{"", "", ""};
}

void TestInetWindow::addNamesToList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QListWidget list;
    list.addItem(QStringLiteral("stale"));
    w->AddNamesToList(text, &list);
    QStringList got;
    for (int i = 0; i < list.count(); ++i)
        got << list.item(i)->text();
    QCOMPARE(got, lines);
}

void TestInetWindow::pauseStaysResponsiveWithoutSpinning()
{
    FtpTiming::setWaitScaleForTests(1.0);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuBefore = std::clock();
    w->Pause(400);
    const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    FtpTiming::setWaitScaleForTests(0.01);
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    QVERIFY2(cpuMs < 150, qPrintable(QString::number(cpuMs)));
}

void TestInetWindow::helpWindowShowsAndUnloads()
{
    w->mnuHelp->trigger();
    auto *help = WindowDirectory::touch<InetHelpWindow>(QStringLiteral("INETHelp"));
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(help->Text1->toPlainText().count(QLatin1String("\n\n")), 2);
    QVERIFY(help->Text1->toPlainText().contains(QLatin1String("FTP: Quorl Vevevodi")));
    help->Command1->click();
    QVERIFY(!WindowDirectory::isLoaded(QStringLiteral("INETHelp")));
}

void TestInetWindow::leavingEndsEveryWait()
{
    // A window of its own, since leaving is for good.
    FtpTiming::setWaitScaleForTests(1.0);
    InetWindow other;
    other.Inet1->URL = m_server.url();
    other.Inet1->UserName = m_server.user();
    other.Inet1->Password = m_server.password();
    const int exitsBefore = m_exits;
    QTimer::singleShot(100, &other, [&] { other.mLcose->trigger(); });
    QElapsedTimer clock;
    clock.start();
    other.MakeDIR(QStringLiteral("made before leaving")); // 1000 ms pause, then a refresh
    FtpTiming::setWaitScaleForTests(0.01);
    QVERIFY2(clock.elapsed() < 800, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_exits, exitsBefore + 1);
    QVERIFY(!other.Inet1->StillExecuting());
    QTest::qWait(50);
    QCOMPARE(m_server.count(QStringLiteral("NLST")), 0);
}

QTEST_MAIN(TestInetWindow)
#include "tst_inetwindow.moc"
