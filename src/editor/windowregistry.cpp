#include "editor/windowregistry.h"

#include "dialogs/bulletsdialog.h"
#include "dialogs/fontdialog.h"
#include "dialogs/highlightdialog.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/imagedialog.h"
#include "dialogs/linkedlistdialog.h"
#include "dialogs/maildialog.h"
#include "dialogs/tabledialog.h"
#include "dialogs/targetwindow.h"
#include "editor/aboutwindow.h"
#include "editor/editprops.h"
#include "editor/helpwindow.h"
#include "editor/sourcewindow.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

namespace {

template <class T>
void add(const char *name)
{
    WindowDirectory::registerWindow(QString::fromLatin1(name), [] { return new T; });
}

} // namespace

void registerWindows()
{
    add<SourceWindow>("Quorl");
    add<ComposerWindow>("Composr");
    add<HelpWindow>("frmHelp");
    add<EditPropsWindow>("EditProps");
    add<AboutWindow>("frmAbout");
    add<TableDialog>("table");
    add<HighlightDialog>("highlight");
    add<HyperlinkDialog>("hyperlinks");
    add<TargetWindow>("target");
    add<MailDialog>("mail");
    add<FontDialog>("frmFont");
    add<ImageDialog>("frmImage");
    add<BulletsDialog>("bullets");
    add<LinkedListDialog>("ListURLs");
}
