#include "editor/shellcommands.h"

#include "editor/bookmarkswindow.h"
#include "editor/lessonswindow.h"
#include "editor/menubuilder.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "editor/tempclipwindow.h"
#include "editor/templates.h"

#include <functional>

void bindShellCommands(SourceWindow *window)
{
    struct Command {
        const char *item;
        const char *needs;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"mnuTemplates", "templates",
         [] {
             if (!Templates::ShowTemplateManager())
                 Templates::reportMissingFolder();
         }},
        {"mnuCreateTemplate", "Composr", &Templates::CreateTemplate},
        {"mnuImportTemplate", "Composr", [] { Templates::ImportTemplate(Quorl()->comdlg); }},
        {"mnuMoreTemplates", "frmMoreTemp", [] { frmMoreTemp()->showTemplatesPage(); }},
        {"mnuHTMLtutorial", "frmMoreTemp", &LessonsViewer::openTutor},
        {"mnuAuthorOnline", "frmMoreTemp", [] { frmMoreTemp()->showAuthorSite(); }},
        {"mnuRestore", "restore", &openRestoreFromSource},
        {"mnuShowTempClip", "TempClip", &showTempClip},
        {"mnuCopyToTemp", "TempClip", &copyToTempClip},
        {"mnuBookmarks", "bookmarks", &showBookmarks},
        {"mnuHyperlink", "hyperlinks", &showHyperlinkDialog},
    };
    for (const Command &command : commands) {
        QAction *item = Menus::find(window, QLatin1String(command.item));
        if (!item || !WindowDirectory::isRegistered(QLatin1String(command.needs)))
            continue;
        Menus::bind(item);
        QObject::connect(item, &QAction::triggered, window, command.run);
    }
}
