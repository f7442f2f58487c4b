// The composer's whole-document commands, previews, own insertions, the
// insert-HTML dialog and the file viewer, on the real engine.

#include "app/windowregistry.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/pagesnippets.h"
#include "editor/sourcewindow.h"
#include "platform/clipboard.h"
#include "platform/htmleditview.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"
#include "platform/spelldialog.h"
#include "support/files.h"
#include "support/hangguard.h"
#include "support/pdftext.h"
#include "support/recordingdialog.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"
#include "vevevodi/fileviewer.h"
#include "vevevodi/inserthtmldialog.h"
#include "vevevodi/previewwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

using TestEngine::settle;

QString js(HtmlEditView *v, const QString &script)
{
    const auto value = v->evaluate(script);
    return value ? value->toString() : QStringLiteral("<no result>");
}

ScriptedPrompter::Message message(const QString &text, const QString &title,
                                  Prompter::Icon icon)
{
    return {text, title, icon, Prompter::Buttons::Ok};
}

} // namespace

class TestComposerDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void itemsAreUsable();
    void pageTitle_data();
    void pageTitle();
    void headSnippet();
    void spellCheck();
    void spellCheckWithoutDictionary();
    void spellDialogScreenshot();
    void stripHtmlShowsTheRenderedText();
    void printsTheSource();
    void previewReturnsToItsWindow_data();
    void previewReturnsToItsWindow();
    void browserPreview_data();
    void browserPreview();
    void highlightAndLinkReadTheSelection();
    void highlightWithoutAChoice();
    void highlightKeepsTheSelectionsMarkup();
    void flashObject();
    void handOversToOtherWindows();
    void insertHtmlStages_data();
    void insertHtmlStages();
    void fileViewerPageNames_data();
    void fileViewerPageNames();
    void viewerWindowSavesItsOwnFile();
    void viewerNeitherListsNorReadsSpecialFiles();
    void viewerWindowExitSavesTheDocument();
    void startUpSwitch();

private:
    void showComposer(const QString &source);

    TestEnv m_env;
    ComposerWindow *c = nullptr;
    SourceWindow *q = nullptr;
};

void TestComposerDocument::initTestCase()
{
    registerWindows();
    // Stand-ins for the windows other parts of the program build.
    WindowDirectory::registerWindow("MetaGen", [] { return new RecordingDialog; });
    WindowDirectory::registerWindow("hyperlinks", [] {
        auto *d = new RecordingDialog;
        (new QLineEdit(d))->setObjectName("txtTextToDisp");
        return d;
    });
    WindowDirectory::registerWindow("restore", [] {
        auto *d = new RecordingDialog;
        (new QPlainTextEdit(d))->setObjectName("txtRestore");
        (new QLabel(d))->setObjectName("lblTitle");
        return d;
    });
    WindowDirectory::registerWindow("loading", [] {
        auto *d = new RecordingDialog;
        (new HtmlEditView(d))->setObjectName("txtLayer");
        return d;
    });
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
}

void TestComposerDocument::init()
{
    q = Quorl();
    c = Composr();
    QVERIFY(c && q);
}

void TestComposerDocument::cleanup()
{
    TestEnv::unloadWindows();
}

void TestComposerDocument::showComposer(const QString &source)
{
    q->area->setText(source);
    q->star.clear();
    q->DocumentPath.clear();
    ShowVevevodi();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    c->activateWindow();
    QVERIFY(settle(c->txtComp));
}

void TestComposerDocument::itemsAreUsable()
{
    for (const char *name : {"mnuSpellCheck", "mnuStripHTML", "mnuPageTitle", "mnuRightClick",
                             "mnuDisableIEToolbar", "mnuPrevTextSel", "mnuPrint", "mnuPageSetup",
                             "mnuPrev", "mnuPreview", "mnuPrevIE", "mnuHighlight", "mnuFlash",
                             "mnuLink", "mnuEnableStartUp", "mnuHTML", "mnuFileViewer",
                             "mnuMetaGen", "mnuRestore", "mnuInsLayer", "Print", "Forward",
                             "btnSpell", "btnHighlight", "btnLinks"})
        QVERIFY2(Menus::find(c, name)->isEnabled(), name);
}

void TestComposerDocument::pageTitle_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("title");
    QTest::newRow("replaced") << "<html><head><title>Old</title></head><body>x</body></html>"
                              << std::optional<QString>("A & B") << "A & B";
    QTest::newRow("added") << "<html><head></head><body>x</body></html>"
                           << std::optional<QString>("New") << "New";
    QTest::newRow("cancel") << "<html><head><title>Old</title></head><body>x</body></html>"
                            << std::optional<QString>() << "Old";
}

void TestComposerDocument::pageTitle()
{
    QFETCH(QString, page);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, title);
    showComposer(page);
    q->area->setText("untouched");
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Input{"Enter the page title", "Quorl Vevevodi", answer});
    Menus::find(c, "mnuPageTitle")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.title"), title);
    QVERIFY(!q->isVisible());
    if (!answer)
        QCOMPARE(q->area->text(), QString("untouched"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::headSnippet()
{
    showComposer("<html><head><title>T</title></head><body><p>x</p></body></html>");
    ScriptedPrompter prompter;
    prompter.expect(message("The required tag has been added", "Quorl", Prompter::Icon::None));
    Menus::find(c, "mnuDisableIEToolbar")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.head.querySelector('meta').outerHTML"),
             QString("<meta http-equiv=\"imagetoolbar\" content=\"no\">"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::spellCheck()
{
    showComposer("<html><head><title>wrnog</title></head><body><p>one wrnog word</p>"
                 "<script>wrnog</script></body></html>");
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Dialog{"SpellDialog", [](QDialog *d) {
        static_cast<SpellDialog *>(d)->choose(SpellDialog::Action::ChangeAll);
    }});
    prompter.expect(message("Spell Checking Complete !", "Assistant: Quorl",
                            Prompter::Icon::Information));
    Menus::find(c, "mnuSpellCheck")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.title + '|' + document.body.innerHTML"),
             QString("wrong|<p>one wrong word</p><script>wrnog</script>"));
    // The source text keeps what was checked.
    QVERIFY(q->area->text().contains("one wrnog word"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::spellCheckWithoutDictionary()
{
    showComposer("<html><head></head><body><p>wrnog</p></body></html>");
    SpellChecker::setDictionaryForTests(m_env.scratch("missing"));
    ScriptedPrompter prompter;
    prompter.expect(message({}, "Assistant: Quorl", Prompter::Icon::Critical));
    Menus::find(c, "mnuSpellCheck")->trigger();
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.body.innerHTML"), QString("<p>wrnog</p>"));
    QCOMPARE(q->star, QString("*"));  // the copy into the source text
    QVERIFY(!prompter.shownMessages().contains("Spell Checking Complete !"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::spellDialogScreenshot()
{
    // QV_SCREENSHOT names a file to keep the picture in.
    QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        path = m_env.scratch("spelldialog.png");
    showComposer("<html><head><title>Title</title></head><body><p>Hello world, one wrnog "
                 "word here.</p></body></html>");
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Dialog{"SpellDialog", [&](QDialog *d) {
        auto *dialog = static_cast<SpellDialog *>(d);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->txtContext->toPlainText(),
                 QString("><head><title>Title</title></head><body><p>Hello world, one "
                         "wrnog word here.</p></body></html>"));
        QCOMPARE(dialog->txtChangeTo->text(), QString("wrong"));
        const QImage picture = dialog->grab().toImage();
        QVERIFY(picture.save(path));
        QVERIFY(picture.width() > 200 && picture.height() > 200);
        dialog->choose(SpellDialog::Action::Ignore);
        dialog->hide();
    }});
    prompter.expect(message("Spell Checking Complete !", "Assistant: Quorl",
                            Prompter::Icon::Information));
    Menus::find(c, "mnuSpellCheck")->trigger();
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::stripHtmlShowsTheRenderedText()
{
    showComposer("<html><head></head><body><h1>Head &amp; line</h1><p>Some <b>bold</b> "
                 "text</p></body></html>");
    Clipboard::setText("stale");
    Menus::find(c, "mnuStripHTML")->trigger();
    HelpWindow *help = frmHelp();
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QString("The Document without any tags: Quorl Vevevodi"));
    const QString rendered = js(c->txtComp, "document.body.innerText");
    QCOMPARE(help->txtHelp->toPlainText().trimmed(), rendered.trimmed());
    QVERIFY(rendered.contains("Head & line"));
    QCOMPARE(Clipboard::text(), help->txtHelp->toPlainText());
}

void TestComposerDocument::printsTheSource()
{
    showComposer("<html><head></head><body><p>printed</p></body></html>");
    const QString pdf = m_env.scratch("composer.pdf");
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Printer{true, [&](QPrinter *p) {
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
    }});
    Menus::find(c, "mnuPrint")->trigger();
    QCOMPARE(c->ComDlg.Flags, 264);
    QVERIFY(pdfText(pdf).contains("<p>printed</p>"));
    prompter.expect(ScriptedPrompter::Printer{false});
    Menus::find(c, "mnuPageSetup")->trigger();
    QCOMPARE(c->ComDlg.DialogTitle, QString("Page Setup"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::previewReturnsToItsWindow_data()
{
    QTest::addColumn<bool>("fromSource");
    QTest::newRow("composer") << false;
    QTest::newRow("source") << true;
}

void TestComposerDocument::previewReturnsToItsWindow()
{
    QFETCH(bool, fromSource);
    const QString page = "<html><head><script>document.title = 'ran';</script></head>"
                         "<body><p>previewed</p></body></html>";
    QWidget *opener = c;
    if (fromSource) {
        q->area->setText(page);
        q->show();
        opener = q;
        Menus::find(q, "mnuPreview")->trigger();
    } else {
        showComposer(page);
        Menus::find(c, "mnuPrev")->trigger();
    }
    QVERIFY(!opener->isVisible());
    PreviewWindow *preview = TheBrowser();
    QTRY_VERIFY(preview->isVisible());
    QCOMPARE(preview->windowTitle(), QString("Preview : Quorl Vevevodi"));
    QTRY_VERIFY(preview->previewer->BrowseMode());
    QVERIFY(settle(preview->previewer));
    QTRY_COMPARE(js(preview->previewer, "document.title"), QString("ran"));
    QCOMPARE(preview->compOrEdit, QString(fromSource ? "edit" : "comp"));

    preview->close();
    QVERIFY(opener->isVisible());
    QVERIFY(!WindowDirectory::isLoaded("TheBrowser"));
}

void TestComposerDocument::browserPreview_data()
{
    QTest::addColumn<QString>("documentPath");
    QTest::addColumn<bool>("launches");
    QTest::newRow("saved, blank in the path") << m_env.scratch("a folder/my page.html") << true;
    QTest::newRow("untitled") << QString() << true;
    QTest::newRow("browser fails") << QString() << false;
}

void TestComposerDocument::browserPreview()
{
    QFETCH(QString, documentPath);
    QFETCH(bool, launches);
    showComposer("<html><head></head><body><p>in the browser</p></body></html>");
    q->DocumentPath = documentPath;
    QList<QUrl> launched;
    const auto saved = ComposerWindow::browserLauncher();
    ComposerWindow::browserLauncher() = [&](const QUrl &url) {
        launched << url;
        return launches;
    };
    ScriptedPrompter prompter;
    if (!launches)
        prompter.expect(message("A problem occurred when trying to launch. Unable to proceed!",
                                "Assistant: Quorl", Prompter::Icon::Critical));
    QCOMPARE(Menus::find(c, "mnuPrevIE")->text(), QString("Preview in Web Browser"));
    Menus::find(c, "mnuPrevIE")->trigger();
    ComposerWindow::browserLauncher() = saved;
    QCOMPARE(launched.size(), 1);
    QVERIFY(launched[0].isLocalFile());
    const QString file = launched[0].toLocalFile();
    if (documentPath.isEmpty()) {
        QCOMPARE(QFileInfo(file).fileName(), QString("untitled1.html"));
        // The browser reads it after the command returns.
        QVERIFY(TestFiles::bytes(file).contains("in the browser"));
    } else {
        QCOMPARE(file, documentPath);
    }
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::highlightAndLinkReadTheSelection()
{
    showComposer("<html><head></head><body><p id=\"p\">a &lt; b</p></body></html>");
    Clipboard::setText("stale clipboard");
    ScriptedPrompter prompter;

    // Nothing selected: highlight does nothing, hyperlink opens the
    // control's own link dialog.
    prompter.expect(ScriptedPrompter::Color{QColor(255, 0, 0)});
    Menus::find(c, "mnuHighlight")->trigger();
    QVERIFY(c->stagedInsertions().isEmpty());
    prompter.expect(ScriptedPrompter::Dialog{"HtmlLinkDialog", {}, false});
    Menus::find(c, "mnuLink")->trigger();
    QV_VERIFY_PROMPTS(prompter);

    // Black is no colour.
    c->txtComp->ExecCommand(5035);
    prompter.expect(ScriptedPrompter::Color{QColor(0, 0, 0)});
    Menus::find(c, "mnuHighlight")->trigger();
    QVERIFY(c->stagedInsertions().isEmpty());

    prompter.expect(ScriptedPrompter::Color{QColor(255, 0, 0)});
    Menus::find(c, "mnuHighlight")->trigger();
    QCOMPARE(c->stagedInsertions(),
             QStringList("<span style=\"background-color:#FF0000\">a &lt; b</span> &nbsp;"));
    QTRY_VERIFY(c->stagedInsertions().isEmpty());
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.querySelector('span').textContent"), QString("a < b"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::highlightWithoutAChoice()
{
    showComposer("<html><head></head><body><p id=\"p\">word</p></body></html>");
    c->txtComp->ExecCommand(5035);
    ScriptedPrompter prompter;
    // OK before any colour was chosen is no colour: nothing goes in.
    prompter.expect(ScriptedPrompter::Color{std::nullopt, true});
    Menus::find(c, "mnuHighlight")->trigger();
    QVERIFY(c->stagedInsertions().isEmpty());
    // Later the dialog opens at the colour chosen last.
    prompter.expect(ScriptedPrompter::Color{QColor(255, 0, 0)});
    Menus::find(c, "mnuHighlight")->trigger();
    QTRY_VERIFY(c->stagedInsertions().isEmpty());
    QVERIFY(settle(c->txtComp));
    c->txtComp->ExecCommand(5035);
    prompter.expect(ScriptedPrompter::Color{std::nullopt, true});
    Menus::find(c, "mnuHighlight")->trigger();
    QCOMPARE(c->stagedInsertions().size(), 1);
    QVERIFY(c->stagedInsertions().constFirst().startsWith(
        "<span style=\"background-color:#FF0000\">"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::highlightKeepsTheSelectionsMarkup()
{
    const QString mixed = "see <img src=\"a.png\"> here <b>bold</b> end";
    showComposer("<html><head></head><body><p id=\"p\">" + mixed + "</p></body></html>");
    c->txtComp->ExecCommand(5035);
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Color{QColor(255, 0, 0)});
    Menus::find(c, "mnuHighlight")->trigger();
    const QString span = "<span style=\"background-color:#FF0000\">" + mixed + "</span>";
    QCOMPARE(c->stagedInsertions(), QStringList(span + " &nbsp;"));
    QTRY_VERIFY(c->stagedInsertions().isEmpty());
    QVERIFY(settle(c->txtComp));
    QCOMPARE(js(c->txtComp, "document.body.innerHTML"), "<p id=\"p\">" + span + " &nbsp;</p>");
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::flashObject()
{
    showComposer("<html><head></head><body><p>x</p></body></html>");
    const QString page = m_env.scratch("pages/page.html");
    q->DocumentPath = page;
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::OpenFile{{}, std::nullopt})
        .expect(ScriptedPrompter::OpenFile{{}, QString("/m/it's \"new\".swf")});
    Menus::find(c, "mnuFlash")->trigger();
    QVERIFY(c->stagedInsertions().isEmpty());
    Menus::find(c, "mnuFlash")->trigger();
    QCOMPARE(c->stagedInsertions(), QStringList(PageSnippets::flashObject("/m/it's \"new\".swf")));
    QCOMPARE(prompter.lastFileRequest().filter, QString("Flash Files (*.swf)"));
    // The dialog starts in the page's folder.
    QCOMPARE(prompter.lastFileRequest().initialPath, QFileInfo(page).absolutePath());
    QV_VERIFY_PROMPTS(prompter);
}

void TestComposerDocument::handOversToOtherWindows()
{
    showComposer("<html><head><title>T</title></head><body><p>Linked text</p></body></html>");
    q->area->setText("old");

    Menus::find(c, "mnuMetaGen")->trigger();
    auto *meta = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("MetaGen"));
    QVERIFY(meta && meta->isVisible());
    QCOMPARE(meta->compOrEdit(), QString("comp"));
    QVERIFY(q->area->text().contains("<p>Linked text</p>"));
    QVERIFY(!q->isVisible());

    Menus::find(c, "mnuRestore")->trigger();
    QWidget *restore = WindowDirectory::loaded("restore");
    QVERIFY(restore && restore->isVisible());
    QVERIFY(restore->findChild<QPlainTextEdit *>("txtRestore")->toPlainText().contains(
        "<p>Linked text</p>"));
    QCOMPARE(restore->findChild<QLabel *>("lblTitle")->text(),
             QString("Current Editor Contents"));

    Menus::find(c, "mnuInsLayer")->trigger();
    QWidget *loading = WindowDirectory::loaded("loading");
    QVERIFY(loading && loading->isVisible());
    auto *layer = loading->findChild<HtmlEditView *>("txtLayer");
    QVERIFY(settle(layer));
    QCOMPARE(js(layer, "document.body.innerHTML"), PageSnippets::layerElement());

    // A selection goes to the link dialog as its text, and no clipboard is used.
    Clipboard::setText("stale");
    c->txtComp->ExecCommand(5035);
    Menus::find(c, "mnuLink")->trigger();
    auto *link = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("hyperlinks"));
    QVERIFY(link && link->isVisible());
    QCOMPARE(link->compOrEdit(), QString("comp"));
    QCOMPARE(link->findChild<QLineEdit *>("txtTextToDisp")->text(), QString("Linked text"));
    QCOMPARE(Clipboard::text(), QString("stale"));
}

void TestComposerDocument::insertHtmlStages_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("markup") << "<b>bold</b> text";
    QTest::newRow("empty") << "";
}

void TestComposerDocument::insertHtmlStages()
{
    QFETCH(QString, typed);
    showComposer("<html><head></head><body><p>x</p></body></html>");
    Menus::find(c, "mnuHTML")->trigger();
    auto *dialog = qobject_cast<InsertHtmlDialog *>(WindowDirectory::loaded("insHTML"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert HTML Into Vevevodi : Quorl"));
    dialog->theTags->setPlainText(typed);
    dialog->OKButton->click();
    QCOMPARE(c->stagedInsertions(), QStringList(typed));
    QVERIFY(c->Timer1->isActive());
    QVERIFY(!WindowDirectory::isLoaded("insHTML"));
    QTRY_VERIFY(!c->Timer1->isActive());
    QVERIFY(settle(c->txtComp));
    QVERIFY(c->stagedInsertions().isEmpty());
    QVERIFY(js(c->txtComp, "document.body.innerHTML").contains(typed));
}

void TestComposerDocument::fileViewerPageNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("page");
    QTest::newRow(".htm") << "a.htm" << true;
    QTest::newRow(".HTML") << "Index.HTML" << true;
    QTest::newRow(".Htm") << "x.Htm" << true;
    QTest::newRow(".txt") << "notes.txt" << false;
    QTest::newRow(".html.bak") << "a.html.bak" << false;
    QTest::newRow("html alone") << "html" << false;
}

void TestComposerDocument::fileViewerPageNames()
{
    QFETCH(QString, name);
    QFETCH(bool, page);
    QCOMPARE(FileViewer::isPageName(name), page);
}

void TestComposerDocument::viewerNeitherListsNorReadsSpecialFiles()
{
    // A file of /proc looks regular, and /proc/kmsg blocks until the kernel
    // logs: the viewer neither lists such a folder nor opens a link to it.
    const QString folder = m_env.scratch("viewer-links");
    QDir().mkpath(folder);
    QVERIFY(TestFiles::write(folder + "/plain.html", "<p>x</p>"));
    QVERIFY(QFile::link("/proc/self/status", folder + "/notes.html"));
    auto *viewer = qobject_cast<FileViewer *>(WindowDirectory::touch("FileViewer"));
    HangGuard guard("The file viewer in /proc");
    viewer->setPath(folder);
    const auto shown = [viewer] {
        return viewer->File1->model()->rowCount(viewer->File1->rootIndex());
    };
    QTRY_COMPARE(shown(), 2);
    {
        ScriptedPrompter prompter;
        prompter.expect(message({}, "Assistant: Quorl", Prompter::Icon::Critical));
        QCOMPARE(viewer->openFile("notes.html"), nullptr);
        QV_VERIFY_PROMPTS(prompter);
        QVERIFY(prompter.shownMessages().at(0).contains("Not a regular file"));
    }
    for (const char *special : {"/proc", "/proc/self", "/sys/kernel", "/dev"}) {
        viewer->setPath(special);
        QTest::qWait(300);
        QVERIFY2(shown() == 0, special);
    }
    viewer->setPath(folder);
    QTRY_COMPARE(shown(), 2);
}

void TestComposerDocument::viewerWindowSavesItsOwnFile()
{
    const QString folder = m_env.scratch("viewer");
    QDir().mkpath(folder);
    const QString own = folder + "/Page.HTML";
    const QString main = folder + "/main.html";
    for (const auto &[path, text] : {std::pair{own, "<p>viewer page</p>"},
                                     std::pair{main, "<p>main page</p>"}}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    showComposer("<p>main page</p>");
    q->DocumentPath = main;

    auto *viewer = qobject_cast<FileViewer *>(WindowDirectory::touch("FileViewer"));
    viewer->setPath(folder);
    QCOMPARE(viewer->openFile("notes.txt"), nullptr);
    {
        // A page that cannot be read is reported, and no window opens.
        QVERIFY(QFile::link(folder + "/nowhere.html", folder + "/gone.html"));
        ScriptedPrompter prompter;
        prompter.expect(message({}, "Assistant: Quorl", Prompter::Icon::Critical));
        QCOMPARE(viewer->openFile("gone.html"), nullptr);
        QV_VERIFY_PROMPTS(prompter);
        QVERIFY(prompter.shownMessages().at(0).startsWith("Unable to open " + folder
                                                          + "/gone.html\r\n"));
    }
    ComposerWindow *window = viewer->openFile("Page.HTML");
    QVERIFY(window && window->isVisible() && !window->isMainComposer());
    QCOMPARE(window->document().path, own);
    QVERIFY(settle(window->txtComp));
    window->txtComp->evaluate("document.querySelector('p').textContent = 'viewer edited'");

    Menus::find(window, "mnuSave")->trigger();
    QVERIFY(TestFiles::bytes(own).contains("viewer edited"));
    QCOMPARE(TestFiles::bytes(main), QByteArray("<p>main page</p>"));
    QCOMPARE(q->DocumentPath, main);

    // Save As asks, and the window keeps the new name as its own.
    const QString copy = folder + "/copy.html";
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::SaveFile{{}, copy});
    Menus::find(window, "mnuSaveAs")->trigger();
    QVERIFY(TestFiles::bytes(copy).contains("viewer edited"));
    QCOMPARE(window->document().path, copy);
    QCOMPARE(q->DocumentPath, main);
    QV_VERIFY_PROMPTS(prompter);

    // Its browser preview shows its own file.
    QList<QUrl> launched;
    const auto saved = ComposerWindow::browserLauncher();
    ComposerWindow::browserLauncher() = [&](const QUrl &url) {
        launched << url;
        return true;
    };
    Menus::find(window, "mnuPrevIE")->trigger();
    ComposerWindow::browserLauncher() = saved;
    QCOMPARE(launched, QList<QUrl>{QUrl::fromLocalFile(copy)});
    delete window;
}

void TestComposerDocument::viewerWindowExitSavesTheDocument()
{
    using Msg = ScriptedPrompter::Message;
    const QString folder = m_env.scratch("viewerexit");
    QDir().mkpath(folder);
    const QString own = folder + "/own.html";
    const QString main = folder + "/main.html";
    QVERIFY(TestFiles::write(own, "<p>viewer page</p>"));
    showComposer("<p>main page</p>");
    q->DocumentPath = main;
    c->txtComp->evaluate("document.querySelector('p').textContent = 'main edited'");
    q->star = "*";
    auto *viewer = qobject_cast<FileViewer *>(WindowDirectory::touch("FileViewer"));
    viewer->setPath(folder);
    ComposerWindow *window = viewer->openFile("own.html");
    QVERIFY(window && !window->isMainComposer());
    QVERIFY(settle(window->txtComp));

    // The offer to save is about the document, so Yes saves the document.
    const Msg saveFirst{"File not saved. Would you like to save your file first?",
                        "Assistant: Quorl", Prompter::Icon::Question,
                        Prompter::Buttons::YesNo, Prompter::Answer::Yes};
    const Msg exit{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                   Prompter::Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No};
    ScriptedPrompter p;
    p.expect(saveFirst).expect(exit);
    Menus::find(window, "mnuExit")->trigger();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(TestFiles::bytes(main).contains("main edited"));
    QCOMPARE(TestFiles::bytes(own), QByteArray("<p>viewer page</p>"));
    QCOMPARE(q->star, QString());

    // A save that does not happen stops the exit, and says so.
    q->DocumentPath.clear();
    q->star = "*";
    p.expect(saveFirst).expect(ScriptedPrompter::SaveFile{{}, std::nullopt});
    p.expect(message("The file was not saved, so Quorl Vevevodi did not exit.",
                     "Assistant: Quorl", Prompter::Icon::Exclamation));
    Menus::find(window, "mnuExit")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->star, QString("*"));
    delete window;
}

void TestComposerDocument::startUpSwitch()
{
    SettingsStore::setValue("StartUp Assistant", "appear", "0");
    QAction *item = Menus::find(c, "mnuEnableStartUp");
    QVERIFY(!item->isChecked());
    item->trigger();
    QCOMPARE(SettingsStore::value("StartUp Assistant", "appear"), QString("1"));
    QVERIFY(!item->isChecked());
    item->trigger();
    QCOMPARE(SettingsStore::value("StartUp Assistant", "appear"), QString("0"));
    QVERIFY(item->isChecked());
}

QTEST_MAIN(TestComposerDocument)
#include "tst_composerdocument.moc"
