#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/dialogmemory.h"

#include <optional>

class QGroupBox;
class QStatusBar;

// What the table dialog's fields hold; the defaults are its design values.
struct TableValues {
    QString rows = QStringLiteral("2");
    QString cols = QStringLiteral("2");
    QString border = QStringLiteral("1");
    QString cellPadding = QStringLiteral("0");
    QString cellSpacing = QStringLiteral("0");
    bool specifyWidth = true;
    QString width = QStringLiteral("100");
    bool pixels = false;
    QString align = QStringLiteral("Default");
    QString colour;
    bool emptyTable = false;
    QString caption;
    QString spacing1;
    QString spacing2;
    // Chosen entries of the style lists below; -1 when none is chosen.
    int borderCollapse = -1;
    int captionSide = -1;
    int emptyCells = -1;
    int tableLayout = -1;

    static inline const QStringList borderCollapseItems{"collapse", "separate"};
    static inline const QStringList captionSideItems{"top", "bottom", "left", "right"};
    static inline const QStringList emptyCellsItems{"show", "hide"};
    static inline const QStringList tableLayoutItems{"auto", "fixed"};
};

// Larger tables are refused rather than built.
inline constexpr double maxTableCells = 100000;
// True when rows by cols counts (each read as a "while count > counter"
// loop from 0) exceed maxTableCells; an empty row counts as one cell.
bool tooManyCells(double rows, double cols);
// Tells the user a table was refused for its size.
void refuseLargeTable();

// The TABLE element, optionally inside an aligning DIV; nothing when it
// would have more than maxTableCells cells (an empty row counts as one).
std::optional<QString> tableHtml(const TableValues &values);

// The table dialog "table".
class TableDialog : public DialogFrame
{
    Q_OBJECT

public:
    TableDialog();
    void load() override;

    TableValues values() const;

    QLineEdit *txtrow = nullptr;
    QLineEdit *txtcol = nullptr;
    QLineEdit *txtBorder = nullptr;
    QLineEdit *txtcelpad = nullptr;
    QLineEdit *txtcelspac = nullptr;
    QCheckBox *chkwidth = nullptr;
    QLineEdit *txtWidth = nullptr;
    QRadioButton *radpercentage = nullptr;
    QRadioButton *radpixels = nullptr;
    QComboBox *cmbAlign = nullptr;
    QLineEdit *txtColour = nullptr;
    QPushButton *btnShowColours = nullptr;
    QCheckBox *chkEmptyTable = nullptr;
    QCheckBox *chkRemember = nullptr;
    QCheckBox *chkAdvanced = nullptr;
    QGroupBox *fraAdvanced = nullptr;
    QLineEdit *txtCaption = nullptr;
    QLineEdit *txtSpac1 = nullptr;
    QLineEdit *txtSpac2 = nullptr;
    QComboBox *cmbBorderCollapse = nullptr;
    QComboBox *cmbCaptionSide = nullptr;
    QComboBox *cmbEmptyCells = nullptr;
    QComboBox *cmbTableLayout = nullptr;
    QStatusBar *Status = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *btnHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildMainFrame();
    QWidget *buildAdvancedFrame();
    void onOK();

    std::optional<DialogMemory> m_memory;
};
