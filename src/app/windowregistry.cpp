#include "app/windowregistry.h"

#include "dialogs/cursordialog.h"
#include "dialogs/headingdialog.h"
#include "dialogs/layerdialog.h"
#include "dialogs/marqueedialog.h"
#include "dialogs/metagendialog.h"
#include "dialogs/pagepropsdialog.h"
#include "dialogs/rolloverdialog.h"
#include "dialogs/bulletsdialog.h"
#include "dialogs/fontdialog.h"
#include "dialogs/highlightdialog.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/imagedialog.h"
#include "dialogs/jsconsole.h"
#include "dialogs/linkedlistdialog.h"
#include "dialogs/maildialog.h"
#include "dialogs/targetwindow.h"
#include "dialogs/rowsdialog.h"
#include "dialogs/ruledialog.h"
#include "dialogs/styletextdialog.h"
#include "dialogs/tabledialog.h"
#include "dialogs/visualtabledialog.h"
#include "editor/aboutwindow.h"
#include "editor/bookmarkswindow.h"
#include "editor/crashwizard.h"
#include "editor/editprops.h"
#include "editor/findwindow.h"
#include "editor/helpwindow.h"
#include "editor/lessonswindow.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "editor/splashwindow.h"
#include "editor/startupassistant.h"
#include "editor/tempclipwindow.h"
#include "editor/templatewindow.h"
#include "editor/tipwindow.h"
#include "formdesigner/buttondialog.h"
#include "formdesigner/designeredithtml.h"
#include "formdesigner/designerhelp.h"
#include "formdesigner/designerwindow.h"
#include "formdesigner/fieldlistdialog.h"
#include "formdesigner/fieldsetdialog.h"
#include "formdesigner/filefielddialog.h"
#include "formdesigner/formcodedialog.h"
#include "formdesigner/formtagdialog.h"
#include "formdesigner/hiddenfielddialog.h"
#include "formdesigner/optionbuttondialog.h"
#include "formdesigner/textareadialog.h"
#include "formdesigner/textboxdialog.h"
#include "platform/windowdirectory.h"
#include "sitetools/boxmaker.h"
#include "sitetools/layoutboxprops.h"
#include "sitetools/layoutedithtml.h"
#include "sitetools/layouthelp.h"
#include "sitetools/layoutmanager.h"
#include "sitetools/navlisturls.h"
#include "sitetools/navmaker.h"
#include "sitetools/stylesheetwindow.h"
#include "sitetools/stylesheetwizard.h"
#include "sitetools/toolplugin.h"
#include "vevevodi/composerwindow.h"
#include "vevevodi/fileviewer.h"
#include "vevevodi/inserthtmldialog.h"
#include "vevevodi/previewwindow.h"

namespace {

template <class T, class... Args>
void add(const char *name, Args... args)
{
    WindowDirectory::registerWindow(QString::fromLatin1(name), [=] { return new T(args...); });
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
    add<PreviewWindow>("TheBrowser");
    add<InsertHtmlDialog>("insHTML");
    add<FileViewer>("FileViewer");
    add<SplashWindow>("frmSplash");
    add<StartUpAssistant>("StartUp");
    add<TipWindow>("frmTip");
    add<TemplateManager>("templates");
    add<LessonsViewer>("frmMoreTemp");
    add<CrashWizard>("crashRecover");
    add<RestoreWindow>("restore");
    add<TempClipWindow>("TempClip");
    add<BookmarksWindow>("bookmarks");
    add<HighlightDialog>("highlight");
    add<HyperlinkDialog>("hyperlinks");
    add<TargetWindow>("target");
    add<MailDialog>("mail");
    add<FontDialog>("frmFont");
    add<ImageDialog>("frmImage");
    add<JSConsole>("JSConsole");
    add<BulletsDialog>("bullets");
    add<LinkedListDialog>("ListURLs");
    add<DesignerWindow>("ombrel");
    add<FormCodeDialog>("prewizard");
    add<DesignerEditHtml>("OeditHTML");
    add<DesignerHelp>("OHelp");
    add<FindWindow>("FindMe");
    add<RowsDialog>("frmrow");
    add<VisualTableDialog>("visTbl");
    add<RuleDialog>("rule");
    add<HeadingDialog>("heading");
    add<CursorDialog>("CursorArrow");
    add<MarqueeDialog>("marquee");
    add<StyleTextDialog>("styleText");
    add<LayerDialog>("loading");
    add<LayoutManager>("LManager");
    add<LayoutBoxProps>("LBoxProps");
    add<LayoutEditHtml>("LEditHTML");
    add<LayoutHelp>("LHelp");
    add<BoxMaker>("BMBoxProps");
    constexpr auto designer = FormFieldDialog::Variant::Designer;
    add<TextBoxDialog>("formTextbox");
    add<TextBoxDialog>("OformTextbox", designer);
    add<TextAreaDialog>("formTextArea");
    add<TextAreaDialog>("OformTextArea", designer);
    add<FieldListDialog>("formList");
    add<FieldListDialog>("OformList", designer);
    add<FormTagDialog>("formForm");
    add<ButtonDialog>("formButton");
    add<ButtonDialog>("OformButton", designer);
    add<OptionButtonDialog>("formRadChk");
    add<OptionButtonDialog>("OformRadChk", designer);
    add<FileFieldDialog>("formFile");
    add<FileFieldDialog>("OformFile", designer);
    add<FieldsetDialog>("formFieldset");
    add<FieldsetDialog>("OformFieldset", designer);
    add<HiddenFieldDialog>("formHidden");
    add<HiddenFieldDialog>("OformHidden", designer);
}
