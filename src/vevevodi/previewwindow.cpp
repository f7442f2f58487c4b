#include "vevevodi/previewwindow.h"

#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

PreviewWindow *TheBrowser()
{
    return WindowDirectory::touch<PreviewWindow>(QStringLiteral("TheBrowser"));
}

PreviewWindow::PreviewWindow()
{
    setObjectName(QStringLiteral("TheBrowser"));
    setWindowTitle(caption);
    resize(900, 680);
    previewer = new HtmlEditView(this);
    previewer->setObjectName(QStringLiteral("previewer"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previewer);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &PreviewWindow::reveal);
    Timer1->start();
}

void PreviewWindow::load()
{
    MakeTopmost(this);
}

void PreviewWindow::reveal()
{
    Openers::showWindow(this);
    previewer->setBrowseMode(true);
    previewer->show();
    Timer1->stop();
    previewer->setDocumentHtml(m_hasPage ? m_page : Quorl()->area->text());
}

void PreviewWindow::showPage(const QString &page)
{
    m_page = page;
    m_hasPage = true;
    previewer->setDocumentHtml(page);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    Openers::showWindow(compOrEdit == u"edit" ? static_cast<QWidget *>(Quorl())
                                              : static_cast<QWidget *>(Composr()));
    event->accept();
    // The next preview starts with a new window.
    WindowDirectory::unload(objectName());
}
