#pragma once

#include "platform/commondialog.h"
#include "platform/textfiles.h"
#include "platform/windowdirectory.h"

#include <QMainWindow>

#include <optional>

class HtmlEditView;
class QLabel;
class QPushButton;
class QToolBar;

// The designer's element buttons: name, caption, tooltip and the Insert menu
// item they run; its help window shows the same buttons.
struct ElementButton {
    const char *name;
    const char *caption;
    const char *tip;
    const char *item;
};

inline constexpr ElementButton kElementButtons[] = {
    {"btnText", "Text Box", "Insert Text Box", "mnuTextBox"},
    {"btnTextArea", "Text Area", "Insert a text area", "mnuTextArea"},
    {"btnButton", "Button", "Insert a button", "mnuButton"},
    {"btnRadio", "Radio", "Insert a radio button", "mnuRadio"},
    {"btnCheckBox", "Check Box", "Insert a checkbox", "mnuCheckBox"},
    {"btnListBox", "List Box", "Insert a listbox", "mnuList"},
    {"btnDropDown", "Drop Down", "Insert a drop down box", "mnuDropDown"},
    {"btnFieldSet", "Fieldset", "Insert a fieldset", "mnuFieldSet"},
    {"btnFile", "Browse", "Insert a browse button", "mnuBrowseBox"},
    {"btnHidden", "Hidden", "Insert a hidden field", "mnuHidden"},
    {"btnLabel", "Label", "Insert Label", "mnuLabel"},
    {"btnGenerate", "Generate", "Generate The Code", "mnuHTMLGen"},
};

// The form designer "ombrel": the design is the document of the canvas view
// `Result`; new elements are staged in `tagbar` and dragged from there.
class DesignerWindow : public QMainWindow, public LoadStep
{
    Q_OBJECT

public:
    DesignerWindow();

    void load() override;

    // The canvas element, written unclosed as the whole document of a new design.
    static inline const QString skeleton = QStringLiteral(
        "<div id=\"OmbrelForm\" style=\"position:relative;left:0px;top:0px;width:400px;"
        "height:300px;background-color:#FFFFFF;color:#000000;border-width:1;"
        "border-style:solid;\">");
    static inline const QString labelTemplate = QStringLiteral(
        "<div style=\"height: 10px; left: 10px; position: absolute; top: 10px; width: 100px\">"
        "New Label</div>");
    static inline const QString drawingTemplate = QStringLiteral(
        "<div id=\"Box\" style=\"position:relative;left:0px;top:0px;width:50px;height:30px;"
        "background-color:#FFFFFF;color:#000000;border-width:1;border-style:solid;\">");
    static inline const QString fileFilter =
        QStringLiteral("Ombrel Form Files (*.omf)|*.omf");

    // The design: the body text of the canvas document, or nothing (said in
    // a message) when the canvas did not answer in time.
    std::optional<QString> design();
    // Replaces the design by a body text or whole document.
    void setDesign(const QString &html);
    // Replaces what waits in the staging view.
    void stage(const QString &html);

    void NewForm();
    void OpenForm();
    void SaveForm();
    void EditHTML();
    void GenerateHTMLCode();
    void setPreview(bool on);
    void Exit();
    void BackgroundColour();
    void BorderColour();
    // The toolbar's command, by button key; another key does nothing.
    void toolbarClick(const QString &key);

    HtmlEditView *Result = nullptr;
    HtmlEditView *tagbar = nullptr;
    QLabel *lblTagBar = nullptr;
    QWidget *toolbar = nullptr;     // the element buttons
    QToolBar *Toolbar1 = nullptr;
    CommonDialog ComDlg;
    // How the form file last opened was stored; Save Form writes it so.
    TextFiles::Format fileFormat;

    static inline const QString caption =
        QStringLiteral("Ombrel: Form Designing Wizard - By Korrandel");

    // While Edit HTML is open it stands for the designer: a request to show
    // the designer brings Edit HTML to the front instead, as its OK would
    // overwrite whatever was drawn meanwhile.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildElementButtons();
    void buildToolbar();
    // Sets one property of the canvas element's own style, through the DOM.
    void canvasColour(const char *property);
};

// The designer window, created and loaded on first use.
DesignerWindow *ombrel();
