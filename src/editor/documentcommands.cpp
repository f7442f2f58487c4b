#include "editor/documentcommands.h"

#include "platform/commondialog.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"

#include <QPrinter>

namespace DocumentCommands {

namespace {

const QString kAssistant = QStringLiteral("Assistant: Quorl");
const QString kProgram = QStringLiteral("Quorl");

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

void applyAt(SourceArea *area, const PageSnippets::Splice &splice)
{
    area->setSelStart(splice.start);
    area->setSelLength(splice.length);
    area->setSelText(splice.text);
}

bool addHeadSnippet(SourceArea *area, const QString &snippet)
{
    const PageSnippets::Edit edit = PageSnippets::beforeHeadEnd(area->text(), snippet);
    if (!edit.ok()) {
        Prompter::tell(edit.refusal, kProgram, Prompter::Icon::None);
        return false;
    }
    applyAt(area, *edit.splice);
    return true;
}

void tellSnippetAdded(bool isScript)
{
    Prompter::tell(isScript ? PageSnippets::scriptAddedMessage : PageSnippets::tagAddedMessage,
                   kProgram, Prompter::Icon::None);
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
