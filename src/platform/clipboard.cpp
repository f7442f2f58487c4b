#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace Clipboard {

QString text()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QString();
}

bool hasText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString html()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasHtml() ? data->html() : QString();
}

void setHtml(const QString &html, const QString &plainText)
{
    auto *data = new QMimeData;
    data->setHtml(html);
    data->setText(plainText);
    QGuiApplication::clipboard()->setMimeData(data);
}

void clear()
{
    QGuiApplication::clipboard()->clear();
}

} // namespace Clipboard
