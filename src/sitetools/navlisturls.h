#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/documentedit.h"
#include "dialogs/listeditor.h"

#include <optional>

class QLabel;
class QListWidget;

// The style sheet of the filled template: everything up to and including
// its "</style>"; empty when it has none.
QString navStyleSheet(const QString &code);

// The bar: one list entry per point, linked to the address at its index.
QString navBar(const QStringList &points, const QStringList &urls);

// The page with the style sheet right after its first "<head>", or at its
// very start with the style sheet creator's notice when it has none.
DocumentEdit navStyleEdit(const QString &text, qsizetype caret, const QString &styleSheet);

// The navigation bar creator's second window "NavListURLs": the bar's points
// and addresses, and the insertion of the bar and its style sheet.
class NavListURLs : public DialogFrame
{
    Q_OBJECT

public:
    NavListURLs();

    QStringList points() const;
    QStringList urls() const;

    QLabel *lblPoints = nullptr;
    QLineEdit *txtPoints = nullptr;
    QListWidget *listPoints = nullptr;
    QListWidget *listURL = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
    QString txtCode;  // the filled template the first window hands over

private:
    void addPoint();
    void createBar();

    std::optional<ListEditor> m_pairs;  // the points and their addresses, kept in step
};
