#include "editor/lessonswindow.h"

#include "editor/aboutwindow.h"
#include "editor/folderfiles.h"
#include "editor/openers.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

LessonsViewer::LessonsViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(templatesCaption);

    lblLesson = new QLabel(QStringLiteral("Choose A Lesson"), this);
    lblLesson->setObjectName(QStringLiteral("lblLesson"));
    cmbLessons = new QComboBox(this);
    cmbLessons->setObjectName(QStringLiteral("cmbLessons"));
    cmbLessons->setEditable(true);
    cmbLessons->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 20; ++i)
        cmbLessons->addItem(QStringLiteral("Lesson %1").arg(i));
    cmbLessons->addItem(QStringLiteral("Sitemap!"));
    cmbLessons->setCurrentIndex(0);
    cmbLessons->setMinimumWidth(160);
    theWeb = new HtmlEditView(this);
    theWeb->setObjectName(QStringLiteral("theWeb"));

    auto *picker = new QHBoxLayout;
    picker->addWidget(lblLesson);
    picker->addWidget(cmbLessons);
    picker->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(picker);
    layout->addWidget(theWeb, 1);
    resize(800, 600);

    // Typing and choosing both load; a text that names no lesson is ignored.
    connect(cmbLessons, &QComboBox::editTextChanged, this,
            [this](const QString &text) { loadLesson(text); });
    connect(cmbLessons, &QComboBox::textActivated, this,
            [this](const QString &text) { loadLesson(text); });
    // A web page that cannot load (no network) would leave the page shown
    // before under the new caption; the viewer says so instead.
    connect(theWeb->page(), &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                const QString scheme = info.url().scheme();
                if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus
                    && (scheme == u"http" || scheme == u"https"))
                    theWeb->setDocumentHtml(unreachablePage(info.url().toString()));
            });
}

QString LessonsViewer::unreachablePage(const QString &address)
{
    return QStringLiteral("<html><head><title>Page not available</title></head><body>"
                          "<h3>The page could not be loaded</h3><p>")
           + address.toHtmlEscaped()
           + QStringLiteral("</p><p>Check the connection to the Internet, then choose the "
                            "command again.</p></body></html>");
}

void LessonsViewer::load()
{
    theWeb->setBrowseMode(true);
}

QString LessonsViewer::lessonFile(const QString &text)
{
    return FolderFiles::withoutBlanks(text) + QStringLiteral(".html");
}

bool LessonsViewer::loadLesson(const QString &text)
{
    const QString name = FolderFiles::withoutBlanks(text);
    if (name.isEmpty() || !FolderFiles::isSafeName(name))
        return false;
    return theWeb->LoadDocument(ProgramFolder::resolve(QStringLiteral("htmltutor/")
                                                       + lessonFile(name)));
}

void LessonsViewer::setPickerVisible(bool visible)
{
    cmbLessons->setVisible(visible);
    lblLesson->setVisible(visible);
}

bool LessonsViewer::showTutor()
{
    setWindowTitle(QStringLiteral("HTML Tutor: by Korrandel"));
    if (!theWeb->LoadDocument(ProgramFolder::resolve(QStringLiteral("HTMLTutor/lesson1.html")))) {
        Prompter::tell(QStringLiteral("Unable to process requested action. Folder seems to have "
                                      "been moved or removed."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
        return false;
    }
    setPickerVisible(true);
    Openers::showWindow(this);
    return true;
}

void LessonsViewer::showTemplatesPage()
{
    setPickerVisible(false);
    setWindowTitle(templatesCaption);
    Openers::showWindow(this);
    theWeb->LoadDocument(AboutWindow::makerSite + QStringLiteral("/templates"));
}

void LessonsViewer::showAuthorSite()
{
    Openers::showWindow(this);
    theWeb->LoadDocument(AboutWindow::makerSite);
    setWindowTitle(QStringLiteral("Korrandel Online..."));
}

bool LessonsViewer::openTutor()
{
    LessonsViewer *viewer = frmMoreTemp();
    return viewer && viewer->showTutor();
}

void LessonsViewer::closeEvent(QCloseEvent *event)
{
    // The viewer keeps its mode and page until the program ends.
    event->ignore();
    hide();
}

LessonsViewer *frmMoreTemp()
{
    return WindowDirectory::touch<LessonsViewer>(QStringLiteral("frmMoreTemp"));
}
