// The composer's File commands: New, Open, Save, Save As, Recent, Exit and
// the close handling, on the document state the source window keeps.

#include "editor/closelist.h"
#include "editor/documentfiles.h"
#include "editor/menubuilder.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QFileInfo>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");
const QString kSaveFirst =
    QStringLiteral("File not saved. Would you like to save your file first?");

bool askYesNo(const QString &question, const QString &title = kTitle,
              std::optional<Prompter::Answer> defaultButton = {})
{
    return Prompter::ask(question, title, Prompter::Icon::Question, Prompter::Buttons::YesNo,
                         defaultButton)
           == Prompter::Answer::Yes;
}

} // namespace

void ComposerWindow::bindFileCommands()
{
    const std::pair<const char *, void (ComposerWindow::*)()> commands[] = {
        {"mnuNew", &ComposerWindow::New}, {"mnuOpen", &ComposerWindow::Open},
        {"mnuSave", &ComposerWindow::Save}, {"mnuSaveAs", &ComposerWindow::SaveAs},
        {"mnuExit", &ComposerWindow::Exit}};
    for (const auto &[name, method] : commands)
        Menus::bind(Menus::find(this, QLatin1String(name)), this, method);
    for (int i = 0; i < 5; ++i)
        connect(menus.recent[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
}

bool ComposerWindow::loadFile(const QString &path)
{
    QString error;
    TextFiles::Format format;
    if (txtComp->LoadDocument(path, &error, &format)) {
        DocumentFiles::tellKeptBytes(path, format, DocumentFiles::Shown::InComposer);
        Quorl()->documentFormat = format;
        return true;
    }
    DocumentFiles::reportOpenFailure(path, error);
    return false;
}

bool ComposerWindow::SaveToDocumentPath()
{
    // The page is saved as the source text it copies into the source window.
    if (!CopyVevevodiToSource(GeneratorRewrite::OwnGenerator))
        return false;
    SourceWindow *source = Quorl();
    return DocumentFiles::write(source->DocumentPath, source->area->text(),
                                source->documentFormat);
}

void ComposerWindow::New()
{
    if (!askYesNo(QStringLiteral("Are you sure you want to close existing document?"), kTitle,
                  Prompter::Answer::No)) {
        Composr()->txtComp->setFocus();
        return;
    }
    SourceWindow *source = Quorl();
    ComposerWindow *main = Composr();
    main->txtComp->NewDocument();
    source->documentFormat = TextFiles::Format();
    source->comdlg.FileName.clear();
    source->DocumentPath.clear();
    ComDlg.FileName.clear();
    main->setWindowTitle(designCaption);
}

void ComposerWindow::Open()
{
    SourceWindow *source = Quorl();
    CommonDialog &dlg = source->comdlg;
    dlg.CancelError = true;
    if (!source->star.isEmpty()) {
        if (askYesNo(kSaveFirst)) {
            Save();
            return;
        }
        dlg.DefaultExt = QStringLiteral("html");
    } else {
        dlg.DefaultExt = QStringLiteral("html");
        dlg.Filter = DocumentFiles::filter;
    }
    if (!dlg.ShowOpen())
        return;
    if (!dlg.FileName.isEmpty() && loadFile(dlg.FileName)) {
        source->DocumentPath = dlg.FileName;
        RecentFiles::addFromComposer(dlg.FileName);
        titleupdate();
    }
    dlg.FileName.clear();
}

bool ComposerWindow::saveOwnFile(const QString &path)
{
    // A window of the file viewer writes its own page to its own file and
    // leaves the main document's state alone.
    const auto html = txtComp->documentHtml();
    if (!html)
        return false;
    const QString page = GeneratorRewrite::apply(*html, GeneratorRewrite::OwnGenerator);
    if (!DocumentFiles::write(path, page, ownFormat))
        return false;
    ownPath = path;
    return true;
}

void ComposerWindow::Save()
{
    if (!isMainComposer()) {
        if (ownPath.isEmpty())
            SaveAs();
        else
            saveOwnFile(ownPath);
        return;
    }
    SourceWindow *source = Quorl();
    CommonDialog &dlg = source->comdlg;
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (source->DocumentPath.isEmpty()) {
        if (!dlg.ShowSave() || dlg.FileName.isEmpty())
            return;
        // The path is the document's only once the page is written there.
        source->DocumentPath = dlg.FileName;
        if (!SaveToDocumentPath()) {
            source->DocumentPath.clear();
            return;
        }
    } else if (!SaveToDocumentPath()) {
        return;
    }
    source->star.clear();
    titleupdate();
}

void ComposerWindow::SaveAs()
{
    SourceWindow *source = Quorl();
    CommonDialog &dlg = source->comdlg;
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (!isMainComposer()) {
        if (dlg.ShowSave() && !dlg.FileName.isEmpty())
            saveOwnFile(dlg.FileName);
        dlg.FileName.clear();
        return;
    }
    if (dlg.ShowSave() && !dlg.FileName.isEmpty()) {
        const QString previous = source->DocumentPath;
        source->DocumentPath = dlg.FileName;
        if (SaveToDocumentPath()) {
            source->star.clear();
            titleupdate();
        } else {
            source->DocumentPath = previous;
        }
    }
    dlg.FileName.clear();
}

void ComposerWindow::OpenRecent(int index)
{
    SourceWindow *source = Quorl();
    if (!source->star.isEmpty() && askYesNo(kSaveFirst)) {
        Save();
        return;
    }
    const QString path = RecentFiles::pathOf(menus.recent.at(index));
    if (path.isEmpty() || !loadFile(path))
        return;
    source->comdlg.FileName = path;
    source->DocumentPath = path;
    titleupdate();
}

bool ComposerWindow::isCrashName(const QString &tag)
{
    return !tag.isEmpty() && !tag.contains(u'/') && !tag.contains(u'\\')
           && tag != QStringLiteral(".") && tag != QStringLiteral("..");
}

QString ComposerWindow::crashFile() const
{
    // A name with path characters could reach outside the crash folder.
    const QString tag = Composr()->TimeCrashSaveTag;
    if (!isCrashName(tag))
        return QString();
    return ProgramFolder::resolve(QStringLiteral("Crash/") + tag + QStringLiteral(".crw"));
}

void ComposerWindow::Exit()
{
    // A window of the file viewer has its own file, but Exit's offer to save
    // is about the document: the main window that shows it answers.
    if (!isMainComposer()) {
        if (Composr()->isVisible())
            Composr()->Exit();
        else
            Quorl()->Exit();
        return;
    }
    // Unsaved work, or a page that did not answer the last read and so may
    // hold some, is never ended without an offer to save it first.
    if ((txtComp->lastReadFailed() || !Quorl()->star.isEmpty()) && askYesNo(kSaveFirst)) {
        Save();
        if (txtComp->lastReadFailed() || !Quorl()->star.isEmpty()) {
            CloseList::tellExitStopped();
            txtComp->setFocus();
            return;
        }
    }
    if (!CloseList::confirmExit()) {
        Composr()->txtComp->setFocus();
        return;
    }
    CloseList::endProgram(crashFile());
}

void ComposerWindow::closeEvent(QCloseEvent *event)
{
    CloseList::unloadAll();
    event->ignore();
    Exit();
}
