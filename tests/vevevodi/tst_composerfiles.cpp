// The composer's File commands on the real engine: what they load, save and
// remember, what they ask, and what a failure leaves behind.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/programexit.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWebEnginePage>

#include <csignal>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

using TestEngine::settle;
using TestFiles::bytes;

QString body(ComposerWindow *c)
{
    return TestEngine::body(c->txtComp);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(TestFiles::write(path, content));
}

const QString kSaveFirst = "File not saved. Would you like to save your file first?";

} // namespace

class TestComposerFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void openLoadsAndRemembers();
    void openAListedFileKeepsTheList();
    void openWhenModified();
    void unreadableFileChangesNothing();
    void pageTooLargeStaysInTheSourceWindow_data();
    void pageTooLargeStaysInTheSourceWindow();
    void saveWritesTheSourceText();
    void typingKeepsThePageEncoding_data();
    void typingKeepsThePageEncoding();
    void failedSaveKeepsMarkerAndPath();
    void newAsksAndClears();
    void recentEntry();
    void exitAnswers_data();
    void exitAnswers();
    void closeUnloadsTheListAndRunsExit();
    void openAndSaveAreStable();
    void exitAfterAnUnansweredRead();

private:
    void showComposer(const QString &page);

    TestEnv m_env;
    ComposerWindow *c = nullptr;
    SourceWindow *q = nullptr;
    int m_exits = 0;
};

void TestComposerFiles::initTestCase()
{
    registerWindows();
    ProgramExit::setHandlerForTests([this] { ++m_exits; });
}

void TestComposerFiles::init()
{
    m_env.clearSettings();
    q = Quorl();
    c = Composr();
    m_exits = 0;
}

void TestComposerFiles::cleanup()
{
    TestEnv::unloadWindows();
}

void TestComposerFiles::showComposer(const QString &page)
{
    q->area->setText(page);
    q->star.clear();
    ShowVevevodi();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    QVERIFY(settle(c->txtComp));
}

void TestComposerFiles::openLoadsAndRemembers()
{
    showComposer("<p>old</p>");
    const QString path = m_env.scratch("page.html");
    writeFile(path, "<html><head><title>T</title></head><body><p>from file</p></body></html>");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    Menus::find(c, "mnuOpen")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(c), QString("<p>from file</p>"));
    QCOMPARE(q->DocumentPath, path);
    QCOMPARE(q->star, QString());               // loading is not a change
    QCOMPARE(c->windowTitle(), SourceWindow::captionPrefix + "() " + path);
    QCOMPARE(q->comdlg.FileName, QString());
    QCOMPARE(SettingsStore::value("MRUs", "4"), path);
    QCOMPARE(RecentFiles::pathOf(c->menus.recent[4]), path);
    QCOMPARE(RecentFiles::pathOf(q->recent[4]), path);  // both windows follow
    QCOMPARE(p.lastFileRequest().defaultSuffix, QString("html"));
}

void TestComposerFiles::openAListedFileKeepsTheList()
{
    showComposer("<p>x</p>");
    const QString a = m_env.scratch("a.html"), b = m_env.scratch("b.html");
    writeFile(a, "<p>a</p>");
    writeFile(b, "<p>b</p>");
    ScriptedPrompter p;
    for (const QString &path : {a, b, a}) {
        p.expect(ScriptedPrompter::OpenFile{"", path});
        c->Open();
    }
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(SettingsStore::value("MRUs", "3"), a);
    QCOMPARE(SettingsStore::value("MRUs", "4"), b);
    QCOMPARE(body(c), QString("<p>a</p>"));
    QCOMPARE(q->DocumentPath, a);
}

void TestComposerFiles::openWhenModified()
{
    showComposer("<p>mine</p>");
    const QString current = m_env.scratch("current.html");
    q->DocumentPath = current;
    q->star = "*";
    ScriptedPrompter p;
    p.expect(Msg{kSaveFirst, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    c->Open();   // saves, opens nothing
    QV_VERIFY_PROMPTS(p);
    QVERIFY(bytes(current).contains("<p>mine</p>"));
    QCOMPARE(q->star, QString());

    q->star = "*";
    q->comdlg.Filter = "Text|*.txt";
    p.expect(Msg{kSaveFirst, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    c->Open();
    QV_VERIFY_PROMPTS(p);
    // Answered No, the dialog keeps the filter of its last use.
    QCOMPARE(p.lastFileRequest().filter, QString("Text (*.txt)"));
    QCOMPARE(q->star, QString("*"));
}

void TestComposerFiles::unreadableFileChangesNothing()
{
    showComposer("<p>keep me</p>");
    const QString kept = m_env.scratch("kept.html");
    q->DocumentPath = kept;
    const QString missing = m_env.scratch("gone.html");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", missing});
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    c->Open();
    SettingsStore::setValue("MRUs", "4", missing);
    RecentFiles::showKeys(0);
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    c->OpenRecent(4);
    QV_VERIFY_PROMPTS(p);
    QVERIFY(p.shownMessages().at(0).startsWith("Unable to open " + missing + "\r\n"));
    QCOMPARE(body(c), QString("<p>keep me</p>"));
    QCOMPARE(q->DocumentPath, kept);
}

void TestComposerFiles::pageTooLargeStaysInTheSourceWindow_data()
{
    QTest::addColumn<bool>("opened");
    QTest::newRow("opened in the composer") << true;
    QTest::newRow("switched to from the source window") << false;
}

void TestComposerFiles::pageTooLargeStaysInTheSourceWindow()
{
    QFETCH(bool, opened);
    const QString path = m_env.scratch("huge.html");
    const QString page = "<html><head><title>T</title></head><body><p>huge</p></body></html>";
    writeFile(path, page.toUtf8());
    showComposer("<p>old</p>");
    ScriptedPrompter p;
    if (opened) {
        p.expect(ScriptedPrompter::OpenFile{"", path});
    } else {
        c->showSourceView();
        QVERIFY(settle(c->txtComp));
        q->area->setText(page);
    }
    p.expect(Msg{"This page is too large for the composer. It stays in the source window, "
                 "where it can be edited and saved.",
                 "Assistant: Quorl", Icon::Exclamation, Buttons::Ok, Answer::Ok});
    // The renderer dies while the page is put in place, as it does on a page
    // too large for the engine; the page may move to a new renderer first.
    QWebEnginePage *engine = c->txtComp->page();
    bool died = false;
    const auto killer = [&died](qint64 pid) {
        if (!died && pid > 0)
            ::kill(pid_t(pid), SIGKILL);
    };
    const auto c1 = connect(engine, &QWebEnginePage::renderProcessTerminated,
                            [&died] { died = true; });
    const auto c2 = connect(engine, &QWebEnginePage::renderProcessPidChanged, killer);
    const qint64 pid = engine->renderProcessPid();
    QVERIFY(pid > 0);
    if (opened)
        c->Open();
    else
        ShowVevevodi();
    QVERIFY(!c->txtComp->isIdle());
    killer(pid);
    QTRY_VERIFY_WITH_TIMEOUT(q->isVisible(), 20000);
    disconnect(c1);
    disconnect(c2);
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!c->isVisible());
    // The page's text is in the source window as read, or as it was typed.
    QCOMPARE(q->area->text(), page);
    QCOMPARE(q->DocumentPath, opened ? path : QString());
    QCOMPARE(q->star, opened ? QString() : QString("*"));
}

void TestComposerFiles::saveWritesTheSourceText()
{
    showComposer("<html><head><META NAME=\"GENERATOR\" Content=\"Microsoft DHTML Editing "
                 "Control\"></head><body><p>caf\u00e9</p></body></html>");
    const QString path = m_env.scratch("saved");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", path});
    c->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->DocumentPath, path + ".html");
    const QByteArray saved = bytes(path + ".html");
    QVERIFY2(saved.contains("<p>caf\xc3\xa9</p>"), saved.constData());
    QVERIFY(saved.endsWith("</html>\r\n"));
    QVERIFY(!saved.endsWith("\r\n\r\n"));
    QCOMPARE(q->area->text() + "\r\n", QString::fromUtf8(saved));
    QCOMPARE(q->star, QString());
    QCOMPARE(c->windowTitle(), SourceWindow::captionPrefix + "() " + path + ".html");
    // The next dialog proposes the name Save left behind.
    QCOMPARE(q->comdlg.FileName, path + ".html");

    // A titled document is saved without a question.
    q->star = "*";
    c->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->star, QString());
}

void TestComposerFiles::typingKeepsThePageEncoding_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QByteArray>("cafe");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("windows-1252") << QByteArray("windows-1252") << QByteArray("caf\xe9")
                                  << QByteArray("<p>caf\xe9 \xe9\xe9</p>");
    QTest::newRow("utf-8") << QByteArray("utf-8") << QByteArray("caf\xc3\xa9")
                           << QByteArray("<p>caf\xc3\xa9 \xc3\xa9\xc3\xa9</p>");
}

void TestComposerFiles::typingKeepsThePageEncoding()
{
    QFETCH(QByteArray, charset);
    QFETCH(QByteArray, cafe);
    QFETCH(QByteArray, saved);
    showComposer("<p>x</p>");
    const QString path = m_env.scratch("encoded.html");
    writeFile(path, "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=" + charset + "\"></head><body><p>" + cafe
                        + " &eacute;</p></body></html>\r\n");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    c->Open();
    QVERIFY(settle(c->txtComp));
    // Typed at the end of the paragraph, as the editing control types it.
    c->txtComp->runQueued("var p = document.querySelector('p');"
                          "getSelection().collapse(p, p.childNodes.length);"
                          "document.execCommand('insertText', false, '\u00e9');");
    QVERIFY(settle(c->txtComp));
    QVERIFY2(body(c).contains(u"\u00e9\u00e9"), qPrintable(body(c)));
    c->Save();
    QV_VERIFY_PROMPTS(p);
    const QByteArray written = bytes(path);
    QVERIFY2(written.contains(saved), written.constData());
    QVERIFY(written.contains("charset=" + charset));
}

void TestComposerFiles::failedSaveKeepsMarkerAndPath()
{
    showComposer("<p>text</p>");
    q->star = "*";
    const QString old = m_env.scratch("old.html");
    q->DocumentPath = old;
    const QString bad = m_env.scratch("no/such/folder/new.html");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", bad});
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    c->SaveAs();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->DocumentPath, old);
    QCOMPARE(q->star, QString("*"));
    QCOMPARE(q->comdlg.FileName, QString());

    q->DocumentPath.clear();
    p.expect(ScriptedPrompter::SaveFile{"", bad});
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    c->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->DocumentPath, QString());
    QCOMPARE(q->star, QString("*"));
}

void TestComposerFiles::newAsksAndClears()
{
    showComposer("<p>page</p>");
    q->DocumentPath = m_env.scratch("doc.html");
    q->star = "*";
    q->comdlg.FileName = "x.html";
    ScriptedPrompter p;
    const QString question = "Are you sure you want to close existing document?";
    p.expect(Msg{question, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No,
                 Answer::No});
    c->New();
    QCOMPARE(body(c), QString("<p>page</p>"));
    p.expect(Msg{question, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    c->New();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(c->windowTitle(), QString("Untitled(): Quorl Vevevodi 3.0 - By Korrandel"));
    QVERIFY(settle(c->txtComp));
    QVERIFY(!body(c).contains("page"));
    QCOMPARE(q->DocumentPath, QString());
    QCOMPARE(q->comdlg.FileName, QString());
    QCOMPARE(q->star, QString("*"));       // New leaves the marker alone
}

void TestComposerFiles::recentEntry()
{
    showComposer("<p>mine</p>");
    QAction *recent = Menus::find(c, "mnuRecent");
    QVERIFY(!recent->isEnabled());  // nothing listed yet
    const QString other = m_env.scratch("other.html");
    writeFile(other, "<p>other</p>");
    RecentFiles::addFromComposer(other);
    QVERIFY(recent->isEnabled());
    ScriptedPrompter p;
    q->star = "*";
    q->DocumentPath = m_env.scratch("current.html");
    p.expect(Msg{kSaveFirst, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
    c->menus.recent[4]->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(c), QString("<p>other</p>"));
    QCOMPARE(q->DocumentPath, other);
    QCOMPARE(q->comdlg.FileName, other);
}

void TestComposerFiles::exitAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("crashFile");
    QTest::addColumn<int>("exits");
    QTest::addColumn<QString>("crashKey");
    QTest::newRow("no") << Answer::No << "doc" << true << 0 << "unset";
    QTest::newRow("yes, no crash name") << Answer::Yes << "" << false << 1 << "0";
    QTest::newRow("yes, crash file deleted") << Answer::Yes << "doc" << true << 1 << "0";
    QTest::newRow("yes, crash file missing") << Answer::Yes << "doc" << false << 1 << "unset";
    // A name reaching outside the crash folder never deletes anything there.
    QTest::newRow("yes, name with a path") << Answer::Yes << "../doc" << true << 1 << "0";
}

void TestComposerFiles::exitAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(QString, tag);
    QFETCH(bool, crashFile);
    QFETCH(int, exits);
    QFETCH(QString, crashKey);
    c->TimeCrashSaveTag = tag;
    // The file the name stands for: inside the crash folder, or beside it.
    const QString path = QDir(m_env.programFolder() + "/Crash").filePath(tag + ".crw");
    QFile::remove(path);
    if (crashFile)
        writeFile(path, "x");
    ScriptedPrompter p;
    p.expect(Msg{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                 Icon::Question, Buttons::YesNo, answer, Answer::No});
    c->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, exits);
    QCOMPARE(SettingsStore::value("Crash", "crash", "unset"), crashKey);
    QCOMPARE(QFile::exists(path), crashFile && (answer == Answer::No || tag.contains('/')));
    QFile::remove(path);
}

void TestComposerFiles::closeUnloadsTheListAndRunsExit()
{
    WindowDirectory::registerWindow("insHTML", [] { return new QWidget; });
    WindowDirectory::touch("insHTML");
    showComposer("<p>x</p>");
    ScriptedPrompter p;
    p.expect(Msg{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                 Icon::Question, Buttons::YesNo, Answer::No});
    QVERIFY(!c->close());
    QV_VERIFY_PROMPTS(p);
    QVERIFY(c->isVisible());
    QVERIFY(!WindowDirectory::isLoaded("insHTML"));
    QCOMPARE(m_exits, 0);
}

void TestComposerFiles::openAndSaveAreStable()
{
    showComposer("<p>x</p>");
    const QString path = m_env.scratch("stable.html");
    writeFile(path, "<html>\r\n<head><title>T</title></head>\r\n<body>\r\n<p>text</p>\r\n"
                    "</body>\r\n</html>\r\n");
    QByteArray previous;
    for (int round = 0; round < 3; ++round) {
        ScriptedPrompter p;
        p.expect(ScriptedPrompter::OpenFile{"", path});
        c->Open();
        QV_VERIFY_PROMPTS(p);
        QVERIFY(settle(c->txtComp));
        c->Save();
        const QByteArray saved = bytes(path);
        if (round > 0)
            QCOMPARE(saved, previous);
        previous = saved;
    }
}

void TestComposerFiles::exitAfterAnUnansweredRead()
{
    showComposer("<p>work</p>");
    const QString path = m_env.scratch("busy.html");
    q->DocumentPath = path;
    c->txtComp->setReadTimeout(200);
    const QString busy = "(() => { const end = Date.now() + 1500; while (Date.now() < end); })()";
    const Msg noAnswer{"The page did not answer in time, so nothing was copied. Please try again.",
                       "Assistant: Quorl", Icon::Exclamation, Buttons::Ok};
    const Msg exit{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                   Icon::Question, Buttons::YesNo, Answer::Yes};
    ScriptedPrompter p;
    c->txtComp->runQueued(busy);
    p.expect(noAnswer);
    c->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->star, QString("*"));

    // Still busy: Yes saves again, fails again, and the program goes on.
    c->txtComp->runQueued(busy);
    p.expect(Msg{kSaveFirst, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    p.expect(noAnswer);
    p.expect(Msg{"The file was not saved, so Quorl Vevevodi did not exit.", "Assistant: Quorl",
                 Icon::Exclamation, Buttons::Ok});
    c->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, 0);
    QVERIFY(!QFile::exists(path));

    // Answering again: Yes saves, then the exit is asked for as ever.
    QVERIFY(settle(c->txtComp));
    p.expect(Msg{kSaveFirst, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    p.expect(exit);
    c->Exit();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(bytes(path).contains("<p>work</p>"));
    QCOMPARE(m_exits, 1);
}

QTEST_MAIN(TestComposerFiles)
#include "tst_composerfiles.moc"
