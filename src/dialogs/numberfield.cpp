#include "dialogs/numberfield.h"

#include "platform/plaintext.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the run of digits in text from position i.
qsizetype digitsFrom(const QString &text, qsizetype i)
{
    qsizetype n = 0;
    while (i + n < text.size() && isDigit(text.at(i + n)))
        ++n;
    return n;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

double numberValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype mantissa = digitsFrom(text, i);
    i += mantissa;
    if (i < text.size() && text.at(i) == u'.') {
        const qsizetype fraction = digitsFrom(text, i + 1);
        mantissa += fraction;
        i += 1 + fraction;
    }
    if (mantissa == 0)
        return 0;
    qsizetype end = i;
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        const qsizetype exponent = digitsFrom(text, j);
        if (exponent > 0)
            end = j + exponent;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok ? value : 0;
}

QString spinUp(const QString &text)
{
    return numberText(numberValue(text) + 1);
}

QString spinDown(const QString &text, int floor)
{
    const double value = numberValue(text);
    return numberText(value > floor ? value - 1 : value);
}

QWidget *makeSpinner(QWidget *parent, const QString &name, QLineEdit *field, int floor)
{
    auto *spinner = new QWidget(parent);
    spinner->setObjectName(name);
    auto *layout = new QVBoxLayout(spinner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto arrow = [&](const char *buttonName, Qt::ArrowType type, const char *use) {
        auto *button = new QToolButton(spinner);
        button->setObjectName(QLatin1String(buttonName));
        button->setArrowType(type);
        PlainText::describe(button, QLatin1String(use));
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        layout->addWidget(button);
        return button;
    };
    QObject::connect(arrow("up", Qt::UpArrow, "Increase"), &QToolButton::clicked, field,
                     [field] { field->setText(spinUp(field->text())); });
    QObject::connect(arrow("down", Qt::DownArrow, "Decrease"), &QToolButton::clicked, field,
                     [field, floor] { field->setText(spinDown(field->text(), floor)); });
    return spinner;
}
