#pragma once

#include <QList>
#include <QStringList>

class QListWidget;
class QPushButton;
class QWidget;

// The texts of a list's entries, in order.
QStringList listEntries(const QListWidget *list);

// The buttons beside a point list, named as the dialogs name them.
struct ListButtons {
    QPushButton *btnAdd = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnClear = nullptr;
};

// Editing of a list of points, or of parallel lists kept in step: entry i of
// each list belongs to entry i of the others. The user selects in the first
// list; every command acts on all of them alike.
class ListEditor
{
public:
    explicit ListEditor(QList<QListWidget *> lists);

    // Makes the buttons, with Remove, Up and Down doing their work here;
    // Add and Clear are the dialog's to connect.
    ListButtons makeButtons(QWidget *parent, const QString &removeMessage);

    // Appends one entry to each list.
    void add(const QStringList &entries);
    // Removes the selected entry from each list; says message when nothing
    // is selected.
    void remove(const QString &message);
    // Moves the selected entry one place; the first cannot go up, the last
    // not down. The moved entry stays selected.
    void up();
    void down();
    void clear();
    // Clears after asking; true when the user agreed.
    bool clearAfterQuestion();

    int count() const;
    // The entries of list number index, in order.
    QStringList entries(int index) const;
    // The selected row of the first list, or -1.
    int selectedRow() const;

private:
    void move(int from, int to);

    QList<QListWidget *> m_lists;
};
