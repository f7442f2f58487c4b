#pragma once

#include "editor/documentstate.h"
#include "editor/openers.h"
#include "platform/commondialog.h"
#include "platform/textfiles.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composercommandmap.h"
#include "vevevodi/generatorrewrite.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>

class HtmlEditView;
class QLabel;
class QStatusBar;
class QTimer;
class QUrl;

// The composer "Composr": the page as a rendered document in `txtComp`. The
// main composer window is the one in the window directory; its document
// state (path, marker, format) is the source window's. The file viewer may
// open further ones, each with a document of its own; dialogs always
// address the main one.
class ComposerWindow : public QMainWindow, public LoadStep
{
    Q_OBJECT

public:
    explicit ComposerWindow(QWidget *parent = nullptr);

    void load() override;

    bool isMainComposer() const;

    // Sets this window's caption from its document's marker and path.
    void titleupdate();

    // The document this window's commands read and write: the source
    // window's for the main composer window, its own for the others.
    DocumentState &document();

    // Copies this window's page into its document's text (the source
    // window's `area` for the main composer window), with
    // the given GENERATOR rewrites. When the page does not answer in time it
    // says so and changes nothing; the caller then stops.
    bool CopyVevevodiToSource(GeneratorRewrite::Rewrites rewrites);

    // A whole-document write-back by a command: the document changes, so
    // the marker is set. atCaret goes in at the page's caret as part of the
    // same step.
    void writeBackDocument(const QString &html, const QString &atCaret = {});

    // The composer route of InsertHtml: stages the HTML and arms the pump,
    // whose tick inserts everything staged, in order, at `txtComp`'s caret.
    void stageInsertion(const QString &html);
    QStringList stagedInsertions() const { return m_staged; }

    // The crash-save timer as the crash recovery wizard sets it; an
    // interval of 0 seconds leaves it off.
    void setCrashSave(const QString &tag, int seconds, bool enabled);

    // View > Editor: to the source window, with every GENERATOR rewrite.
    void showSourceView();

    // File commands, on this window's document.
    void New();
    void Open();
    void Save();
    void SaveAs();
    void OpenRecent(int index);
    void Exit();
    // Exit's offer to save each window of the file viewer with unsaved
    // work, naming its file; false when one answered Cancel or its save
    // did not happen (which is then said).
    static bool offerToSaveOtherWindows();
    // The crash file of the crash-save name, when one is set.
    QString crashFile() const;
    // A crash-save name that names a file inside the crash folder.
    static bool isCrashName(const QString &tag);

    // The document this window's whole-document commands work on: its own,
    // or the source text when that is the view showing instead.
    ComposerWindow *documentView();
    // Whole-document commands on this window's document.
    void SpellCheck();
    void StripHtml();
    void PageTitle();
    void HeadSnippet(const QString &snippet, bool isScript);
    void MetaGenerator();
    void Print();
    void PageSetup();
    void RestorePoint();
    // Previews: the preview window, and the system's web browser.
    void Preview();
    void PreviewInBrowser();
    // The selection of the main composer window's surface, its text and
    // its markup; empty when nothing is selected or the page did not answer.
    static Openers::Selection mainSelection();

    // The composer's own insertions, through the main composer window.
    void Highlight();
    void Flash();
    void Hyperlink();
    void EnableStartUp();

    // Hands a file to the system's web browser; tests put their own.
    static std::function<bool(const QUrl &)> &browserLauncher();

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    HtmlEditView *txtComp = nullptr;
    HtmlEditView *tagbar = nullptr;   // the hidden staging control
    QTimer *Timer1 = nullptr;         // the insertion pump, one-shot
    QTimer *TimeCrashSave = nullptr;
    QString TimeCrashSaveTag;         // the crash file's base name
    QStatusBar *StatusBar1 = nullptr;
    ComposerCommandMap::Menus menus;
    CommonDialog ComDlg;              // the composer's own file dialog

    static inline const QString designCaption =
        QStringLiteral("Untitled(): Quorl Vevevodi 3.0 - By Korrandel");
    static inline const QString readyText =
        QStringLiteral("Ready: Quorl Vevevodi 3.0 - By: Korrandel");

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void bindFileCommands();
    void bindDocumentCommands();
    bool saveDocumentTo(const QString &path);
    CommonDialog &fileDialog();
    // A page the engine could not take stays in (or goes to) the source text.
    void leaveToSourceWindow(const QString &html);
    bool loadFile(const QString &path);
    void markModified();
    void pumpTick();
    void crashSaveTick();

    QStringList m_staged;
    DocumentState m_own;  // the document of a window of the file viewer
    QLabel *m_panels[2] = {};
};

// The main composer window, created and loaded on first use.
ComposerWindow *Composr();
