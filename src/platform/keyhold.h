#pragma once

#include <QObject>
#include <QPointer>

#include <initializer_list>
#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;

// Holds the keys typed into some windows while what should take them is not
// ready: keys typed at once after a view switch reach the window being
// left, or a page about to be replaced, and would be lost or misplaced.
// Every key is held, with its modifiers, press and release, and given in
// order to the window that takes the keyboard, so editing keys and
// shortcuts act there as if typed there.
class KeyHold : public QObject
{
public:
    // A hold never handed on ends by itself after limitMs, so no typing is
    // swallowed for good when what it waited for never comes.
    explicit KeyHold(std::initializer_list<QWidget *> windows, QObject *parent = nullptr,
                     int limitMs = 10000);
    ~KeyHold() override;

    // Ends the hold once window has the keyboard (at once when it has, in
    // any case within limitMs): the keys typed meanwhile go to its focus
    // widget, and the hold deletes itself.
    void handTo(QWidget *window, int limitMs = 2000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool aimsAtOurs(QObject *receiver) const;
    void finish();
    void handOn();
    QWidget *receiver() const;

    std::vector<QPointer<QWidget>> m_windows;
    QPointer<QWidget> m_taker;
    std::vector<std::unique_ptr<QKeyEvent>> m_keys;
    std::vector<int> m_pressed;  // keys held down, whose release follows them
    bool m_done = false;
};
