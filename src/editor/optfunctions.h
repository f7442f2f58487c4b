#pragma once

#include "platform/windowplacement.h"

#include <QString>

// The procedures every dialog calls.

// Returns the text when it is empty or reads as a number (or as the start of
// one, so a field checked on every change can be typed into); otherwise says
// so and returns the empty text, which the caller writes back into its field.
QString CheckNumeric(const QString &text);

// Shows <program folder>/misc/<page> in the help viewer, or says it is missing.
void ShowHelpPage(const QString &page);

// Copies the source text into the composer, hides the source window and
// shows the composer.
void ShowVevevodi();
