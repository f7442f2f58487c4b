// The source window's command surface: menus, toolbar, format bar, the
// dialog openers and the outside programs.

#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/outsideprograms.h"
#include "editor/recentfiles.h"
#include "editor/shellcommands.h"
#include "editor/sourcewindow.h"
#include "editor/toolicons.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"

#include <QCursor>
#include <QToolBar>

namespace {

using Openers::Opener;
using Openers::selection;

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

// Which dialog each command opens for this window, and what it writes first.
const QList<QPair<QString, Opener>> &sourceOpeners()
{
    const QString edit = QStringLiteral("edit");
    static const QList<QPair<QString, Opener>> table = {
        {"mnuHR", {"rule", {{"compOrEdit", edit}}, {}}},
        {"mnuImage", {"frmImage", {{"compOrEdit", edit}}, {}}},
        {"mnuRollImage", {"rollover", {}, {}}},
        {"mnuBullets", {"bullets", {{"radBul", true}, {"listTypeNum.Enabled", false},
                                    {"listTypeBul.Enabled", true}, {"listTypeBul.ListIndex", 0},
                                    {"compOrEdit", edit}}, {}}},
        {"mnuNumbering", {"bullets", {{"radNum", true}, {"listTypeNum.Enabled", true},
                                      {"listTypeBul.Enabled", false}, {"compOrEdit", edit}},
                          {}}},
        {"mnuOmbrel", {"prewizard", {{"txtCompOrEdit", edit}}, "ombrel"}},
        {"mnuiForm", {"formForm", {{"compOrEdit", edit}}, {}}},
        {"mnuTextBox", {"formTextbox", {{"compOrEdit", edit},
                                        {"Caption", "Insert Text Box : Quorl"}}, {}}},
        {"mnuPassword", {"formTextbox", {{"compOrEdit", edit},
                                         {"Caption", "Insert Password Box : Quorl"},
                                         {"radYes", true}}, {}}},
        {"mnuTextArea", {"formTextArea", {{"compOrEdit", edit}}, {}}},
        {"mnuButton", {"formButton", {{"compOrEdit", edit}, {"radButton", true}}, {}}},
        {"mnuSubmit", {"formButton", {{"compOrEdit", edit}, {"radSubmit", true}}, {}}},
        {"mnuReset", {"formButton", {{"compOrEdit", edit}, {"radReset", true}}, {}}},
        {"mnuRadio", {"formRadChk", {{"compOrEdit", edit}, {"radRadio", true}}, {}}},
        {"mnuCheckBox", {"formRadChk", {{"compOrEdit", edit}, {"radCheckbox", true}}, {}}},
        {"mnuDropDown", {"formList", {{"compOrEdit", edit}}, {}}},
        {"mnuFileUpload", {"formFile", {{"compOrEdit", edit}}, {}}},
        {"mnuFieldSet", {"formFieldset", {{"compOrEdit", edit}}, {}}},
        {"mnuHidden", {"formHidden", {{"compOrEdit", edit}}, {}}},
        {"mnuLinkMail", {"mail", {{"txtTextToDisp", selection}, {"compOrEdit", edit}}, {}}},
        {"mnuVisTbl", {"visTbl", {{"compOrEdit", edit}}, {}}},
        {"mnuInsTable", {"table", {{"compOrEdit", edit}}, {}}},
        {"mnuinsrowcol", {"frmrow", {}, {}}},
        {"mnuHeading", {"heading", {{"compOrEdit", edit}, {"txtHeading", selection}}, {}}},
        {"mnuRectangularBox", {"BMBoxProps", {{"txtCompOrEdit", edit}}, {}}},
        {"mnuFont", {"frmFont", {{"compOrEdit", edit}}, {}}},
        {"mnuHighlight", {"highlight", {{"txthighlight", selection},
                                        {"compOrEdit", edit}}, {}}},
        {"mnuMetaGen", {"MetaGen", {{"compOrEdit", edit}}, {}}},
        {"mnuText", {"styleText", {{"txtStyle", selection}, {"compOrEdit", edit}}, {}}},
        {"mnuMarquee", {"marquee", {{"txtMarquee", selection}, {"compOrEdit", edit}}, {}}},
        {"mnuListLinks", {"ListURLs", {{"compOrEdit", edit}}, {}}},
        {"mnuChangePointer", {"CursorArrow", {{"txtCode", selection}}, {}}},
        {"mnuLayoutManager", {"LManager", {{"txtCompOrEdit", edit}}, {}}},
        {"mnuNavigator", {"NavListURLs", {{"compOrEdit", edit}}, "NavMaker"}},
        {"mnuStyleSheet", {"styleSheetWiz", {{"compOrEdit", edit}}, "styleSheet"}},
        // Plain window openers.
        {"mnuFind", {"FindMe", {}, {}}},
        {"mnuEditProperties", {"EditProps", {}, {}}},
        {"mnuCrashWizard", {"crashRecover", {}, {}}},
        {"mnuTipOfDay", {"frmTip", {}, {}}},
        {"mnuAbout", {"frmAbout", {}, {}}},
        {"mnuPlugIn", {"toolplugin", {}, {}}},
    };
    return table;
}

// Toolbar buttons in bar order: key, tool tip, icon key and the menu item the
// button runs ("Delete" has none; it runs its own command). An empty key is
// a separator.
struct ToolbarButton {
    const char *key;
    const char *tip;
    const char *icon;
    const char *item;
};

constexpr ToolbarButton kToolbar[] = {
    {"New", "New", "New", "mnuew"}, {"Open", "Open", "Open", "mnuOpen"},
    {"Save", "Save", "Save", "mnuSave"}, {"Forward", "Preview", "Forward", "mnuPreview"},
    {"Print", "Print", "Print", "mnuPrint"}, {"", "", "", ""},
    {"Copy", "Copy", "Copy", "mnuCopy"}, {"Cut", "Cut", "Cut", "mnuCut"},
    {"Paste", "Paste", "Paste", "mnuPaste"}, {"Delete", "Delete", "Delete", ""},
    {"", "", "", ""},
    {"Bold", "Bold", "Bold", "mnuBold"}, {"Italic", "Italic", "Italic", "mnuItalics"},
    {"Underline", "Underline", "Underline", "mnuUnderline"}, {"", "", "", ""},
    {"Align Left", "Align Left", "Align Left", "mnuALeft"},
    {"Center", "Center", "Center", "mnuACenter"},
    {"Align Right", "Align Right", "Align Right", "mnuARight"}, {"", "", "", ""},
    {"Find", "Find", "Find", "mnuFind"}, {"", "", "", ""},
    {"btnOpenVevevodi", "Open Vevevodi", "Organizer", "mnuVevevodi"}};

} // namespace

void SourceWindow::buildMenus()
{
    using namespace Menus;
    QMenuBar *bar = menuBar();

    mnuFile = menu(bar, "&File", "mnuFile");
    mnuew = bind(item(mnuFile, "New", "mnuew", key(Qt::CTRL | Qt::Key_N)), this,
                 &SourceWindow::New);
    mnuOpen = bind(item(mnuFile, "&Open", "mnuOpen", key(Qt::CTRL | Qt::Key_O)), this,
                   &SourceWindow::Open);
    mnuSave = bind(item(mnuFile, "&Save", "mnuSave", key(Qt::CTRL | Qt::Key_S)), this,
                   &SourceWindow::Save);
    mnuSaveAs = bind(item(mnuFile, "Save &As", "mnuSaveAs"), this, &SourceWindow::SaveAs);
    mnuRecent = subMenu(mnuFile, "Recent", "mnuRecent");
    for (int i = 0; i < 5; ++i) {
        recent[i] = item(mnuRecent, QString(), QStringLiteral("recent_%1").arg(i));
        recent[i]->setVisible(false);
        recent[i]->setEnabled(true);
        connect(recent[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    }
    RecentFiles::registerMenu(recent);
    mnuFile->addSeparator();
    mnuVevevodi = item(mnuFile, "Vevevodi", "mnuVevevodi", key(Qt::Key_F2));
    mnuPreview = item(mnuFile, "Preview", "mnuPreview", key(Qt::Key_F5));
    mnuFile->addSeparator();
    mnuInsFile = bind(item(mnuFile, "Insert &File", "mnuInsFile"), this,
                      &SourceWindow::InsertFile);
    mnuFile->addSeparator();
    mnuPageSetup = item(mnuFile, "Page Setup", "mnuPageSetup");
    mnuPrint = item(mnuFile, "Print", "mnuPrint");
    mnuFile->addSeparator();
    mnuExit = bind(item(mnuFile, "E&xit", "mnuExit", key(Qt::CTRL | Qt::Key_E)), this,
                   &SourceWindow::Exit);

    mnuEdit = menu(bar, "&Edit", "mnuEdit");
    mnuFind = item(mnuEdit, "&Find", "mnuFind", key(Qt::CTRL | Qt::Key_F));
    mnuFindNext = item(mnuEdit, "Find &Next", "mnuFindNext", key(Qt::Key_F3));
    mnuEdit->addSeparator();
    mnuCopy = bind(item(mnuEdit, "&Copy", "mnuCopy"), this, &SourceWindow::copy);
    mnuCut = bind(item(mnuEdit, "Cu&t", "mnuCut"), this, &SourceWindow::cut);
    mnuPaste = bind(item(mnuEdit, "&Paste", "mnuPaste"), this, &SourceWindow::paste);
    mnuEdit->addSeparator();
    mnuLcase = item(mnuEdit, "&Lower Case", "mnuLcase");
    mnuUcase = item(mnuEdit, "&Upper Case", "mnuUcase");
    mnuTitleCase = item(mnuEdit, "&Title Case", "mnuTitleCase");
    mnuIcase = item(mnuEdit, "&Inverted Case", "mnuIcase");
    mnuEdit->addSeparator();
    mnuSelectAll = bind(item(mnuEdit, "Select All", "mnuSelectAll", key(Qt::CTRL | Qt::Key_A)),
                        this, &SourceWindow::selectAll);
    connect(mnuEdit, &QMenu::aboutToShow, this, &SourceWindow::updateFindNext);

    mnuView = menu(bar, "&View", "mnuView");
    item(mnuView, "&Vevevodi", "mnuViewVevevodi");
    fixedCheckItem(mnuView, "Editor", "mnuEditor");
    item(mnuView, "&Preview", "mnuViewPreview");
    mnuView->addSeparator();
    connect(bind(item(mnuView, "&Tintor", "mnuTintor")), &QAction::triggered, this,
            &OutsidePrograms::startTintor);
    item(mnuView, "&Meta Generator", "mnuMetaGen");
    item(mnuView, "&Editor Properties", "mnuEditProperties");

    mnuFormat = menu(bar, "F&ormat", "mnuFormat");
    item(mnuFormat, "&Bold", "mnuBold", key(Qt::CTRL | Qt::Key_B));
    item(mnuFormat, "&Italics", "mnuItalics", key(Qt::CTRL | Qt::Key_I));
    item(mnuFormat, "&Underline", "mnuUnderline", key(Qt::CTRL | Qt::Key_U));
    mnuFormat->addSeparator();
    item(mnuFormat, "F&ont", "mnuFont");
    mnuFormat->addSeparator();
    item(mnuFormat, "Preformat", "mnuPreformat");
    item(mnuFormat, "Superscript", "mnuSuperscript");
    item(mnuFormat, "Subscript", "mnuSubscript");
    mnuFormat->addSeparator();
    QMenu *align = subMenu(mnuFormat, "&Align", "mnuAlign");
    item(align, "&Left", "mnuALeft");
    item(align, "&Center", "mnuACenter");
    item(align, "&Right", "mnuARight");
    item(align, "&Justify", "mnuAJustify");
    item(mnuFormat, "Indent", "mnuIndent");
    item(mnuFormat, "Outdent", "mnuOutdent");
    mnuFormat->addSeparator();
    item(mnuFormat, "Tabify", "mnuTabify", key(Qt::Key_F6));
    item(mnuFormat, "Untabify", "mnuUntabify", key(Qt::Key_F7));
    item(mnuFormat, "Highlight", "mnuHighlight");
    mnuFormat->addSeparator();
    QMenu *others = subMenu(mnuFormat, "Others", "mnuOthers");
    for (const char *name : {"Abbreviation", "Big", "Code", "Emphasis", "Keyboard", "Quote",
                             "Small", "Strong"})
        item(others, name, QStringLiteral("mnu") + QLatin1String(name));

    mnuInsert = menu(bar, "&Insert", "mnuInsert");
    item(mnuInsert, "&Horizontal Rule", "mnuHR");
    item(mnuInsert, "&Image", "mnuImage");
    item(mnuInsert, "&Rollover Image", "mnuRollImage");
    item(mnuInsert, "Page Title", "mnuPageTitle");
    mnuInsert->addSeparator();
    item(mnuInsert, "&Bullets", "mnuBullets");
    item(mnuInsert, "&Numbering", "mnuNumbering");
    mnuInsert->addSeparator();
    QMenu *form = subMenu(mnuInsert, "&Form", "mnuForm");
    item(form, "Open Ombrel (Visual Form Design)", "mnuOmbrel");
    form->addSeparator();
    const std::pair<const char *, const char *> formItems[] = {
        {"Form", "mnuiForm"}, {"Text Box", "mnuTextBox"}, {"Password", "mnuPassword"},
        {"Text Area", "mnuTextArea"}, {"Button", "mnuButton"}, {"Submit", "mnuSubmit"},
        {"Reset", "mnuReset"}, {"Radio", "mnuRadio"}, {"Checkbox", "mnuCheckBox"},
        {"Drop Down Box", "mnuDropDown"}, {"File Upload", "mnuFileUpload"},
        {"Fieldset", "mnuFieldSet"}, {"Hidden", "mnuHidden"}};
    for (const auto &[caption, name] : formItems)
        item(form, caption, name);
    mnuInsert->addSeparator();
    item(mnuInsert, "Hyper&link", "mnuHyperlink", key(Qt::CTRL | Qt::Key_K));
    item(mnuInsert, "Link to mail ID", "mnuLinkMail");
    item(mnuInsert, "Bookmarks", "mnuBookmarks", key(Qt::CTRL | Qt::Key_G));
    mnuInsert->addSeparator();
    QMenu *table = subMenu(mnuInsert, "&Table", "mnuTable");
    item(table, "Visual Table", "mnuVisTbl");
    table->addSeparator();
    item(table, "&Table", "mnuInsTable");
    item(table, "&Insert Rows and Columns", "mnuinsrowcol");
    mnuInsert->addSeparator();
    items(mnuInsert, {{"&Heading", "mnuHeading"}, {"Paragraph", "mnuParagraph"}});
    items(subMenu(mnuInsert, "Break", "mnuBreak"),
          {{"&Line Break", "mnuLineBreak"}, {"&Word Break", "mnuWordBreak"},
           {"&No Break", "mnuNoBreak"}});
    items(mnuInsert, {{"Comment", "mnuComment"}, {"Rectangular Box", "mnuRectangularBox"}});

    mnuOptions = menu(bar, "O&ptions", "mnuoptions");
    item(mnuOptions, "Smart Select", "mnusmartsel", key(Qt::CTRL | Qt::Key_F12));
    item(mnuOptions, "Spell Check", "mnuSpell");
    mnuAutoRecog = checkItem(mnuOptions, "Auto Tag Recognition", "mnuAutoRecog", false);
    item(mnuOptions, "Auto Delete", "mnuAutoDelete", key(Qt::ALT | Qt::Key_Backspace));
    item(mnuOptions, "Find End Tag", "mnuFindEndTag");
    mnuOptions->addSeparator();
    QMenu *tempClip = subMenu(mnuOptions, "Temporary Clipboard", "mnuTempClip");
    item(tempClip, "Show Temporary Clipboard", "mnuShowTempClip", key(Qt::CTRL | Qt::Key_M));
    item(tempClip, "Copy To Temporary Clipboard", "mnuCopyToTemp", key(Qt::CTRL | Qt::Key_D));
    item(mnuOptions, "Restore Point", "mnuRestore");
    mnuOptions->addSeparator();
    items(subMenu(mnuOptions, "&Protect Code", "mnuProtect"),
          {{"Prevent Right Click", "mnuPreventRightClick"},
           {"Disable IE Image Toolbar", "mnuDisImgTbar"}, {"Protect Text", "mnuProtectText"}});
    item(mnuOptions, "Crash Recovery Wizard", "mnuCrashWizard");

    mnuStyle = menu(bar, "&Style", "mnuStyle");
    items(mnuStyle, {{"&Text", "mnuText"}, {"&Marquee", "mnuMarquee"},
                     {"&List with links", "mnuListLinks"}});
    items(subMenu(mnuStyle, "&Insert", "mnuInsertStyle"),
          {{"&Layer", "mnuInsLayer"}, {"&Flash", "mnuFlash"},
           {"Make page &defaut", "mnuMakeDefault"}, {"&Bookmark Page", "mnuBookmarkPage"}});
    item(mnuStyle, "&Change Pointer", "mnuChangePointer");

    mnuTools = menu(bar, "Tools", "mnuTools");
    items(mnuTools, {{"Templates", "mnuTemplates"}, {"Create Template", "mnuCreateTemplate"},
                     {"Import Template", "mnuImportTemplate"},
                     {"More templates", "mnuMoreTemplates"}, {"", ""},
                     {"Layout Manager", "mnuLayoutManager"},
                     {"Style Sheet Creator", "mnuStyleSheet"},
                     {"Navigation Bar Creator", "mnuNavigator"}});
    connect(bind(item(mnuTools, "FTP Client", "mnuFTPClient")), &QAction::triggered, this,
            &OutsidePrograms::startFtpClient);
    mnuTools->addSeparator();
    item(mnuTools, "Plug-In Tools", "mnuPlugIn");

    mnuHelp = menu(bar, "&Help", "mnuHelp");
    items(mnuHelp, {{"HTML Tutorial", "mnuHTMLtutorial"}, {"Tip of the day", "mnuTipOfDay"},
                    {"Visit Author Online", "mnuAuthorOnline"}, {"About", "mnuAbout"}});

    // The same wraps as the toolbar's alignment buttons.
    bind(Menus::find(this, "mnuALeft"), this, &SourceWindow::alignLeft);
    bind(Menus::find(this, "mnuACenter"), this, &SourceWindow::alignCenter);
    bind(Menus::find(this, "mnuARight"), this, &SourceWindow::alignRight);

    buildOpeners();
}

void SourceWindow::buildOpeners()
{
    Openers::bindAll(this, sourceOpeners(), [this] { return area->selText(); });
    bindShellCommands(this);
}

void SourceWindow::buildToolbars()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    for (const ToolbarButton &b : kToolbar) {
        if (!*b.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString k = QString::fromLatin1(b.key);
        QAction *button = Toolbar1->addAction(ToolIcons::icon(QLatin1String(b.icon)),
                                              QLatin1String(b.tip));
        button->setObjectName(k);
        button->setToolTip(QLatin1String(b.tip));
        // A button whose command is not built yet stays disabled with it.
        if (*b.item)
            Menus::followEnabled(button, Menus::find(this, QLatin1String(b.item)));
        connect(button, &QAction::triggered, this, [this, k] { toolbarClick(k); });
    }

    frmformatbar = new QToolBar(QStringLiteral("Format"), this);
    frmformatbar->setObjectName(QStringLiteral("frmformatbar"));
    frmformatbar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, frmformatbar);
    insertToolBarBreak(frmformatbar);
    // Button, tool tip, the menu item it runs or the menu it pops up.
    const std::tuple<const char *, const char *, const char *> formatButtons[] = {
        {"btnTools", "Tools", "mnuTools"},
        {"btnTintor", "Tintor: Handy Colour Picking Tool", "mnuTintor"},
        {"btnSpell", "", "mnuSpell"},
        {"btnShowTempClip", "Show Temporary Clipboard", "mnuShowTempClip"},
        {"btnCopyTempClip", "Copy to temporary clipboard", "mnuCopyToTemp"},
        {"btnForm", "", "mnuForm"},
        // Each of these two runs the command of the opposite name.
        {"btnOutdent", "", "mnuIndent"},
        {"btnIndent", "", "mnuOutdent"},
        {"btnTable", "Insert Table", "mnuTable"},
        {"btnRule", "Insert Horizontal Rule", "mnuHR"},
        {"btnImage", "Insert Image", "mnuImage"},
        {"btnHighlight", "Hihlight Selected Text", "mnuHighlight"},
        {"btnFont", "Font", "mnuFont"},
        {"btnLinks", "Insert Hyperlink", "mnuHyperlink"},
        {"btnBullets", "Bullets", "mnuBullets"},
        {"btnNumbering", "Numbering", "mnuNumbering"}};
    for (const auto &[name, tip, target] : formatButtons) {
        QAction *button = frmformatbar->addAction(ToolIcons::icon(QLatin1String(name)),
                                                  QString());
        button->setObjectName(QLatin1String(name));
        button->setToolTip(QLatin1String(tip));
        if (QMenu *popup = findChild<QMenu *>(QLatin1String(target))) {
            connect(button, &QAction::triggered, this, [popup] {
                Prompter::instance().popupMenu(popup, QCursor::pos());
            });
        } else if (QAction *command = Menus::find(this, QLatin1String(target))) {
            Menus::forward(button, command);
        }
    }
}

void SourceWindow::toolbarClick(const QString &buttonKey)
{
    if (buttonKey == u"Delete") {
        area->setSelText(QString());
        return;
    }
    // Keys are compared whole and case-sensitively; each stands once.
    for (const ToolbarButton &b : kToolbar) {
        if (*b.item && buttonKey == QLatin1String(b.key)) {
            Menus::find(this, QLatin1String(b.item))->trigger();
            return;
        }
    }
}

void SourceWindow::wrapSelection(const QString &prefix, const QString &suffix)
{
    area->setSelText(prefix + area->selText() + suffix);
}

void SourceWindow::alignLeft()
{
    wrapSelection(QStringLiteral("<P align=\"left\">"), QStringLiteral("</P>"));
}

void SourceWindow::alignCenter()
{
    wrapSelection(QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>"));
}

void SourceWindow::alignRight()
{
    wrapSelection(QStringLiteral("<P align=\"right\">"), QStringLiteral("</P>"));
}
