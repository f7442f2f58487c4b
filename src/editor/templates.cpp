#include "editor/templates.h"

#include "editor/aboutwindow.h"
#include "editor/documentfiles.h"
#include "editor/folderfiles.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "editor/templatewindow.h"
#include "platform/commondialog.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "vevevodi/composerwindow.h"

#include <QDir>
#include <QFileInfo>

namespace Templates {

namespace {

const QString kManager = QStringLiteral("Template Manager");

std::optional<QString> askName(const QString &title)
{
    return nameFromAnswer(Prompter::instance().input(
        QStringLiteral("Enter the name of the template"), title, QStringLiteral("MyTemplate")));
}

bool saveComposerAs(const QString &name)
{
    // A template keeps the encoding and line ends of the page it was made from.
    return Composr()->txtComp->SaveDocument(QDir(folder()).filePath(fileNameFor(name)),
                                            nullptr, Quorl()->documentFormat);
}

} // namespace

QString folder()
{
    return ProgramFolder::resolve(QStringLiteral("templates"));
}

QString fileNameFor(const QString &name)
{
    return QStringLiteral("Temp") + FolderFiles::withoutBlanks(name) + QStringLiteral(".html");
}

QString displayName(const QString &fileName)
{
    const qsizetype n = fileName.size();
    return n > 9 ? fileName.mid(4, n - 9) : fileName;
}

QString pathFor(const QString &displayedName)
{
    return ProgramFolder::resolve(QStringLiteral("templates/temp") + displayedName
                                  + QStringLiteral(".html"));
}

QStringList names()
{
    QStringList list;
    const QStringList files =
        FolderFiles::files(folder(), {QStringLiteral(".htm"), QStringLiteral(".html")});
    for (const QString &file : files)
        list.append(displayName(file));
    return list;
}

std::optional<QString> nameFromAnswer(const std::optional<QString> &answer)
{
    if (!answer)
        return std::nullopt;
    const QString name = FolderFiles::withoutBlanks(*answer);
    if (name.isEmpty())
        return std::nullopt;
    if (!FolderFiles::isSafeName(name)) {
        FolderFiles::reportInvalidName();
        return std::nullopt;
    }
    return name;
}

void CreateTemplate()
{
    const auto name = askName(QStringLiteral("Create Template"));
    if (!name)
        return;
    if (!saveComposerAs(*name)) {
        Prompter::tell(QStringLiteral("An error occured while converting to template. Please "
                                      "inform this problem to ")
                           + AboutWindow::makerMail,
                       QStringLiteral("Unable to create template!"), Prompter::Icon::Critical);
        return;
    }
    Prompter::tell(QStringLiteral("Template Created!"), kManager, Prompter::Icon::Information);
}

void ImportTemplate(CommonDialog &dialog)
{
    const auto failed = [] {
        Prompter::tell(QStringLiteral("An error occurred while trying to perform the action"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
    };
    if (Prompter::ask(closeQuestion, QStringLiteral("Assistant: Quorl"),
                      Prompter::Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No)
        != Prompter::Answer::Yes) {
        return;
    }
    dialog.CancelError = true;
    dialog.DefaultExt = QStringLiteral("html");
    dialog.Filter = DocumentFiles::filter;
    if (!dialog.ShowOpen() || dialog.FileName.isEmpty()
        || !Composr()->txtComp->LoadDocument(dialog.FileName, nullptr,
                                             &Quorl()->documentFormat)) {
        failed();
        return;
    }
    makeUntitled();
    const auto name = askName(QStringLiteral("Import Template"));
    if (!name)
        return;
    if (!saveComposerAs(*name)) {
        failed();
        return;
    }
    Prompter::tell(QStringLiteral("Template Imported!"), kManager, Prompter::Icon::Information);
}

bool ShowTemplateManager()
{
    auto *manager = WindowDirectory::touch<TemplateManager>(QStringLiteral("templates"));
    if (!manager || !manager->fill())
        return false;
    Openers::showWindow(manager);
    return true;
}

void hideTemplateManager()
{
    if (QWidget *manager = WindowDirectory::loaded(QStringLiteral("templates")))
        manager->hide();
}

void reportMissingFolder()
{
    Prompter::tell(QStringLiteral("Unable to process requested action. Folder seems to have "
                                  "been moved or removed."),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
}

void makeUntitled()
{
    SourceWindow *source = Quorl();
    source->DocumentPath.clear();
    source->star.clear();
    source->titleupdate();
    Composr()->titleupdate();
}

} // namespace Templates
