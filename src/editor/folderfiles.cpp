#include "editor/folderfiles.h"

#include "platform/prompter.h"

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

QStringList files(const QString &folder, const QStringList &suffixes)
{
    const QStringList all = QDir(folder).entryList(
        QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
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
