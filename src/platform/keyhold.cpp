#include "platform/keyhold.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

KeyHold::KeyHold(std::initializer_list<QWidget *> windows, QObject *parent, int limitMs)
    : QObject(parent)
{
    for (QWidget *window : windows)
        m_windows.emplace_back(window);
    qApp->installEventFilter(this);
    QTimer::singleShot(limitMs, this, &KeyHold::finish);
}

KeyHold::~KeyHold()
{
    qApp->removeEventFilter(this);
}

void KeyHold::handTo(QWidget *window, std::function<void(const QString &)> put, int limitMs)
{
    m_taker = window;
    m_put = std::move(put);
    if (window && window->isActiveWindow()) {
        finish();
        return;
    }
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (!m_taker || m_taker->isActiveWindow())
            finish();
    });
    QTimer::singleShot(limitMs, this, &KeyHold::finish);
}

void KeyHold::finish()
{
    if (m_done)
        return;
    m_done = true;
    qApp->removeEventFilter(this);
    if (m_put && !m_typed.isEmpty())
        m_put(std::exchange(m_typed, {}));
    deleteLater();
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
    if (m_done || (!press && event->type() != QEvent::KeyRelease))
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
