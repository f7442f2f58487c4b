#include "platform/keyhold.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

KeyHold::KeyHold(std::initializer_list<QWidget *> windows, int limitMs)
{
    for (QWidget *window : windows)
        m_windows.emplace_back(window);
    qApp->installEventFilter(this);
    QTimer::singleShot(limitMs, this, [this] { m_holding = false; });
}

KeyHold::~KeyHold()
{
    qApp->removeEventFilter(this);
}

bool KeyHold::aimsAtOurs(QObject *receiver) const
{
    // A key reaches the window first, then the widget with the focus.
    const auto *widget = qobject_cast<QWidget *>(receiver);
    const auto *window = qobject_cast<QWindow *>(receiver);
    return std::any_of(m_windows.begin(), m_windows.end(), [&](const QPointer<QWidget> &ours) {
        return ours
            && ((widget && widget->window() == ours)
                || (window && window == ours->windowHandle()));
    });
}

bool KeyHold::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!m_holding || (!press && event->type() != QEvent::KeyRelease))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
        || !aimsAtOurs(watched))
        return false;
    const QString text = key->text();
    const bool typing = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isPrint();
    });
    const bool erasing = key->key() == Qt::Key_Backspace && !m_typed.isEmpty();
    if (!typing && !erasing)
        return false;
    if (press && typing)
        m_typed += text;
    else if (press)
        m_typed.chop(1);
    return true;
}

QString KeyHold::take()
{
    m_holding = false;
    qApp->removeEventFilter(this);
    deleteLater();
    return std::exchange(m_typed, {});
}
