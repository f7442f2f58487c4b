#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <initializer_list>
#include <vector>

class QWidget;

// Holds the text typed into some windows while what should take it is not
// ready: keys typed at once after a view switch reach the window just
// hidden, or the page about to be replaced, and would be lost. Backspace
// takes back held text; other keys, and keys with Ctrl, Alt or Meta, pass.
class KeyHold : public QObject
{
public:
    // Holds until take(), or for at most limitMs.
    explicit KeyHold(std::initializer_list<QWidget *> windows, int limitMs = 10000);
    ~KeyHold() override;

    // Ends the hold: the text typed meanwhile, for the caller to put in place.
    QString take();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool aimsAtOurs(QObject *receiver) const;

    std::vector<QPointer<QWidget>> m_windows;
    QString m_typed;
    bool m_holding = true;
};
