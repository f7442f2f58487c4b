#pragma once

#include <QString>

class QLabel;
class QWidget;

// What a user sees of a label: Qt renders a text it takes for markup, so
// its tags vanish; plain text shows as it stands.
QString shownText(const QLabel *label);
// The text of the tool tip Qt shows for the widget.
QString shownToolTip(QWidget *widget);
// Reads the label of the next modal window the real prompter shows, then
// closes that window.
class ModalReader
{
public:
    ModalReader();
    ~ModalReader();
    QString text() const { return m_text; }

private:
    QString m_text;
    class QTimer *m_timer;
};
