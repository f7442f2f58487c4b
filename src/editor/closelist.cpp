#include "editor/closelist.h"

#include "platform/programexit.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "platform/windowdirectory.h"

#include <QFile>

namespace CloseList {

const QStringList &names()
{
    static const QStringList list = {
        "bookmarks", "bullets", "CursorArrow", "FindMe", "formButton", "formFieldset",
        "formFile", "formHidden", "formList", "formRadChk", "forms", "formTextArea",
        "formTextbox", "frmFont", "frmImage", "frmrow", "frmSplash", "heading", "highlight",
        "hyperlinks", "insHTML", "JSConsole", "JSMacros", "ListURLs", "loading", "mail",
        "marquee", "MetaGen", "pageProps", "rollover", "rule", "styleText", "StartUp", "table",
        "target", "TheBrowser", "visTbl"};
    return list;
}

void unloadAll()
{
    for (const QString &name : names())
        WindowDirectory::unload(name);
}

bool confirmExit()
{
    return Prompter::ask(QStringLiteral("Are you sure you want to exit?"),
                         QStringLiteral("Confirm Exit: Quorl Vevevodi"),
                         Prompter::Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No)
           == Prompter::Answer::Yes;
}

void tellExitStopped()
{
    Prompter::tell(QStringLiteral("The file was not saved, so Quorl Vevevodi did not exit."),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
}

void endProgram(const QString &crashFile)
{
    if (crashFile.isEmpty() || QFile::remove(crashFile))
        SettingsStore::setValue(QStringLiteral("Crash"), QStringLiteral("crash"),
                                QStringLiteral("0"));
    ProgramExit::exitNow();
}

} // namespace CloseList
