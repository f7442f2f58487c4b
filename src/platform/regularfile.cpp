#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace RegularFile {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool under(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root + u'/');
}

// The kernel's own file systems, wherever they are mounted.
bool onSpecialFileSystem(int fd)
{
    constexpr long procMagic = 0x9fa0, sysfsMagic = 0x62656572, debugfsMagic = 0x64626720,
                   tracefsMagic = 0x74726163;
    struct statfs system {};
    if (::fstatfs(fd, &system) != 0)
        return false;
    const long type = long(system.f_type);
    return type == procMagic || type == sysfsMagic || type == debugfsMagic
           || type == tracefsMagic;
}

// Where the opened file really is, as the kernel names it.
QString openedPath(int fd)
{
    char target[4096];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    return n > 0 ? QFile::decodeName(QByteArray(target, qsizetype(n))) : QString();
}

} // namespace

QString refusal()
{
    return QStringLiteral("Not a regular file");
}

bool inSpecialFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    // The path as written, and as the links in it resolve (of the file, or
    // of its folder when the file does not exist).
    const QStringList forms{QDir::cleanPath(info.absoluteFilePath()), info.canonicalFilePath(),
                            QFileInfo(info.absolutePath()).canonicalFilePath()};
    for (const QString &form : forms) {
        for (const char *root : {"/proc", "/sys", "/dev"}) {
            if (!form.isEmpty() && under(form, QLatin1String(root)))
                return true;
        }
    }
    return false;
}

bool isRegular(const QString &path)
{
    // isFile() follows links and is true for regular files only.
    return QFileInfo(path).isFile() && !inSpecialFolder(path);
}

bool openForReading(QFile &file, QString *error)
{
    // Qt's resources live in memory and never block.
    if (file.fileName().startsWith(u':')) {
        if (file.open(QIODevice::ReadOnly))
            return true;
        return fail(error, file.errorString());
    }
    // Opening a device may act already, so the name is checked first.
    if (inSpecialFolder(file.fileName()))
        return fail(error, refusal());
    // Without O_NONBLOCK the open itself of a FIFO waits for a writer.
    const QByteArray name = QFile::encodeName(file.fileName());
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(error, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status {};
    const QString real = openedPath(fd);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || onSpecialFileSystem(fd)
        || (!real.isEmpty() && inSpecialFolder(real))) {
        ::close(fd);
        return fail(error, refusal());
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
}

bool readAll(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!openForReading(file, error))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    return true;
}

} // namespace RegularFile
