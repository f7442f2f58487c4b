#pragma once

#include "editor/documentstate.h"
#include "platform/commondialog.h"
#include "platform/textfiles.h"
#include "platform/windowdirectory.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class SourceArea;
class TagListPane;
struct SourceText;

// The source window "Quorl": the page as plain HTML text in `area`, and the
// keeper of the document state both main windows share.
class SourceWindow : public QMainWindow, public LoadStep
{
    Q_OBJECT

public:
    explicit SourceWindow(QWidget *parent = nullptr);

    void load() override;

    // Rebuilds the caption from the marker and the path.
    void titleupdate();
    void UpdateLineCount();

    // File commands.
    void New();
    void Open();
    void Save();
    void SaveAs();
    void OpenRecent(int index);
    void InsertFile();
    void Exit();

    // The toolbar's command: runs the action of the button with this key,
    // compared exactly; any other key does nothing.
    void toolbarClick(const QString &key);
    // Puts prefix + selection + suffix in place of the selection.
    void wrapSelection(const QString &prefix, const QString &suffix);
    void alignLeft();
    void alignCenter();
    void alignRight();

    // Edit commands.
    void copy();
    void cut();
    void paste();
    void selectAll();

    // Panel texts of the status bar, 1-based as the panels are numbered.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    // The document and its state, which the main composer window shares;
    // the names below are the state's own fields.
    SourceArea *area = nullptr;
    DocumentState document;
    QString &star = document.star;  // "*" after a change, empty after a save or New
    QString &DocumentPath = document.path;
    // How the document file was stored (encoding, mark, line ends); a new
    // page is UTF-8 with CR LF.
    TextFiles::Format &documentFormat = document.format;
    QString blankPageHtml;
    int lineCount = 0;
    CommonDialog comdlg;
    std::array<QAction *, 5> recent{};
    QString txtSearch;     // the last text Find looked for
    // Find Next is usable while there is a last text to look for.
    void updateFindNext();
    SourceArea *area1 = nullptr;  // scratch copy of a document for the dialogs
    QStatusBar *StatusBar1 = nullptr;

    // Runs after every change while Options > Auto Tag Recognition is checked.
    std::function<void()> autoRecognizeTag;

    // The text commands (sourceassists.cpp): each computes the new text and
    // selection from the current ones and writes the difference back.
    void applyTransform(const std::function<SourceText(const SourceText &)> &transform);
    // Mode 1 selects the end tag of the tag at the caret; any other mode
    // deletes the tag and its end tag.
    void AutoDeleteTag(int mode);
    TagListPane *tagList = nullptr;

    // Menus and the items this window binds itself.
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuFormat = nullptr;
    QMenu *mnuInsert = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuStyle = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuRecent = nullptr;
    QAction *mnuew = nullptr;
    QAction *mnuOpen = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuVevevodi = nullptr;
    QAction *mnuPreview = nullptr;
    QAction *mnuInsFile = nullptr;
    QAction *mnuPageSetup = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuFind = nullptr;
    QAction *mnuFindNext = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuLcase = nullptr;
    QAction *mnuUcase = nullptr;
    QAction *mnuTitleCase = nullptr;
    QAction *mnuIcase = nullptr;
    QAction *mnuSelectAll = nullptr;
    QAction *mnuAutoRecog = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QToolBar *frmformatbar = nullptr;

    static inline const QString readyText = QStringLiteral("Ready: Quorl Vevevodi - By: Korrandel");
    static inline const QString captionPrefix = QStringLiteral("Quorl Vevevodi: By Korrandel - ");

    // The fixed crash file that Exit removes.
    static QString crashTempFile();

protected:
    void closeEvent(QCloseEvent *event) override;
    // The window comes back with the keyboard in its text: hidden while
    // another window was active, it forgets where its focus was and would
    // hand the keys to the tag search.
    void showEvent(QShowEvent *event) override;

private:
    void prepareSaveDialog();
    void buildMenus();
    void buildOpeners();
    void buildToolbars();
    void buildStatusBar();
    void buildAssists();
    void onAreaChange();
    void updateInsertPanel();

    std::array<QLabel *, 6> m_panels{};
};

// The one source window of the program, created and loaded on first use.
SourceWindow *Quorl();
