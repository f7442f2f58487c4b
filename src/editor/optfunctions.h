#pragma once

#include "platform/windowplacement.h"

#include <QString>

class QLineEdit;

// The procedures every dialog calls.

// Returns the text when it is empty or reads as a number (or as the start of
// one, so a field checked on every change can be typed into: "-", ".", "1e-");
// otherwise says so and returns the empty text, which the caller writes back
// into its field. Numbers are read in the C locale.
QString CheckNumeric(const QString &text);
// The same check at confirm, where the start of a number ("-", ".", "1e") is
// no number: returns the text when it is empty or a whole number, blanks
// around it allowed; otherwise says so and returns the empty text.
QString CheckNumericComplete(const QString &text);
// The test CheckNumericComplete makes, without a message.
bool isCompleteNumber(const QString &text);

// Checks the field with CheckNumeric after every change and writes the
// result back, so a rejected entry empties it.
void bindNumericField(QLineEdit *field);

// Shows <program folder>/misc/<page> in the help viewer, or says it is
// missing or unreadable and leaves the viewer as it was.
void ShowHelpPage(const QString &page);

// Copies the source text into the composer, hides the source window and
// shows the composer.
void ShowVevevodi();
