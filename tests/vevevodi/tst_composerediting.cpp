// The composer's editing commands through its real editing control: the
// control's own dialogs, undo over every kind of change, and which window's
// control a command addresses.

#include "app/windowregistry.h"
#include "dialogs/documentedit.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/htmlfinddialog.h"
#include "platform/htmlfontdialog.h"
#include "platform/htmlimagedialog.h"
#include "platform/htmllinkdialog.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"
#include "platform/spelldialog.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QApplication>
#include <QFontComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

namespace {

using TestEngine::settle;

// Puts the caret inside the element matched by selector, selecting its text.
void selectIn(HtmlEditView *view, const QString &selector)
{
    view->runQueued(QString("(() => { const e = document.querySelector('%1');"
                            " const r = document.createRange(); r.selectNodeContents(e);"
                            " getSelection().removeAllRanges(); getSelection().addRange(r);"
                            " })()").arg(selector));
    QVERIFY(settle(view));
}

} // namespace

class TestComposerEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void fontDialog();
    void imageAndLinkDialogs();
    void cancelledDialogChangesNothing();
    void findDialogOpens();
    void undoAfterAPumpInsertion();
    void undoAfterATableEdit();
    void wholeDocumentEditIsOneUndoStep_data();
    void wholeDocumentEditIsOneUndoStep();
    void ownAndDefaultControls();
    void menuKeysWhileThePageHasTheFocus();
    void undoKeyActsInTurnWithTheTyping();
    void screenshotInDetailMode();

private:
    void showPage(const QString &body);
    QString body() { return TestEngine::body(c->txtComp); }

    TestEnv m_env;
    ComposerWindow *c = nullptr;
};

void TestComposerEditing::initTestCase()
{
    registerWindows();
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
}

void TestComposerEditing::init()
{
    c = Composr();
}

void TestComposerEditing::cleanup()
{
    TestEnv::unloadWindows();
}

void TestComposerEditing::showPage(const QString &pageBody)
{
    Quorl()->area->setText("<html><head><title>t</title></head><body>" + pageBody
                           + "</body></html>");
    ShowVevevodi();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    QVERIFY(settle(c->txtComp));
}

void TestComposerEditing::fontDialog()
{
    showPage("<p id=\"p\">word</p>");
    selectIn(c->txtComp, "#p");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Dialog{"HtmlFontDialog", [](QDialog *d) {
        auto *font = static_cast<HtmlFontDialog *>(d);
        font->cmbFace->setEditText("Arial");
        font->chkItalic->setChecked(true);
    }});
    Menus::find(c, "mnuFont")->trigger();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), QString("<p id=\"p\"><font face=\"Arial\"><i>word</i></font></p>"));
    // The whole choice is one step of the history.
    c->txtComp->ExecCommand(5049);
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), QString("<p id=\"p\">word</p>"));
}

void TestComposerEditing::imageAndLinkDialogs()
{
    showPage("<p id=\"p\">ab</p>");
    selectIn(c->txtComp, "#p");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Dialog{"HtmlImageDialog", [](QDialog *d) {
        auto *image = static_cast<HtmlImageDialog *>(d);
        image->txtSource->setText("pic.png");
        image->txtAlt->setText("A \"pic\"");
    }});
    c->findChild<QToolBar *>("frmformatbar")->findChild<QAction *>("btnImage")->trigger();
    p.expect(ScriptedPrompter::Dialog{"HtmlLinkDialog", [](QDialog *d) {
        static_cast<HtmlLinkDialog *>(d)->txtAddress->setText("next.html");
    }});
    c->txtComp->ExecCommand(5016);
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), QString("<p id=\"p\"><img src=\"pic.png\" alt=\"A &quot;pic&quot;\" "
                             "border=\"0\"><a href=\"next.html\">next.html</a></p>"));
}

void TestComposerEditing::cancelledDialogChangesNothing()
{
    showPage("<p id=\"p\">ab</p>");
    selectIn(c->txtComp, "#p");
    ScriptedPrompter p;
    for (const char *name : {"HtmlFontDialog", "HtmlImageDialog", "HtmlLinkDialog"})
        p.expect(ScriptedPrompter::Dialog{name, {}, false});
    c->txtComp->ExecCommand(5009);
    c->txtComp->ExecCommand(5017);
    c->txtComp->ExecCommand(5016);
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), QString("<p id=\"p\">ab</p>"));
}

void TestComposerEditing::findDialogOpens()
{
    showPage("<p>needle</p>");
    Menus::find(c, "mnuFind")->trigger();
    auto *find = c->txtComp->findChild<HtmlFindDialog *>();
    QVERIFY(find);
    QVERIFY(find->isVisible());
    Menus::find(c, "mnuFind")->trigger();   // the same dialog again
    QCOMPARE(c->txtComp->findChildren<HtmlFindDialog *>().size(), 1);
}

void TestComposerEditing::undoAfterAPumpInsertion()
{
    showPage("<p id=\"p\">text</p>");
    selectIn(c->txtComp, "#p");
    c->stageInsertion("<hr width=\"50%\">");
    QVERIFY(TestEngine::waitUntil([this] { return body().contains("<hr"); }));
    QAction *undo = Menus::find(c, "mnuUndo");
    undo->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), QString("<p id=\"p\">text</p>"));
    Menus::find(c, "mnuRedo")->trigger();
    QVERIFY(settle(c->txtComp));
    QVERIFY(body().contains("<hr width=\"50%\">"));
}

void TestComposerEditing::undoAfterATableEdit()
{
    const QString table = "<table><tbody><tr><td id=\"a\">a</td><td>b</td></tr></tbody></table>";
    showPage(table);
    selectIn(c->txtComp, "#a");
    Menus::find(c, "mnuInsCol")->trigger();
    QVERIFY(settle(c->txtComp));
    QVERIFY(body().contains("&nbsp;"));
    Menus::find(c, "mnuUndo")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(body(), table);
    // Merge outside a table does nothing and says nothing.
    showPage("<p id=\"p\">x</p>");
    selectIn(c->txtComp, "#p");
    ScriptedPrompter p;
    Menus::find(c, "mnuMerge")->trigger();
    QVERIFY(settle(c->txtComp));
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(), QString("<p id=\"p\">x</p>"));
}

void TestComposerEditing::wholeDocumentEditIsOneUndoStep_data()
{
    // The commands that write the whole page, and a script that is true once
    // the edit is in the page.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("made");
    QTest::newRow("page title") << "mnuPageTitle" << "document.title === 'changed'";
    QTest::newRow("head snippet")
        << "mnuDisableIEToolbar" << "!!document.querySelector('meta[http-equiv=imagetoolbar]')";
    QTest::newRow("spell check") << "mnuSpellCheck"
                                 << "document.getElementById('w').textContent === 'wrong'";
    // Page properties, meta block, rollover and navigation bar write this way.
    QTest::newRow("dialog edit") << "dialog" << "!!document.querySelector('meta[name=made]')";
    QTest::newRow("restore point") << "restore" << "!document.getElementById('p')";
}

void TestComposerEditing::wholeDocumentEditIsOneUndoStep()
{
    QFETCH(QString, command);
    QFETCH(QString, made);
    c = ComposerPage::showAt("<html><head><title>title</title></head><body><p id=\"p\">hello"
                             "</p><p id=\"w\">wrnog</p></body></html>", 5);
    QVERIFY(c);
    c->txtComp->setFocus();
    QWidget *surface = c->txtComp->focusProxy() ? c->txtComp->focusProxy() : c->txtComp;
    QInputMethodEvent typed;
    typed.setCommitString(" world");
    QApplication::sendEvent(surface, &typed);
    const auto typedText = [] {
        return ComposerPage::value("document.getElementById('p').textContent");
    };
    QTRY_COMPARE(typedText(), QString("hello world"));

    ScriptedPrompter p;
    const auto told = [](const QString &text, const QString &title, Prompter::Icon icon) {
        return ScriptedPrompter::Message{text, title, icon, Prompter::Buttons::Ok};
    };
    if (command == "mnuPageTitle") {
        p.expect(ScriptedPrompter::Input{"Enter the page title", "Quorl Vevevodi", "changed"});
    } else if (command == "mnuDisableIEToolbar") {
        p.expect(told("The required tag has been added", "Quorl", Prompter::Icon::None));
    } else if (command == "mnuSpellCheck") {
        p.expect(ScriptedPrompter::Dialog{"SpellDialog", [](QDialog *d) {
            static_cast<SpellDialog *>(d)->choose(SpellDialog::Action::ChangeAll);
        }});
        p.expect(told("Spell Checking Complete !", "Assistant: Quorl",
                      Prompter::Icon::Information));
    }
    if (command == "dialog") {
        // A stand-in for a dialog's pure edit, written back by the dialogs' route.
        QVERIFY(WholeDocument::apply(true, {}, [](const QString &text) {
            EditedText edited(text, 0);
            edited.insert(edited.find(QLatin1String("</head>")), "<meta name=\"made\">");
            return edited.result();
        }));
    } else if (command == "restore") {
        auto *restore = WindowDirectory::touch<RestoreWindow>("restore");
        restore->txtRestore->setText("<html><head></head><body><p>earlier</p></body></html>");
        p.expect(ScriptedPrompter::Message{
            "Using Restore Point is going to take your page back to the last time Restore "
            "Point was created. Proceed?",
            "Assistant: Quorl", Prompter::Icon::Question, Prompter::Buttons::YesNo,
            Prompter::Answer::Yes});
        restore->ok();
    } else {
        Menus::find(c, command)->trigger();
    }
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(c->txtComp));
    QCOMPARE(ComposerPage::value(made), QString("true"));

    // One Undo takes the edit back and keeps the typing; the next takes the typing.
    Menus::find(c, "mnuUndo")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(ComposerPage::value(made), QString("false"));
    QCOMPARE(typedText(), QString("hello world"));
    QCOMPARE(ComposerPage::value("document.title"), QString("title"));
    Menus::find(c, "mnuUndo")->trigger();
    QVERIFY(settle(c->txtComp));
    QCOMPARE(typedText(), QString("hello"));
}

void TestComposerEditing::ownAndDefaultControls()
{
    showPage("<p>main</p>");
    // A second composer window, as the file viewer opens them.
    ComposerWindow second;
    QVERIFY(!second.isMainComposer());
    QVERIFY(!c->txtComp->SnapToGrid());
    Menus::find(&second, "mnuSnap")->trigger();          // default: the main window's
    QVERIFY(c->txtComp->SnapToGrid());
    QVERIFY(!second.txtComp->SnapToGrid());
    Menus::find(&second, "mnuShowDetails")->trigger();   // own
    QVERIFY(second.txtComp->ShowDetails());
    QVERIFY(!c->txtComp->ShowDetails());
}

void TestComposerEditing::menuKeysWhileThePageHasTheFocus()
{
    const QString table = "<table><tbody><tr><td id=\"a\">a</td></tr></tbody></table>";
    showPage(table);
    c->activateWindow();
    c->txtComp->setFocus();
    QWidget *page = c->txtComp->focusProxy();
    QVERIFY(page);
    QVERIFY(QTest::qWaitForWindowActive(c));
    selectIn(c->txtComp, "#a");
    Menus::find(c, "mnuInsRow")->trigger();
    QVERIFY(settle(c->txtComp));
    QVERIFY(body() != table);
    QTest::keyClick(page, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(TestEngine::waitUntil([&] { return body() == table; }, 5000));
    // A menu key the page has no use for reaches the menu.
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Message{"Are you sure you want to close existing document?",
                                       "Assistant: Quorl", Prompter::Icon::Question,
                                       Prompter::Buttons::YesNo, Prompter::Answer::No});
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QV_VERIFY_PROMPTS(p);
}

void TestComposerEditing::undoKeyActsInTurnWithTheTyping()
{
    showPage("<p id=\"p\">page</p>");
    c->activateWindow();
    c->txtComp->setFocus();
    QWidget *page = c->txtComp->focusProxy();
    QVERIFY(page);
    QVERIFY(QTest::qWaitForWindowActive(c));
    c->txtComp->runQueued("(() => { const r = document.createRange();"
                          " r.selectNodeContents(document.getElementById('p'));"
                          " r.collapse(false); getSelection().removeAllRanges();"
                          " getSelection().addRange(r); })()");
    QVERIFY(settle(c->txtComp));
    const auto type = [page](const QString &text) {
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(page, &typed);
    };
    // A question still open holds back whatever is asked after it, not the keys.
    c->txtComp->runQueued("(() => { const end = Date.now() + 500;"
                          " while (Date.now() < end); })()");
    type("xyz");
    QTest::keyClick(page, Qt::Key_Z, Qt::ControlModifier);
    type("q");
    QVERIFY(settle(c->txtComp));
    QString now;
    QVERIFY2(TestEngine::waitUntil([&] { return (now = body()).contains(u'q'); }, 5000),
             qPrintable(now));
    // Where the caret comes back to is not what this is about.
    QCOMPARE(now.count(u'q'), 1);
    QCOMPARE(now.remove(u'q'), QString("<p id=\"p\">page</p>"));
}

void TestComposerEditing::screenshotInDetailMode()
{
    const QString out = qEnvironmentVariable("QV_SCREENSHOT");
    if (out.isEmpty())
        QSKIP("set QV_SCREENSHOT=<file> to write the picture");
    showPage("<h2>Prices</h2><table border=\"0\"><tr><td>Tea</td><td>2</td></tr>"
             "<tr><td>Cake</td><td>3</td></tr></table><form><input name=\"q\"></form>"
             "<a name=\"end\"></a><div style=\"position:absolute;left:300px;top:60px\">"
             "Layer</div>");
    c->resize(700, 420);
    Menus::find(c, "mnuShowDetails")->trigger();
    QVERIFY(settle(c->txtComp));
    QTest::qWait(300);
    QVERIFY(c->grab().save(out));
}

QTEST_MAIN(TestComposerEditing)
#include "tst_composerediting.moc"
