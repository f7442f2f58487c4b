#pragma once

#include <QString>

// The text of a PDF file as Qt's own PDF writer produces it: the glyphs of
// every page, read back through the fonts' Unicode maps, without blanks.
// Enough for tests that check what was printed.
QString pdfText(const QString &path);
// The number of pages of such a file.
int pdfPages(const QString &path);
