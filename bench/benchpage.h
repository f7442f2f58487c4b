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

// A page of many small elements: 100 000 lines of one <span> each. Each line
// is a block of its own: in one block of 100 000 lines the engine's own
// layout of a typed key would cost seconds and hide everything else.
inline QString makeSpanPage(int lines)
{
    QString body;
    body.reserve(lines * 24);
    for (int i = 0; i < lines; ++i)
        body += QStringLiteral("<div><span>line %1</span></div>\n").arg(i);
    return QStringLiteral("<!DOCTYPE html>\n<html><head><title>spans</title></head><body>")
           + body + QStringLiteral("</body></html>");
}

// A book: long paragraphs of plain text, few elements, up to the given size.
inline QString makeBookPage(qsizetype bytes)
{
    const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    QString paragraph = QStringLiteral("<p>");
    while (paragraph.size() < 4000)
        paragraph += sentence;
    paragraph += QStringLiteral("</p>\n");
    QString body;
    body.reserve(bytes + paragraph.size());
    while (body.size() < bytes)
        body += paragraph;
    return QStringLiteral("<!DOCTYPE html>\n<html><head><title>book</title></head><body>")
           + body + QStringLiteral("</body></html>");
}
