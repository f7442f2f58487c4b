#pragma once

#include <QString>

// The page the benchmarks of the editing view work on: paragraphs with a link
// and a bold word each, up to the given size.
inline QString makeBenchPage(qsizetype bytes)
{
    QString body;
    const QString row = QStringLiteral(
        "<p class=\"x\">Some text of the page with a <a href=\"page%1.html\">link</a> and "
        "<b>bold</b> words, row %1.</p>\n");
    for (int i = 0; body.size() < bytes; ++i)
        body += row.arg(i);
    return QStringLiteral("<!DOCTYPE html>\n<html><head><title>bench</title></head><body>")
           + body + QStringLiteral("</body></html>");
}
