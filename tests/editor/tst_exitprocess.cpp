// The built program as a user meets it: started as a process on its own X
// display, ended through its File menu, and gone within a few seconds.

#include "support/xdisplay.h"

#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// The start of both main windows' captions; only the composer shows at start.
const QString kMainCaption = QStringLiteral("Quorl Vevevodi: By Korrandel");

} // namespace

class TestExitProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void exitThroughTheMenuEndsTheProcess_data();
    void exitThroughTheMenuEndsTheProcess();

private:
    std::optional<QString> xdotool(const QStringList &args, int timeoutMs = 20000)
    {
        return m_display.xdotool(args, timeoutMs);
    }
    bool focusWindow(const QString &title) { return m_display.focusWindow(title); }
    bool keys(const QStringList &keys);

    XDisplay m_display;
    QString m_displayName;
    QTemporaryDir m_home;
};

void TestExitProcess::initTestCase()
{
    const QString program = qEnvironmentVariable("QV_PROGRAM");
    if (!QFileInfo(program).isExecutable())
        QFAIL("QV_PROGRAM does not name the built program");
    const QString failure = m_display.start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_displayName = m_display.name();
    QVERIFY(m_home.isValid());
}

bool TestExitProcess::keys(const QStringList &keys)
{
    for (const QString &key : keys) {
        if (!xdotool({QStringLiteral("key"), key}))
            return false;
        QTest::qWait(300);  // a menu opens before its item's key comes
    }
    return true;
}

void TestExitProcess::exitThroughTheMenuEndsTheProcess_data()
{
    QTest::addColumn<bool>("fromSource");
    QTest::addColumn<QStringList>("dialogKeys");  // the menu keys that open a dialog
    QTest::newRow("composer alone") << false << QStringList();
    QTest::newRow("composer, table dialog open") << false << QStringList{"alt+t", "t"};
    QTest::newRow("source window, table dialog open")
        << true << QStringList{"alt+i", "t", "t"};
}

void TestExitProcess::exitThroughTheMenuEndsTheProcess()
{
    QFETCH(bool, fromSource);
    QFETCH(QStringList, dialogKeys);
    QTemporaryDir settings;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_displayName);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    env.insert(QStringLiteral("HOME"), m_home.path());
    program.setProcessEnvironment(env);
    // The start-up assistant would take the keyboard from the composer.
    QSettings stored(settings.path() + QStringLiteral("/Quorl Vevevodi/Quorl Vevevodi 3.0.ini"),
                     QSettings::IniFormat);
    stored.setValue(QStringLiteral("StartUp Assistant/appear"), QStringLiteral("1"));
    stored.sync();
    // Nobody reads the output, so it must not fill a pipe and stop the program.
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(qEnvironmentVariable("QV_PROGRAM"), {});
    QVERIFY(program.waitForStarted());
    const auto stop = qScopeGuard([&] {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    });

    QVERIFY2(focusWindow(kMainCaption), "the composer never showed");
    // Keys go nowhere for a moment when the splash closes, so it closes first.
    QVERIFY2(QTest::qWaitFor([&] { return !xdotool({QStringLiteral("search"),
                                                     QStringLiteral("--onlyvisible"),
                                                     QStringLiteral("--name"),
                                                     QStringLiteral("^Quorl Vevevodi 3\\.0$")},
                                                    5000); }, 20000),
             "the splash never closed");
    QVERIFY(focusWindow(kMainCaption));
    if (fromSource) {
        QVERIFY(keys({QStringLiteral("F2")}));  // File > Editor
        QVERIFY(focusWindow(kMainCaption));
    }
    if (!dialogKeys.isEmpty()) {
        QVERIFY(keys(dialogKeys));
        QVERIFY2(focusWindow(QStringLiteral("Insert Table")), "the table dialog never showed");
        QVERIFY(focusWindow(kMainCaption));
    }
    QVERIFY(keys({QStringLiteral("alt+f"), QStringLiteral("x")}));  // File > Exit
    if (fromSource) {
        // The switch to the source window marks the page modified, so Exit
        // first offers to save it.
        QVERIFY2(focusWindow(QStringLiteral("Assistant: Quorl")), "Exit offered no save");
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("n")}));
    }
    QVERIFY2(focusWindow(QStringLiteral("Confirm Exit: Quorl Vevevodi")),
             "Exit asked nothing");
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("y")}));
    // waitForFinished says false for a process that has already ended.
    QVERIFY2(program.state() == QProcess::NotRunning || program.waitForFinished(5000),
             "the program still runs 5 s after Exit");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestExitProcess)
#include "tst_exitprocess.moc"
