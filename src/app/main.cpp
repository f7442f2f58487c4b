#include "editor/sourcewindow.h"
#include "editor/windowregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorl Vevevodi 3.0"));
    QApplication::setOrganizationName(QStringLiteral("Quorl Vevevodi"));
    registerWindows();
    Quorl()->show();
    return app.exec();
}
