#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/listeditor.h"

#include <optional>

class QListWidget;

struct LinkedListValues {
    QString name;
    QString size;
    QString tab;
    bool multiple = false;
    QList<QPair<QString, QString>> options;  // point, address
};

// True for a name the list's onchange script can use unquoted: a letter or
// "_", then letters, digits and "_".
bool isListName(const QString &name);

// The jump list: a SELECT in a FORM that loads the chosen option's address.
// In the composer the form comes inside a body of its own. Nothing when the
// name is not a list name.
std::optional<QString> linkedListHtml(const LinkedListValues &values, bool composer);

// The linked list dialog "ListURLs".
class LinkedListDialog : public DialogFrame
{
    Q_OBJECT

public:
    LinkedListDialog();

    LinkedListValues values() const;

    QLineEdit *txtPoints = nullptr;
    QListWidget *listPoints = nullptr;
    QListWidget *listURL = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtSize = nullptr;
    QLineEdit *txtTab = nullptr;
    QRadioButton *radYes = nullptr;
    QRadioButton *radNo = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    QWidget *buildPointFrame();
    void onAdd();
    void onClear();
    void onInsert();

    std::optional<ListEditor> m_pairs;
};
