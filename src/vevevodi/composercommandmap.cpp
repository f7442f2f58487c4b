#include "vevevodi/composercommandmap.h"

#include "dialogs/layerdialog.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/outsideprograms.h"
#include "editor/toolicons.h"
#include "platform/prompter.h"
#include "vevevodi/composerwindow.h"

#include <QCursor>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

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
        {"mnuHeading", {"heading", {{"compOrEdit", comp}, {"txtHeading", Openers::selection}},
                        {}}},
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
        {"mnuInsLayer", {"loading", {{"txtLayer", layerBlock()}}, {}}},
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
        // The wizard's target starts as "comp", but one first opened from the
        // source window keeps "edit" until the composer writes its own.
        {"mnuStyleSheet", {"styleSheetWiz", {{"compOrEdit", comp}}, "styleSheet"}},
        {"mnuPlugIn", {"toolplugin", {}, {}}},
    };
    return table;
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
    item(m.file, "Preview in Web Browser", "mnuPrevIE");
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

    Openers::bindAll(window, composerOpeners(), &ComposerWindow::mainSelection);
    return m;
}

namespace {

enum class Control { Own, Default };

struct EditingCommand {
    const char *item;
    int id;
    Control control;
};

// Every editing command hands one command id to an editing control.
constexpr EditingCommand kEditingCommands[] = {
    {"mnuFind", 5008, Control::Own}, {"mnuCopy", 5002, Control::Own},
    {"mnuCut", 5003, Control::Own}, {"mnuPaste", 5032, Control::Own},
    {"mnuDelete", 5004, Control::Own}, {"mnuUndo", 5049, Control::Own},
    {"mnuRedo", 5033, Control::Own}, {"mnuBringFront", 5041, Control::Default},
    {"mnuBringForward", 5037, Control::Default}, {"mnuBringAbovetext", 5039, Control::Default},
    {"mnuSendBack", 5040, Control::Default}, {"mnuSendBackward", 5036, Control::Default},
    {"mnuBelowtext", 5038, Control::Default}, {"mnuSelectAll", 5035, Control::Own},
    {"mnuRemLink", 5050, Control::Own}, {"mnuImage", 5017, Control::Own},
    {"mnuBullets", 5051, Control::Own}, {"mnuNumbering", 5030, Control::Own},
    {"mnuBold", 5000, Control::Own}, {"mnuItalics", 5023, Control::Own},
    {"mnuUnderline", 5048, Control::Own}, {"mnuFont", 5009, Control::Own},
    {"mnuIndent", 5018, Control::Own}, {"mnuOutdent", 5031, Control::Own},
    {"mnuAlignLeft", 5025, Control::Own}, {"mnuAlignCentre", 5024, Control::Own},
    {"mnuAlignRight", 5026, Control::Own}, {"mnuRemFormat", 5034, Control::Default},
    {"mnuInsRow", 5021, Control::Own}, {"mnuInsCol", 5020, Control::Own},
    {"mnuInsCell", 5019, Control::Own}, {"mnuDelRow", 5007, Control::Own},
    {"mnuDelCol", 5006, Control::Own}, {"mnuDelCel", 5005, Control::Own},
    {"mnuMerge", 5029, Control::Own}, {"mnuSplit", 5047, Control::Own},
};

// Key, tool tip, icon key, the item it runs.
const std::tuple<const char *, const char *, const char *, const char *> kToolbar[] = {
    {"New", "New", "New", "mnuNew"},
    {"Open", "Open", "Open", "mnuOpen"},
    {"Save", "Save", "Save", "mnuSave"},
    {"Forward", "Preview", "Forward", "mnuPrev"},
    {"Print", "Print", "Print", "mnuPrint"},
    {"Copy", "Copy", "Copy", "mnuCopy"},
    {"Cut", "Cut", "Cut", "mnuCut"},
    {"Paste", "Paste", "Paste", "mnuPaste"},
    {"Delete", "Delete", "Delete", "mnuDelete"},
    {"Undo", "Undo", "Undo", "mnuUndo"},
    {"Redo", "Redo", "Redo", "mnuRedo"},
    {"Bold", "Bold", "Bold", "mnuBold"},
    {"Italic", "Italic", "Italic", "mnuItalics"},
    {"Underline", "Underline", "Underline", "mnuUnderline"},
    {"Align Left", "Align Left", "Align Left", "mnuAlignLeft"},
    {"Center", "Center", "Center", "mnuAlignCentre"},
    {"Align Right", "Align Right", "Align Right", "mnuAlignRight"},
    {"Find", "Find", "Find", "mnuFind"},
    {"Properties", "Properties", "Properties", "mnuPageProps"},
    {"showCode", "Open Editor", "Organizer", "mnuEditor"},
};

// Button, tool tip, the item it runs (or the menu it pops up), status-bar hint.
const std::tuple<const char *, const char *, const char *, const char *> kFormatBar[] = {
    {"btnTools", "Tools", "mnuTools", ""},
    {"btnTintor", "Tintor: Handy Colour Picking Tool", "mnuTintor", ""},
    {"btnSpell", "Spell Check Document", "mnuSpellCheck", ""},
    {"btnForm", "", "mnuForm", "Insert Form and form elements such as textbox, button etc."},
    {"remFormatting", "Remove Formatting", "mnuRemFormat",
     "Remove formatting (such as bold, etc.) of selected text"},
    {"btnHighlight", "Highlight Text", "mnuHighlight", "Highlight selected text"},
    {"btnBullets", "Bullets", "mnuBullets", "Create a Bulleted/Unordered List"},
    {"btnNumbering", "Numbering", "mnuNumbering", "Create a Numbered/Ordered list"},
    // These two run the opposite commands of their names.
    {"btnOutdent", "Indent text", "mnuIndent", "Indent Selected"},
    {"btnIndent", "Outdent text", "mnuOutdent", "Outdent Delected"},
    {"btnTable", "Insert Table", "mnuTable", "Create Table"},
    {"btnRule", "Insert Horizontal Rule", "mnuRule", "Insert Horizontal Rule"},
    {"btnImage", "Insert Image", "mnuImage", "Insert Image/Picture"},
    {"btnFont", "Font", "mnuFont", "Change Font Properties"},
    {"btnLinks", "Insert Hyperlink", "mnuLink", "Insert Hyperlink"},
};

// Writes a button's hint whenever the mouse moves over it.
class HintFilter : public QObject
{
public:
    HintFilter(QString hint, std::function<void(const QString &)> setHint, QObject *parent)
        : QObject(parent), m_hint(std::move(hint)), m_setHint(std::move(setHint))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            m_setHint(m_hint);
        return false;
    }

private:
    QString m_hint;
    std::function<void(const QString &)> m_setHint;
};

void bindToggles(QMainWindow *window, const Editing &editing)
{
    QAction *details = ::Menus::find(window, "mnuShowDetails");
    details->setCheckable(true);
    ::Menus::bind(details);
    QObject::connect(details, &QAction::triggered, window, [details, editing](bool checked) {
        editing.showDetails(checked);
        details->setText(checked ? QStringLiteral("Hide Details")
                                 : QStringLiteral("Show Details"));
    });
    // The check mark is the opposite of the snapping it sets: checked, no snapping.
    QAction *snap = ::Menus::find(window, "mnuSnap");
    ::Menus::bind(snap);
    QObject::connect(snap, &QAction::triggered, window,
                     [editing](bool checked) { editing.snapToGrid(!checked); });
}

} // namespace

void bindEditing(QMainWindow *window, const Editing &editing)
{
    for (const EditingCommand &command : kEditingCommands) {
        QAction *action = ::Menus::find(window, QLatin1String(command.item));
        ::Menus::bind(action);
        const auto exec = command.control == Control::Own ? editing.execOwn : editing.execDefault;
        const int id = command.id;
        QObject::connect(action, &QAction::triggered, window, [exec, id] { exec(id); });
    }
    bindToggles(window, editing);

    auto *toolbar = window->addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    for (const auto &[key, tip, icon, item] : kToolbar) {
        QAction *button = toolbar->addAction(ToolIcons::icon(QLatin1String(icon)),
                                             QLatin1String(tip));
        button->setObjectName(QLatin1String(key));
        button->setToolTip(QLatin1String(tip));
        ::Menus::followEnabled(button, ::Menus::find(window, QLatin1String(item)));
        const QString k = QLatin1String(key);
        QObject::connect(button, &QAction::triggered, window,
                         [window, k] { toolbarClick(window, k); });
    }

    auto *format = new QToolBar(QStringLiteral("Format"), window);
    format->setObjectName(QStringLiteral("frmformatbar"));
    format->setMovable(false);
    window->addToolBarBreak();
    window->addToolBar(format);
    for (const auto &[name, tip, target, hint] : kFormatBar) {
        QAction *button = format->addAction(ToolIcons::icon(QLatin1String(name)), QString());
        button->setObjectName(QLatin1String(name));
        button->setToolTip(QLatin1String(tip));
        if (QMenu *popup = window->findChild<QMenu *>(QLatin1String(target))) {
            QObject::connect(button, &QAction::triggered, window, [popup] {
                Prompter::instance().popupMenu(popup, QCursor::pos());
            });
        } else {
            ::Menus::forward(button, ::Menus::find(window, QLatin1String(target)));
        }
        if (*hint) {
            QWidget *widget = format->widgetForAction(button);
            widget->setMouseTracking(true);
            widget->installEventFilter(
                new HintFilter(QString::fromUtf8(hint), editing.setHint, widget));
        }
    }
}

void toolbarClick(QMainWindow *window, const QString &key)
{
    // Keys are compared whole and case-sensitively; each stands once.
    for (const auto &[k, tip, icon, item] : kToolbar) {
        if (key == QLatin1String(k)) {
            if (QAction *command = ::Menus::find(window, QLatin1String(item)))
                command->trigger();
            return;
        }
    }
}

} // namespace ComposerCommandMap
