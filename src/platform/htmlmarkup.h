#pragma once

#include <QString>

// Small pieces of markup the editing control's own dialogs build.
namespace HtmlMarkup {

// A value made safe inside a double-quoted attribute.
QString attribute(const QString &value);
// Text made safe as element content.
QString text(const QString &value);

} // namespace HtmlMarkup
