#pragma once

#include <QString>

// Small bits of text the editing control builds: markup for its dialogs
// and literals for the scripts it hands the page.
namespace HtmlMarkup {

// A value made safe inside a double-quoted attribute.
QString attribute(const QString &value);
// A value kept inside a double-quoted attribute as typed, but for its double
// quotes: entities the user wrote stay entities.
QString quotesEscaped(const QString &value);
// " name=\"value\"", the value as it stands: the dialogs write what was typed.
QString attribute(const char *name, const QString &value);
// Text made safe as element content.
QString text(const QString &value);
// Text as a double-quoted JavaScript string literal.
QString jsString(const QString &value);

} // namespace HtmlMarkup
