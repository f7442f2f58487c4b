#include "ftpclient/ftpwindows.h"
#include "ftpclient/inetwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FtpQrl"));
    // The main window decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    registerFtpWindows();
    frmInet()->show();
    return app.exec();
}
