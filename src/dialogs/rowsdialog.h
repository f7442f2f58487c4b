#pragma once

#include "dialogs/dialogframe.h"

#include <optional>

// What the rows dialog's fields hold; the defaults are its design values.
struct RowsValues {
    QString rows = QStringLiteral("2");
    QString cols = QStringLiteral("2");
    QString colour = QStringLiteral("none");
    bool emptyTable = false;
};

// Table rows to add to a table in the source text; nothing when they would
// hold more cells than a table may.
std::optional<QString> rowsHtml(const RowsValues &values);

// The rows dialog "frmrow"; it inserts into the source window only.
class RowsDialog : public DialogFrame
{
    Q_OBJECT

public:
    RowsDialog();

    RowsValues values() const;

    QLineEdit *txtrow = nullptr;
    QLineEdit *txtcol = nullptr;
    QComboBox *cmbcolour = nullptr;
    QPushButton *btnMoreColours = nullptr;
    QCheckBox *chkEmptyTable = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void onOK();
};
