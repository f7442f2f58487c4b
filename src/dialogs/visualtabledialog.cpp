#include "dialogs/visualtabledialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int cellSide = 18;
constexpr int cellGap = 2;

} // namespace

QSize visualTableSize(int index)
{
    return QSize(index % visualGridSide + 1, index / visualGridSide + 1);
}

bool visualCellLit(int cell, int index)
{
    return index >= 0 && cell <= index && cell % visualGridSide <= index % visualGridSide;
}

QString visualTableHtml(int index, const QString &target)
{
    const QSize size = visualTableSize(index);
    const QString crlf = QStringLiteral("\r\n");
    const QString filler = target == u"comp" ? QStringLiteral("&nbsp;").repeated(5)
                                             : QStringLiteral(" ");
    QString html = QStringLiteral("<TABLE border=1>");
    for (int r = 0; r < size.height(); ++r) {
        html += crlf + QStringLiteral("<tr>") + crlf;
        for (int c = 0; c < size.width(); ++c)
            html += QStringLiteral("   <td>") + filler + QStringLiteral("</td>") + crlf;
        html += QStringLiteral("</tr>");
    }
    return html + crlf + QStringLiteral("</TABLE>");
}

VisualTableGrid::VisualTableGrid(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize VisualTableGrid::sizeHint() const
{
    const int side = visualGridSide * (cellSide + cellGap) + cellGap;
    return QSize(side, side);
}

QRect VisualTableGrid::cellRect(int index) const
{
    const int r = index / visualGridSide;
    const int c = index % visualGridSide;
    return QRect(cellGap + c * (cellSide + cellGap), cellGap + r * (cellSide + cellGap),
                 cellSide, cellSide);
}

int VisualTableGrid::cellAt(const QPoint &point) const
{
    const int step = cellSide + cellGap;
    if (point.x() < cellGap || point.y() < cellGap)
        return -1;
    const int c = (point.x() - cellGap) / step;
    const int r = (point.y() - cellGap) / step;
    if (c >= visualGridSide || r >= visualGridSide)
        return -1;
    const int index = r * visualGridSide + c;
    return cellRect(index).contains(point) ? index : -1;
}

void VisualTableGrid::point(int index)
{
    if (index == m_pointed)
        return;
    m_pointed = index;
    update();
}

void VisualTableGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor rest = palette().color(QPalette::Button);
    const QColor lit = palette().color(QPalette::Highlight);
    painter.setPen(palette().color(QPalette::Mid));
    for (int i = 0; i < visualGridSide * visualGridSide; ++i) {
        painter.setBrush(visualCellLit(i, m_pointed) ? lit : rest);
        painter.drawRect(cellRect(i).adjusted(0, 0, -1, -1));
    }
}

void VisualTableGrid::mouseMoveEvent(QMouseEvent *event)
{
    // Between the cells nothing is lit, as over the rest of the window.
    point(cellAt(event->position().toPoint()));
}

void VisualTableGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit cellClicked(index);
}

void VisualTableGrid::leaveEvent(QEvent *)
{
    point(-1);
}

VisualTableDialog::VisualTableDialog()
    : DialogFrame(QStringLiteral("visTbl"), QStringLiteral("Visual Table: Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("Point at the size of the table and click"),
                                 this));
    num11 = new VisualTableGrid(this);
    num11->setObjectName(QStringLiteral("num11"));
    layout->addWidget(num11, 0, Qt::AlignHCenter);
    btnHelp = helpButton(QStringLiteral("tb02.qhp"));
    addButtonRow(layout, {btnHelp});

    connect(num11, &VisualTableGrid::cellClicked, this, &VisualTableDialog::insertTable);
}

void VisualTableDialog::insertTable(int index)
{
    const InsertRoute::Route route = deliveryRoute();
    deliver(route, visualTableHtml(index, targetIn(route)));
    unload();
}
