// Templates and the lessons viewer on the real engine: names, the manager's
// list and preview, create, import and open, and the lessons' file names.

#include "app/windowregistry.h"
#include "editor/lessonswindow.h"
#include "editor/sourcewindow.h"
#include "editor/startupassistant.h"
#include "editor/templates.h"
#include "editor/templatewindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

using TestEngine::settle;

const QString kClose = "Are you sure you want to close existing document?";

QStringList templateFiles()
{
    return QDir(Templates::folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString title(const QString &path)
{
    return SourceWindow::captionPrefix + "() " + path;
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void displayName_data();
    void displayName();
    void createTemplate_data();
    void createTemplate();
    void managerListsAndPreviews();
    void openTemplateMakesUntitled();
    void okWithNothingChosenOpensNothing();
    void importMakesUntitled();
    void importCancelled();
    void missingFolder();
    void lessons_data();
    void lessons();
    void unreachablePageSaysSo();
    void composerForwards_data();
    void composerForwards();
    void composerImportUsesItsOwnFileDialog();
    void tutorMode();

private:
    void showComposer(const QString &html);

    TestEnv m_env;
    QStringList m_shipped;
};

void TestTemplates::initTestCase()
{
    registerWindows();
    m_shipped = templateFiles();
}

void TestTemplates::init()
{
    m_env.clearSettings();
}

void TestTemplates::cleanup()
{
    TestEnv::unloadWindows();
    QDir().mkpath(Templates::folder());
    for (const QString &file : templateFiles()) {
        if (!m_shipped.contains(file))
            QFile::remove(QDir(Templates::folder()).filePath(file));
    }
}

void TestTemplates::showComposer(const QString &html)
{
    ComposerWindow *c = Composr();
    c->txtComp->setDocumentHtml(html);
    c->show();
    QVERIFY(settle(c->txtComp));
}

void TestTemplates::displayName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("listed");
    QTest::newRow("written by us") << "TempMyPage.html" << "MyPage";
    QTest::newRow("nine characters") << "Temp.html" << "Temp.html";
    QTest::newRow("htm loses a letter") << "TempAbc.htm" << "Ab";
    QTest::newRow("any case") << "TEMPShout.HTML" << "Shout";
}

void TestTemplates::displayName()
{
    QFETCH(QString, file);
    QFETCH(QString, listed);
    QCOMPARE(Templates::displayName(file), listed);
}

void TestTemplates::createTemplate_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("written");   // empty: nothing
    QTest::addColumn<QString>("message");   // empty: none
    QTest::newRow("blanks removed") << std::optional<QString>("My Page") << "TempMyPage.html"
                                    << "Template Created!";
    QTest::newRow("blanks only") << std::optional<QString>("   ") << "" << "";
    QTest::newRow("cancel") << std::optional<QString>() << "" << "";
    QTest::newRow("leaves the folder") << std::optional<QString>("../x") << ""
                                       << "Invalid File Name";
}

void TestTemplates::createTemplate()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, written);
    QFETCH(QString, message);
    showComposer("<p>kept as a template</p>");
    // Where the name leads, were it taken as a path: "../x" gives
    // "Temp../x.html", a file in a folder "Temp.." of the templates folder.
    // That folder is made, so such a name would be written and seen here.
    const QString reached = answer ? QDir::cleanPath(Templates::folder() + '/'
                                                     + Templates::fileNameFor(*answer))
                                   : QString();
    const QString reachedFolder = QFileInfo(reached).path();
    const bool elsewhere = answer && reachedFolder != QDir::cleanPath(Templates::folder());
    if (elsewhere)
        QVERIFY(QDir().mkpath(reachedFolder));
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Input{"Enter the name of the template", "Create Template", answer});
    if (message == "Template Created!")
        p.expect(Msg{message, "Template Manager", Icon::Information});
    else if (!message.isEmpty())
        p.expect(Msg{message, "Quorl", Icon::None});
    Quorl()->findChild<QAction *>("mnuCreateTemplate")->trigger();
    QV_VERIFY_PROMPTS(p);
    QStringList expected = m_shipped;
    if (!written.isEmpty()) {
        expected.append(written);
        expected.sort();
        QVERIFY(TestFiles::bytes(QDir(Templates::folder()).filePath(written))
                    .contains("<p>kept as a template</p>"));
    }
    QCOMPARE(templateFiles(), expected);
    if (elsewhere) {
        QVERIFY(!QFile::exists(reached));
        QVERIFY(QDir(reachedFolder).removeRecursively());
    }
}

void TestTemplates::managerListsAndPreviews()
{
    const QDir dir(Templates::folder());
    QVERIFY(TestFiles::write(dir.filePath("TEMPShout.HTML"), "<p>upper case name</p>"));
    QVERIFY(TestFiles::write(dir.filePath("Temp.html"), "<p>short name</p>"));
    QVERIFY(Templates::ShowTemplateManager());
    auto *manager = WindowDirectory::touch<TemplateManager>("templates");
    QVERIFY(manager->isVisible());
    QVERIFY(manager->PrevTemplate->BrowseMode());
    QStringList listed;
    for (int i = 0; i < manager->listTemplates->count(); ++i)
        listed << manager->listTemplates->item(i)->text();
    QCOMPARE(listed, (QStringList{"Temp.html", "Blue", "Brownie", "Chrome", "Shout", "Silver",
                                  "Simplex"}));

    // A file named in another case is found all the same.
    manager->listTemplates->setCurrentRow(listed.indexOf("Shout"));
    manager->preview();
    QVERIFY(settle(manager->PrevTemplate));
    QCOMPARE(TestEngine::body(manager->PrevTemplate), QString("<p>upper case name</p>"));

    // "Temp.html" is looked for as tempTemp.html.html.
    ScriptedPrompter p;
    p.expect(Msg{"Error loading template. Please reinstall Quorl Vevevodi, and inform the "
                 "author about this problem",
                 "Error Loading Template", Icon::Critical});
    manager->listTemplates->setCurrentRow(0);
    manager->preview();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!manager->isVisible());
    QCOMPARE(TestEngine::body(manager->PrevTemplate), QString("<p>upper case name</p>"));
}

void TestTemplates::openTemplateMakesUntitled()
{
    showComposer("<p>my own page</p>");
    SourceWindow *q = Quorl();
    q->DocumentPath = "/home/me/page.html";
    q->star = "*";
    QVERIFY(Templates::ShowTemplateManager());
    auto *manager = WindowDirectory::touch<TemplateManager>("templates");
    manager->listTemplates->setCurrentRow(0);  // Blue

    ScriptedPrompter p;
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No,
                 Answer::No});
    manager->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!manager->isVisible());
    QCOMPARE(q->DocumentPath, QString("/home/me/page.html"));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>my own page</p>"));

    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    manager->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(Composr()->txtComp));
    QVERIFY(TestEngine::body(Composr()->txtComp).contains("My Blue Site"));
    // The next Save asks for a name instead of writing over the user's file.
    QCOMPARE(q->DocumentPath, QString());
    QCOMPARE(q->star, QString());
    QCOMPARE(Composr()->windowTitle(), title(""));
    QCOMPARE(q->windowTitle(), title(""));
    QVERIFY(Composr()->isVisible());
}

void TestTemplates::okWithNothingChosenOpensNothing()
{
    showComposer("<p>my own page</p>");
    QVERIFY(Templates::ShowTemplateManager());
    auto *manager = WindowDirectory::touch<TemplateManager>("templates");
    // The list with the focus has its first row current, but not chosen.
    manager->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(manager));
    manager->listTemplates->setFocus();
    QCOMPARE(manager->listTemplates->currentRow(), 0);
    QVERIFY(manager->listTemplates->selectedItems().isEmpty());

    ScriptedPrompter p;
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    p.expect(Msg{"Error loading template. Please report to author immediately",
                 "Error Loading Template", Icon::Critical});
    manager->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>my own page</p>"));
    QVERIFY(Composr()->isVisible());
}

void TestTemplates::importMakesUntitled()
{
    showComposer("<p>before</p>");
    SourceWindow *q = Quorl();
    q->DocumentPath = "/home/me/page.html";
    q->star = "*";
    const QString source = m_env.scratch("imported.html");
    QVERIFY(TestFiles::write(source, "<html><body><p>imported page</p></body></html>"));
    ScriptedPrompter p;
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes,
                 Answer::No});
    p.expect(ScriptedPrompter::OpenFile{"", source});
    p.expect(ScriptedPrompter::Input{"Enter the name of the template", "Import Template",
                                     "Imported One"});
    p.expect(Msg{"Template Imported!", "Template Manager", Icon::Information});
    q->findChild<QAction *>("mnuImportTemplate")->trigger();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(TestFiles::bytes(QDir(Templates::folder()).filePath("TempImportedOne.html"))
                .contains("<p>imported page</p>"));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>imported page</p>"));
    QCOMPARE(q->DocumentPath, QString());
    QCOMPARE(q->star, QString());
    QCOMPARE(Composr()->windowTitle(), title(""));
    QCOMPARE(q->comdlg.Filter, QString("HTML Files (*.html)|*.html|HTM Files (*.htm)|*.htm"));
}

void TestTemplates::importCancelled()
{
    showComposer("<p>before</p>");
    SourceWindow *q = Quorl();
    q->DocumentPath = "/home/me/page.html";
    ScriptedPrompter p;
    // Answered No: nothing is asked further.
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
    q->findChild<QAction *>("mnuImportTemplate")->trigger();
    // Cancelled in the file dialog: the failure message, nothing changed.
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    p.expect(Msg{"An error occurred while trying to perform the action", "Assistant: Quorl",
                 Icon::Critical});
    q->findChild<QAction *>("mnuImportTemplate")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->DocumentPath, QString("/home/me/page.html"));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>before</p>"));
    QCOMPARE(templateFiles(), m_shipped);
}

void TestTemplates::missingFolder()
{
    QVERIFY(QDir(Templates::folder()).removeRecursively());
    ScriptedPrompter p;
    p.expect(Msg{"Error 03:\r\nUnable to perform selected action", "Assistant: Quorl",
                 Icon::Critical});
    WindowDirectory::touch<StartUpAssistant>("StartUp")->btnTemplates->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!WindowDirectory::isLoaded("StartUp"));
    QVERIFY(!WindowDirectory::touch("templates")->isVisible());
    // Copy the shipped templates back for the other tests.
    QDir().mkpath(Templates::folder());
    for (const QString &file : m_shipped)
        QFile::copy(qEnvironmentVariable("QV_DATA") + "/templates/" + file,
                    QDir(Templates::folder()).filePath(file));
}

void TestTemplates::lessons_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("title");  // empty: nothing loaded
    QTest::newRow("first") << "Lesson 1" << "Lesson 1: What HTML is";
    QTest::newRow("typed") << "Lesson 7" << "Lesson 7: Links";
    QTest::newRow("any case") << "LESSON 20" << "Lesson 20: Publishing your page";
    QTest::newRow("sitemap") << "Sitemap!" << "HTML Tutor: Sitemap";
    QTest::newRow("no lesson") << "Lesson 99" << "";
    QTest::newRow("outside the folder") << "../misc/x" << "";
}

void TestTemplates::lessons()
{
    QFETCH(QString, picked);
    QFETCH(QString, title);
    LessonsViewer *viewer = frmMoreTemp();
    QCOMPARE(viewer->cmbLessons->count(), 21);
    QCOMPARE(LessonsViewer::lessonFile("Lesson 7"), QString("Lesson7.html"));
    QVERIFY(viewer->loadLesson("Lesson 2"));
    QVERIFY(settle(viewer->theWeb));
    QCOMPARE(viewer->loadLesson(picked), !title.isEmpty());
    QVERIFY(settle(viewer->theWeb));
    const auto heading = viewer->theWeb->evaluate("document.title");
    QVERIFY(heading);
    QCOMPARE(heading->toString(), title.isEmpty() ? QString("Lesson 2: The structure of a page")
                                                  : title);
}

void TestTemplates::unreachablePageSaysSo()
{
    LessonsViewer *viewer = frmMoreTemp();
    QVERIFY(viewer->loadLesson("Lesson 2"));
    QVERIFY(settle(viewer->theWeb));
    // Nothing listens on port 1: the load fails as it does without a network.
    const QString address = "http://127.0.0.1:1/templates";
    QVERIFY(viewer->theWeb->LoadDocument(address));
    const auto shown = [viewer] {
        const auto text = viewer->theWeb->evaluate("document.body.innerText");
        return text ? text->toString() : QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown().contains("The page could not be loaded"), 20000);
    QVERIFY(shown().contains("127.0.0.1:1/templates"));
    QVERIFY(!shown().contains("Lesson 2"));
}

void TestTemplates::composerForwards_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");  // empty: not checked
    QTest::newRow("templates") << "mnuTemplates" << "templates" << "";
    QTest::newRow("more templates") << "mnuMoreTemplates" << "frmMoreTemp"
                                    << LessonsViewer::templatesCaption;
    QTest::newRow("tutor") << "mnuHTMLtutor" << "frmMoreTemp" << "HTML Tutor: by Korrandel";
    QTest::newRow("author") << "mnuVisitAuthor" << "frmMoreTemp" << "Korrandel Online...";
}

void TestTemplates::composerForwards()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    ComposerWindow *c = Composr();
    QAction *action = c->findChild<QAction *>(item);
    QTRY_VERIFY2(action->isEnabled(), qPrintable(item));
    ScriptedPrompter p;  // no message
    action->trigger();
    QWidget *shown = WindowDirectory::loaded(window);
    QVERIFY(shown && shown->isVisible());
    if (!caption.isEmpty())
        QCOMPARE(shown->windowTitle(), caption);
    QV_VERIFY_PROMPTS(p);
}

void TestTemplates::composerImportUsesItsOwnFileDialog()
{
    showComposer("<p>before</p>");
    ComposerWindow *c = Composr();
    QTRY_VERIFY(c->findChild<QAction *>("mnuImportTemplate")->isEnabled());
    Quorl()->comdlg.Filter.clear();
    ScriptedPrompter p;
    p.expect(Msg{kClose, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    p.expect(Msg{"An error occurred while trying to perform the action", "Assistant: Quorl",
                 Icon::Critical});
    c->findChild<QAction *>("mnuImportTemplate")->trigger();
    // Create Template from the composer asks for the name as from the source window.
    p.expect(ScriptedPrompter::Input{"Enter the name of the template", "Create Template",
                                     std::nullopt});
    c->findChild<QAction *>("mnuConvTemplate")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(c->ComDlg.Filter, QString("HTML Files (*.html)|*.html|HTM Files (*.htm)|*.htm"));
    QCOMPARE(c->ComDlg.DefaultExt, QString("html"));
    QCOMPARE(Quorl()->comdlg.Filter, QString());
    QCOMPARE(TestEngine::body(c->txtComp), QString("<p>before</p>"));
    QCOMPARE(templateFiles(), m_shipped);
}

void TestTemplates::tutorMode()
{
    LessonsViewer *viewer = frmMoreTemp();
    viewer->showTemplatesPage();
    QVERIFY(!viewer->cmbLessons->isVisibleTo(viewer));
    QCOMPARE(viewer->windowTitle(), LessonsViewer::templatesCaption);
    QVERIFY(Quorl()->findChild<QAction *>("mnuHTMLtutorial")->isEnabled());
    Quorl()->findChild<QAction *>("mnuHTMLtutorial")->trigger();
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->cmbLessons->isVisibleTo(viewer));
    QCOMPARE(viewer->windowTitle(), QString("HTML Tutor: by Korrandel"));
    QVERIFY(viewer->theWeb->BrowseMode());

    // Without the lessons the tutor says so and the assistant stays.
    QVERIFY(QDir(ProgramFolder::resolve("HTMLTutor")).removeRecursively());
    ScriptedPrompter p;
    p.expect(Msg{"Unable to process requested action. Folder seems to have been moved or "
                 "removed.",
                 "Assistant: Quorl", Icon::Critical});
    WindowDirectory::touch<StartUpAssistant>("StartUp")->btnHTMLTutor->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(WindowDirectory::isLoaded("StartUp"));
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
