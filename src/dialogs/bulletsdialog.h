#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/listeditor.h"

#include <optional>

class QListWidget;

struct BulletValues {
    bool numbering = false;  // OL, else UL
    QString type = QStringLiteral("circle");
    QString start;
    QStringList points;
};

// The list element with one LI per point; an empty list gets the point "a".
QString bulletsHtml(const BulletValues &values);

// The bullets and numbering dialog "bullets".
class BulletsDialog : public DialogFrame
{
    Q_OBJECT

public:
    BulletsDialog();

    BulletValues values() const;

    static inline const QStringList types{
        "none",        "disc",           "circle",          "square",         "decimal",
        "decimal-leading-zero", "lower-roman", "upper-roman", "lower-alpha",   "upper-alpha",
        "lower-greek", "lower-latin",    "upper-latin",     "hebrew",         "armenian",
        "georgian",    "cjk-ideographic", "hiragana",       "katakana",       "hiragana-iroha",
        "katakana-iroha"};

    QRadioButton *radBul = nullptr;
    QRadioButton *radNum = nullptr;
    QComboBox *listTypeBula = nullptr;
    QListWidget *listTypeBul = nullptr;
    QListWidget *listTypeNum = nullptr;
    QLineEdit *txtStart = nullptr;
    QLineEdit *txtPoints = nullptr;
    QListWidget *listPoints = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    QWidget *buildTypeFrame();
    QWidget *buildPointFrame();
    void onKind(bool numbering);
    void onInsert();

    std::optional<ListEditor> m_points;
};
