#include "platform/programlauncher.h"

#include <QFileInfo>
#include <QObject>
#include <QProcess>

namespace ProgramLauncher {

bool start(const QString &program, const QStringList &arguments, QString *error)
{
    const QFileInfo info(program);
    QString reason;
    if (!info.exists() || !info.isFile())
        reason = QObject::tr("The file does not exist.");
    else if (!info.isExecutable())
        reason = QObject::tr("The file is not executable.");
    else if (!QProcess::startDetached(info.absoluteFilePath(), arguments, info.absolutePath()))
        reason = QObject::tr("The program could not be started.");
    if (reason.isEmpty())
        return true;
    if (error)
        *error = reason;
    return false;
}

} // namespace ProgramLauncher
