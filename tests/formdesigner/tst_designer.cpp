// The form designer on the real engine: its canvas, staging, preview,
// colour commands, form files, form code and its two helper windows.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "formdesigner/designeredithtml.h"
#include "formdesigner/designerhelp.h"
#include "formdesigner/designerwindow.h"
#include "formdesigner/formcodedialog.h"
#include "platform/clipboard.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

// The skeleton as the engine completes it.
const QString kCanvas = DesignerWindow::skeleton + "</div>";
const QString kBox = "<div id=\"Box\" style=\"position:relative;left:0px;top:0px;width:50px;"
                     "height:30px;background-color:#FFFFFF;color:#000000;border-width:1;"
                     "border-style:solid;\"></div>";

QString body(HtmlEditView *view)
{
    return TestEngine::body(view);
}

QVariant app(HtmlEditView *view, const QString &js)
{
    return view->evaluate(js).value_or(QVariant("<no result>"));
}

DesignerWindow *openDesigner()
{
    DesignerWindow *d = ombrel();
    d->show();
    TestEngine::settle(d->Result);
    return d;
}

} // namespace

class TestDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void skeletonOnLoadAndNew_data();
    void skeletonOnLoadAndNew();
    void exitAndCloseDiscardTheDesign_data();
    void exitAndCloseDiscardTheDesign();
    void toolbarKeys();
    void stagingAndDropping();
    void previewDisablesInsertEditAndElements();
    void previewLeavesTheDesignAlone_data();
    void previewLeavesTheDesignAlone();
    void canvasColours_data();
    void canvasColours();
    void saveThenOpen();
    void fileFailuresAreReported();
    void oldStyleFormOpens();
    void openedFormKeepsItsFormat();
    void formCodeDelivery_data();
    void formCodeDelivery();
    void missingActionBlocksDelivery();
    void editHtmlBringsTheDesignerBack_data();
    void editHtmlBringsTheDesignerBack();
    void openersBringEditHtmlToTheFront_data();
    void openersBringEditHtmlToTheFront();
    void colourCodeToClipboard();
    void helpWindow();
    void helpMenuShowsItsWindows_data();
    void helpMenuShowsItsWindows();
    void screenshot();

private:
    TestEnv m_env;
};

void TestDesigner::initTestCase()
{
    registerWindows();
}

void TestDesigner::cleanup()
{
    TestEnv::unloadWindows();
}

void TestDesigner::skeletonOnLoadAndNew_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

void TestDesigner::skeletonOnLoadAndNew()
{
    QFETCH(Answer, answer);
    DesignerWindow *d = openDesigner();
    QCOMPARE(d->windowTitle(), QString("Ombrel: Form Designing Wizard - By Korrandel"));
    QCOMPARE(body(d->Result), kCanvas);
    QCOMPARE(body(d->tagbar), QString());

    d->setDesign("<p>changed</p>");
    ScriptedPrompter p;
    p.expect(Msg{"Are you sure you want to start off with a new form?", "Ombrel: Create New?",
                 Icon::Question, Buttons::YesNo, answer, Answer::No});
    Menus::find(d, "mnuNew")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(d->Result), answer == Answer::Yes ? kCanvas : QString("<p>changed</p>"));
}

void TestDesigner::exitAndCloseDiscardTheDesign_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("gone");
    QTest::newRow("exit, yes") << "yes" << true;
    QTest::newRow("exit, no") << "no" << false;
    QTest::newRow("window frame") << "frame" << true;
}

void TestDesigner::exitAndCloseDiscardTheDesign()
{
    QFETCH(QString, how);
    QFETCH(bool, gone);
    DesignerWindow *d = openDesigner();
    d->setDesign("<p>work</p>");
    ScriptedPrompter p;
    if (how == "frame") {
        d->close();
    } else {
        p.expect(Msg{"Are you sure you want to exit?", "Ombrel: Exit?", Icon::Question,
                     Buttons::YesNo, how == "yes" ? Answer::Yes : Answer::No, Answer::No});
        Menus::find(d, "mnuExit")->trigger();
    }
    QV_VERIFY_PROMPTS(p);
    TestEnv::flushDeletes();
    QCOMPARE(!WindowDirectory::isLoaded("ombrel"), gone);
    QCOMPARE(body(openDesigner()->Result), gone ? kCanvas : QString("<p>work</p>"));
}

void TestDesigner::toolbarKeys()
{
    DesignerWindow *d = openDesigner();
    QStringList keys;
    for (QAction *a : d->Toolbar1->actions())
        keys << (a->isSeparator() ? "-" : a->objectName());
    QCOMPARE(keys.join(' '), QString("New Open Save - Undo Redo - Copy Cut Paste Delete - Bold "
                                     "Italic Underline - Drawing Properties Help"));
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Popup{});
    d->toolbarClick("Properties");
    d->toolbarClick("Nothing");
    d->toolbarClick("new");
    QV_VERIFY_PROMPTS(p);
}

void TestDesigner::stagingAndDropping()
{
    DesignerWindow *d = openDesigner();
    auto *label = d->findChild<QPushButton *>("btnLabel");
    QCOMPARE(label->toolTip(), QString("Insert Label"));
    label->click();
    label->click();
    QCOMPARE(body(d->tagbar), DesignerWindow::labelTemplate);

    // Dropped twice into the canvas, the drawing box keeps its one id.
    d->toolbarClick("Drawing");
    const QString staged = body(d->tagbar);
    QCOMPARE(staged, kBox);
    d->Result->insertHtmlAt(staged, QPoint(100, 100));
    d->Result->insertHtmlAt(staged, QPoint(300, 200));
    QCOMPARE(app(d->Result, "document.querySelectorAll('#OmbrelForm > #Box').length").toInt(),
             2);

    // The element buttons of the field dialogs are usable.
    QVERIFY(d->findChild<QPushButton *>("btnText")->isEnabled());
    QVERIFY(d->findChild<QPushButton *>("btnGenerate")->isEnabled());
}

void TestDesigner::previewDisablesInsertEditAndElements()
{
    DesignerWindow *d = openDesigner();
    const auto enabled = [d](const char *name) {
        return d->findChild<QMenu *>(name)->isEnabled();
    };
    QAction *preview = Menus::find(d, "mnuPreview");
    for (bool on : {true, false}) {
        preview->trigger();
        QCOMPARE(preview->isChecked(), on);
        QCOMPARE(d->Result->BrowseMode(), on);
        QCOMPARE(enabled("mnuInsert"), !on);
        QCOMPARE(enabled("mnuEdit"), !on);
        QCOMPARE(d->toolbar->isEnabled(), !on);
        QVERIFY(enabled("mnuMormat"));
        QVERIFY(enabled("mnuFile"));
        QVERIFY(d->Toolbar1->isEnabled());
        QVERIFY(TestEngine::settle(d->Result));
        QCOMPARE(app(d->Result, "document.designMode").toString(), on ? "off" : "on");
    }
}

void TestDesigner::previewLeavesTheDesignAlone_data()
{
    // The toolbar stays usable and the shortcuts of the disabled menus are at
    // hand: neither may edit the page being previewed.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("toolbar Undo") << "Undo" << QKeySequence();
    QTest::newRow("toolbar Delete") << "Delete" << QKeySequence();
    QTest::newRow("toolbar Bold") << "Bold" << QKeySequence();
    QTest::newRow("Ctrl+Z") << "" << QKeySequence("Ctrl+Z");
    QTest::newRow("Del") << "" << QKeySequence(Qt::Key_Delete);
    QTest::newRow("Ctrl+F1") << "" << QKeySequence("Ctrl+F1");
    QTest::newRow("Ctrl+F2") << "" << QKeySequence("Ctrl+F2");
}

void TestDesigner::previewLeavesTheDesignAlone()
{
    QFETCH(QString, key);
    QFETCH(QKeySequence, shortcut);
    DesignerWindow *d = openDesigner();
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->Result->insertHtmlAt(DesignerWindow::labelTemplate, QPoint(100, 100));
    d->Result->ExecCommand(5035);
    QVERIFY(TestEngine::settle(d->Result));
    const QString design = body(d->Result);
    QVERIFY(design.contains("New Label"));

    Menus::find(d, "mnuPreview")->trigger();
    QVERIFY(TestEngine::settle(d->Result));
    const QString shown = body(d->Result);
    if (key.isEmpty())
        QTest::keySequence(d, shortcut);
    else
        d->toolbarClick(key);
    QVERIFY(TestEngine::settle(d->Result));
    QCOMPARE(body(d->Result), shown);
    QCOMPARE(body(d->tagbar), QString());
    QVERIFY(!WindowDirectory::isLoaded("OformTextbox"));

    Menus::find(d, "mnuPreview")->trigger();
    QVERIFY(TestEngine::settle(d->Result));
    QCOMPARE(body(d->Result), design);
}

void TestDesigner::canvasColours_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<std::optional<QColor>>("chosen");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blue background") << "mnuBoxBGColour" << std::optional<QColor>(Qt::blue)
                                     << "backgroundColor" << "rgb(0, 0, 255)";
    QTest::newRow("black background") << "mnuBoxBGColour" << std::optional<QColor>(Qt::black)
                                      << "backgroundColor" << "rgb(0, 0, 0)";
    QTest::newRow("cancel") << "mnuBoxBGColour" << std::optional<QColor>()
                            << "backgroundColor" << "rgb(255, 255, 255)";
    QTest::newRow("red border") << "mnuBoxBorder" << std::optional<QColor>(Qt::red) << "color"
                                << "rgb(255, 0, 0)";
}

void TestDesigner::canvasColours()
{
    QFETCH(QString, item);
    QFETCH(std::optional<QColor>, chosen);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    DesignerWindow *d = openDesigner();
    d->setDesign(DesignerWindow::skeleton + kBox + "</div>");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Color{chosen});
    Menus::find(d, item)->trigger();
    QV_VERIFY_PROMPTS(p);
    const auto style = [d](const QString &id, const QString &property) {
        return app(d->Result, QString("getComputedStyle(document.getElementById('%1')).%2")
                                  .arg(id, property))
            .toString();
    };
    QCOMPARE(style("OmbrelForm", property), expected);
    // A box that shared the old colour keeps it.
    QCOMPARE(style("Box", "backgroundColor"), QString("rgb(255, 255, 255)"));
    QCOMPARE(style("Box", "color"), QString("rgb(0, 0, 0)"));

    // Without the canvas the document stays as it is.
    d->setDesign(kBox);
    p.expect(ScriptedPrompter::Color{Qt::green});
    Menus::find(d, item)->trigger();
    QCOMPARE(body(d->Result), kBox);
}

void TestDesigner::saveThenOpen()
{
    DesignerWindow *d = openDesigner();
    const QString design = DesignerWindow::skeleton
                           + "<input name=\"first\" style=\"position: absolute; left: 10px; "
                             "top: 10px\"><textarea name=\"second\">Hi</textarea></div>";
    d->setDesign(design);
    const QString saved = body(d->Result);
    // A name typed without extension gets ".omf", so the Open dialog shows it.
    const QString path = m_env.scratch("myform.omf");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", m_env.scratch("myform")});
    Menus::find(d, "mnuSave")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(p.lastFileRequest().filter, QString("Ombrel Form Files (*.omf)"));
    QCOMPARE(p.lastFileRequest().defaultSuffix, QString("omf"));
    // Only the body and one CR LF.
    QCOMPARE(TestFiles::bytes(path), saved.toUtf8() + "\r\n");
    QVERIFY(saved.startsWith("<div id=\"OmbrelForm\""));
    QCOMPARE(QDir(m_env.scratch()).entryList({"myform*"}, QDir::Files),
             QStringList{"myform.omf"});

    p.expect(Msg{"", "Ombrel: Create New?", Icon::Question, Buttons::YesNo, Answer::Yes});
    d->NewForm();
    d->ComDlg.DefaultExt.clear();  // as in a window that never saved
    p.expect(ScriptedPrompter::OpenFile{"", path});
    d->toolbarClick("Open");
    QV_VERIFY_PROMPTS(p);
    // Open looks for a name typed without extension with ".omf" too.
    QCOMPARE(p.lastFileRequest().defaultSuffix, QString("omf"));
    QCOMPARE(body(d->Result), saved);
}

void TestDesigner::fileFailuresAreReported()
{
    DesignerWindow *d = openDesigner();
    const QString path = m_env.scratch("old.omf");
    QVERIFY(TestFiles::write(path, "old"));
    ScriptedPrompter p;

    // A write that fails part-way (the file-size limit stands in for a full
    // disk) leaves the old file whole and says so.
    p.expect(ScriptedPrompter::SaveFile{"", path});
    p.expect(Msg{"", "Ombrel", Icon::Exclamation, Buttons::Ok});
    TestFiles::withFileSizeLimit(64, [d] { d->SaveForm(); });
    QV_VERIFY_PROMPTS(p);
    QVERIFY(p.shownMessages().value(0).startsWith("Unable to save the form"));
    QCOMPARE(TestFiles::bytes(path), QByteArray("old"));

    // A file that cannot be read leaves the design as it was.
    p.expect(ScriptedPrompter::OpenFile{"", m_env.scratch("missing.omf")});
    p.expect(Msg{"", "Ombrel", Icon::Exclamation, Buttons::Ok});
    d->OpenForm();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(d->Result), kCanvas);

    // Cancelling either dialog changes nothing.
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    d->OpenForm();
    d->SaveForm();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(body(d->Result), kCanvas);
}

void TestDesigner::openedFormKeepsItsFormat()
{
    // A form file from an older editor: Windows-1252 with LF line ends.
    const QString path = m_env.scratch("lf.omf");
    QVERIFY(TestFiles::write(path, "<div id=\"OmbrelForm\">\n<p>caf\xe9</p>\n</div>\n"));
    DesignerWindow *d = openDesigner();
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    p.expect(ScriptedPrompter::SaveFile{"", path});
    d->OpenForm();
    QVERIFY(TestEngine::settle(d->Result));
    d->SaveForm();
    QV_VERIFY_PROMPTS(p);
    const QByteArray saved = TestFiles::bytes(path);
    QVERIFY2(saved.contains("<p>caf\xe9</p>\n") && !saved.contains('\r'), saved.constData());
}

void TestDesigner::oldStyleFormOpens()
{
    DesignerWindow *d = openDesigner();
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", TestEnv::fixture("oldstyle.omf")});
    d->OpenForm();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(app(d->Result, "(function(){var c = document.getElementById('OmbrelForm');"
                            "return [c.offsetWidth, c.querySelector('input').name,"
                            "c.textContent.trim()].join('|');})()")
                 .toString(),
             QString("402|txtName|Your name"));
    p.expect(ScriptedPrompter::Color{Qt::blue});
    d->BackgroundColour();
    QCOMPARE(app(d->Result, "getComputedStyle(document.getElementById('OmbrelForm'))"
                            ".backgroundColor")
                 .toString(),
             QString("rgb(0, 0, 255)"));
}

void TestDesigner::formCodeDelivery_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("source window") << "Quorl";
    QTest::newRow("composer") << "Composr";
}

void TestDesigner::formCodeDelivery()
{
    QFETCH(QString, opener);
    SourceWindow *quorl = Quorl();
    quorl->area->setText(QString());
    ComposerWindow *composer = Composr();
    QWidget *main = opener == "Quorl" ? static_cast<QWidget *>(quorl) : composer;
    main->show();
    Menus::find(main, "mnuOmbrel")->trigger();
    auto *wizard = qobject_cast<FormCodeDialog *>(WindowDirectory::loaded("prewizard"));
    QVERIFY(wizard && !wizard->isVisible());
    QCOMPARE(wizard->property("txtCompOrEdit").toString(),
             opener == "Quorl" ? QString("edit") : QString("comp"));
    DesignerWindow *d = ombrel();
    QVERIFY(d->isVisible());
    TestEngine::settle(d->Result);

    const QString code = "<!-- Form Code by Ombrel: By Korrandel -->\r\n"
                         "<br><form name=\"contact\" method=\"GET\" action=\"send.php\">\r\n"
                         + kCanvas + "\r\n</form><br>\r\n<!-- End of form -->";
    // Twice: the target holds after the dialog went.
    for (int round = 0; round < 2; ++round) {
        Menus::find(d, "mnuHTMLGen")->trigger();
        wizard = qobject_cast<FormCodeDialog *>(WindowDirectory::loaded("prewizard"));
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->windowTitle(), QString("Ombrel: Generate Code !!!"));
        QCOMPARE(wizard->cmbAction->currentText(), QString("POST"));
        // Each field is named for a screen reader by its label, and tells it in a tip.
        const std::pair<QWidget *, QString> fields[] = {
            {wizard->txtFormName, "Name of the Form"},
            {wizard->cmbAction, "Method"},
            {wizard->txtFormAction, "Action"}};
        for (const auto &[field, label] : fields) {
            QCOMPARE(field->accessibleName(), label);
            QCOMPARE(field->toolTip(), label);
        }
        wizard->txtFormName->setText("contact");
        wizard->cmbAction->setCurrentText("GET");
        wizard->txtFormAction->setText("send.php");
        wizard->OKButton->click();
        TestEnv::flushDeletes();
        QVERIFY(!WindowDirectory::isLoaded("prewizard"));
        QVERIFY(d->isVisible());
    }
    if (opener == "Quorl") {
        QCOMPARE(quorl->area->text(), code + code);
    } else {
        QV_TRY_COMPARE(body(composer->txtComp).count("<!-- End of form -->"), 2);
    }
}

void TestDesigner::missingActionBlocksDelivery()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("page");
    Menus::find(quorl, "mnuOmbrel")->trigger();
    DesignerWindow *d = ombrel();
    TestEngine::settle(d->Result);
    d->GenerateHTMLCode();
    auto *wizard = qobject_cast<FormCodeDialog *>(WindowDirectory::loaded("prewizard"));
    wizard->txtFormName->setText("contact");
    ScriptedPrompter p;
    p.expect(Msg{"Please fill in the required fields", "Ombrel", Icon::Information,
                 Buttons::Ok});
    wizard->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(quorl->area->text(), QString("page"));
    QVERIFY(wizard->isVisible());
    // Back keeps what was typed for the next Generate.
    wizard->CancelButton->click();
    QVERIFY(!wizard->isVisible());
    d->GenerateHTMLCode();
    QCOMPARE(wizard->txtFormName->text(), QString("contact"));
}

void TestDesigner::editHtmlBringsTheDesignerBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("ok") << "ok";
    QTest::newRow("cancel") << "cancel";
    QTest::newRow("frame") << "frame";
}

void TestDesigner::editHtmlBringsTheDesignerBack()
{
    QFETCH(QString, how);
    DesignerWindow *d = openDesigner();
    Menus::find(d, "mnuEditHTML")->trigger();
    auto *editor = qobject_cast<DesignerEditHtml *>(WindowDirectory::loaded("OeditHTML"));
    QVERIFY(editor && editor->isVisible());
    QVERIFY(!d->isVisible());
    QCOMPARE(editor->txtCode->toPlainText(), kCanvas);
    QVERIFY(editor->listFont->count() > 0);
    editor->txtCode->setPlainText(kCanvas + "<p>edited</p>");
    if (how == "ok")
        editor->OKButton->click();
    else if (how == "cancel")
        editor->CancelButton->click();
    else
        editor->close();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("OeditHTML"));
    QVERIFY(d->isVisible());
    QCOMPARE(body(d->Result), how == "ok" ? kCanvas + "<p>edited</p>" : kCanvas);
}

void TestDesigner::openersBringEditHtmlToTheFront_data()
{
    QTest::addColumn<bool>("fromComposer");
    QTest::newRow("source window") << false;
    QTest::newRow("composer") << true;
}

void TestDesigner::openersBringEditHtmlToTheFront()
{
    QFETCH(bool, fromComposer);
    DesignerWindow *d = openDesigner();
    d->EditHTML();
    auto *editor = qobject_cast<DesignerEditHtml *>(WindowDirectory::loaded("OeditHTML"));
    QVERIFY(editor && editor->isVisible() && !d->isVisible());
    QWidget *main = fromComposer ? static_cast<QWidget *>(Composr()) : Quorl();
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    // Edit HTML stands for the designer: nothing can be drawn that its OK
    // would write over.
    Menus::find(main, "mnuOmbrel")->trigger();
    QVERIFY(!d->isVisible());
    QVERIFY(editor->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(editor));
    editor->txtCode->setPlainText(kCanvas + "<p>edited</p>");
    editor->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(d->isVisible());
    QCOMPARE(body(d->Result), kCanvas + "<p>edited</p>");
}

void TestDesigner::colourCodeToClipboard()
{
    DesignerWindow *d = openDesigner();
    d->EditHTML();
    auto *editor = qobject_cast<DesignerEditHtml *>(WindowDirectory::loaded("OeditHTML"));
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Color{QColor(0x12, 0xAB, 0xFF)});
    editor->btnPalete->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(editor->txtColour->text(), QString("#12ABFF"));
    Clipboard::setText("before");
    editor->btnClip->click();
    QCOMPARE(Clipboard::text(), QString("#12ABFF"));
}

void TestDesigner::helpWindow()
{
    DesignerWindow *d = openDesigner();
    d->toolbarClick("Help");
    auto *help = qobject_cast<DesignerHelp *>(WindowDirectory::loaded("OHelp"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QString("Ombrel: Help"));
    QCOMPARE(help->lblHelp->text(), DesignerHelp::text("Overview"));
    help->findChild<QPushButton *>("btnLabel")->click();
    const QStringList paragraphs = help->lblHelp->text().split("\r\n\r\n");
    QCOMPARE(paragraphs.size(), 3);
    for (const QString &p : paragraphs)
        QVERIFY(p.startsWith("   ") && !p.startsWith("    "));
    help->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("OHelp"));
    Menus::find(d, "help")->trigger();
    help = qobject_cast<DesignerHelp *>(WindowDirectory::loaded("OHelp"));
    QCOMPARE(help->lblHelp->text(), DesignerHelp::text("Overview"));
}

void TestDesigner::helpMenuShowsItsWindows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("tip of the day") << "mnuShowTip" << "frmTip";
    QTest::newRow("about") << "mnuAbout" << "frmAbout";
}

void TestDesigner::helpMenuShowsItsWindows()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    DesignerWindow *d = openDesigner();
    Menus::find(d, item)->trigger();
    QWidget *shown = WindowDirectory::loaded(window);
    QVERIFY(shown && shown->isVisible());
    QVERIFY(!shown->isModal());
    QVERIFY(d->isVisible());
}

void TestDesigner::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    DesignerWindow *d = openDesigner();
    d->findChild<QPushButton *>("btnLabel")->click();
    d->Result->insertHtmlAt(DesignerWindow::labelTemplate, QPoint(40, 40));
    d->Result->insertHtmlAt(kBox, QPoint(60, 80));
    d->Result->moveObjectTo(120, 60);
    d->Result->selectObjectAt(QPoint(40, 24));
    QVERIFY(TestEngine::settle(d->Result));
    QTest::qWait(1500);
    QVERIFY(d->grab().save(path));
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
