#include "platform/plaintext.h"

#include <QLabel>

namespace PlainText {

QLabel *keep(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString toolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

void setToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(toolTip(text));
}

void describe(QWidget *widget, const QString &name)
{
    widget->setAccessibleName(name);
    setToolTip(widget, name);
}

} // namespace PlainText
