#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "support/menutree.h"
#include "support/recordingdialog.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composercommandmap.h"

#include <QMainWindow>
#include <QRadioButton>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>

class TestComposerCommandMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void menuTree();
    void openersWriteComp();
    void passwordThenTextBox();
    void listWithLinksAlwaysTakesTheComposer();
    void vevevodiItemDoesNothing();
    void outsideProgramMissing();
    void editingCommands_data();
    void editingCommands();
    void toolbarDispatch();
    void formatBarHints_data();
    void formatBarHints();
    void showDetailsAndSnap();

private:
    TestEnv m_env;
    QMainWindow *w = nullptr;
    QStringList calls;
};

void TestComposerCommandMap::initTestCase()
{
    registerWindows();
    for (const char *name : {"formTextbox", "ListURLs", "table"})
        WindowDirectory::registerWindow(name, [] { return new RecordingDialog; });
}

void TestComposerCommandMap::init()
{
    w = new QMainWindow;
    ComposerCommandMap::build(w);
    calls.clear();
    ComposerCommandMap::Editing editing;
    editing.execOwn = [this](int id) { calls << QString("own %1").arg(id); };
    editing.execDefault = [this](int id) { calls << QString("default %1").arg(id); };
    editing.showDetails = [this](bool on) { calls << QString("details %1").arg(on); };
    editing.snapToGrid = [this](bool on) { calls << QString("snap %1").arg(on); };
    editing.setHint = [this](const QString &hint) { calls << "hint " + hint; };
    ComposerCommandMap::bindEditing(w, editing);
}

void TestComposerCommandMap::cleanup()
{
    delete w;
    TestEnv::unloadWindows();
}

void TestComposerCommandMap::menuTree()
{
    const QStringList expected = QString(R"(&File|mnuFile
  &New|mnuNew|Ctrl+N
  &Open|mnuOpen|Ctrl+O
  &Save|mnuSave|Ctrl+S
  Save As|mnuSaveAs
  &Recent|mnuRecent
  -
  Editor|mnuViewEditor|F2
  Preview|mnuPrev|F5
  Preview in Web Browser|mnuPrevIE
  -
  Page Setup|mnuPageSetup
  Print HTML Code|mnuPrint
  -
  E&xit|mnuExit
&Edit|mnuEdit
  &Find|mnuFind|Ctrl+F
  -
  Copy|mnuCopy
  Cut|mnuCut
  Paste|mnuPaste
  Delete|mnuDelete
  -
  Undo|mnuUndo|Ctrl+Z
  Redo|mnuRedo|Ctrl+Y
  -
  Send|mnuSend
    Bring Front|mnuBringFront
    Bring Forward|mnuBringForward
    Bring Above Text|mnuBringAbovetext
    Send Back|mnuSendBack
    Send Backward|mnuSendBackward
    Send Below Text|mnuBelowtext
  Select All|mnuSelectAll
&View|mnuView
  Vevevodi|mnuVevevodi|checked
  Editor|mnuEditor
  Preview|mnuPreview
  -
  &Tintor|mnuTintor
  &Meta Generator|mnuMetaGen
&Insert|mnuInsert
  Hyper&link|mnuLink
  Remove Link|mnuRemLink
  &HTML|mnuHTML
  Rectangular &Box|mnuInsRectBox
  Page Title|mnuPageTitle
  -
  Horizontal Rule|mnuRule
  &Image|mnuImage
  Heading|mnuHeading
  -
  &Bullets|mnuBullets
  &Numbering|mnuNumbering
  -
  Form|mnuForm
    Open Ombrel (Visual Form Design)|mnuOmbrel
    -
    Form|mnuInsForm
    Text Box|mnuTextBox
    Password|mnuPassword
    Text Area|mnuTextArea
    Radio|mnuRadio
    Checkbox|mnuCheckBox
    Button|mnuButton
    Submit|mnuSubmit
    Reset|mnuReset
    List|mnuList
    File|mnuInsFile
    Fieldset|mnuFieldSet
    Hidden|mnuHidden
F&ormat|mnuFormat
  &Bold|mnuBold
  &Italics|mnuItalics
  Underline|mnuUnderline
  -
  &Font|mnuFont
  -
  Indent Selected|mnuIndent
  Outdent Selected|mnuOutdent
  -
  &Align|mnuAlign
    &Left|mnuAlignLeft
    &Centre|mnuAlignCentre
    &Right|mnuAlignRight
  -
  Highlight|mnuHighlight
  Page Properties|mnuPageProps
  -
  Remove Formatting|mnuRemFormat
&Table|mnuTable
  Visual Table|mnuVisTbl
  -
  Insert &Table|mnuInsTable
  Insert &Row|mnuInsRow
  Insert &Column|mnuInsCol
  Insert Ce&ll|mnuInsCell
  -
  Delete Row|mnuDelRow
  Delete Column|mnuDelCol
  Delete Cells|mnuDelCel
  -
  Merge Cells|mnuMerge
  Split Cell|mnuSplit
O&ptions|mnuOptions
  &Snap|mnuSnap|checked
  &Restore Point|mnuRestore
  Spell Check|mnuSpellCheck
  Show &Details|mnuShowDetails
  &Protect Code|mnuProtectCode
    Prevent Right Click|mnuRightClick
    Disable IE &Image Toolbar|mnuDisableIEToolbar
    Protect &Text|mnuPrevTextSel
  -
  Enable Start Up Assistant|mnuEnableStartUp
  Show Start Up Assistant|mnuShowStartUp
  Crash Recovery Wizard|mnuCrashRecover
&Style|mnuStyle
  Text|mnuText
  Marquee|mnuMarquee
  List with links|mnuListLinks
  &Insert|mnuStyleInsert
    Layer|mnuInsLayer
    Flash|mnuFlash
  -
  Strip HTML Code|mnuStripHTML
Too&ls|mnuTools
  &Templates|mnuTemplates
  &Convert to template|mnuConvTemplate
  &Import Template|mnuImportTemplate
  More Templates...|mnuMoreTemplates
  -
  Layout Manager|mnuLayoutManager
  Style Sheet Creator|mnuStyleSheet
  Navigation Bar Creator|mnuNavigator
  FTP Client|mnuFTPClient
  File Viewer|mnuFileViewer
  &JavaScript Console|mnuJavaScriptCons
  -
  &Plug in Tools|mnuPlugIn
&Help|mnuHelp
  HTML Tutor|mnuHTMLtutor
  Tip of the day|mnuTips
  Visit author's home page|mnuVisitAuthor
  &About|mnuAbout)").split('\n');
    QCOMPARE(::menuTree(w), expected);
    // Commands not built are present and disabled.
    for (const char *name : {"mnuPrev", "mnuNew", "mnuLink"})
        QVERIFY2(!Menus::find(w, name)->isEnabled(), name);
}

void TestComposerCommandMap::openersWriteComp()
{
    Menus::find(w, "mnuInsTable")->trigger();
    auto *table = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("table"));
    QVERIFY(table);
    QCOMPARE(table->log, QStringList({"load", "compOrEdit=comp", "show"}));
}

void TestComposerCommandMap::passwordThenTextBox()
{
    Menus::find(w, "mnuPassword")->trigger();
    auto *box = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("formTextbox"));
    QCOMPARE(box->windowTitle(), QString("Insert Password Box : Quorl"));
    QVERIFY(box->findChild<QRadioButton *>("radYes")->isChecked());
    Menus::find(w, "mnuTextBox")->trigger();
    QCOMPARE(box->windowTitle(), QString("Insert Text Box : Quorl"));
    QVERIFY(box->findChild<QRadioButton *>("radYes")->isChecked());
    QCOMPARE(box->compOrEdit(), QString("comp"));
}

void TestComposerCommandMap::listWithLinksAlwaysTakesTheComposer()
{
    Menus::find(Quorl(), "mnuListLinks")->trigger();
    auto *list = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("ListURLs"));
    QCOMPARE(list->compOrEdit(), QString("edit"));
    Menus::find(w, "mnuListLinks")->trigger();
    QCOMPARE(list->compOrEdit(), QString("comp"));
}

void TestComposerCommandMap::vevevodiItemDoesNothing()
{
    QAction *vevevodi = Menus::find(w, "mnuVevevodi");
    QVERIFY(vevevodi->isEnabled());
    vevevodi->trigger();
    QVERIFY(vevevodi->isChecked());   // a checkable item would flip; this one stays
}

void TestComposerCommandMap::outsideProgramMissing()
{
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Message{
        "Unable to locate FTP.exe - Please download the program again", "Assistant: Quorl",
        Prompter::Icon::Critical, Prompter::Buttons::Ok});
    Menus::find(w, "mnuFTPClient")->trigger();
    QV_VERIFY_PROMPTS(p);
}

void TestComposerCommandMap::editingCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("call");
    QTest::newRow("find") << "mnuFind" << "own 5008";
    QTest::newRow("undo") << "mnuUndo" << "own 5049";
    QTest::newRow("bring front") << "mnuBringFront" << "default 5041";
    QTest::newRow("below text") << "mnuBelowtext" << "default 5038";
    QTest::newRow("remove formatting") << "mnuRemFormat" << "default 5034";
    QTest::newRow("image") << "mnuImage" << "own 5017";
    QTest::newRow("centre") << "mnuAlignCentre" << "own 5024";
    QTest::newRow("merge") << "mnuMerge" << "own 5029";
    QTest::newRow("split") << "mnuSplit" << "own 5047";
}

void TestComposerCommandMap::editingCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, call);
    Menus::find(w, item)->trigger();
    QCOMPARE(calls, QStringList{call});
}

void TestComposerCommandMap::toolbarDispatch()
{
    QToolBar *bar = w->findChild<QToolBar *>("Toolbar1");
    QStringList keys;
    for (QAction *a : bar->actions())
        keys << a->objectName() + ":" + a->toolTip();
    QCOMPARE(keys.last(), QString("showCode:Open Editor"));
    QCOMPARE(keys.size(), 20);
    ComposerCommandMap::toolbarClick(w, "center");
    ComposerCommandMap::toolbarClick(w, "Organizer");
    QVERIFY(calls.isEmpty());
    ComposerCommandMap::toolbarClick(w, "Center");
    bar->findChild<QAction *>("Undo")->trigger();
    QCOMPARE(calls, QStringList({"own 5024", "own 5049"}));
}

void TestComposerCommandMap::formatBarHints_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("call");
    QTest::newRow("outdent button indents") << "btnOutdent" << "Indent Selected" << "own 5018";
    QTest::newRow("indent button outdents") << "btnIndent" << "Outdent Delected" << "own 5031";
    QTest::newRow("font") << "btnFont" << "Change Font Properties" << "own 5009";
    QTest::newRow("remove formatting") << "remFormatting"
                                       << "Remove formatting (such as bold, etc.) of selected text"
                                       << "default 5034";
    QTest::newRow("tools writes no hint") << "btnTools" << "" << "";
    QTest::newRow("spell writes no hint") << "btnSpell" << "" << "";
}

void TestComposerCommandMap::formatBarHints()
{
    QFETCH(QString, button);
    QFETCH(QString, hint);
    QFETCH(QString, call);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QToolBar *bar = w->findChild<QToolBar *>("frmformatbar");
    QAction *action = bar->findChild<QAction *>(button);
    QVERIFY(action);
    QWidget *widget = bar->widgetForAction(action);
    calls.clear();
    QMouseEvent move(QEvent::MouseMove, widget->rect().center(), widget->mapToGlobal(
                         widget->rect().center()), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QStringList hints = calls.filter("hint ");
    hints.removeDuplicates();
    QCOMPARE(hints, hint.isEmpty() ? QStringList() : QStringList{"hint " + hint});
    calls.clear();
    if (call.isEmpty())
        return;
    action->trigger();
    QCOMPARE(calls, QStringList{call});
}

void TestComposerCommandMap::showDetailsAndSnap()
{
    QAction *details = Menus::find(w, "mnuShowDetails");
    QCOMPARE(details->text(), QString("Show &Details"));
    details->trigger();
    QCOMPARE(details->text(), QString("Hide Details"));
    QVERIFY(details->isChecked());
    details->trigger();
    QCOMPARE(details->text(), QString("Show Details"));
    QVERIFY(!details->isChecked());
    QAction *snap = Menus::find(w, "mnuSnap");
    QVERIFY(snap->isChecked());
    snap->trigger();
    QVERIFY(!snap->isChecked());   // unchecked: snapping on
    snap->trigger();
    QVERIFY(snap->isChecked());
    QCOMPARE(calls, QStringList({"details 1", "details 0", "snap 1", "snap 0"}));
}

QTEST_MAIN(TestComposerCommandMap)
#include "tst_composercommandmap.moc"
