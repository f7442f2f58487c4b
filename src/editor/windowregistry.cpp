#include "editor/windowregistry.h"

#include "dialogs/tabledialog.h"
#include "editor/aboutwindow.h"
#include "editor/editprops.h"
#include "editor/findwindow.h"
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
    add<FindWindow>("FindMe");
}
