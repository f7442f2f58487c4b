#include "app/windowregistry.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>
#include <QPointer>

#include <csignal>

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
    const int code = app.exec();
    // Whatever happens while the program winds down, it ends.
    std::signal(SIGALRM, [](int) { _exit(0); });
    alarm(3);
    // The windows go before the application object, so the engine's pages
    // are released while the engine still runs.
    WindowDirectory::unloadAll();
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window && !window->parentWidget())
            delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
