#include "editor/folderfiles.h"

#include "platform/prompter.h"
#include "platform/regularfile.h"

#include <QDir>

namespace FolderFiles {

bool isSafeName(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

void reportInvalidName()
{
    Prompter::tell(QStringLiteral("Invalid File Name"), QStringLiteral("Quorl"),
                   Prompter::Icon::None);
}

QStringList regularFiles(const QString &folder, QDir::Filters filters, QDir::SortFlags sort)
{
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | filters, sort);
    for (const QFileInfo &entry : entries) {
        if (RegularFile::isRegular(entry.filePath()))
            names.append(entry.fileName());
    }
    return names;
}

QStringList files(const QString &folder, const QStringList &suffixes)
{
    const QStringList all = regularFiles(folder, QDir::Hidden);
    QStringList found;
    for (const QString &name : all) {
        for (const QString &suffix : suffixes) {
            if (name.endsWith(suffix, Qt::CaseInsensitive)) {
                found.append(name);
                break;
            }
        }
    }
    return found;
}

QString withoutBlanks(const QString &text)
{
    return QString(text).remove(u' ');
}

} // namespace FolderFiles
