#pragma once

#include "editor/pagesnippets.h"

#include <QString>

#include <optional>

class CommonDialog;
class SourceArea;

// The whole-document steps both main windows take alike: the questions they
// ask, the messages they give, spelling and printing of the source text.
namespace DocumentCommands {

// The page title the user typed; no result for Cancel or an empty answer.
std::optional<QString> askPageTitle();
// The address for the home-page link; no result for Cancel.
std::optional<QString> askHomePage();

// Applies an edit to the area at its caret, as one change.
void applyAt(SourceArea *area, const PageSnippets::Splice &splice);

// Puts snippet before the head end tag of area's text; says why not when
// there is no head end tag. True when it was added.
bool addHeadSnippet(SourceArea *area, const QString &snippet);
// Says that the script (or the tag) has been added.
void tellSnippetAdded(bool isScript);

// Asks about every unknown word of text; the corrected text, or no result
// (and the reason shown) when spelling cannot be checked.
std::optional<QString> spellCheck(const QString &text);
void tellSpellCheckComplete();

// Prints the area's text (the selection when the dialog's range says so)
// in the area's font, after the printer dialog of dialog.
void print(SourceArea *area, CommonDialog &dialog);
void pageSetup(CommonDialog &dialog);

} // namespace DocumentCommands
