#include "dialogs/digitfield.h"

#include "platform/prompter.h"

#include <QLineEdit>

#include <algorithm>
#include <memory>

DigitCheck checkDigits(const QString &text, const QString &whenEmptied)
{
    DigitCheck result;
    result.text.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            result.text += c;
        else
            ++result.messages;
    }
    if (result.messages > 0 && result.text.isEmpty())
        result.text = whenEmptied;
    return result;
}

void bindDigitField(QLineEdit *field, const QString &whenEmptied)
{
    auto busy = std::make_shared<bool>(false);
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, whenEmptied, busy](const QString &text) {
        // Writing the result back changes the text again.
        if (*busy)
            return;
        const DigitCheck checked = checkDigits(text, whenEmptied);
        if (checked.messages == 0)
            return;
        *busy = true;
        // Typing goes on where the refused character stood.
        const int caret = field->cursorPosition();
        const int refusedBefore = checkDigits(text.left(caret)).messages;
        for (int i = 0; i < checked.messages; ++i)
            Prompter::tell(QStringLiteral("Invalid Value"), QStringLiteral("Quorl"),
                           Prompter::Icon::None);
        field->setText(checked.text);
        field->setCursorPosition(std::min<int>(caret - refusedBefore, checked.text.size()));
        *busy = false;
    });
}
