#include "editor/windowregistry.h"

#include "dialogs/cursordialog.h"
#include "dialogs/headingdialog.h"
#include "dialogs/layerdialog.h"
#include "dialogs/marqueedialog.h"
#include "dialogs/metagendialog.h"
#include "dialogs/pagepropsdialog.h"
#include "dialogs/rolloverdialog.h"
#include "dialogs/rowsdialog.h"
#include "dialogs/ruledialog.h"
#include "dialogs/styletextdialog.h"
#include "dialogs/tabledialog.h"
#include "dialogs/visualtabledialog.h"
#include "editor/aboutwindow.h"
#include "editor/editprops.h"
#include "editor/helpwindow.h"
#include "editor/sourcewindow.h"
#include "platform/windowdirectory.h"
#include "sitetools/navlisturls.h"
#include "sitetools/navmaker.h"
#include "sitetools/stylesheetwindow.h"
#include "sitetools/stylesheetwizard.h"
#include "sitetools/toolplugin.h"
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
    add<RolloverDialog>("rollover");
    add<PagePropsDialog>("pageProps");
    add<MetaGenDialog>("MetaGen");
    add<StyleSheetWindow>("styleSheet");
    add<StyleSheetWizard>("styleSheetWiz");
    add<NavMaker>("NavMaker");
    add<NavListURLs>("NavListURLs");
    add<ToolPlugin>("toolplugin");
    add<RowsDialog>("frmrow");
    add<VisualTableDialog>("visTbl");
    add<RuleDialog>("rule");
    add<HeadingDialog>("heading");
    add<CursorDialog>("CursorArrow");
    add<MarqueeDialog>("marquee");
    add<StyleTextDialog>("styleText");
    add<LayerDialog>("loading");
}
