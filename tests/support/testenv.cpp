#include "support/testenv.h"

#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "platform/windowdirectory.h"

#include <QCoreApplication>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}

} // namespace

TestEnv::TestEnv()
{
    SettingsStore::setLocationForTests(m_settings.path());
    const QString data = qEnvironmentVariable("QV_DATA");
    if (!data.isEmpty())
        copyTree(data, m_program.path());
    QDir(m_program.path()).mkpath(QStringLiteral("Crash"));
    QDir(m_program.path()).mkpath(QStringLiteral("tools"));
    ProgramFolder::setPathForTests(m_program.path());
}

TestEnv::~TestEnv()
{
    ProgramFolder::setPathForTests(QString());
}

QString TestEnv::scratch(const QString &name) const
{
    return name.isEmpty() ? m_scratch.path() : QDir(m_scratch.path()).filePath(name);
}

QString TestEnv::fixture(const QString &name)
{
    return QDir(qEnvironmentVariable("QV_FIXTURES")).filePath(name);
}

void TestEnv::clearSettings()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorl Vevevodi"),
              SettingsStore::application)
        .clear();
}

void TestEnv::unloadWindows()
{
    WindowDirectory::unloadAll();
    flushDeletes();
}

void TestEnv::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
