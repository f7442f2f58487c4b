#pragma once

#include <QString>

// Plain text and HTML on the system clipboard.
namespace Clipboard {

QString text();
void setText(const QString &text);
bool hasText();
QString html();
// Puts both forms, so other programs can paste either.
void setHtml(const QString &html, const QString &plainText);
void clear();

} // namespace Clipboard
