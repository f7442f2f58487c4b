#include "editor/aboutwindow.h"

#include "platform/windowplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("About Quorl Vevevodi"));
    setCursor(Qt::PointingHandCursor);

    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(logo());
    picLogo->setAlignment(Qt::AlignTop);

    lblAbout = new QLabel(this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblAbout->setTextFormat(Qt::PlainText);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAbout->setMinimumWidth(320);
    QFont font(QStringLiteral("Trebuchet MS"), 10);
    font.setStyleHint(QFont::SansSerif);
    lblAbout->setFont(font);

    picLogo->installEventFilter(this);
    lblAbout->installEventFilter(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(18);
    layout->addWidget(picLogo);
    layout->addWidget(lblAbout, 1);
    resize(500, 220);
}

void AboutWindow::load()
{
    lblAbout->setText(aboutText());
    MakeTopmost(this);
}

QString AboutWindow::aboutText()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Quorl Vevevodi 3.0, an editor for single web pages, written by ")
           + makerName + QStringLiteral(" (") + makerMail + QStringLiteral(").") + crlf
           + QStringLiteral("Found a fault, or did the program crash? Please write to that "
                            "address and say what you were doing; suggestions and comments "
                            "are welcome too. More free programs by the same maker are at ")
           + makerSite + QStringLiteral(".") + crlf
           + QStringLiteral("Copyright \u00A9 ") + makerName
           + QStringLiteral(". All rights reserved.");
}

QPixmap AboutWindow::logo()
{
    const int size = 112;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A sheet with a folded corner, on a rounded tile.
    QLinearGradient tile(0, 0, size, size);
    tile.setColorAt(0, QColor(0x2b, 0x7a, 0xb8));
    tile.setColorAt(1, QColor(0x17, 0x3f, 0x6e));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 18, 18);

    p.setBrush(QColor(0xfa, 0xfa, 0xf5));
    p.drawPolygon(QPolygonF({QPointF(26, 16), QPointF(72, 16), QPointF(88, 32),
                             QPointF(88, 96), QPointF(26, 96)}));
    p.setBrush(QColor(0xc9, 0xd6, 0xe3));
    p.drawPolygon(QPolygonF({QPointF(72, 16), QPointF(72, 32), QPointF(88, 32)}));

    // Lines of markup in the colours a source view would give them.
    const QColor lineColours[] = {QColor(0xd0, 0x5a, 0x3a), QColor(0x4a, 0x9a, 0x4a),
                                  QColor(0x6a, 0x6a, 0x8a), QColor(0xd0, 0x5a, 0x3a)};
    const int lengths[] = {38, 28, 44, 22};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(lineColours[i]);
        p.drawRoundedRect(QRectF(34 + (i == 1 || i == 2 ? 6 : 0), 30 + i * 9, lengths[i], 4),
                          2, 2);
    }

    // The angle brackets of a tag.
    QPen pen(QColor(0xf2, 0xa9, 0x00), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(48, 70), QPointF(36, 80), QPointF(48, 90)}));
    p.drawPolyline(QPolygonF({QPointF(66, 70), QPointF(78, 80), QPointF(66, 90)}));
    p.drawLine(QPointF(61, 68), QPointF(53, 92));
    return pixmap;
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    WindowDirectory::unload(objectName());
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == picLogo || watched == lblAbout)) {
        WindowDirectory::unload(objectName());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
