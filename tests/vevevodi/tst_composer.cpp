// The composer window on the real engine: the view switch, its caption and
// marker, the insertion pump and the crash save.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/clipboard.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/sourcearea.h"
#include "platform/textfiles.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWebEngineScript>

namespace {

using TestEngine::settle;

QString body(ComposerWindow *c)
{
    return TestEngine::body(c->txtComp);
}

const QString kPrefix = QStringLiteral("Quorl Vevevodi: By Korrandel - ");

} // namespace

class TestComposer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void freshWindow();
    void switchBothWays();
    void markerAndCaption();
    void mouseMoveShowsTheReadyText();
    void furtherWindowTitlesItself();
    void pumpInsertsEverythingStagedInOrder();
    void pumpWaitsForAHiddenComposer();
    void crashSaveWritesTheVisibleView_data();
    void crashSaveWritesTheVisibleView();
    void crashSaveZeroIntervalIsOff();
    void crashSaveFailureStopsAndSaysSo_data();
    void crashSaveFailureStopsAndSaysSo();
    void unansweredPageChangesNothing();
    void crashSaveLeavesAHungPageAlone();

private:
    void showComposer(const QString &source);

    TestEnv m_env;
    ComposerWindow *c = nullptr;
    SourceWindow *q = nullptr;
};

void TestComposer::initTestCase()
{
    registerWindows();
}

void TestComposer::init()
{
    q = Quorl();
    c = Composr();
    QVERIFY(c && q);
}

void TestComposer::cleanup()
{
    TestEnv::unloadWindows();
}

void TestComposer::showComposer(const QString &source)
{
    q->area->setText(source);
    q->star.clear();
    q->show();
    ShowVevevodi();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    c->activateWindow();
    QVERIFY(settle(c->txtComp));
}

void TestComposer::freshWindow()
{
    QCOMPARE(c->objectName(), QString("Composr"));
    QCOMPARE(c->windowTitle(), QString("Untitled(): Quorl Vevevodi 3.0 - By Korrandel"));
    QCOMPARE(c->findChild<HtmlEditView *>("txtComp"), c->txtComp);
    QCOMPARE(c->findChild<HtmlEditView *>("tagbar"), c->tagbar);
    QVERIFY(c->tagbar->isHidden());
    QCOMPARE(c->Timer1->interval(), 200);
    QVERIFY(c->Timer1->isSingleShot() && !c->Timer1->isActive());
    QCOMPARE(c->TimeCrashSave->interval(), 5000);
    QVERIFY(!c->TimeCrashSave->isActive());
    QVERIFY(c->TimeCrashSaveTag.isEmpty());
    QVERIFY(c->isMainComposer());
    QVERIFY(Menus::find(c, "mnuEditor")->isEnabled());
    QCOMPARE(Menus::find(c, "mnuViewEditor")->shortcut(), QKeySequence(Qt::Key_F2));
    QVERIFY(Menus::find(q, "mnuVevevodi")->isEnabled());
    QVERIFY(Menus::find(q, "mnuViewVevevodi")->isEnabled());
}

void TestComposer::switchBothWays()
{
    // A page made by the old control, with its GENERATOR elements in the head.
    const QString source =
        "<html><head><title>Page</title>"
        "<META NAME=\"GENERATOR\" Content=\"Microsoft DHTML Editing Control\">"
        "<META content=\"MSHTML 6.00.2800.1106\" name=GENERATOR>"
        "<META content=\"MSHTML 6.00.2600.0\" name=GENERATOR></head>"
        "<body><p>Typed <b>here</b></p>\r\n</body></html>";
    q->area->setText(source);
    q->star.clear();
    q->show();
    Menus::find(q, "mnuVevevodi")->trigger();
    QVERIFY(c->isVisible());
    QVERIFY(!q->isVisible());
    QVERIFY(settle(c->txtComp));
    QCOMPARE(c->txtComp->evaluate("document.querySelector('b').textContent")->toString(),
             QString("here"));
    // The page has the keyboard.
    QVERIFY(QTest::qWaitForWindowActive(c));
    QVERIFY(QApplication::focusWidget());
    QInputMethodEvent typed;
    typed.setCommitString("Now");
    QApplication::sendEvent(QApplication::focusWidget(), &typed);
    QVERIFY(TestEngine::waitUntil([this] { return body(c).contains("Now"); }, 5000));
    q->star.clear();
    QCOMPARE(q->star, QString());  // loading the view is no change

    Menus::find(c, "mnuViewEditor")->trigger();
    QVERIFY(q->isVisible());
    QVERIFY(!c->isVisible());
    QCOMPARE(q->area->text().remove("Now"),
             QString("<html><head><title>Page</title>"
                     "<META NAME=\"GENERATOR\" Content=\"Quorl Vevevodi\"></head>"
                     "<body><p>Typed <b>here</b></p>\r\n</body></html>"));
    QCOMPARE(q->star, QString("*"));
}

void TestComposer::markerAndCaption()
{
    showComposer("<html><head></head><body><p id=\"p\">text</p></body></html>");
    QCOMPARE(c->windowTitle(), kPrefix + "() ");
    q->DocumentPath = "/tmp/page.html";

    c->writeBackDocument("<html><head></head><body><p>written back</p></body></html>");
    QCOMPARE(q->star, QString("*"));
    QCOMPARE(c->windowTitle(), kPrefix + "(*) /tmp/page.html");

    // A key that edits marks the document.
    QVERIFY(settle(c->txtComp));
    q->star.clear();
    c->txtComp->ExecCommand(5035);
    c->txtComp->setFocus();
    QVERIFY(settle(c->txtComp));
    QTest::keyClick(c->txtComp->focusProxy(), Qt::Key_Delete);
    QTRY_COMPARE(q->star, QString("*"));

    // So does an insertion of the pump.
    q->star.clear();
    c->stageInsertion("<p>pumped</p>");
    QTRY_COMPARE(q->star, QString("*"));
}

void TestComposer::mouseMoveShowsTheReadyText()
{
    showComposer("<html><head></head><body><p>text</p></body></html>");
    c->setPanelText(1, "a hint");
    QWidget *surface = c->txtComp->focusProxy();
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        QTest::mouseMove(surface, QPoint(30 + QRandomGenerator::global()->bounded(50), 30));
        return c->panelText(1) == "Ready: Quorl Vevevodi 3.0 - By: Korrandel";
    }(), 5000);
}

void TestComposer::furtherWindowTitlesItself()
{
    // A further window names its own document; the main one keeps its caption.
    ComposerWindow other;
    QVERIFY(!other.isMainComposer());
    const QString mainCaption = c->windowTitle();
    q->star = "*";
    other.document().path = "/pages/A.html";
    other.titleupdate();
    QCOMPARE(c->windowTitle(), mainCaption);
    QCOMPARE(other.windowTitle(), kPrefix + "() /pages/A.html");
}

void TestComposer::pumpInsertsEverythingStagedInOrder()
{
    showComposer("<html><head></head><body><p id=\"p\">one two</p></body></html>");
    c->txtComp->evaluate("(() => { const t = document.getElementById('p').firstChild;"
                         " const r = document.createRange(); r.setStart(t, 4); r.setEnd(t, 7);"
                         " getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    Clipboard::setText("the user's copy");
    const QString first = "<!--a--><script>var s = 1;</script><b onclick=\"f()\">1</b>";
    const QString second = "<form action=\"x\"><input name=\"n\"></form>";
    c->stageInsertion(first);
    c->stageInsertion(QString());
    c->stageInsertion(second);
    QVERIFY(c->Timer1->isActive());
    QCOMPARE(body(c), QString("<p id=\"p\">one two</p>"));  // nothing before the tick
    QTRY_VERIFY(!c->Timer1->isActive());
    QVERIFY(c->stagedInsertions().isEmpty());
    // The form cannot stand in the paragraph: it follows it.
    const QString both = "<p id=\"p\">one " + first + "</p>" + second;
    QCOMPARE(body(c), both);
    QCOMPARE(Clipboard::text(), QString("the user's copy"));
    QVERIFY(c->tagbar->isHidden());

    // An empty staging on its own inserts nothing.
    c->stageInsertion(QString());
    QTRY_VERIFY(!c->Timer1->isActive());
    QCOMPARE(body(c), both);
}

void TestComposer::pumpWaitsForAHiddenComposer()
{
    showComposer("<html><head></head><body><p>x</p></body></html>");
    Menus::find(c, "mnuEditor")->trigger();
    QVERIFY(!c->isVisible());
    c->stageInsertion("<i>later</i>");
    QTRY_VERIFY(!c->Timer1->isActive());
    QCOMPARE(c->stagedInsertions(), QStringList{"<i>later</i>"});
    Menus::find(q, "mnuVevevodi")->trigger();
    QTRY_VERIFY(c->stagedInsertions().isEmpty());
    QTRY_VERIFY(body(c).contains("<i>later</i>"));
}

void TestComposer::crashSaveWritesTheVisibleView_data()
{
    QTest::addColumn<bool>("composerVisible");
    QTest::newRow("composer") << true;
    QTest::newRow("source") << false;
}

void TestComposer::crashSaveWritesTheVisibleView()
{
    QFETCH(bool, composerVisible);
    const QString page = "<html><head></head><body><p>crash\u00e9</p></body></html>";
    showComposer(page);
    if (!composerVisible)
        Menus::find(c, "mnuEditor")->trigger();
    const QString path = QDir(m_env.programFolder()).filePath("Crash/rescue.crw");
    QFile::remove(path);
    c->setCrashSave("rescue", 1, true);
    QVERIFY(c->TimeCrashSave->isActive());
    QCOMPARE(c->TimeCrashSave->interval(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 5000);
    QTest::qWait(50);
    // The source view writes its text and a line break; the composer its document.
    QCOMPARE(QString::fromUtf8(TestFiles::bytes(path)),
             composerVisible ? page : q->area->text() + "\r\n");
    QVERIFY(c->TimeCrashSave->isActive());
    c->setCrashSave("rescue", 1, false);
    QVERIFY(!c->TimeCrashSave->isActive());
}

void TestComposer::crashSaveZeroIntervalIsOff()
{
    showComposer("<p>x</p>");
    const QString path = QDir(m_env.programFolder()).filePath("Crash/zero.crw");
    c->setCrashSave("zero", 0, true);
    QVERIFY(!c->TimeCrashSave->isActive());
    // Driven directly, as the wizard may: no file, and the timer goes off.
    c->TimeCrashSave->setInterval(0);
    c->TimeCrashSave->start();
    QTRY_VERIFY(!c->TimeCrashSave->isActive());
    QVERIFY(!QFile::exists(path));
}

void TestComposer::crashSaveFailureStopsAndSaysSo_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("removeFolder");
    QTest::newRow("no Crash folder") << "rescue" << true;
    QTest::newRow("name with a path") << "../outside" << false;
    QTest::newRow("no name") << "" << false;
}

void TestComposer::crashSaveFailureStopsAndSaysSo()
{
    QFETCH(QString, tag);
    QFETCH(bool, removeFolder);
    showComposer("<p>x</p>");
    const QString crash = QDir(m_env.programFolder()).filePath("Crash");
    if (removeFolder)
        QVERIFY(QDir(crash).removeRecursively());
    c->TimeCrashSaveTag = tag;
    c->TimeCrashSave->setInterval(100);
    c->TimeCrashSave->start();
    QTRY_VERIFY(!c->TimeCrashSave->isActive());
    QVERIFY(c->panelText(2).startsWith("Crash save stopped: "));
    QVERIFY(c->panelText(2).size() > QString("Crash save stopped: ").size());
    QCOMPARE(c->TimeCrashSaveTag, tag);
    QCOMPARE(c->TimeCrashSave->interval(), 100);
    QVERIFY(!QFile::exists(QDir(m_env.programFolder()).filePath("outside.crw")));
    QDir().mkpath(crash);
}

void TestComposer::unansweredPageChangesNothing()
{
    showComposer("<html><head></head><body><p>x</p></body></html>");
    q->area->setText("source before");
    const QString path = QDir(m_env.programFolder()).filePath("Crash/busy.crw");
    QVERIFY(TextFiles::write(path, "last good save"));
    c->txtComp->setReadTimeout(200);
    const QString busy = "(() => { const end = Date.now() + 1500; while (Date.now() < end); })()";

    // The switch says so and stays where it is.
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{
        "The page did not answer in time, so nothing was copied. Please try again.",
        "Assistant: Quorl", Prompter::Icon::Exclamation, Prompter::Buttons::Ok,
        Prompter::Answer::Ok});
    c->txtComp->runQueued(busy);
    Menus::find(c, "mnuEditor")->trigger();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(c->isVisible());
    QCOMPARE(q->area->text(), QString("source before"));
    QVERIFY(settle(c->txtComp));

    // A crash-save tick skips, keeps the last good file and goes on.
    c->txtComp->runQueued(busy);
    c->setCrashSave("busy", 1, true);
    QTRY_VERIFY_WITH_TIMEOUT(c->panelText(2).startsWith("Crash save skipped"), 5000);
    QCOMPARE(QString::fromUtf8(TestFiles::bytes(path)), QString("last good save"));
    QVERIFY(c->TimeCrashSave->isActive());
    QVERIFY(settle(c->txtComp));
    QTRY_VERIFY_WITH_TIMEOUT(TestFiles::bytes(path).contains("<p>x</p>"), 5000);
    QCOMPARE(c->panelText(2), QString());
    c->setCrashSave("busy", 1, false);
}

void TestComposer::crashSaveLeavesAHungPageAlone()
{
    showComposer("<html><head></head><body><p>x</p></body></html>");
    const QString path = QDir(m_env.programFolder()).filePath("Crash/hung.crw");
    QFile::remove(path);
    c->txtComp->setReadTimeout(1500);
    // The engine stuck for seven seconds; a tick each second.
    c->txtComp->page()->runJavaScript(
        "(() => { const end = Date.now() + 7000; while (Date.now() < end); })()",
        QWebEngineScript::ApplicationWorld);
    c->setCrashSave("hung", 1, true);
    QElapsedTimer running;
    running.start();
    QElapsedTimer step;
    step.start();
    qint64 held = 0;
    while (running.elapsed() < 5000) {
        QTest::qWait(50);
        const qint64 took = step.restart();
        if (took > 400)
            held += took;
    }
    // One unanswered read may hold the window up; the ticks after it wait
    // for the page instead of asking it again.
    QVERIFY2(held < 2500, qPrintable(QString("held %1 ms of 5000").arg(held)));
    QVERIFY(c->panelText(2).startsWith("Crash save skipped"));
    QVERIFY(c->TimeCrashSave->isActive());
    // Once the page answers again, crash save goes on.
    TestEngine::waitUntil([&] { return TestFiles::bytes(path).contains("<p>x</p>"); }, 8000);
    QVERIFY(TestFiles::bytes(path).contains("<p>x</p>"));
    c->setCrashSave("hung", 1, false);
}

QTEST_MAIN(TestComposer)
#include "tst_composer.moc"
