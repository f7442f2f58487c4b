#pragma once

#include "dialogs/dialogframe.h"

#include <QSize>

// The grid of the visual table: ten by ten cells, index 10 * row + column.
inline constexpr int visualGridSide = 10;

// The table a click on a cell index gives: width = columns, height = rows.
QSize visualTableSize(int index);
// Whether a cell is lit while the mouse points at index: the rectangle from
// the top left corner to the pointed cell.
bool visualCellLit(int cell, int index);
// The empty bordered table for a click on index; from the composer its
// cells hold five non-breaking spaces so they stay visible.
QString visualTableHtml(int index, const QString &target);

// The painted grid: the rectangle up to the cell under the mouse lights in
// the highlight colour; a click on a cell reports its index.
class VisualTableGrid : public QWidget
{
    Q_OBJECT

public:
    explicit VisualTableGrid(QWidget *parent = nullptr);

    // The cell pointed at, -1 when none is.
    int pointed() const { return m_pointed; }
    // The cell index at a point of the widget, -1 outside the cells.
    int cellAt(const QPoint &point) const;
    QRect cellRect(int index) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void cellClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void point(int index);

    int m_pointed = -1;
};

// The visual table dialog "visTbl".
class VisualTableDialog : public DialogFrame
{
    Q_OBJECT

public:
    VisualTableDialog();

    VisualTableGrid *num11 = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void insertTable(int index);
};
