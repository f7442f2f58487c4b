#pragma once

#include "editor/sourcetext.h"

#include <QList>

// Wrapping the selection in a tag pair and taking the pair off again.
namespace TagToggles {

struct Toggle {
    const char *item;      // the menu item that runs it
    const char *startTag;  // as written; its all-lower-case form also counts
    const char *endTag;
};

// The Format menu's toggles and Insert > Comment.
const QList<Toggle> &toggles();

// Wraps a non-empty selection that does not start with the start tag (as
// written or all in lower case); otherwise removes the start tag and the
// first end tag after it (any case) and selects what is left of the run. An
// end tag that is missing leaves everything as it was.
SourceText toggle(const SourceText &in, const QString &startTag, const QString &endTag);

// A BLOCKQUOTE around a non-empty selection, always added.
SourceText indent(const SourceText &in);
// Removes the BLOCKQUOTE a selection starts with, in any case.
SourceText outdent(const SourceText &in);
// A left-aligned paragraph with two line breaks in place of the selection,
// the caret right after its start tag.
SourceText paragraph(const SourceText &in);

} // namespace TagToggles
