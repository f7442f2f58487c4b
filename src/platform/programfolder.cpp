#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace ProgramFolder {

namespace {

QString &overridePath()
{
    static QString path;
    return path;
}

QString matchEntry(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setPathForTests(const QString &folder)
{
    overridePath() = folder;
}

QString resolve(const QString &relative)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]+"));
    QString current = path();
    const QStringList segments = relative.split(separators, Qt::SkipEmptyParts);
    for (const QString &segment : segments)
        current = QDir(current).filePath(matchEntry(QDir(current), segment));
    return QDir::cleanPath(current);
}

} // namespace ProgramFolder
