// Windows of the file viewer hold documents of their own, and a save never
// replaces a file that changed since its window read or wrote it without
// asking first: on the real engine, with real files.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/htmlmarkup.h"
#include "platform/programexit.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"
#include "platform/spelldialog.h"
#include "support/files.h"
#include "support/pdftext.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"
#include "vevevodi/fileviewer.h"
#include "vevevodi/previewwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QTest>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;
using TestEngine::settle;

namespace {

QString js(HtmlEditView *v, const QString &script)
{
    const auto value = v->evaluate(script);
    return value ? value->toString() : QStringLiteral("<no result>");
}

// Types text at the start of the page's first paragraph, where a click puts
// the caret.
bool typeInto(ComposerWindow *w, const QString &text)
{
    w->txtComp->evaluate("getSelection().collapse(document.querySelector('p'), 0)");
    // As the page takes typed keys: the change marks the window's page modified.
    w->txtComp->runQueued(QStringLiteral("document.execCommand('insertText', false, %1)")
                              .arg(HtmlMarkup::jsString(text)));
    return settle(w->txtComp) && TestEngine::waitUntil([w] { return w->document().star == "*"; });
}

QString bodyOf(ComposerWindow *w)
{
    return js(w->txtComp, "document.body.innerHTML");
}

Msg changedQuestion(const QString &path, Answer answer)
{
    return {path + " was changed by another program since it was opened. Replace it with "
                   "this page?",
            "Assistant: Quorl", Icon::Question, Buttons::YesNo, answer};
}

const Msg kExitQuestion{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                        Icon::Question, Buttons::YesNo, Answer::Yes};

} // namespace

class TestViewerWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void commandsWorkOnTheWindowsOwnPage_data();
    void commandsWorkOnTheWindowsOwnPage();
    void captionNamesTheWindowsFile();
    void exitAsksForEveryWindow_data();
    void exitAsksForEveryWindow();
    void composerSaveChecksTheFile_data();
    void composerSaveChecksTheFile();

private:
    ComposerWindow *openViewer(const QString &name, const QByteArray &content);
    // The main document as the test set it up: text, path, marker, caption.
    void verifyMainUntouched();

    TestEnv m_env;
    ComposerWindow *c = nullptr;
    SourceWindow *q = nullptr;
    QString m_folder;
    QString m_mainPath;
    QString m_mainText;
    QString m_mainCaption;
    int m_exits = 0;
};

void TestViewerWindows::initTestCase()
{
    registerWindows();
    ProgramExit::setHandlerForTests([this] { ++m_exits; });
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
}

void TestViewerWindows::init()
{
    m_env.clearSettings();
    m_exits = 0;
    q = Quorl();
    c = Composr();
    m_folder = m_env.scratch(QTest::currentTestFunction() + QString("-")
                             + QTest::currentDataTag());
    QDir(m_folder).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder));
    m_mainPath = m_folder + "/main.html";
    QVERIFY(TestFiles::write(m_mainPath, "<html><head></head><body><p>main page</p></body>"
                                         "</html>\r\n"));
    // The main document, opened in the composer.
    q->star.clear();
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", m_mainPath});
    c->Open();
    QV_VERIFY_PROMPTS(p);
    c->show();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    QVERIFY(settle(c->txtComp));
    QVERIFY(c->CopyVevevodiToSource({}));
    q->star.clear();
    c->titleupdate();
    m_mainText = q->area->text();
    m_mainCaption = c->windowTitle();
    QCOMPARE(m_mainCaption, SourceWindow::captionPrefix + "() " + m_mainPath);
}

void TestViewerWindows::cleanup()
{
    QList<QPointer<ComposerWindow>> others;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<ComposerWindow *>(widget);
        if (window && !window->isMainComposer())
            others << window;
    }
    qDeleteAll(others);
    TestEnv::unloadWindows();
}

ComposerWindow *TestViewerWindows::openViewer(const QString &name, const QByteArray &content)
{
    if (!TestFiles::write(m_folder + "/" + name, content))
        return nullptr;
    auto *viewer = qobject_cast<FileViewer *>(WindowDirectory::touch("FileViewer"));
    viewer->setPath(m_folder);
    ComposerWindow *window = viewer->openFile(name);
    if (!window || !settle(window->txtComp))
        return nullptr;
    return window;
}

void TestViewerWindows::verifyMainUntouched()
{
    QCOMPARE(q->area->text(), m_mainText);
    QCOMPARE(q->DocumentPath, m_mainPath);
    QCOMPARE(q->star, QString());
    QCOMPARE(c->windowTitle(), m_mainCaption);
    QCOMPARE(bodyOf(c), QString("<p>main page</p>"));
}

void TestViewerWindows::commandsWorkOnTheWindowsOwnPage_data()
{
    // The command, and what the viewer window's body shows after it.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("body");
    QTest::newRow("preview") << "preview" << "<p>one wrnog page</p>";
    QTest::newRow("print") << "print" << "<p>one wrnog page</p>";
    QTest::newRow("open") << "open" << "<p>other page</p>";
    QTest::newRow("new") << "new" << "";
    QTest::newRow("restore point") << "restore" << "<p>earlier</p>";
    QTest::newRow("page title") << "title" << "<p>one wrnog page</p>";
    QTest::newRow("spell check") << "spell" << "<p>one wrong page</p>";
}

void TestViewerWindows::commandsWorkOnTheWindowsOwnPage()
{
    QFETCH(QString, command);
    QFETCH(QString, body);
    ComposerWindow *w = openViewer("A.html", "<html><head><title>A</title></head><body>"
                                             "<p>one wrnog page</p></body></html>\r\n");
    QVERIFY(w);
    const QString own = m_folder + "/A.html";
    const QString other = m_folder + "/other.html";
    QVERIFY(TestFiles::write(other, "<html><head></head><body><p>other page</p></body></html>"));
    const QString pdf = m_folder + "/out.pdf";
    ScriptedPrompter p;
    if (command == "preview") {
        Menus::find(w, "mnuPrev")->trigger();
        PreviewWindow *preview = TheBrowser();
        QTRY_VERIFY(preview->isVisible());
        QVERIFY(settle(preview->previewer));
        QCOMPARE(js(preview->previewer, "document.body.innerHTML"), body);
        preview->close();
    } else if (command == "print") {
        p.expect(ScriptedPrompter::Printer{true, [&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
        }});
        Menus::find(w, "mnuPrint")->trigger();
        // The text comes out of the PDF without its spaces.
        const QString printed = pdfText(pdf).remove(u' ');
        QVERIFY(printed.contains("<p>onewrnogpage</p>"));
        QVERIFY(!printed.contains("main"));
    } else if (command == "open") {
        p.expect(ScriptedPrompter::OpenFile{"", other});
        Menus::find(w, "mnuOpen")->trigger();
    } else if (command == "new") {
        p.expect(Msg{"Are you sure you want to close existing document?", "Assistant: Quorl",
                     Icon::Question, Buttons::YesNo, Answer::Yes});
        Menus::find(w, "mnuNew")->trigger();
    } else if (command == "restore") {
        Menus::find(w, "mnuRestore")->trigger();
        auto *restore = WindowDirectory::touch<RestoreWindow>("restore");
        QVERIFY(restore->txtRestore->text().contains("one wrnog page"));
        restore->txtRestore->setText("<html><head></head><body><p>earlier</p></body></html>");
        p.expect(Msg{{}, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
        restore->ok();
    } else if (command == "title") {
        p.expect(ScriptedPrompter::Input{"Enter the page title", "Quorl Vevevodi",
                                         QString("Own title")});
        Menus::find(w, "mnuPageTitle")->trigger();
        QVERIFY(settle(w->txtComp));
        QCOMPARE(js(w->txtComp, "document.title"), QString("Own title"));
    } else if (command == "spell") {
        p.expect(ScriptedPrompter::Dialog{"SpellDialog", [](QDialog *d) {
            static_cast<SpellDialog *>(d)->choose(SpellDialog::Action::ChangeAll);
        }});
        p.expect(Msg{"Spell Checking Complete !", "Assistant: Quorl", Icon::Information});
        Menus::find(w, "mnuSpellCheck")->trigger();
    }
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(w->txtComp));
    QCOMPARE(bodyOf(w), body);
    verifyMainUntouched();
    // The main window's Save writes its own page to its own file.
    Menus::find(c, "mnuSave")->trigger();
    QVERIFY(TestFiles::bytes(m_mainPath).contains("<p>main page</p>"));
    for (const QString &file : {own, other})
        QVERIFY(!TestFiles::bytes(file).contains("main page"));
    if (command == "open") {
        QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "() " + other);
        // The viewer's Save writes the opened page to the opened file.
        Menus::find(w, "mnuSave")->trigger();
        QVERIFY(TestFiles::bytes(other).contains("<p>other page</p>"));
        QVERIFY(TestFiles::bytes(own).contains("one wrnog page"));
    }
}

void TestViewerWindows::captionNamesTheWindowsFile()
{
    ComposerWindow *w = openViewer("A.html", "<html><body><p>viewer page</p></body></html>");
    QVERIFY(w);
    const QString own = m_folder + "/A.html";
    QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "() " + own);
    QVERIFY(typeInto(w, "typed "));
    QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "(*) " + own);
    verifyMainUntouched();
    Menus::find(w, "mnuSave")->trigger();
    QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "() " + own);
    QVERIFY(TestFiles::bytes(own).contains("typed viewer page"));
}

void TestViewerWindows::exitAsksForEveryWindow_data()
{
    // The answer for the viewer window's question; the exit question is
    // answered Yes when it comes.
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("fromViewer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("exits");
    QTest::newRow("yes") << Answer::Yes << false << true << 1;
    QTest::newRow("no") << Answer::No << true << false << 1;
    QTest::newRow("cancel") << Answer::Cancel << false << false << 0;
    QTest::newRow("cancel, from viewer") << Answer::Cancel << true << false << 0;
}

void TestViewerWindows::exitAsksForEveryWindow()
{
    QFETCH(Answer, answer);
    QFETCH(bool, fromViewer);
    QFETCH(bool, saved);
    QFETCH(int, exits);
    ComposerWindow *w = openViewer("A.html", "<html><body><p>viewer page</p></body></html>");
    ComposerWindow *clean = openViewer("B.html", "<html><body><p>clean page</p></body></html>");
    QVERIFY(w && clean);
    const QString own = m_folder + "/A.html";
    QVERIFY(typeInto(w, "typed "));
    QVERIFY(typeInto(c, "main typed "));

    ScriptedPrompter p;
    // The main document first, then every other window with unsaved work.
    p.expect(Msg{"File not saved. Would you like to save your file first?", "Assistant: Quorl",
                 Icon::Question, Buttons::YesNo, Answer::No});
    p.expect(Msg{own + ": File not saved. Would you like to save your file first?",
                 "Assistant: Quorl", Icon::Question, Buttons::YesNoCancel, answer});
    if (answer != Answer::Cancel)
        p.expect(kExitQuestion);
    Menus::find(fromViewer ? w : c, "mnuExit")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, exits);
    QCOMPARE(TestFiles::bytes(own).contains("typed viewer page"), saved);
    QCOMPARE(w->windowTitle(),
             SourceWindow::captionPrefix + (saved ? "() " : "(*) ") + own);
    QVERIFY(w->isVisible() && clean->isVisible() && c->isVisible());
    QVERIFY(TestFiles::bytes(m_mainPath).contains("<p>main page</p>"));

    // The source window's Exit asks the same.
    if (answer == Answer::Cancel) {
        p.expect(Msg{{}, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
        p.expect(Msg{own + ": File not saved. Would you like to save your file first?",
                     "Assistant: Quorl", Icon::Question, Buttons::YesNoCancel, Answer::Cancel});
        q->Exit();
        QV_VERIFY_PROMPTS(p);
        QCOMPARE(m_exits, 0);
    }
}

void TestViewerWindows::composerSaveChecksTheFile_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

void TestViewerWindows::composerSaveChecksTheFile()
{
    // The main window and a viewer window on one file: what one writes, the
    // other's save does not replace without asking.
    QFETCH(Answer, answer);
    ComposerWindow *w = openViewer("main.html", TestFiles::bytes(m_mainPath));
    QVERIFY(w);
    QVERIFY(typeInto(w, "viewer "));
    Menus::find(w, "mnuSave")->trigger();
    const QByteArray viewers = TestFiles::bytes(m_mainPath);
    QVERIFY(viewers.contains("viewer main page"));

    QVERIFY(typeInto(c, "composer "));
    ScriptedPrompter p;
    p.expect(changedQuestion(m_mainPath, answer));
    Menus::find(c, "mnuSave")->trigger();
    QV_VERIFY_PROMPTS(p);
    const bool yes = answer == Answer::Yes;
    if (yes)
        QVERIFY(TestFiles::bytes(m_mainPath).contains("composer main page"));
    else
        QCOMPARE(TestFiles::bytes(m_mainPath), viewers);
    QCOMPARE(q->star, QString(yes ? "" : "*"));
    QCOMPARE(c->windowTitle(), SourceWindow::captionPrefix + (yes ? "() " : "(*) ")
                                   + m_mainPath);

    // The viewer window, in turn, asks before replacing the main window's page.
    QVERIFY(typeInto(w, "again "));
    if (yes)
        p.expect(changedQuestion(m_mainPath, Answer::No));
    Menus::find(w, "mnuSave")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(TestFiles::bytes(m_mainPath).contains("again viewer"), !yes);
}

QTEST_MAIN(TestViewerWindows)
#include "tst_viewerwindows.moc"
