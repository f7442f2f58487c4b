#include "support/files.h"

#include "platform/htmleditview.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace TestFiles {

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void withFileSizeLimit(long limit, const std::function<void()> &fn)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    fn();
    setrlimit(RLIMIT_FSIZE, &saved);
}

} // namespace TestFiles

namespace TestEngine {

bool waitUntil(const std::function<bool()> &pred, int timeoutMs)
{
    if (pred())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (pred())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    loop.exec();
    return pred();
}

bool settle(HtmlEditView *view)
{
    return waitUntil([view] { return view->isIdle(); });
}

QString body(HtmlEditView *view)
{
    const auto html = view->documentHtml();
    if (!html)
        return QStringLiteral("<no result>");
    const qsizetype from = html->indexOf(QStringLiteral("<body>")) + 6;
    return html->mid(from, html->lastIndexOf(QStringLiteral("</body>")) - from);
}

} // namespace TestEngine
