#pragma once

#include <QString>

class QLineEdit;

// What the digit check leaves of a text: each character other than "0" to
// "9" is removed with one "Invalid Value" message, and a text emptied that
// way becomes whenEmptied. A text of digits only, or an empty one, passes
// silently.
struct DigitCheck {
    QString text;
    int messages = 0;
};
DigitCheck checkDigits(const QString &text, const QString &whenEmptied = QString());

// Checks field on every change: one message for each character removed, then
// the result written back with the caret where the refused character stood.
void bindDigitField(QLineEdit *field, const QString &whenEmptied = QString());
