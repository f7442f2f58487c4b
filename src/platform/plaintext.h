#pragma once

#include <QString>

class QLabel;
class QWidget;

// Texts the program or the user wrote are shown as they stand. Qt reads a
// text that looks like markup ("<center>", "Unable to find <head> </head>
// tags") as rich text and drops its tags; these helpers keep them.
namespace PlainText {

// The label shows every text it is given as it stands.
QLabel *keep(QLabel *label);

// A tool tip that shows text as it stands: text Qt would take for markup is
// escaped, with its blanks and line breaks kept.
QString toolTip(const QString &text);
void setToolTip(QWidget *widget, const QString &text);

// A control without a caption of its own (a picture button, a field beside
// its label) gets a name for screen readers and a tool tip telling its use.
void describe(QWidget *widget, const QString &name);

} // namespace PlainText
