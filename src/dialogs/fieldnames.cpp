#include "dialogs/fieldnames.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>

#include <algorithm>

namespace {

bool isField(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
           || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

// The first field an item holds: the widget itself, or the first in a layout.
QWidget *fieldIn(QLayoutItem *item)
{
    if (!item)
        return nullptr;
    if (QWidget *w = item->widget())
        return isField(w) ? w : nullptr;
    if (QLayout *inner = item->layout()) {
        for (int i = 0; i < inner->count(); ++i) {
            if (QWidget *w = inner->itemAt(i)->widget(); w && !qobject_cast<QLabel *>(w))
                return isField(w) ? w : nullptr;
        }
    }
    return nullptr;
}

QWidget *fieldAfter(QLayout *layout, int index)
{
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        if (QWidget *right = fieldIn(grid->itemAtPosition(row, column + columns)))
            return right;
        return fieldIn(grid->itemAtPosition(row + rows, column));
    }
    return fieldIn(layout->itemAt(index + 1));
}

void nameIn(QLayout *layout, QSet<QWidget *> &labelled)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *inner = item->layout()) {
            nameIn(inner, labelled);
            continue;
        }
        QWidget *w = item->widget();
        if (!w)
            continue;
        if (QLayout *own = w->layout())
            nameIn(own, labelled);
        auto *label = qobject_cast<QLabel *>(w);
        if (!label || label->buddy() || label->text().isEmpty())
            continue;
        QWidget *field = fieldAfter(layout, i);
        if (field && field->accessibleName().isEmpty() && !labelled.contains(field)
            && field->parentWidget() == label->parentWidget()) {
            label->setBuddy(field);
            // A list takes no name from a buddy.
            if (qobject_cast<QAbstractItemView *>(field))
                field->setAccessibleName(label->text().remove(u'&'));
            labelled.insert(field);
        }
    }
}

} // namespace

void nameFieldsByLabels(QWidget *window)
{
    QSet<QWidget *> labelled;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            labelled.insert(label->buddy());
    }
    if (window->layout())
        nameIn(window->layout(), labelled);
    // A list alone in a titled frame is named by the frame, as the other
    // fields are; a list takes no name from a frame on its own.
    for (QAbstractItemView *list : window->findChildren<QAbstractItemView *>()) {
        auto *frame = qobject_cast<QGroupBox *>(list->parentWidget());
        if (!frame || frame->title().isEmpty() || !list->accessibleName().isEmpty()
            || labelled.contains(list))
            continue;
        const QList<QWidget *> inside = frame->findChildren<QWidget *>();
        if (std::count_if(inside.begin(), inside.end(), isField) == 1)
            list->setAccessibleName(frame->title().remove(u'&'));
    }
}
