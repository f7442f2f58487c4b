// The source window's File commands: New, Open, Save, Save As, Recent,
// Insert File, Exit and the close handling.

#include "editor/closelist.h"
#include "editor/documentfiles.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QRegularExpression>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");
const QString kSaveFirst =
    QStringLiteral("File not saved. Would you like to save your file first?");

bool askYesNo(const QString &question)
{
    return Prompter::ask(question, kTitle, Prompter::Icon::Question, Prompter::Buttons::YesNo)
           == Prompter::Answer::Yes;
}

} // namespace

QString SourceWindow::crashTempFile()
{
    return QDir::temp().filePath(QStringLiteral("QrlTmpCrash.html"));
}

void SourceWindow::prepareSaveDialog()
{
    comdlg.CancelError = true;
    comdlg.DefaultExt = QStringLiteral("html");
    comdlg.Filter = DocumentFiles::filter;
}

void SourceWindow::New()
{
    DocumentPath.clear();
    if (!star.isEmpty() && askYesNo(QStringLiteral("File not saved. Save file now?"))) {
        Save();
        return;
    }
    area->setText(blankPageHtml);
    documentFormat = TextFiles::Format();
    star.clear();
    setWindowTitle(captionPrefix + u'(' + star + QStringLiteral(") Untitled"));
}

void SourceWindow::Open()
{
    // The opened file takes the place of the text: unsaved work is offered a
    // save first, as Recent and the composer's Open do.
    if (!star.isEmpty() && askYesNo(kSaveFirst)) {
        Save();
        return;
    }
    comdlg.CancelError = true;
    comdlg.DefaultExt = QStringLiteral("*.html");
    comdlg.Filter = DocumentFiles::filter;
    if (!comdlg.ShowOpen() || comdlg.FileName.isEmpty())
        return;
    QString content;
    TextFiles::Format format;
    if (!DocumentFiles::read(comdlg.FileName, &content, &format))
        return;
    area->setText(content);
    documentFormat = format;
    DocumentPath = comdlg.FileName;
    document.recordFile(DocumentPath);
    titleupdate();
    RecentFiles::addFromSource(comdlg.FileName);
    comdlg.FileName.clear();
}

void SourceWindow::Save()
{
    prepareSaveDialog();
    if (DocumentPath.isEmpty()) {
        if (comdlg.ShowSave() && !comdlg.FileName.isEmpty()
            && DocumentFiles::save(document, comdlg.FileName, area->text())) {
            DocumentPath = comdlg.FileName;
            star.clear();
            RecentFiles::addFromSource(comdlg.FileName);
            titleupdate();
        }
    } else if (DocumentFiles::save(document, DocumentPath, area->text())) {
        star.clear();
        titleupdate();
    }
    comdlg.FileName.clear();
}

void SourceWindow::SaveAs()
{
    prepareSaveDialog();
    if (comdlg.ShowSave() && !comdlg.FileName.isEmpty()
        && DocumentFiles::save(document, comdlg.FileName, area->text())) {
        DocumentPath = comdlg.FileName;
        star.clear();
        titleupdate();
    }
    comdlg.FileName.clear();
}

void SourceWindow::OpenRecent(int index)
{
    if (!star.isEmpty() && askYesNo(kSaveFirst)) {
        Save();
        return;
    }
    const QString path = RecentFiles::pathOf(recent.at(index));
    QString content;
    TextFiles::Format format;
    if (path.isEmpty() || !DocumentFiles::read(path, &content, &format))
        return;
    area->setText(content);
    documentFormat = format;
    comdlg.FileName = path;
    DocumentPath = path;
    document.recordFile(path);
    titleupdate();
}

void SourceWindow::InsertFile()
{
    // Only a file chosen now is inserted, never a name an earlier command left.
    if (!comdlg.ShowOpen() || comdlg.FileName.isEmpty())
        return;
    QString content;
    if (!DocumentFiles::read(comdlg.FileName, &content) || content.isEmpty())
        return;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = content.split(lineBreak);
    if (lines.constLast().isEmpty())
        lines.removeLast();  // the break after the last line ends it, it adds none
    area->setSelText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void SourceWindow::Exit()
{
    // Unsaved work is never ended without an offer to save it first.
    if (!star.isEmpty() && askYesNo(kSaveFirst)) {
        Save();
        if (!star.isEmpty()) {
            CloseList::tellExitStopped();
            area->setFocus();
            return;
        }
    }
    if (!ComposerWindow::offerToSaveOtherWindows() || !CloseList::confirmExit()) {
        area->setFocus();
        return;
    }
    CloseList::endProgram(crashTempFile());
}

void SourceWindow::closeEvent(QCloseEvent *event)
{
    CloseList::unloadAll();
    event->ignore();
    Exit();
}
