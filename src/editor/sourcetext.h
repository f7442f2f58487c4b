#pragma once

#include <QString>

class SourceArea;

// The source text with its selection, in the text area's CR LF positions.
// The text commands are functions from one SourceText to the next.
struct SourceText {
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;

    QString selText() const { return text.mid(selStart, selLength); }
    bool operator==(const SourceText &) const = default;
};

namespace SourceTexts {

SourceText read(const SourceArea *area);

// Writes the result back as one edit of the changed stretch only, so the
// rest of the document, its scroll position and its undo history stay.
void apply(SourceArea *area, const SourceText &result);

// Replaces the selection with text; the caret ends behind it.
SourceText replaceSelection(const SourceText &in, const QString &text);

} // namespace SourceTexts
