#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "editor/windowregistry.h"
#include "platform/htmleditview.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The engine wants both of these before the application object exists.
    HtmlEditView::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorl Vevevodi 3.0"));
    QApplication::setOrganizationName(QStringLiteral("Quorl Vevevodi"));
    registerWindows();
    // The program opens in the composer; the source window exists, hidden,
    // as the keeper of the document state.
    Quorl();
    Openers::showWindow(Composr());
    return app.exec();
}
