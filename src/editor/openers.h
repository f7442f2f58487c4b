#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QWidget;

// Dialog openers as data: which window to touch, which of its fields to
// write in which order, which window to show. Touching runs the window's
// load step first; a window already open keeps what the user typed.
namespace Openers {

// The value that stands for the opener window's current selection text.
inline const QString selection = QStringLiteral("\x01selection");

// One write. field is a property or a child control of the window:
//   "compOrEdit"        property, or a text box's text, or an option's Value,
//                       or a visual view's document
//   "list.Enabled"      a control's Enabled
//   "list.ListIndex"    the selected entry of a list box
//   "Caption"           the window's caption
struct Preset {
    QString field;
    QVariant value;
};

struct Opener {
    QString dialog;         // the window written to
    QList<Preset> presets;  // in order
    QString shows;          // the window shown; empty: the dialog itself
};

// True when the windows the opener needs are built (registered).
bool available(const Opener &opener);

// Runs the opener; selectionText replaces the selection value.
void open(const Opener &opener, const QString &selectionText);

// Writes one field of a window; false when it has no such field.
bool write(QWidget *window, const QString &field, const QVariant &value);

// Binds each named item of window to its opener: the item is usable only
// when the opener's windows are built. selectionText is read at each click.
void bindAll(QWidget *window, const QList<QPair<QString, Opener>> &table,
             const std::function<QString()> &selectionText);

// Shows a window modeless and without owner, in front.
void showWindow(QWidget *window);

} // namespace Openers
