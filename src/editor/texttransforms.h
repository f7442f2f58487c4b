#pragma once

#include "editor/sourcetext.h"

// The Edit menu's case commands and the Format menu's tab commands. Each
// rewrites the selection only; the case commands leave the caret behind the
// new text, the tab commands keep the new text selected.
namespace TextTransforms {

SourceText lowerCase(const SourceText &in);
SourceText upperCase(const SourceText &in);
// Lower case, then upper case for the first character and for an ASCII
// letter after a blank.
SourceText titleCase(const SourceText &in);
// Swaps the case of the ASCII letters.
SourceText invertedCase(const SourceText &in);
// A tab before the selection and after each of its CR LF line breaks.
SourceText tabify(const SourceText &in);
// Every tab of the selection removed.
SourceText untabify(const SourceText &in);

} // namespace TextTransforms
