#include "ftpclient/ftptiming.h"
#include "ftpclient/transfercontrol.h"
#include "ftptestserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using State = TransferControl::State;

class TestTransferControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void signInListsWithCrLfInChunks();
    void everyOperationReusesOneConnection();
    void operationStringsCarryTheRestAsTheName();
    void addressGivesStartFolderAndCredentials_data();
    void addressGivesStartFolderAndCredentials();
    void refusalsEndWithError_data();
    void refusalsEndWithError();
    void silentServerTimesOut();
    void unsafeNamesAreNeverSent_data();
    void unsafeNamesAreNeverSent();
    void cancelStopsAtOnceAndKeepsTheLocalFile();
    void stateTexts_data();
    void stateTexts();

private:
    struct Run {
        bool started = false;
        QList<int> states;
        bool busyAtEveryState = true;
        QString response;
    };
    Run run(TransferControl &control, const FtpOperation &op, int timeoutMs = 20000);
    void signIn(TransferControl &control, const QString &password = QString());

    FtpTestServer m_server;
    QTemporaryDir m_local;
};

void TestTransferControl::initTestCase()
{
    QVERIFY2(m_server.isValid(), "the FTP server fixture did not start");
}

void TestTransferControl::init()
{
    m_server.clearRoot();
    m_server.clearLog();
    FtpTiming::setTimeoutForTests(30);
}

void TestTransferControl::signIn(TransferControl &control, const QString &password)
{
    control.URL = m_server.url();
    control.UserName = m_server.user();
    control.Password = password.isNull() ? m_server.password() : password;
}

TestTransferControl::Run TestTransferControl::run(TransferControl &control,
                                                   const FtpOperation &op, int timeoutMs)
{
    Run result;
    QSignalSpy idle(&control, &TransferControl::idle);
    auto connection = connect(&control, &TransferControl::StateChanged, this, [&](int state) {
        result.states << state;
        result.busyAtEveryState = result.busyAtEveryState && control.StillExecuting();
        if (state == State::ResponseCompleted) {
            for (QString chunk = control.GetChunk(512); !chunk.isEmpty();
                 chunk = control.GetChunk(512)) {
                if (chunk.size() > 512)
                    result.busyAtEveryState = false;
                result.response += chunk;
            }
        }
    });
    result.started = control.execute(op);
    if (result.started && !idle.wait(timeoutMs))
        qWarning("operation %s did not finish", qPrintable(op.text()));
    disconnect(connection);
    return result;
}

void TestTransferControl::signInListsWithCrLfInChunks()
{
    // Enough long names that the listing spans many 512-character chunks.
    QStringList expected;
    for (int i = 0; i < 60; ++i) {
        const QString name = QStringLiteral("entry number %1 with a long name ä.txt").arg(i);
        QVERIFY(FtpTestServer::writeFile(m_server.root(name), "x"));
        expected << name;
    }
    TransferControl control;
    signIn(control);
    const Run r = run(control, {FtpOperation::Dir, {}, {}});
    QVERIFY(r.started);
    QVERIFY(!control.StillExecuting());
    QVERIFY(r.busyAtEveryState);
    QCOMPARE(r.states.first(), int(State::Connecting));
    QCOMPARE(r.states.last(), int(State::ResponseCompleted));
    QVERIFY(!r.states.contains(State::Error));

    QVERIFY(r.response.endsWith(QLatin1String("\r\n")));
    QCOMPARE(r.response.count(u'\n'), r.response.count(QLatin1String("\r\n")));
    QStringList names = r.response.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(control.currentFolder(), QStringLiteral("/"));
    // The password went to the server as a credential, never as part of an address.
    QVERIFY(!m_server.log().contains(m_server.password()));
}

void TestTransferControl::everyOperationReusesOneConnection()
{
    QDir(m_server.root()).mkdir(QStringLiteral("sub dir"));
    const QString local = m_local.filePath(QStringLiteral("up load.txt"));
    QVERIFY(FtpTestServer::writeFile(local, "payload"));
    const QString back = m_local.filePath(QStringLiteral("back.txt"));

    TransferControl control;
    signIn(control);
    const QList<FtpOperation> ops = {
        {FtpOperation::Dir, {}, {}},
        {FtpOperation::Cd, QStringLiteral("sub dir"), {}},
        {FtpOperation::Put, local, QStringLiteral("up load.txt")},
        {FtpOperation::Get, QStringLiteral("up load.txt"), back},
        {FtpOperation::Rename, QStringLiteral("up load.txt"), QStringLiteral("renamed é.txt")},
        {FtpOperation::MkDir, QStringLiteral("inner"), {}},
        {FtpOperation::RmDir, QStringLiteral("inner"), {}},
        {FtpOperation::CdUp, {}, {}},
        {FtpOperation::Dir, {}, {}},
    };
    for (const FtpOperation &op : ops) {
        const Run r = run(control, op);
        QVERIFY2(r.started, qPrintable(control.errorString()));
        QVERIFY2(!r.states.contains(State::Error), qPrintable(op.text() + ": " + r.response));
        if (op.kind == FtpOperation::Cd)
            QCOMPARE(control.currentFolder(), QStringLiteral("/sub dir"));
        // The last state tells that the operation is over.
        QCOMPARE(r.states.last(), int(op.kind == FtpOperation::Dir ? State::ResponseCompleted
                                                                    : State::ResponseReceived));
    }
    QCOMPARE(control.currentFolder(), QStringLiteral("/"));
    QCOMPARE(FtpTestServer::readFile(back), QByteArray("payload"));
    QCOMPARE(FtpTestServer::readFile(m_server.root(QStringLiteral("sub dir/renamed é.txt"))),
             QByteArray("payload"));
    QCOMPARE(m_server.count(QStringLiteral("USER")), 1);

    // After CLOSE the next command signs in again.
    QCOMPARE(run(control, {FtpOperation::Close, {}, {}}).states,
             (QList<int>{State::Disconnecting, State::Disconnected}));
    QCOMPARE(m_server.count(QStringLiteral("QUIT")), 1);
    const Run again = run(control, {FtpOperation::Dir, {}, {}});
    QCOMPARE(again.states.first(), int(State::Connecting));
    QCOMPARE(m_server.count(QStringLiteral("USER")), 2);
}

void TestTransferControl::operationStringsCarryTheRestAsTheName()
{
    TransferControl control;
    signIn(control);
    QSignalSpy idle(&control, &TransferControl::idle);
    QVERIFY(control.Execute(QStringLiteral("MKDIR new folder")));
    QVERIFY(idle.wait(20000));
    QVERIFY(QDir(m_server.root(QStringLiteral("new folder"))).exists());
    QVERIFY(control.Execute(QStringLiteral("CD new folder")));
    QVERIFY(idle.wait(20000));
    QCOMPARE(control.currentFolder(), QStringLiteral("/new folder"));
    QVERIFY(!control.Execute(QStringLiteral("FORMAT C:")));
    QVERIFY(!control.Execute(QStringLiteral("RENAME onlyone")));
    QVERIFY(!control.StillExecuting());
}

void TestTransferControl::addressGivesStartFolderAndCredentials_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("credentialsInAddress");
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder with a blank") << "/start here" << false << "/start here";
    QTest::newRow("nested, trailing slash") << "/start here/inner/" << false << "/start here/inner";
    QTest::newRow("credentials in the address") << "/" << true << "/";
}

void TestTransferControl::addressGivesStartFolderAndCredentials()
{
    QFETCH(QString, path);
    QFETCH(bool, credentialsInAddress);
    QFETCH(QString, folder);
    QVERIFY(QDir(m_server.root()).mkpath(QStringLiteral("start here/inner")));
    const QString mark = QDir(folder.mid(1)).filePath(QStringLiteral("mark.txt"));
    QVERIFY(FtpTestServer::writeFile(m_server.root(QDir::cleanPath(mark)), "x"));
    TransferControl control;
    if (credentialsInAddress) {
        QUrl url(m_server.url());
        url.setUserName(m_server.user());
        url.setPassword(m_server.password());
        control.URL = url.toString();
    } else {
        signIn(control);
        control.URL += path;
    }
    const Run r = run(control, {FtpOperation::Dir, {}, {}});
    QVERIFY2(!r.states.contains(State::Error), qPrintable(r.response));
    QCOMPARE(control.currentFolder(), folder);
    QVERIFY(r.response.contains(QLatin1String("mark.txt")));
}

void TestTransferControl::refusalsEndWithError_data()
{
    QTest::addColumn<bool>("wrongPassword");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reply");
    QTest::newRow("wrong password") << true << int(FtpOperation::Dir) << "530";
    QTest::newRow("delete a missing file") << false << int(FtpOperation::Delete) << "550";
    QTest::newRow("change into a missing folder") << false << int(FtpOperation::Cd) << "550";
    QTest::newRow("download a missing file") << false << int(FtpOperation::Get) << "550";
}

void TestTransferControl::refusalsEndWithError()
{
    QFETCH(bool, wrongPassword);
    QFETCH(int, kind);
    QFETCH(QString, reply);
    TransferControl control;
    signIn(control, wrongPassword ? QStringLiteral("wr@ng:pass") : QString());
    const QString target = m_local.filePath(QStringLiteral("never.txt"));
    const Run r = run(control, {FtpOperation::Kind(kind), QStringLiteral("missing"), target});
    QVERIFY(r.started);
    QVERIFY(!control.StillExecuting());
    QCOMPARE(r.states.last(), int(State::Error));
    QVERIFY(r.states.contains(State::ResponseCompleted));
    QVERIFY2(r.response.startsWith(reply), qPrintable(r.response));
    QVERIFY(!r.response.contains(QLatin1String("wr@ng")));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(control.currentFolder(), wrongPassword ? QString() : QStringLiteral("/"));
}

void TestTransferControl::silentServerTimesOut()
{
    // A server that accepts the connection but never greets.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    FtpTiming::setTimeoutForTests(1);
    TransferControl control;
    control.URL = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    control.UserName = QStringLiteral("someone");
    control.Password = QStringLiteral("secret");
    QElapsedTimer clock;
    clock.start();
    const Run r = run(control, {FtpOperation::Dir, {}, {}}, 10000);
    QVERIFY(r.started);
    QVERIFY(!control.StillExecuting());
    QCOMPARE(r.states.last(), int(State::Error));
    QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
}

void TestTransferControl::unsafeNamesAreNeverSent_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("CR LF in a folder") << int(FtpOperation::Cd) << "x\r\nDELE a" << "";
    QTest::newRow("LF in a new folder") << int(FtpOperation::MkDir) << "x\nRMD a" << "";
    QTest::newRow("NUL in a new name")
        << int(FtpOperation::Rename) << "a" << QString(QStringLiteral("b") + QChar(0) + u'c');
    QTest::newRow("CR in a download") << int(FtpOperation::Get) << "a\rb" << "local.txt";
}

void TestTransferControl::unsafeNamesAreNeverSent()
{
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TransferControl control;
    signIn(control);
    QVERIFY(!run(control, {FtpOperation::Dir, {}, {}}).states.contains(State::Error));
    m_server.clearLog();
    QSignalSpy states(&control, &TransferControl::StateChanged);
    const FtpOperation op{FtpOperation::Kind(kind), first,
                          kind == FtpOperation::Get ? m_local.filePath(second) : second};
    QVERIFY(!control.execute(op));
    QVERIFY(control.errorString().contains(QLatin1String("line break")));
    QVERIFY(!control.StillExecuting());
    QTest::qWait(200);
    QCOMPARE(states.count(), 0);
    QCOMPARE(m_server.commands(), QStringList());
    if (kind == FtpOperation::Get)
        QVERIFY(!QFile::exists(op.second));
}

void TestTransferControl::cancelStopsAtOnceAndKeepsTheLocalFile()
{
    QFile big(m_server.root(QStringLiteral("big.bin")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(400) * 1024 * 1024));
    big.close();
    QTemporaryDir local;
    const QString target = local.filePath(QStringLiteral("kept.bin"));
    QVERIFY(FtpTestServer::writeFile(target, "old contents"));

    TransferControl control;
    signIn(control);
    QSignalSpy idle(&control, &TransferControl::idle);
    bool receiving = false;
    int last = -1;
    const auto watch = connect(&control, &TransferControl::StateChanged, this, [&](int state) {
        receiving = receiving || state == State::ReceivingResponse;
        last = state;
    });
    QVERIFY(control.execute({FtpOperation::Get, QStringLiteral("big.bin"), target}));
    QTRY_VERIFY_WITH_TIMEOUT(receiving, 20000);
    control.Cancel();
    QVERIFY(!control.StillExecuting());
    QCOMPARE(idle.count(), 1);
    QCOMPARE(last, int(State::Disconnected));
    disconnect(watch);
    QCOMPARE(FtpTestServer::readFile(target), QByteArray("old contents"));
    QCOMPARE(QDir(local.path()).entryList(QDir::Files), QStringList{"kept.bin"});

    // The control is usable again afterwards.
    const Run r = run(control, {FtpOperation::Dir, {}, {}});
    QVERIFY2(!r.states.contains(State::Error), qPrintable(r.response));
    QVERIFY(r.response.contains(QLatin1String("big.bin")));
}

void TestTransferControl::stateTexts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    const char *const texts[] = {
        "None", "Resolving host", "Host Resolved", "Connecting", "Connected", "Requesting",
        "Request Sent", "Recieving Response", "Response Recieved", "Disconnecting",
        "Disconnected", "Error", "Response Completed"};
    for (int state = 0; state <= 12; ++state)
        QTest::addRow("%d", state) << state << QString::fromLatin1(texts[state]);
    QTest::newRow("below") << -1 << QString();
    QTest::newRow("above") << 13 << QString();
}

void TestTransferControl::stateTexts()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(TransferControl::stateText(state), text);
}

QTEST_GUILESS_MAIN(TestTransferControl)
#include "tst_transfercontrol.moc"
