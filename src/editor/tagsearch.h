#pragma once

#include "editor/sourcetext.h"

// Finding the tag around the caret and its end tag by plain text search:
// no parse, no account of nesting, the first end tag of the name wins.
namespace TagSearch {

// Selects from the last "<" before the caret through the first ">" from the
// character before it. Without a "<" nothing changes; without a ">" the
// caret moves to the "<".
SourceText smartSelect(const SourceText &in);

enum class Mode { Delete, FindEnd };

struct Result {
    SourceText text;
    QString message;  // empty when the command succeeded
};

// Smart Select, then the tag's end tag (any case) is selected (FindEnd) or
// both tags are removed, leaving what lay between them (Delete).
Result autoDeleteTag(const SourceText &in, Mode mode);

inline const QString notFoundMessage = QStringLiteral("End of the tag was not found");
inline const QString unexpectedMessage = QStringLiteral("Unexpected error occurred");

} // namespace TagSearch
