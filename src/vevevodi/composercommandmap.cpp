#include "vevevodi/composercommandmap.h"

#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/outsideprograms.h"

#include <QMainWindow>
#include <QMenuBar>

namespace ComposerCommandMap {

namespace {

using Openers::Opener;

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

const QList<QPair<QString, Opener>> &composerOpeners()
{
    const QString comp = QStringLiteral("comp");
    static const QList<QPair<QString, Opener>> table = {
        {"mnuInsRectBox", {"BMBoxProps", {{"txtCompOrEdit", comp}}, {}}},
        {"mnuRule", {"rule", {{"compOrEdit", comp}}, {}}},
        {"mnuHeading", {"heading", {{"compOrEdit", comp}}, {}}},
        {"mnuOmbrel", {"prewizard", {{"txtCompOrEdit", comp}}, "ombrel"}},
        {"mnuInsForm", {"formForm", {{"compOrEdit", comp}}, {}}},
        {"mnuTextBox", {"formTextbox", {{"compOrEdit", comp},
                                        {"Caption", "Insert Text Box : Quorl"}}, {}}},
        {"mnuPassword", {"formTextbox", {{"compOrEdit", comp},
                                         {"Caption", "Insert Password Box : Quorl"},
                                         {"radYes", true}}, {}}},
        {"mnuTextArea", {"formTextArea", {{"compOrEdit", comp}}, {}}},
        {"mnuRadio", {"formRadChk", {{"compOrEdit", comp}, {"radRadio", true}}, {}}},
        {"mnuCheckBox", {"formRadChk", {{"compOrEdit", comp}, {"radCheckbox", true}}, {}}},
        {"mnuButton", {"formButton", {{"compOrEdit", comp}, {"radButton", true}}, {}}},
        {"mnuSubmit", {"formButton", {{"compOrEdit", comp}, {"radSubmit", true}}, {}}},
        {"mnuReset", {"formButton", {{"compOrEdit", comp}, {"radReset", true}}, {}}},
        {"mnuList", {"formList", {{"compOrEdit", comp}}, {}}},
        {"mnuInsFile", {"formFile", {{"compOrEdit", comp}}, {}}},
        {"mnuFieldSet", {"formFieldset", {{"compOrEdit", comp}}, {}}},
        {"mnuHidden", {"formHidden", {{"compOrEdit", comp}}, {}}},
        {"mnuVisTbl", {"visTbl", {{"compOrEdit", comp}}, {}}},
        {"mnuInsTable", {"table", {{"compOrEdit", comp}}, {}}},
        {"mnuText", {"styleText", {{"compOrEdit", comp}}, {}}},
        {"mnuMarquee", {"marquee", {{"compOrEdit", comp}}, {}}},
        {"mnuLayoutManager", {"LManager", {{"txtCompOrEdit", comp}}, {}}},
        {"mnuNavigator", {"NavListURLs", {{"compOrEdit", comp}}, "NavMaker"}},
        // Written like every other composer opener, so a dialog first opened
        // from the source window cannot send its list into the hidden source text.
        {"mnuListLinks", {"ListURLs", {{"compOrEdit", comp}}, {}}},
        // Window openers.
        {"mnuShowStartUp", {"StartUp", {}, {}}},
        {"mnuCrashRecover", {"crashRecover", {}, {}}},
        {"mnuTips", {"frmTip", {}, {}}},
        {"mnuAbout", {"frmAbout", {}, {}}},
        {"mnuHTML", {"insHTML", {}, {}}},
        {"mnuFileViewer", {"FileViewer", {}, {}}},
        {"mnuPageProps", {"pageProps", {}, {}}},
        {"mnuJavaScriptCons", {"JSConsole", {}, {}}},
        {"mnuStyleSheet", {"styleSheet", {}, {}}},
        {"mnuPlugIn", {"toolplugin", {}, {}}},
    };
    return table;
}

void items(QMenu *menu, std::initializer_list<std::pair<const char *, const char *>> list)
{
    for (const auto &[caption, name] : list) {
        if (!*caption)
            menu->addSeparator();
        else
            ::Menus::item(menu, caption, name);
    }
}

} // namespace

Menus build(QMainWindow *window)
{
    using namespace ::Menus;
    QMenuBar *bar = window->menuBar();
    Menus m;

    m.file = menu(bar, "&File", "mnuFile");
    item(m.file, "&New", "mnuNew", key(Qt::CTRL | Qt::Key_N));
    item(m.file, "&Open", "mnuOpen", key(Qt::CTRL | Qt::Key_O));
    item(m.file, "&Save", "mnuSave", key(Qt::CTRL | Qt::Key_S));
    item(m.file, "Save As", "mnuSaveAs");
    QMenu *recent = subMenu(m.file, "&Recent", "mnuRecent");
    for (int i = 0; i < 5; ++i) {
        m.recent[i] = item(recent, QString(), QStringLiteral("recent_%1").arg(i));
        m.recent[i]->setVisible(false);
        m.recent[i]->setEnabled(true);
    }
    m.file->addSeparator();
    item(m.file, "Editor", "mnuViewEditor", key(Qt::Key_F2));
    item(m.file, "Preview", "mnuPrev", key(Qt::Key_F5));
    item(m.file, "Preview in Internet Explorer", "mnuPrevIE");
    m.file->addSeparator();
    item(m.file, "Page Setup", "mnuPageSetup");
    item(m.file, "Print HTML Code", "mnuPrint");
    m.file->addSeparator();
    item(m.file, "E&xit", "mnuExit");

    m.edit = menu(bar, "&Edit", "mnuEdit");
    item(m.edit, "&Find", "mnuFind", key(Qt::CTRL | Qt::Key_F));
    items(m.edit, {{"", ""}, {"Copy", "mnuCopy"}, {"Cut", "mnuCut"}, {"Paste", "mnuPaste"},
                   {"Delete", "mnuDelete"}, {"", ""}});
    item(m.edit, "Undo", "mnuUndo", key(Qt::CTRL | Qt::Key_Z));
    item(m.edit, "Redo", "mnuRedo", key(Qt::CTRL | Qt::Key_Y));
    m.edit->addSeparator();
    QMenu *send = subMenu(m.edit, "Send", "mnuSend");
    items(send, {{"Bring Front", "mnuBringFront"}, {"Bring Forward", "mnuBringForward"},
                 {"Bring Above Text", "mnuBringAbovetext"}, {"Send Back", "mnuSendBack"},
                 {"Send Backward", "mnuSendBackward"}, {"Send Below Text", "mnuBelowtext"}});
    item(m.edit, "Select All", "mnuSelectAll");

    m.view = menu(bar, "&View", "mnuView");
    fixedCheckItem(m.view, "Vevevodi", "mnuVevevodi");
    item(m.view, "Editor", "mnuEditor");
    item(m.view, "Preview", "mnuPreview");
    m.view->addSeparator();
    QObject::connect(bind(item(m.view, "&Tintor", "mnuTintor")), &QAction::triggered, window,
                     &OutsidePrograms::startTintor);
    item(m.view, "&Meta Generator", "mnuMetaGen");

    m.insert = menu(bar, "&Insert", "mnuInsert");
    items(m.insert, {{"Hyper&link", "mnuLink"}, {"Remove Link", "mnuRemLink"},
                     {"&HTML", "mnuHTML"}, {"Rectangular &Box", "mnuInsRectBox"},
                     {"Page Title", "mnuPageTitle"}, {"", ""},
                     {"Horizontal Rule", "mnuRule"}, {"&Image", "mnuImage"},
                     {"Heading", "mnuHeading"}, {"", ""}, {"&Bullets", "mnuBullets"},
                     {"&Numbering", "mnuNumbering"}, {"", ""}});
    QMenu *form = subMenu(m.insert, "Form", "mnuForm");
    items(form, {{"Open Ombrel (Visual Form Design)", "mnuOmbrel"}, {"", ""},
                 {"Form", "mnuInsForm"}, {"Text Box", "mnuTextBox"},
                 {"Password", "mnuPassword"}, {"Text Area", "mnuTextArea"},
                 {"Radio", "mnuRadio"}, {"Checkbox", "mnuCheckBox"}, {"Button", "mnuButton"},
                 {"Submit", "mnuSubmit"}, {"Reset", "mnuReset"}, {"List", "mnuList"},
                 {"File", "mnuInsFile"}, {"Fieldset", "mnuFieldSet"},
                 {"Hidden", "mnuHidden"}});

    m.format = menu(bar, "F&ormat", "mnuFormat");
    items(m.format, {{"&Bold", "mnuBold"}, {"&Italics", "mnuItalics"},
                     {"Underline", "mnuUnderline"}, {"", ""}, {"&Font", "mnuFont"}, {"", ""},
                     {"Indent Selected", "mnuIndent"}, {"Outdent Selected", "mnuOutdent"},
                     {"", ""}});
    QMenu *align = subMenu(m.format, "&Align", "mnuAlign");
    items(align, {{"&Left", "mnuAlignLeft"}, {"&Centre", "mnuAlignCentre"},
                  {"&Right", "mnuAlignRight"}});
    items(m.format, {{"", ""}, {"Highlight", "mnuHighlight"},
                     {"Page Properties", "mnuPageProps"}, {"", ""},
                     {"Remove Formatting", "mnuRemFormat"}});

    m.table = menu(bar, "&Table", "mnuTable");
    items(m.table, {{"Visual Table", "mnuVisTbl"}, {"", ""}, {"Insert &Table", "mnuInsTable"},
                    {"Insert &Row", "mnuInsRow"}, {"Insert &Column", "mnuInsCol"},
                    {"Insert Ce&ll", "mnuInsCell"}, {"", ""}, {"Delete Row", "mnuDelRow"},
                    {"Delete Column", "mnuDelCol"}, {"Delete Cells", "mnuDelCel"}, {"", ""},
                    {"Merge Cells", "mnuMerge"}, {"Split Cell", "mnuSplit"}});

    m.options = menu(bar, "O&ptions", "mnuOptions");
    checkItem(m.options, "&Snap", "mnuSnap", true);
    items(m.options, {{"&Restore Point", "mnuRestore"}, {"Spell Check", "mnuSpellCheck"},
                      {"Show &Details", "mnuShowDetails"}});
    QMenu *protect = subMenu(m.options, "&Protect Code", "mnuProtectCode");
    items(protect, {{"Prevent Right Click", "mnuRightClick"},
                    {"Disable IE &Image Toolbar", "mnuDisableIEToolbar"},
                    {"Protect &Text", "mnuPrevTextSel"}});
    items(m.options, {{"", ""}, {"Enable Start Up Assistant", "mnuEnableStartUp"},
                      {"Show Start Up Assistant", "mnuShowStartUp"},
                      {"Crash Recovery Wizard", "mnuCrashRecover"}});

    m.style = menu(bar, "&Style", "mnuStyle");
    items(m.style, {{"Text", "mnuText"}, {"Marquee", "mnuMarquee"},
                    {"List with links", "mnuListLinks"}});
    QMenu *styleInsert = subMenu(m.style, "&Insert", "mnuStyleInsert");
    items(styleInsert, {{"Layer", "mnuInsLayer"}, {"Flash", "mnuFlash"}});
    items(m.style, {{"", ""}, {"Strip HTML Code", "mnuStripHTML"}});

    m.tools = menu(bar, "Too&ls", "mnuTools");
    items(m.tools, {{"&Templates", "mnuTemplates"}, {"&Convert to template", "mnuConvTemplate"},
                    {"&Import Template", "mnuImportTemplate"},
                    {"More Templates...", "mnuMoreTemplates"}, {"", ""},
                    {"Layout Manager", "mnuLayoutManager"},
                    {"Style Sheet Creator", "mnuStyleSheet"},
                    {"Navigation Bar Creator", "mnuNavigator"}});
    QObject::connect(bind(item(m.tools, "FTP Client", "mnuFTPClient")), &QAction::triggered,
                     window, &OutsidePrograms::startFtpClient);
    items(m.tools, {{"File Viewer", "mnuFileViewer"},
                    {"&JavaScript Console", "mnuJavaScriptCons"}, {"", ""},
                    {"&Plug in Tools", "mnuPlugIn"}});

    m.help = menu(bar, "&Help", "mnuHelp");
    items(m.help, {{"HTML Tutor", "mnuHTMLtutor"}, {"Tip of the day", "mnuTips"},
                   {"Visit author's home page", "mnuVisitAuthor"}, {"&About", "mnuAbout"}});

    Openers::bindAll(window, composerOpeners(), {});
    return m;
}

} // namespace ComposerCommandMap
