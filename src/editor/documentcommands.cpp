#include "editor/documentcommands.h"

#include "dialogs/documentedit.h"
#include "platform/commondialog.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"

#include <QPrinter>

namespace DocumentCommands {

namespace {

const QString kAssistant = QStringLiteral("Assistant: Quorl");
const QString kProgram = QStringLiteral("Quorl");
// The composer's document is taken with the program's GENERATOR and
// without the engine's.
constexpr auto kCopyRewrites = GeneratorRewrite::Rewrites(GeneratorRewrite::OwnGenerator
                                                          | GeneratorRewrite::Engine2800);

// A snippet edit as a whole-document edit: the caret ends behind the text
// put in; a refusal carries its message, when it has one.
DocumentEdit documentEdit(const QString &page, const PageSnippets::Edit &edit,
                          std::optional<EditMessage> message = std::nullopt)
{
    if (!edit.ok()) {
        DocumentEdit refused = DocumentEdit::refuse({edit.refusal, kProgram});
        if (edit.refusal.isEmpty())
            refused.message.reset();
        return refused;
    }
    DocumentEdit made;
    made.text = edit.splice->appliedTo(page);
    made.caret = edit.splice->start + edit.splice->text.size();
    made.message = std::move(message);
    return made;
}

EditMessage snippetAdded(bool isScript)
{
    return {isScript ? PageSnippets::scriptAddedMessage : PageSnippets::tagAddedMessage,
            kProgram};
}

} // namespace

std::optional<QString> askPageTitle()
{
    const auto title = Prompter::instance().input(QStringLiteral("Enter the page title"),
                                                  QStringLiteral("Quorl Vevevodi"),
                                                  QStringLiteral("New Page"));
    if (!title || title->isEmpty())
        return std::nullopt;
    return title;
}

std::optional<QString> askHomePage()
{
    return Prompter::instance().input(
        QStringLiteral("Enter the URL of the site to be made default"),
        QStringLiteral("Enter URL to make default page"),
        PageSnippets::defaultHomePage);
}

void pageTitle(ComposerWindow *composer)
{
    const auto title = askPageTitle();
    if (!title)
        return;
    // A page with no place for the title is left alone without a word.
    WholeDocument::apply(composer, kCopyRewrites, [&title](const QString &page) {
        return documentEdit(page, PageSnippets::pageTitle(page, *title));
    });
}

void headSnippet(ComposerWindow *composer, const QString &snippet, bool isScript)
{
    // A script is announced before the page takes it, the tag after.
    const std::optional<EditMessage> before =
        isScript ? std::optional(snippetAdded(true)) : std::nullopt;
    if (WholeDocument::apply(composer, kCopyRewrites, [&](const QString &page) {
            return documentEdit(page, PageSnippets::beforeHeadEnd(page, snippet), before);
        })
        && !isScript)
        snippetAdded(false).show();
}

std::optional<QString> spellCheck(const QString &text)
{
    SpellChecker checker;
    if (!checker.isReady()) {
        Prompter::tell(QStringLiteral("Spelling cannot be checked: ") + checker.reason(),
                       kAssistant, Prompter::Icon::Critical);
        return std::nullopt;
    }
    return checker.check(text);
}

void tellSpellCheckComplete()
{
    Prompter::tell(QStringLiteral("Spell Checking Complete !"), kAssistant,
                   Prompter::Icon::Information);
}

void print(SourceArea *area, CommonDialog &dialog)
{
    dialog.DialogTitle = QStringLiteral("Print");
    dialog.CancelError = true;
    dialog.Flags = 264;
    if (area->selLength() != 0)
        dialog.Flags += 1;
    QPrinter *printer = dialog.printer();
    if (!dialog.ShowPrinter(printer))
        return;
    // "All" prints the whole text even when something is selected.
    area->selPrint(printer, printer->printRange() != QPrinter::Selection);
}

void pageSetup(CommonDialog &dialog)
{
    dialog.DialogTitle = QStringLiteral("Page Setup");
    dialog.CancelError = true;
    dialog.ShowPageSetup();
}

} // namespace DocumentCommands
