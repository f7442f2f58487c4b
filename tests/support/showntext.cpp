#include "support/showntext.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

QString shownText(const QLabel *label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

QString shownToolTip(QWidget *widget)
{
    QToolTip::showText(widget->mapToGlobal(QPoint(2, 2)), widget->toolTip(), widget);
    QString text;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *tip = qobject_cast<QLabel *>(top);
        if (tip && tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible())
            text = shownText(tip);
    }
    QToolTip::hideText();
    return text;
}

ModalReader::ModalReader() : m_timer(new QTimer)
{
    m_timer->setInterval(20);
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // The prompt is the label that holds text (a message box also has
        // one for its icon).
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                m_text = shownText(label);
        }
        dialog->reject();
    });
    m_timer->start();
}

ModalReader::~ModalReader()
{
    delete m_timer;
}
