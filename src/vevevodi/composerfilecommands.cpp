// The composer's File commands: New, Open, Save, Save As, Recent, Exit and
// the close handling, on the document of the window whose menu runs them.

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

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
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

CommonDialog &ComposerWindow::fileDialog()
{
    // A window of the file viewer asks with its own dialog, which starts in
    // the folder of its own file.
    return isMainComposer() ? Quorl()->comdlg : ComDlg;
}

bool ComposerWindow::loadFile(const QString &path)
{
    QString error;
    TextFiles::Format format;
    if (txtComp->LoadDocument(path, &error, &format)) {
        DocumentFiles::tellKeptBytes(path, format, DocumentFiles::Shown::InComposer);
        document().format = format;
        document().recordFile(path);
        return true;
    }
    DocumentFiles::reportOpenFailure(path, error);
    return false;
}

bool ComposerWindow::saveDocumentTo(const QString &path)
{
    // The page is saved as the source text it copies into its document.
    if (!CopyVevevodiToSource(GeneratorRewrite::OwnGenerator))
        return false;
    DocumentState &doc = document();
    return DocumentFiles::save(doc, path, doc.area->text());
}

void ComposerWindow::New()
{
    if (!askYesNo(QStringLiteral("Are you sure you want to close existing document?"), kTitle,
                  Prompter::Answer::No)) {
        txtComp->setFocus();
        return;
    }
    DocumentState &doc = document();
    txtComp->NewDocument();
    doc.format = TextFiles::Format();
    fileDialog().FileName.clear();
    doc.path.clear();
    ComDlg.FileName.clear();
    setWindowTitle(designCaption);
}

void ComposerWindow::Open()
{
    DocumentState &doc = document();
    CommonDialog &dlg = fileDialog();
    dlg.CancelError = true;
    if (!doc.star.isEmpty()) {
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
        doc.path = dlg.FileName;
        RecentFiles::addFromComposer(dlg.FileName);
        titleupdate();
    }
    dlg.FileName.clear();
}

void ComposerWindow::Save()
{
    DocumentState &doc = document();
    CommonDialog &dlg = fileDialog();
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (doc.path.isEmpty()) {
        // The path is the document's only once the page is written there.
        if (!dlg.ShowSave() || dlg.FileName.isEmpty() || !saveDocumentTo(dlg.FileName))
            return;
        doc.path = dlg.FileName;
    } else if (!saveDocumentTo(doc.path)) {
        return;
    }
    doc.star.clear();
    titleupdate();
}

void ComposerWindow::SaveAs()
{
    DocumentState &doc = document();
    CommonDialog &dlg = fileDialog();
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (dlg.ShowSave() && !dlg.FileName.isEmpty() && saveDocumentTo(dlg.FileName)) {
        doc.path = dlg.FileName;
        doc.star.clear();
        titleupdate();
    }
    dlg.FileName.clear();
}

void ComposerWindow::OpenRecent(int index)
{
    DocumentState &doc = document();
    if (!doc.star.isEmpty() && askYesNo(kSaveFirst)) {
        Save();
        return;
    }
    const QString path = RecentFiles::pathOf(menus.recent.at(index));
    if (path.isEmpty() || !loadFile(path))
        return;
    fileDialog().FileName = path;
    doc.path = path;
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
    // Exit ends every window: the main window that shows the document asks,
    // for its own document and then for each other window's.
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
    if (!offerToSaveOtherWindows() || !CloseList::confirmExit()) {
        Composr()->txtComp->setFocus();
        return;
    }
    CloseList::endProgram(crashFile());
}

bool ComposerWindow::offerToSaveOtherWindows()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<ComposerWindow *>(widget);
        if (!window || window->isMainComposer() || window->document().star.isEmpty())
            continue;
        const QString &path = window->document().path;
        const QString name =
            path.isEmpty() ? QStringLiteral("Untitled") : QDir::toNativeSeparators(path);
        const auto answer = Prompter::ask(name + QStringLiteral(": ") + kSaveFirst, kTitle,
                                          Prompter::Icon::Question,
                                          Prompter::Buttons::YesNoCancel);
        if (answer == Prompter::Answer::Cancel)
            return false;
        if (answer != Prompter::Answer::Yes)
            continue;
        window->Save();
        if (!window->document().star.isEmpty()) {
            CloseList::tellExitStopped();
            return false;
        }
    }
    return true;
}

void ComposerWindow::closeEvent(QCloseEvent *event)
{
    CloseList::unloadAll();
    event->ignore();
    Exit();
}
