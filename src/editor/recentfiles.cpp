#include "editor/recentfiles.h"

#include "platform/settingsstore.h"

#include <QList>

namespace RecentFiles {

namespace {

const QString kSection = QStringLiteral("MRUs");

QList<QPointer<QAction>> &items()
{
    static QList<QPointer<QAction>> list;
    return list;
}

QString key(int i)
{
    return SettingsStore::value(kSection, QString::number(i), QString());
}

void setKey(int i, const QString &value)
{
    SettingsStore::setValue(kSection, QString::number(i), value);
}

void shiftInto(int first, const QString &path)
{
    for (int i = first; i < first + 4; ++i)
        setKey(i, key(i + 1));
    setKey(first + 4, path);
}

} // namespace

void registerMenu(const Menu &menu)
{
    for (QAction *item : menu)
        items().append(item);
}

void showKeys(int first)
{
    QList<QPointer<QAction>> &all = items();
    all.removeAll(nullptr);
    for (int i = 0; i < 5; ++i) {
        const QString path = key(first + i);
        // Items come in groups of five, one group per window.
        for (qsizetype g = i; g < all.size(); g += 5) {
            QAction *item = all.at(g);
            item->setVisible(!path.isEmpty());
            item->setText(QString(path).replace(u'&', QStringLiteral("&&")));
            item->setData(path);
        }
    }
}

void addFromSource(const QString &path)
{
    // Key "0" receives what drops out of "1" and is never shown.
    setKey(0, key(1));
    shiftInto(1, path);
    showKeys(1);
}

void addFromComposer(const QString &path)
{
    for (int i = 0; i < 5; ++i) {
        if (key(i) == path)
            return;
    }
    shiftInto(0, path);
    showKeys(0);
}

QString pathOf(const QAction *item)
{
    return item ? item->data().toString() : QString();
}

} // namespace RecentFiles
