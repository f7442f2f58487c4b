#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/clipboard.h"
#include "platform/sourcearea.h"
#include "support/menutree.h"
#include "support/recordingdialog.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

class TestSourceCommandMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void menuTree();
    void openerOrderAndTypedText();
    void unbuiltCommandsAreDisabled();
    void toolbarDispatch_data();
    void toolbarDispatch();
    void toolbarKeys();
    void formatBar();
    void outsidePrograms_data();
    void outsidePrograms();

private:
    TestEnv m_env;
};

void TestSourceCommandMap::initTestCase()
{
    registerWindows();
    WindowDirectory::registerWindow("heading", [] { return new RecordingDialog; });
    WindowDirectory::registerWindow("bullets", [] { return new RecordingDialog; });
}

void TestSourceCommandMap::cleanup()
{
    TestEnv::unloadWindows();
}

void TestSourceCommandMap::menuTree()
{
    const QStringList tree = ::menuTree(Quorl());
    const QStringList expected = QString(R"(&File|mnuFile
  New|mnuew|Ctrl+N
  &Open|mnuOpen|Ctrl+O
  &Save|mnuSave|Ctrl+S
  Save &As|mnuSaveAs
  Recent|mnuRecent
  -
  Vevevodi|mnuVevevodi|F2
  Preview|mnuPreview|F5
  -
  Insert &File|mnuInsFile
  -
  Page Setup|mnuPageSetup
  Print|mnuPrint
  -
  E&xit|mnuExit|Ctrl+E
&Edit|mnuEdit
  &Find|mnuFind|Ctrl+F
  Find &Next|mnuFindNext|F3
  -
  &Copy|mnuCopy
  Cu&t|mnuCut
  &Paste|mnuPaste
  -
  &Lower Case|mnuLcase
  &Upper Case|mnuUcase
  &Title Case|mnuTitleCase
  &Inverted Case|mnuIcase
  -
  Select All|mnuSelectAll|Ctrl+A
&View|mnuView
  &Vevevodi|mnuViewVevevodi
  Editor|mnuEditor|checked
  &Preview|mnuViewPreview
  -
  &Tintor|mnuTintor
  &Meta Generator|mnuMetaGen
  &Editor Properties|mnuEditProperties
F&ormat|mnuFormat
  &Bold|mnuBold|Ctrl+B
  &Italics|mnuItalics|Ctrl+I
  &Underline|mnuUnderline|Ctrl+U
  -
  F&ont|mnuFont
  -
  Preformat|mnuPreformat
  Superscript|mnuSuperscript
  Subscript|mnuSubscript
  -
  &Align|mnuAlign
    &Left|mnuALeft
    &Center|mnuACenter
    &Right|mnuARight
    &Justify|mnuAJustify
  Indent|mnuIndent
  Outdent|mnuOutdent
  -
  Tabify|mnuTabify|F6
  Untabify|mnuUntabify|F7
  Highlight|mnuHighlight
  -
  Others|mnuOthers
    Abbreviation|mnuAbbreviation
    Big|mnuBig
    Code|mnuCode
    Emphasis|mnuEmphasis
    Keyboard|mnuKeyboard
    Quote|mnuQuote
    Small|mnuSmall
    Strong|mnuStrong
&Insert|mnuInsert
  &Horizontal Rule|mnuHR
  &Image|mnuImage
  &Rollover Image|mnuRollImage
  Page Title|mnuPageTitle
  -
  &Bullets|mnuBullets
  &Numbering|mnuNumbering
  -
  &Form|mnuForm
    Open Ombrel (Visual Form Design)|mnuOmbrel
    -
    Form|mnuiForm
    Text Box|mnuTextBox
    Password|mnuPassword
    Text Area|mnuTextArea
    Button|mnuButton
    Submit|mnuSubmit
    Reset|mnuReset
    Radio|mnuRadio
    Checkbox|mnuCheckBox
    Drop Down Box|mnuDropDown
    File Upload|mnuFileUpload
    Fieldset|mnuFieldSet
    Hidden|mnuHidden
  -
  Hyper&link|mnuHyperlink|Ctrl+K
  Link to mail ID|mnuLinkMail
  Bookmarks|mnuBookmarks|Ctrl+G
  -
  &Table|mnuTable
    Visual Table|mnuVisTbl
    -
    &Table|mnuInsTable
    &Insert Rows and Columns|mnuinsrowcol
  -
  &Heading|mnuHeading
  Paragraph|mnuParagraph
  Break|mnuBreak
    &Line Break|mnuLineBreak
    &Word Break|mnuWordBreak
    &No Break|mnuNoBreak
  Comment|mnuComment
  Rectangular Box|mnuRectangularBox
O&ptions|mnuoptions
  Smart Select|mnusmartsel|Ctrl+F12
  Spell Check|mnuSpell
  Auto Tag Recognition|mnuAutoRecog
  Auto Delete|mnuAutoDelete|Alt+Backspace
  Find End Tag|mnuFindEndTag
  -
  Temporary Clipboard|mnuTempClip
    Show Temporary Clipboard|mnuShowTempClip|Ctrl+M
    Copy To Temporary Clipboard|mnuCopyToTemp|Ctrl+D
  Restore Point|mnuRestore
  -
  &Protect Code|mnuProtect
    Prevent Right Click|mnuPreventRightClick
    Disable IE Image Toolbar|mnuDisImgTbar
    Protect Text|mnuProtectText
  Crash Recovery Wizard|mnuCrashWizard
&Style|mnuStyle
  &Text|mnuText
  &Marquee|mnuMarquee
  &List with links|mnuListLinks
  &Insert|mnuInsertStyle
    &Layer|mnuInsLayer
    &Flash|mnuFlash
    Make page &defaut|mnuMakeDefault
    &Bookmark Page|mnuBookmarkPage
  &Change Pointer|mnuChangePointer
Tools|mnuTools
  Templates|mnuTemplates
  Create Template|mnuCreateTemplate
  Import Template|mnuImportTemplate
  More templates|mnuMoreTemplates
  -
  Layout Manager|mnuLayoutManager
  Style Sheet Creator|mnuStyleSheet
  Navigation Bar Creator|mnuNavigator
  FTP Client|mnuFTPClient
  -
  Plug-In Tools|mnuPlugIn
&Help|mnuHelp
  HTML Tutorial|mnuHTMLtutorial
  Tip of the day|mnuTipOfDay
  Visit Author Online|mnuAuthorOnline
  About|mnuAbout)").split('\n');
    QCOMPARE(tree, expected);
}

void TestSourceCommandMap::openerOrderAndTypedText()
{
    SourceWindow *w = Quorl();
    w->area->setText("<B>Title</B> rest");
    w->area->setSelStart(0);
    w->area->setSelLength(12);
    QAction *heading = Menus::find(w, "mnuHeading");
    QVERIFY(heading->isEnabled());
    heading->trigger();
    auto *dialog = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("heading"));
    QVERIFY(dialog);
    QCOMPARE(dialog->log, QStringList({"load", "compOrEdit=edit", "txtHeading=<B>Title</B>",
                                       "show"}));
    // The dialog stays open with what the user typed; a second opening takes
    // the new target and preset and keeps the rest.
    dialog->setCompOrEdit("comp");
    auto *typed = new QLineEdit(dialog);
    typed->setObjectName("txtOther");
    typed->setText("typed by the user");
    dialog->log.clear();
    w->area->setSelStart(0);
    heading->trigger();
    QCOMPARE(WindowDirectory::loaded("heading"), dialog);
    QCOMPARE(dialog->log, QStringList({"compOrEdit=edit", "txtHeading="}));
    QCOMPARE(typed->text(), QString("typed by the user"));

    // Numbering sets the option and the lists in the given order, and
    // chooses no entry (only Bullets does).
    Menus::find(w, "mnuNumbering")->trigger();
    auto *bullets = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("bullets"));
    QVERIFY(bullets->findChild<QRadioButton *>("radNum")->isChecked());
    QVERIFY(bullets->findChild<QListWidget *>("listTypeNum")->isEnabled());
    QVERIFY(!bullets->findChild<QListWidget *>("listTypeBul")->isEnabled());
    QCOMPARE(bullets->findChild<QListWidget *>("listTypeNum")->currentRow(), -1);
    QCOMPARE(bullets->compOrEdit(), QString("edit"));
    QVERIFY(bullets->isVisible());
    QVERIFY(!bullets->parentWidget());
}

void TestSourceCommandMap::unbuiltCommandsAreDisabled()
{
    SourceWindow *w = Quorl();
    // An opener's command is enabled exactly when its dialog is registered.
    const std::pair<const char *, const char *> openers[] = {
        {"mnuHR", "rule"}, {"mnuMarquee", "marquee"}, {"mnuLayoutManager", "LManager"},
        {"mnuOmbrel", "ombrel"}, {"mnuRollImage", "rollover"}, {"mnuHeading", "heading"}};
    for (const auto &[item, dialog] : openers) {
        QAction *a = Menus::find(w, item);
        QVERIFY2(a, item);
        QCOMPARE(a->isEnabled(), WindowDirectory::isRegistered(QLatin1String(dialog)));
    }
    for (const char *name : {"mnuBullets", "mnuNumbering", "mnuCopy", "mnuTintor",
                             "mnuFTPClient", "mnuEditor", "mnuALeft", "mnuNavigator",
                             "mnuPreview", "mnuBold", "mnuSpell"})
        QVERIFY2(Menus::find(w, name)->isEnabled(), name);
    // Buttons follow their commands.
    QCOMPARE(w->frmformatbar->findChild<QAction *>("btnRule")->isEnabled(),
             Menus::find(w, "mnuHR")->isEnabled());
    QVERIFY(w->Toolbar1->findChild<QAction *>("Bold")->isEnabled());
    QVERIFY(w->Toolbar1->findChild<QAction *>("Save")->isEnabled());
}

void TestSourceCommandMap::toolbarDispatch_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("text");
    QTest::newRow("align left") << "Align Left" << 3 << "a<P align=\"left\">bcd</P>e";
    QTest::newRow("center") << "Center" << 3 << "a<CENTER>bcd</CENTER>e";
    QTest::newRow("align right") << "Align Right" << 3 << "a<P align=\"right\">bcd</P>e";
    QTest::newRow("align left, no selection") << "Align Left" << 0
                                              << "a<P align=\"left\"></P>bcde";
    QTest::newRow("delete") << "Delete" << 3 << "ae";
    QTest::newRow("delete, no selection") << "Delete" << 0 << "abcde";
    QTest::newRow("key differing in case") << "center" << 3 << "abcde";
    QTest::newRow("unknown key") << "Organizer" << 3 << "abcde";
}

void TestSourceCommandMap::toolbarDispatch()
{
    QFETCH(QString, key);
    QFETCH(int, selLength);
    QFETCH(QString, text);
    SourceWindow *w = Quorl();
    w->area->setText("abcde");
    w->area->setSelStart(1);
    w->area->setSelLength(selLength);
    w->toolbarClick(key);
    QCOMPARE(w->area->text(), text);
    // Nothing is reselected after a wrap; a key that does nothing leaves the selection.
    QCOMPARE(w->area->selLength(), text == "abcde" ? selLength : 0);
}

void TestSourceCommandMap::toolbarKeys()
{
    SourceWindow *w = Quorl();
    QStringList keys;
    for (QAction *a : w->Toolbar1->actions())
        keys << (a->isSeparator() ? QString("|") : a->objectName() + ":" + a->toolTip());
    QCOMPARE(keys, QStringList({"New:New", "Open:Open", "Save:Save", "Forward:Preview",
                                "Print:Print", "|", "Copy:Copy", "Cut:Cut", "Paste:Paste",
                                "Delete:Delete", "|", "Bold:Bold", "Italic:Italic",
                                "Underline:Underline", "|", "Align Left:Align Left",
                                "Center:Center", "Align Right:Align Right", "|", "Find:Find",
                                "|", "btnOpenVevevodi:Open Vevevodi"}));
    // A click goes through the dispatch: Copy puts the selection on the clipboard.
    w->area->setText("xyz");
    w->area->setSelStart(0);
    w->area->setSelLength(2);
    w->Toolbar1->findChild<QAction *>("Copy")->trigger();
    QCOMPARE(Clipboard::text(), QString("xy"));
}

void TestSourceCommandMap::formatBar()
{
    SourceWindow *w = Quorl();
    QStringList buttons;
    for (QAction *a : w->frmformatbar->actions())
        buttons << a->objectName() + ":" + a->toolTip();
    QCOMPARE(buttons.size(), 16);
    QCOMPARE(buttons.at(1), QString("btnTintor:Tintor: Handy Colour Picking Tool"));
    QCOMPARE(buttons.at(2), QString("btnSpell:"));
    QCOMPARE(buttons.at(11), QString("btnHighlight:Hihlight Selected Text"));
    // The bullets button runs the menu's opener.
    w->frmformatbar->findChild<QAction *>("btnBullets")->trigger();
    auto *bullets = qobject_cast<RecordingDialog *>(WindowDirectory::loaded("bullets"));
    QVERIFY(bullets && bullets->isVisible());
    QVERIFY(bullets->findChild<QRadioButton *>("radBul")->isChecked());
    // The table button pops up the Insert > Table menu.
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Popup{});
    w->frmformatbar->findChild<QAction *>("btnTable")->trigger();
    QV_VERIFY_PROMPTS(p);
}

void TestSourceCommandMap::outsidePrograms_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("missing");
    QTest::newRow("tintor") << "mnuTintor" << "Tintor.exe"
                            << "Unable to locate Tintor. The tools folder appears to have been "
                               "removed or moved.";
    QTest::newRow("ftp") << "mnuFTPClient" << "FTP.exe"
                         << "Unable to locate FTP.exe - Please download the program again";
}

void TestSourceCommandMap::outsidePrograms()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, missing);
    SourceWindow *w = Quorl();
    const QString program = m_env.programFolder() + "/tools/" + file;
    QFile::remove(program);
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Message{missing, "Assistant: Quorl", Prompter::Icon::Critical,
                                       Prompter::Buttons::Ok});
    Menus::find(w, item)->trigger();
    QV_VERIFY_PROMPTS(p);

    const QString marker = m_env.scratch(file + ".ran");
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$#\" > \"" + marker.toUtf8() + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Menus::find(w, item)->trigger();
    QV_VERIFY_PROMPTS(p);
    QTRY_VERIFY(QFile::exists(marker) && QFile(marker).size() > 0);
    QFile m(marker);
    QVERIFY(m.open(QIODevice::ReadOnly));
    QCOMPARE(m.readAll().trimmed(), QByteArray("0"));  // no arguments
}

QTEST_MAIN(TestSourceCommandMap)
#include "tst_sourcecommandmap.moc"
