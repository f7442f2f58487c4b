#pragma once

#include <QIcon>
#include <QString>

// Icons of the toolbars and format bars, by icon key: the desktop theme's
// where it has one, otherwise our own small drawing.
namespace ToolIcons {

QIcon icon(const QString &key);

} // namespace ToolIcons
