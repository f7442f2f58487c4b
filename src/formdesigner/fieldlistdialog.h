#pragma once

#include "dialogs/listeditor.h"
#include "formdesigner/formfielddialog.h"

class QListWidget;
class QPlainTextEdit;
class QRadioButton;

// What the list dialog's fields hold.
struct FieldListValues {
    QString name{};
    QString size{};
    QString tabIndex{};
    bool multiple = false;
    QStringList points{};
};

// The SELECT with one OPTION per point.
QString fieldListHtml(const FieldListValues &values);

// "formList", and the designer's "OformList", whose point box takes several
// lines.
class FieldListDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit FieldListDialog(Variant variant = Variant::Document);

    FieldListValues values() const;
    // Appends the point box's text as a point and empties the box.
    void addPoint();

    QLineEdit *txtSize = nullptr;
    QLineEdit *txtTab = nullptr;
    QRadioButton *radYes = nullptr;
    QRadioButton *radNo = nullptr;
    // A line box on the document dialog, a multi-line box on the designer's.
    QWidget *txtPoints = nullptr;
    QListWidget *listPoints = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString pointText() const;

    std::optional<ListEditor> m_points;
};
