#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "editor/windowregistry.h"
#include "platform/htmleditview.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // The engine's sandbox refuses to start for root, and root is who runs
    // the program on a fresh machine; without the sandbox it works.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine wants both of these before the application object exists.
    HtmlEditView::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorl Vevevodi 3.0"));
    QApplication::setOrganizationName(QStringLiteral("Quorl Vevevodi"));
    registerWindows();
    // The program opens in the composer, which the splash shows; the source
    // window exists, hidden, as the keeper of the document state.
    Quorl();
    Openers::showWindow(WindowDirectory::touch(QStringLiteral("frmSplash")));
    return app.exec();
}
