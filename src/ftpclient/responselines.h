#pragma once

#include <QString>
#include <QStringList>

// The lines of a server response as the listing shows them: a CR ends a line
// and swallows the character after it (the LF of a CR LF pair); a lone LF
// stays inside its line; the text after the last line end is always a line,
// even when empty, so the empty text gives one empty line.
QStringList splitResponseLines(const QString &text);
