#pragma once

#include "editor/pagesnippets.h"

#include <QString>

#include <optional>

class CommonDialog;
class ComposerWindow;
class SourceArea;

// The whole-document steps both main windows take alike: the questions they
// ask, the messages they give, spelling and printing of the source text.
namespace DocumentCommands {

// The page title the user typed; no result for Cancel or an empty answer.
std::optional<QString> askPageTitle();
// The address for the home-page link; no result for Cancel.
std::optional<QString> askHomePage();

// The whole-document commands both main windows give, on the document of
// composer, or on the source text for nullptr; the caller names the view
// that shows (see WholeDocument::showing).
// Asks for the page title and puts it into the page.
void pageTitle(ComposerWindow *composer);
// Puts snippet before the head end tag and says so; says why not when the
// page has no head end tag.
void headSnippet(ComposerWindow *composer, const QString &snippet, bool isScript);

// Asks about every unknown word of text; the corrected text, or no result
// (and the reason shown) when spelling cannot be checked.
std::optional<QString> spellCheck(const QString &text);
void tellSpellCheckComplete();

// Prints the area's text (the selection when the dialog's range says so)
// in the area's font, after the printer dialog of dialog.
void print(SourceArea *area, CommonDialog &dialog);
void pageSetup(CommonDialog &dialog);

} // namespace DocumentCommands
