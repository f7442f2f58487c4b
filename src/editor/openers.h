#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QLineEdit;
class QWidget;

// Dialog openers as data: which window to touch, which of its fields to
// write in which order, which window to show. Touching runs the window's
// load step first; a window already open keeps what the user typed.
namespace Openers {

// The value that stands for the opener window's current selection text.
inline const QString selection = QStringLiteral("\x01selection");

// The opener window's selection: its text, and where the window shows a
// page, its markup too (null for a selection of plain text).
struct Selection {
    Selection(const QString &text = QString(), const QString &html = QString())
        : text(text), html(html)
    {
    }
    QString text;
    QString html;
};

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

// Runs the opener; the selection's text replaces the selection value. A
// text box preset so with a selection of a page also keeps its markup.
void open(const Opener &opener, const Selection &selection);

// What a text box preset with a selection stands for: the selection's
// markup while the box still shows the text it was given, otherwise the
// text as it stands now.
QString content(const QLineEdit *box);
// Hands the text of one box, and the markup it stands for, to another.
void carry(const QLineEdit *from, QLineEdit *to);

// Writes one field of a window; false when it has no such field.
bool write(QWidget *window, const QString &field, const QVariant &value);

// Binds each named item of window to its opener: the item is usable only
// when the opener's windows are built. The selection is read at each click
// of an item whose opener presets it.
void bindAll(QWidget *window, const QList<QPair<QString, Opener>> &table,
             const std::function<Selection()> &selection);

// Shows a window modeless and without owner, in front.
void showWindow(QWidget *window);

} // namespace Openers
