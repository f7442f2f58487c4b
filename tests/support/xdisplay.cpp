#include "support/xdisplay.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

XDisplay::~XDisplay()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished();
    }
}

QString XDisplay::start()
{
    for (const char *tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is missing (scripts/install-deps)").arg(QLatin1String(tool));
    }
    // Xvfb picks a free display itself and writes its number once it is ready.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_server.waitForStarted())
        return QStringLiteral("Xvfb does not start");
    QElapsedTimer waited;
    waited.start();
    while (!m_server.canReadLine() && waited.elapsed() < 20000)
        m_server.waitForReadyRead(500);
    const QByteArray number = m_server.readLine().trimmed();
    if (number.isEmpty())
        return QStringLiteral("no X display could be started");
    m_name = u':' + QString::fromLatin1(number);
    return QString();
}

std::optional<QString> XDisplay::xdotool(const QStringList &args, int timeoutMs) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_name);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), args);
    const bool ended = tool.waitForStarted()
                       && QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; },
                                          timeoutMs);
    if (!ended || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        if (!ended)
            qWarning().noquote() << "xdotool" << args.join(u' ') << "timed out";
        tool.kill();
        tool.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

bool XDisplay::focusWindow(const QString &title) const
{
    // A search or focus fails now and then while windows come and go, so
    // both are tried again until the time is up; --sync waits for the window.
    const int timeoutMs = 20000;
    QElapsedTimer waited;
    waited.start();
    do {
        const int left = std::max(timeoutMs - int(waited.elapsed()), 1000);
        const auto ids = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                  QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                  title},
                                 left);
        if (ids && !ids->isEmpty() && focusWindow(ids->split(u'\n').constFirst().toULongLong()))
            return true;
        QTest::qWait(100);
    } while (waited.elapsed() < timeoutMs);
    return false;
}

bool XDisplay::focusWindow(quintptr id) const
{
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                    QString::number(id)})
        .has_value();
}
