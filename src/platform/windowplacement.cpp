#include "platform/windowplacement.h"

#include <QWidget>

void MakeTopmost(QWidget *window)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    // Changing window flags re-creates the native window and hides it.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible) {
        window->setGeometry(geometry);
        window->show();
        window->activateWindow();
    }
}
