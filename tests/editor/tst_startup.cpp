// What the user sees at start: the splash's stages, the start-up assistant,
// the tips and the tip window.

#include "app/windowregistry.h"
#include "dialogs/listeditor.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "editor/splashwindow.h"
#include "editor/startupassistant.h"
#include "editor/tips.h"
#include "editor/tipwindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;

namespace {

QStringList visibleRecent(const RecentFiles::Menu &menu)
{
    QStringList out;
    for (QAction *a : menu)
        out << (a->isVisible() ? RecentFiles::pathOf(a) : QString("-"));
    return out;
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void splashStages();
    void splashLastStage_data();
    void splashLastStage();
    void tipNumber_data();
    void tipNumber();
    void tipsFile_data();
    void tipsFile();
    void recentKeysFillListAndBothMenus();
    void dontShowAtStartup();
    void openExistingFile();
    void tipWindowSetting_data();
    void tipWindowSetting();

private:
    void writeTips(const QByteArray &bytes);

    TestEnv m_env;
};

void TestStartUp::initTestCase()
{
    registerWindows();
}

void TestStartUp::init()
{
    m_env.clearSettings();
}

void TestStartUp::cleanup()
{
    TestEnv::unloadWindows();
    QFile::copy(qEnvironmentVariable("QV_DATA") + "/misc/TIPOFDAY.TXT",
                ProgramFolder::resolve("misc/TIPOFDAY.TXT"));
}

void TestStartUp::writeTips(const QByteArray &bytes)
{
    const QString path = ProgramFolder::resolve("misc/TIPOFDAY.TXT");
    QFile::remove(path);
    if (!bytes.isNull())
        QVERIFY(TestFiles::write(path, bytes));
}

void TestStartUp::splashStages()
{
    SettingsStore::setValue("StartUp Assistant", "appear", "1");
    auto *splash = WindowDirectory::touch<SplashWindow>("frmSplash");
    QVERIFY(splash->Timer_Progress->isActive());
    QCOMPARE(splash->Timer_Progress->interval(), 417);
    splash->Timer_Progress->stop();  // the test drives the ticks
    splash->show();
    const struct {
        int progress;
        const char *status;
    } expected[] = {
        {10, "Initialising Vevevodi and Editor"},
        {20, "Generating Scripts For Action And Crash Save"},
        {30, "Initialising Vevevodi and Editor"},
        {40, "Starting Vevevodi"},
        {50, "Starting Vevevodi"},
        {60, "Loading Additional Tools and Managers"},
        {70, "Loading Wizards and Help Files"},
        {80, "Starting Quorl Vevevodi 3.0 - By Korrandel"},
        {90, "Please wait...."},
    };
    for (int stage = 0; stage < 9; ++stage) {
        splash->tick();
        QCOMPARE(splash->ProgressBar->value(), expected[stage].progress);
        QCOMPARE(splash->lblStatus->text(), QString(expected[stage].status));
        // The composer appears at the fifth stage, behind the splash.
        QCOMPARE(Composr()->isVisible(), stage >= 4);
        QVERIFY(splash->isVisible());
    }
    QVERIFY(!Quorl()->isVisible());
}

void TestStartUp::splashLastStage_data()
{
    QTest::addColumn<QString>("appear");   // "<absent>" for no key
    QTest::addColumn<bool>("assistant");
    QTest::newRow("absent") << "<absent>" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("not a number") << "x" << true;
}

void TestStartUp::splashLastStage()
{
    QFETCH(QString, appear);
    QFETCH(bool, assistant);
    if (appear != "<absent>")
        SettingsStore::setValue("StartUp Assistant", "appear", appear);
    SettingsStore::setValue("MRUs", "5", "/pages/last.html");
    auto *splash = WindowDirectory::touch<SplashWindow>("frmSplash");
    splash->Timer_Progress->stop();
    for (int i = 0; i < 10; ++i)
        splash->tick();
    QVERIFY(!splash->Timer_Progress->isActive());
    QVERIFY(!WindowDirectory::isLoaded("frmSplash"));
    QCOMPARE(WindowDirectory::isLoaded("StartUp"), assistant);
    if (assistant)
        QVERIFY(WindowDirectory::loaded("StartUp")->isVisible());
    QVERIFY(Composr()->isVisible());
    // Both Recent menus show the stored files, with or without the assistant.
    const QStringList menu{"-", "-", "-", "-", "/pages/last.html"};
    QCOMPARE(visibleRecent(Quorl()->recent), menu);
    QCOMPARE(visibleRecent(Composr()->menus.recent), menu);
}

void TestStartUp::tipNumber_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("number");
    QTest::newRow("lowest") << 0.0 << 3 << 1;
    QTest::newRow("highest") << 0.9999999999 << 3 << 3;
    QTest::newRow("middle") << 0.5 << 3 << 2;
    QTest::newRow("one tip") << 0.9999999999 << 1 << 1;
    QTest::newRow("no tips") << 0.7 << 0 << 1;
}

void TestStartUp::tipNumber()
{
    QFETCH(double, r);
    QFETCH(int, count);
    QFETCH(int, number);
    QCOMPARE(Tips::tipNumber(r, count), number);
}

void TestStartUp::tipsFile_data()
{
    QTest::addColumn<QByteArray>("file");  // null: no file
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("three lines") << QByteArray("one\r\ntwo\r\nthree\r\n")
                                 << QStringList{"one", "two", "three"};
    QTest::newRow("last line unended") << QByteArray("one\ntwo") << QStringList{"one", "two"};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("missing") << QByteArray() << QStringList{};
}

void TestStartUp::tipsFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, tips);
    writeTips(file);
    for (const QString &name : {QString("StartUp"), QString("frmTip")}) {
        QWidget *window = WindowDirectory::touch(name);
        auto *label = window->findChild<QLabel *>("lblTipText");
        const Tips &loaded = name == "StartUp"
                                 ? static_cast<StartUpAssistant *>(window)->tips()
                                 : static_cast<TipWindow *>(window)->tips();
        QCOMPARE(loaded.tips, tips);
        if (file.isNull()) {
            QCOMPARE(label->text(), QString("That the TIPOFDAY.TXT file was not found?"));
        } else {
            QVERIFY(tips.contains(label->text()));
            QCOMPARE(label->text(), tips.at(loaded.CurrentTip - 1));
        }
        // Next Tip shows one of the tips again, or leaves the not-found text.
        window->findChild<QPushButton *>("cmdNextTip")->click();
        if (file.isNull())
            QCOMPARE(label->text(), QString("That the TIPOFDAY.TXT file was not found?"));
        else
            QVERIFY(tips.contains(label->text()));
    }
}

void TestStartUp::recentKeysFillListAndBothMenus()
{
    SettingsStore::setValue("MRUs", "4", "/pages/four.html");
    SettingsStore::setValue("MRUs", "5", "/pages/five.html");
    SettingsStore::setValue("MRUs", "0", "/pages/zero.html");  // not shown by this scheme
    auto *assistant = WindowDirectory::touch<StartUpAssistant>("StartUp");
    QCOMPARE(listEntries(assistant->listRecent),
             (QStringList{"/pages/four.html", "/pages/five.html"}));
    const QStringList menu{"-", "-", "-", "/pages/four.html", "/pages/five.html"};
    QCOMPARE(visibleRecent(Quorl()->recent), menu);
    QCOMPARE(visibleRecent(Composr()->menus.recent), menu);

    assistant->show();
    QVERIFY(QTest::qWaitForWindowExposed(assistant));
    QListWidget *list = assistant->listRecent;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(assistant->listRecent->toolTip(), QString("Selected File:/pages/five.html"));

    // A recent file that cannot be opened keeps the assistant open.
    ScriptedPrompter p;
    p.expect(Msg{"Error 05\r\nUnable to complete requested action.", "Assistant: Quorl",
                 Icon::Critical});
    assistant->openRecent();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(WindowDirectory::isLoaded("StartUp"));
    QCOMPARE(Quorl()->DocumentPath, QString());
}

void TestStartUp::dontShowAtStartup()
{
    auto *assistant = WindowDirectory::touch<StartUpAssistant>("StartUp");
    assistant->show();
    ScriptedPrompter p;
    p.expect(Msg{"You can activate this from options menu", "Quorl: Assistant",
                 Icon::Information});
    assistant->chkStartup->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(SettingsStore::value("StartUp Assistant", "appear"), QString("1"));
    QVERIFY(!WindowDirectory::isLoaded("StartUp"));
}

void TestStartUp::openExistingFile()
{
    const QString path = m_env.scratch("start.html");
    QVERIFY(TestFiles::write(path, "<html><body><p>opened at start</p></body></html>"));
    Quorl()->star = "*";
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    WindowDirectory::touch<StartUpAssistant>("StartUp")->btnOpenExist->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(Quorl()->DocumentPath, path);
    QCOMPARE(Composr()->windowTitle(), SourceWindow::captionPrefix + "(*) " + path);
    QVERIFY(TestEngine::settle(Composr()->txtComp));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>opened at start</p>"));
    QVERIFY(!WindowDirectory::isLoaded("StartUp"));

    // Cancel closes the assistant and leaves the document.
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    Quorl()->comdlg.FileName.clear();
    WindowDirectory::touch<StartUpAssistant>("StartUp")->btnOpenExist->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(Quorl()->DocumentPath, path);
    QVERIFY(!WindowDirectory::isLoaded("StartUp"));
}

void TestStartUp::tipWindowSetting_data()
{
    QTest::addColumn<QString>("stored");  // "<absent>" for no key
    QTest::addColumn<bool>("ticked");
    QTest::newRow("absent") << "<absent>" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("not a number") << "yes" << true;
}

void TestStartUp::tipWindowSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    if (stored != "<absent>")
        SettingsStore::setValue("Options", "Show Tips at Startup", stored);
    // Help > Tip of the day shows the window whatever the setting.
    QAction *command = Quorl()->findChild<QAction *>("mnuTipOfDay");
    QVERIFY(command->isEnabled());
    command->trigger();
    auto *tip = qobject_cast<TipWindow *>(WindowDirectory::loaded("frmTip"));
    QVERIFY(tip);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->chkLoadTipsAtStartup->isChecked(), ticked);
    tip->chkLoadTipsAtStartup->click();
    QCOMPARE(SettingsStore::value("Options", "Show Tips at Startup"),
             QString(ticked ? "0" : "1"));
    QVERIFY(tip->isVisible());
    QVERIFY(Composr()->findChild<QAction *>("mnuTips")->isEnabled());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
