#include "editor/closelist.h"

#include "platform/windowdirectory.h"

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

} // namespace CloseList
