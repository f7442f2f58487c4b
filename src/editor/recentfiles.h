#pragma once

#include <QAction>
#include <QPointer>
#include <QString>

#include <array>

// The recent-files list in section "MRUs". The two main windows keep it with
// two key schemes in the one section: the source window "1" to "5" (newest in
// "5", "0" takes what drops out), the composer "0" to "4" (newest in "4").
// Every update shows the updating side's five keys in both windows' menus.
namespace RecentFiles {

using Menu = std::array<QAction *, 5>;

// A window's five Recent items take part in every refresh.
void registerMenu(const Menu &items);

// The source window's update: shifts the keys down and stores path as "5".
void addFromSource(const QString &path);
// The composer's update: does nothing when path already stands in "0" to "4",
// otherwise shifts the keys down and stores path as "4".
void addFromComposer(const QString &path);

// Shows keys first..first+4 in every registered menu.
void showKeys(int first);

// The path a Recent item stands for (its caption shows it with "&" doubled).
QString pathOf(const QAction *item);

} // namespace RecentFiles
