#include "formdesigner/designerwindow.h"

#include "dialogs/colourbutton.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/toolicons.h"
#include "formdesigner/designeredithtml.h"
#include "formdesigner/formcodedialog.h"
#include "formdesigner/fragmentfile.h"
#include "platform/htmleditview.h"
#include "platform/htmlmarkup.h"
#include "platform/prompter.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Ombrel");

// The designer's field dialogs, opened by their Insert items with their presets.
const QList<QPair<QString, Openers::Opener>> &fieldOpeners()
{
    static const QList<QPair<QString, Openers::Opener>> table = {
        {"mnuTextBox", {"OformTextbox", {}, {}}},
        {"mnuTextArea", {"OformTextArea", {}, {}}},
        {"mnuButton", {"OformButton", {}, {}}},
        {"mnuRadio", {"OformRadChk", {{"radRadio", true}}, {}}},
        {"mnuCheckBox", {"OformRadChk", {{"radCheckbox", true}}, {}}},
        {"mnuList", {"OformList", {{"txtSize", "5"}}, {}}},
        {"mnuDropDown", {"OformList", {}, {}}},
        {"mnuFieldSet", {"OformFieldset", {}, {}}},
        {"mnuBrowseBox", {"OformFile", {}, {}}},
        {"mnuHidden", {"OformHidden", {}, {}}},
        {"mnuShowTip", {"frmTip", {}, {}}},
        {"mnuAbout", {"frmAbout", {}, {}}},
    };
    return table;
}

// The editing commands, each one published command of the canvas.
constexpr std::pair<const char *, int> kEditingCommands[] = {
    {"mnuBold", 5000}, {"mnuCopy", 5002}, {"mnuCut", 5003}, {"mnuDelete", 5004},
    {"mnuFont", 5009}, {"mnuItalics", 5023}, {"mnuPaste", 5032}, {"mnuRedo", 5033},
    {"mnuUnderline", 5048}, {"mnuUndo", 5049},
};

// Toolbar keys in their order, the item each runs ("" for the two of their
// own), and a separator after the last key of a group.
struct ToolbarKey {
    const char *key;
    const char *item;
    bool groupEnds;
};

constexpr ToolbarKey kToolbar[] = {
    {"New", "mnuNew", false},          {"Open", "mnuOpen", false},
    {"Save", "mnuSave", true},         {"Undo", "mnuUndo", false},
    {"Redo", "mnuRedo", true},         {"Copy", "mnuCopy", false},
    {"Cut", "mnuCut", false},          {"Paste", "mnuPaste", false},
    {"Delete", "mnuDelete", true},     {"Bold", "mnuBold", false},
    {"Italic", "mnuItalics", false},   {"Underline", "mnuUnderline", true},
    {"Drawing", "mnuDrawing", false},  {"Properties", "", false},
    {"Help", "help", false},
};

} // namespace

DesignerWindow *ombrel()
{
    return WindowDirectory::touch<DesignerWindow>(QStringLiteral("ombrel"));
}

DesignerWindow::DesignerWindow()
{
    setObjectName(QStringLiteral("ombrel"));
    setWindowTitle(caption);
    resize(760, 680);

    Result = new HtmlEditView(this);
    Result->setObjectName(QStringLiteral("Result"));
    tagbar = new HtmlEditView(this);
    tagbar->setObjectName(QStringLiteral("tagbar"));
    tagbar->setStagingMode(true);
    tagbar->setFixedHeight(110);
    lblTagBar = new QLabel(QStringLiteral("Generated Field:  (Select the item below and drag drop "
                                          "it into the main area)"),
                           this);
    lblTagBar->setObjectName(QStringLiteral("lblTagBar"));

    buildMenus();
    buildToolbar();
    buildElementButtons();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(toolbar);
    layout->addWidget(Result, 1);
    layout->addWidget(lblTagBar);
    layout->addWidget(tagbar);
    setCentralWidget(central);
}

void DesignerWindow::load()
{
    Result->setDocumentHtml(skeleton);
}

void DesignerWindow::buildMenus()
{
    using Menus::item;
    QMenuBar *bar = menuBar();
    QMenu *file = Menus::menu(bar, QStringLiteral("&File"), QStringLiteral("mnuFile"));
    Menus::bind(item(file, "New form", "mnuNew", QKeySequence("Ctrl+N")), this,
                &DesignerWindow::NewForm);
    Menus::bind(item(file, "Open Form", "mnuOpen", QKeySequence("Ctrl+O")), this,
                &DesignerWindow::OpenForm);
    Menus::bind(item(file, "Save Form", "mnuSave", QKeySequence("Ctrl+S")), this,
                &DesignerWindow::SaveForm);
    Menus::bind(item(file, "Edit HTML", "mnuEditHTML"), this, &DesignerWindow::EditHTML);
    QAction *preview = Menus::bind(Menus::checkItem(file, "Preview", "mnuPreview", false));
    connect(preview, &QAction::toggled, this, &DesignerWindow::setPreview);
    file->addSeparator();
    Menus::bind(item(file, "Generate HTML Code", "mnuHTMLGen", QKeySequence(Qt::Key_F5)), this,
                &DesignerWindow::GenerateHTMLCode);
    file->addSeparator();
    Menus::bind(item(file, "Exit", "mnuExit", QKeySequence("Ctrl+E")), this,
                &DesignerWindow::Exit);

    QMenu *edit = Menus::menu(bar, QStringLiteral("&Edit"), QStringLiteral("mnuEdit"));
    item(edit, "Copy", "mnuCopy", QKeySequence("Ctrl+C"));
    item(edit, "Cut", "mnuCut", QKeySequence("Ctrl+X"));
    item(edit, "Paste", "mnuPaste", QKeySequence("Ctrl+V"));
    item(edit, "Delete", "mnuDelete", QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    item(edit, "Undo", "mnuUndo", QKeySequence("Ctrl+Z"));
    item(edit, "Redo", "mnuRedo", QKeySequence("Ctrl+Y"));

    QMenu *format = Menus::menu(bar, QStringLiteral("F&ormat"), QStringLiteral("mnuMormat"));
    item(format, "Bold", "mnuBold", QKeySequence("Ctrl+B"));
    item(format, "Italics", "mnuItalics", QKeySequence("Ctrl+I"));
    item(format, "Underline", "mnuUnderline", QKeySequence("Ctrl+U"));
    format->addSeparator();
    item(format, "Font", "mnuFont");
    format->addSeparator();
    QMenu *box = Menus::subMenu(format, QStringLiteral("Box properties"),
                                QStringLiteral("mnuBoxProps"));
    Menus::bind(item(box, "Border Colour", "mnuBoxBorder"), this, &DesignerWindow::BorderColour);
    Menus::bind(item(box, "Background Colour", "mnuBoxBGColour"), this,
                &DesignerWindow::BackgroundColour);

    QMenu *insert = Menus::menu(bar, QStringLiteral("&Insert"), QStringLiteral("mnuInsert"));
    connect(Menus::bind(item(insert, "Label", "mnuLabel", QKeySequence("Ctrl+F1"))),
            &QAction::triggered, this, [this] { stage(labelTemplate); });
    item(insert, "Text Box", "mnuTextBox", QKeySequence("Ctrl+F2"));
    item(insert, "Button", "mnuButton", QKeySequence("Ctrl+F3"));
    item(insert, "Text Area", "mnuTextArea", QKeySequence("Ctrl+F4"));
    item(insert, "Radio button", "mnuRadio", QKeySequence("Ctrl+F5"));
    item(insert, "Check Box", "mnuCheckBox", QKeySequence("Ctrl+F6"));
    item(insert, "List Box", "mnuList", QKeySequence("Ctrl+F7"));
    item(insert, "Drop Down Box", "mnuDropDown", QKeySequence("Ctrl+F8"));
    item(insert, "Fieldset", "mnuFieldSet", QKeySequence("Ctrl+F9"));
    item(insert, "Browse box", "mnuBrowseBox", QKeySequence("Ctrl+F11"));
    item(insert, "Hidden", "mnuHidden", QKeySequence("Ctrl+F12"));
    connect(Menus::bind(item(insert, "Drawing", "mnuDrawing")), &QAction::triggered, this,
            [this] { stage(drawingTemplate); });

    QMenu *help = Menus::menu(bar, QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    QAction *helpItem = Menus::bind(item(help, "Help", "help", QKeySequence(Qt::Key_F1)));
    connect(helpItem, &QAction::triggered, this,
            [] { Openers::showWindow(WindowDirectory::touch(QStringLiteral("OHelp"))); });
    item(help, "Show Tip of the day", "mnuShowTip");
    item(help, "About", "mnuAbout");

    for (const auto &[name, id] : kEditingCommands) {
        const int command = id;
        connect(Menus::bind(Menus::find(this, QLatin1String(name))), &QAction::triggered, this,
                [this, command] { Result->ExecCommand(command); });
    }
    Openers::bindAll(this, fieldOpeners(), nullptr);
}

void DesignerWindow::buildElementButtons()
{
    toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto *grid = new QGridLayout(toolbar);
    grid->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    for (const ElementButton &b : kElementButtons) {
        auto *button = new QPushButton(QLatin1String(b.caption), toolbar);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(QLatin1String(b.tip));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        QAction *command = Menus::find(this, QLatin1String(b.item));
        // A button is usable exactly while its command is, and runs it.
        button->setEnabled(command->isEnabled());
        connect(command, &QAction::changed, button,
                [button, command] { button->setEnabled(command->isEnabled()); });
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        grid->addWidget(button, column / 6, column % 6);
        ++column;
    }
}

void DesignerWindow::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    for (const ToolbarKey &k : kToolbar) {
        const QString key = QLatin1String(k.key);
        QAction *button = Toolbar1->addAction(ToolIcons::icon(key), key);
        button->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { toolbarClick(key); });
        if (k.groupEnds)
            Toolbar1->addSeparator();
    }
}

void DesignerWindow::toolbarClick(const QString &key)
{
    for (const ToolbarKey &k : kToolbar) {
        if (key != QLatin1String(k.key))
            continue;
        if (key == u"Properties") {
            if (auto *box = findChild<QMenu *>(QStringLiteral("mnuBoxProps")))
                Prompter::instance().popupMenu(box, QCursor::pos());
        } else if (QAction *command = Menus::find(this, QLatin1String(k.item))) {
            command->trigger();
        }
        return;
    }
}

void DesignerWindow::stage(const QString &html)
{
    tagbar->setDocumentHtml(html);
}

std::optional<QString> DesignerWindow::design()
{
    const auto html = Result->documentHtml();
    if (!html) {
        Prompter::tell(QStringLiteral("The design did not answer in time. Please try again."),
                       kTitle, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    return FragmentFile::bodyText(*html);
}

void DesignerWindow::setDesign(const QString &html)
{
    Result->setDocumentHtml(html);
}

void DesignerWindow::NewForm()
{
    if (Prompter::ask(QStringLiteral("Are you sure you want to start off with a new form?"),
                      QStringLiteral("Ombrel: Create New?"), Prompter::Icon::Question,
                      Prompter::Buttons::YesNo, Prompter::Answer::No)
        == Prompter::Answer::Yes) {
        setDesign(skeleton);
        fileFormat = TextFiles::Format();
    }
}

void DesignerWindow::OpenForm()
{
    TextFiles::Format format;
    if (const auto text = FragmentFile::open(
            ComDlg, fileFilter, QStringLiteral("Unable to open the form"), kTitle, &format)) {
        setDesign(*text);
        fileFormat = format;
    }
}

void DesignerWindow::SaveForm()
{
    if (const auto body = design())
        FragmentFile::save(ComDlg, fileFilter, *body, QStringLiteral("Unable to save the form"),
                           kTitle, fileFormat);
}

void DesignerWindow::EditHTML()
{
    const auto body = design();
    if (!body)
        return;
    auto *editor = WindowDirectory::touch<DesignerEditHtml>(QStringLiteral("OeditHTML"));
    editor->setCode(*body);
    Openers::showWindow(editor);
    hide();
}

void DesignerWindow::setVisible(bool visible)
{
    QWidget *editor = WindowDirectory::loaded(QStringLiteral("OeditHTML"));
    if (visible && editor && editor->isVisible()) {
        Openers::showWindow(editor);
        return;
    }
    QMainWindow::setVisible(visible);
}

void DesignerWindow::GenerateHTMLCode()
{
    const auto body = design();
    if (!body)
        return;
    auto *dialog = WindowDirectory::touch<FormCodeDialog>(QStringLiteral("prewizard"));
    dialog->captured = *body;
    Openers::showWindow(dialog);
}

void DesignerWindow::setPreview(bool on)
{
    Result->setBrowseMode(on);
    toolbar->setEnabled(!on);
    for (const char *name : {"mnuInsert", "mnuEdit"})
        if (auto *menu = findChild<QMenu *>(QLatin1String(name)))
            menu->setEnabled(!on);
}

void DesignerWindow::Exit()
{
    if (Prompter::ask(QStringLiteral("Are you sure you want to exit?"),
                      QStringLiteral("Ombrel: Exit?"), Prompter::Icon::Question,
                      Prompter::Buttons::YesNo, Prompter::Answer::No)
        == Prompter::Answer::Yes)
        WindowDirectory::unload(objectName());
}

void DesignerWindow::BackgroundColour()
{
    canvasColour("backgroundColor");
}

void DesignerWindow::BorderColour()
{
    canvasColour("color");
}

void DesignerWindow::canvasColour(const char *property)
{
    // Only the canvas's own value changes: other elements that happen to
    // share the old colour keep it, and a cancelled dialog changes nothing.
    if (!ComDlg.ShowColor())
        return;
    Result->runQueued(QStringLiteral("(function(){var c = document.getElementById('OmbrelForm');"
                                     "if (!c) return false; if (window.qvEdit) qvEdit.boundary();"
                                     "c.style.%1 = %2; if (window.qvEdit) qvEdit.boundary();"
                                     "return true;})()")
                          .arg(QLatin1String(property),
                               HtmlMarkup::jsString(colourText(ComDlg.Color))));
}

void DesignerWindow::closeEvent(QCloseEvent *event)
{
    // Closing by the frame discards the design without a question.
    event->accept();
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
}
