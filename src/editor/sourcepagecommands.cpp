#include "editor/sourcepagecommands.h"

#include "dialogs/documentedit.h"
#include "editor/documentcommands.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/pagesnippets.h"
#include "editor/sourcetext.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"
#include "vevevodi/previewwindow.h"

#include <QTimer>

namespace SourcePageCommands {

namespace {

// The document of the view showing: the source text, or the composer's
// page when the command comes while the composer shows instead.
ComposerWindow *showingView()
{
    return WholeDocument::showing(false);
}

void flash(SourceWindow *window)
{
    CommonDialog &dialog = Composr()->ComDlg;
    dialog.Filter = PageSnippets::flashFilter;
    if (dialog.ShowOpen() && !dialog.FileName.isEmpty())
        window->area->setSelText(PageSnippets::flashObject(dialog.FileName));
    else
        window->area->setFocus();
    dialog.FileName.clear();
}

void makeDefault(SourceWindow *window)
{
    // Cancel inserts nothing; an empty answer inserts the link as it is.
    if (const auto address = DocumentCommands::askHomePage())
        window->area->setSelText(PageSnippets::homePageLink(*address));
}

void spellCheck(SourceWindow *window)
{
    const auto corrected = DocumentCommands::spellCheck(window->area->text());
    if (!corrected)
        return;
    // Only the corrected stretch is written, so Undo takes the corrections back.
    const qsizetype caret = qMin(window->area->selStart(), corrected->size());
    SourceTexts::apply(window->area, {*corrected, caret, 0});
    DocumentCommands::tellSpellCheckComplete();
}

void preview(SourceWindow *window)
{
    PreviewWindow *preview = TheBrowser();
    preview->showPage(window->area->text());
    preview->Timer1->start();
    preview->compOrEdit = QStringLiteral("edit");
    Openers::showWindow(preview);
    window->hide();
}

} // namespace

void bind(SourceWindow *window)
{
    SourceArea *area = window->area;
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"mnuPageTitle", [] { DocumentCommands::pageTitle(showingView()); }},
        {"mnuPreventRightClick",
         [] {
             DocumentCommands::headSnippet(showingView(), PageSnippets::rightClickBlock(), true);
         }},
        {"mnuProtectText",
         [] {
             DocumentCommands::headSnippet(showingView(), PageSnippets::protectTextBlock(), true);
         }},
        {"mnuDisImgTbar",
         [] {
             DocumentCommands::headSnippet(showingView(), PageSnippets::imageToolbarTag(), false);
         }},
        {"mnuBookmarkPage", [area] { area->setSelText(PageSnippets::bookmarkBlock()); }},
        {"mnuInsLayer", [area] { area->setSelText(PageSnippets::layerElement()); }},
        {"mnuFlash", [window] { flash(window); }},
        {"mnuMakeDefault", [window] { makeDefault(window); }},
        {"mnuSpell", [window] { spellCheck(window); }},
        {"mnuPrint", [window] { DocumentCommands::print(window->area, window->comdlg); }},
        {"mnuPageSetup", [window] { DocumentCommands::pageSetup(window->comdlg); }},
        {"mnuPreview", [window] { preview(window); }},
        {"mnuViewPreview", [window] { preview(window); }},
    };
    for (const auto &[name, command] : commands)
        QObject::connect(Menus::bind(Menus::find(window, QLatin1String(name))),
                         &QAction::triggered, window, command);
}

} // namespace SourcePageCommands
