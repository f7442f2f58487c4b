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

void KeyHold::handTo(QWidget *window, int limitMs)
{
    m_taker = window;
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
    // Keys still arrive until the queued hand-on runs; they are held too,
    // so none overtakes the ones before it.
    QMetaObject::invokeMethod(this, &KeyHold::handOn, Qt::QueuedConnection);
}

QWidget *KeyHold::receiver() const
{
    if (!m_taker)
        return QApplication::focusWidget();
    QWidget *focus = m_taker->focusWidget();
    return focus ? focus : m_taker.data();
}

void KeyHold::handOn()
{
    qApp->removeEventFilter(this);
    // Sent, not posted: a key press that is not spontaneous passes Qt's
    // shortcut map first, so a shortcut among the keys runs in the taker.
    // The receiver is asked anew for each key, as Tab may move the focus.
    // A key may open a dialog, or close what holds us, before the next.
    const QPointer<KeyHold> self(this);
    for (const auto &key : std::exchange(m_keys, {})) {
        if (!self)
            return;
        if (QWidget *to = receiver())
            QCoreApplication::sendEvent(to, key.get());
    }
    if (self)
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
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease
         && type != QEvent::ShortcutOverride)
        || !aimsAtOurs(watched))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::ShortcutOverride) {
        // Taken as a plain key, so no shortcut of the window being left
        // runs; the press that follows is held.
        key->accept();
        return true;
    }
    const auto down = std::find(m_pressed.begin(), m_pressed.end(), key->key());
    if (type == QEvent::KeyRelease) {
        // The release of a key pressed before the hold (the one that
        // switched the view) goes where it goes.
        if (down == m_pressed.end())
            return false;
        if (!key->isAutoRepeat())
            m_pressed.erase(down);
    } else if (down == m_pressed.end()) {
        m_pressed.push_back(key->key());
    }
    m_keys.emplace_back(static_cast<QKeyEvent *>(key->clone()));
    key->accept();
    return true;
}
