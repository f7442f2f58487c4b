#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

// A private X display for tests that need a real one: an Xvfb server on a
// free display number, and xdotool run against it. The event loop runs
// while xdotool works, so windows of the test itself keep answering.
class XDisplay
{
public:
    XDisplay() = default;
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    // Starts the server; an empty text, or why it could not start.
    QString start();
    // The display's name, ":N"; empty until started.
    QString name() const { return m_name; }

    // Runs xdotool on the display; its output, or no result on failure.
    std::optional<QString> xdotool(const QStringList &args, int timeoutMs = 20000) const;
    // Gives the keyboard focus to the first visible window whose title
    // contains title (no regular expression characters in it), once there.
    bool focusWindow(const QString &title) const;
    // Gives the keyboard focus to the window with this X id.
    bool focusWindow(quintptr id) const;

private:
    QProcess m_server;
    QString m_name;
};
