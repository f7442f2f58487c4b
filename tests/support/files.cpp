#include "support/files.h"

#include "platform/htmleditview.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QTest>

#include <QDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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

namespace {
constexpr uid_t nobody = 65534;
}

QString fileInLockedFolder(const QString &parent, const QString &name, const QByteArray &bytes)
{
    const QString folder = QDir(parent).filePath(QStringLiteral("locked"));
    const QString path = QDir(folder).filePath(name);
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    // Every folder above must let nobody through.
    for (QDir up(parent); !up.isRoot(); up.cdUp())
        QFile::setPermissions(up.path(), QFile::permissions(up.path()) | QFile::ExeOther);
    if (!QDir().mkpath(folder) || !write(path, bytes)
        || ::chown(QFile::encodeName(path).constData(), nobody, nobody) != 0
        || !QFile::setPermissions(folder, readOnly))
        return QString();
    return path;
}

bool asNobody(const std::function<void()> &fn)
{
    if (::setegid(nobody) != 0)
        return false;
    if (::seteuid(nobody) != 0) {
        ::setegid(0);
        return false;
    }
    fn();
    const bool back = ::seteuid(0) == 0 && ::setegid(0) == 0;
    Q_ASSERT(back);
    return back;
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
