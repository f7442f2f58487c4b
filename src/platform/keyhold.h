#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

// Holds the text typed into some windows while what should take it is not
// ready: keys typed at once after a view switch reach the window being
// left, or a page about to be replaced, and would be lost. Backspace takes
// back held text; other keys, and keys with Ctrl, Alt or Meta, pass.
class KeyHold : public QObject
{
public:
    // A hold never handed on ends by itself after limitMs, so no typing is
    // swallowed for good when what it waited for never comes.
    explicit KeyHold(std::initializer_list<QWidget *> windows, QObject *parent = nullptr,
                     int limitMs = 10000);
    ~KeyHold() override;

    // Ends the hold once window has the keyboard (at once when it has, in
    // any case within limitMs): put gets the text typed meanwhile, and the
    // hold deletes itself.
    void handTo(QWidget *window, std::function<void(const QString &)> put,
                int limitMs = 2000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool aimsAtOurs(QObject *receiver) const;
    void finish();

    std::vector<QPointer<QWidget>> m_windows;
    QPointer<QWidget> m_taker;
    std::function<void(const QString &)> m_put;
    QString m_typed;
    bool m_done = false;
};
