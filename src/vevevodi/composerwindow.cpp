#include "vevevodi/composerwindow.h"

#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/keyhold.h"
#include "platform/plaintext.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/textfiles.h"

#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

ComposerWindow *Composr()
{
    return WindowDirectory::touch<ComposerWindow>(QStringLiteral("Composr"));
}

ComposerWindow::ComposerWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Composr"));
    setWindowTitle(designCaption);
    resize(960, 720);

    txtComp = new HtmlEditView(this);
    txtComp->setObjectName(QStringLiteral("txtComp"));
    tagbar = new HtmlEditView(this);
    tagbar->setObjectName(QStringLiteral("tagbar"));
    tagbar->resize(20, 20);
    tagbar->hide();
    m_own.area = new SourceArea(this);
    m_own.area->setObjectName(QStringLiteral("ownArea"));
    m_own.area->hide();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(txtComp);
    setCentralWidget(central);

    // Its own file dialog starts in the folder of the page it shows.
    ComDlg.documentFolder = [this] {
        const QString path = document().path;
        return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    };

    menus = ComposerCommandMap::build(this);
    RecentFiles::registerMenu(menus.recent);
    bindFileCommands();
    bindDocumentCommands();
    ComposerCommandMap::Editing editing;
    editing.execOwn = [this](int id) { txtComp->ExecCommand(id); };
    editing.execDefault = [](int id) { Composr()->txtComp->ExecCommand(id); };
    editing.showDetails = [this](bool on) { txtComp->setShowDetails(on); };
    editing.snapToGrid = [](bool on) { Composr()->txtComp->setSnapToGrid(on); };
    editing.setHint = [this](const QString &hint) { setPanelText(1, hint); };
    ComposerCommandMap::bindEditing(this, editing);
    QAction *editor = Menus::bind(Menus::find(this, QStringLiteral("mnuEditor")), this,
                                  &ComposerWindow::showSourceView);
    QObject::connect(Menus::bind(Menus::find(this, QStringLiteral("mnuViewEditor"))),
                     &QAction::triggered, editor, &QAction::trigger);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = PlainText::keep(new QLabel(StatusBar1));
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        if (i == 0)
            StatusBar1->addWidget(m_panels[i], 1);
        else
            StatusBar1->addPermanentWidget(m_panels[i]);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &ComposerWindow::pumpTick);

    TimeCrashSave = new QTimer(this);
    TimeCrashSave->setObjectName(QStringLiteral("TimeCrashSave"));
    TimeCrashSave->setInterval(5000);
    connect(TimeCrashSave, &QTimer::timeout, this, &ComposerWindow::crashSaveTick);

    connect(txtComp, &HtmlEditView::DisplayChanged, this, &ComposerWindow::titleupdate);
    connect(txtComp, &HtmlEditView::onkeypress, this, &ComposerWindow::markModified);
    connect(txtComp, &HtmlEditView::contentChanged, this, &ComposerWindow::markModified);
    connect(txtComp, &HtmlEditView::onmousemove, this,
            [this] { setPanelText(1, readyText); });
    connect(txtComp, &HtmlEditView::documentRefused, this, &ComposerWindow::leaveToSourceWindow);
}

void ComposerWindow::leaveToSourceWindow(const QString &html)
{
    if (!isMainComposer()) {
        Prompter::tell(QStringLiteral("This page is too large for the composer and was not "
                                      "opened."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        return;
    }
    // Opened here, the page is not in the source text yet; as read from its
    // file it holds no change.
    SourceWindow *source = Quorl();
    if (source->area->text() != html) {
        source->area->setText(html);
        source->star.clear();
    }
    Prompter::tell(QStringLiteral("This page is too large for the composer. It stays in the "
                                  "source window, where it can be edited and saved."),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
    if (isVisible()) {
        Openers::showWindow(source);
        hide();
    }
    titleupdate();
}

void ComposerWindow::load()
{
}

bool ComposerWindow::isMainComposer() const
{
    return WindowDirectory::loaded(QStringLiteral("Composr")) == this;
}

QString ComposerWindow::panelText(int panel) const
{
    return m_panels[panel - 1]->text();
}

void ComposerWindow::setPanelText(int panel, const QString &text)
{
    m_panels[panel - 1]->setText(text);
}

DocumentState &ComposerWindow::document()
{
    return isMainComposer() ? Quorl()->document : m_own;
}

void ComposerWindow::titleupdate()
{
    const DocumentState &doc = document();
    const QString caption =
        SourceWindow::captionPrefix + u'(' + doc.star + QStringLiteral(") ") + doc.path;
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void ComposerWindow::markModified()
{
    document().star = QStringLiteral("*");
    titleupdate();
}

bool ComposerWindow::CopyVevevodiToSource(GeneratorRewrite::Rewrites rewrites)
{
    const auto html = txtComp->documentHtml();
    if (!html) {
        // What the page shows may differ from anything saved.
        markModified();
        Prompter::tell(QStringLiteral("The page did not answer in time, so nothing was copied. "
                                      "Please try again."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        return false;
    }
    document().area->setText(GeneratorRewrite::apply(*html, rewrites));
    return true;
}

void ComposerWindow::writeBackDocument(const QString &html, const QString &atCaret)
{
    // One step of the page's undo history, so the edit can be taken back
    // and the typing before it stays undoable.
    txtComp->replaceDocumentHtml(html, atCaret);
    markModified();
}

void ComposerWindow::showSourceView()
{
    // Keys typed while the page is read would land in it after the copy.
    SourceWindow *source = Quorl();
    auto *hold = new KeyHold({this, source}, this);
    if (!CopyVevevodiToSource(GeneratorRewrite::all)) {
        hold->handTo(this);
        return;
    }
    Openers::showWindow(source);
    hide();
    hold->handTo(source);
}

void ShowVevevodi()
{
    SourceWindow *source = Quorl();
    ComposerWindow *composer = Composr();
    if (!source->DocumentPath.isEmpty())
        composer->txtComp->setBaseFolder(QFileInfo(source->DocumentPath).absolutePath());
    composer->txtComp->setDocumentHtml(source->area->text());
    // Keys typed before the new page stands go to it, not to the old one.
    // The composer takes the keyboard before the source window goes, so no
    // key falls between the two.
    QPointer<KeyHold> hold(new KeyHold({source, composer}, composer));
    Openers::showWindow(composer);
    source->hide();
    // The page takes the keyboard once it stands in place: the engine may
    // replace the widget that had the focus while it loads. A window that
    // kept its focus from before gives the new page no caret of its own, so
    // the caret goes to the page's start, where a first showing puts it.
    QPointer<ComposerWindow> shown(composer);
    composer->txtComp->runQueued(
        QStringLiteral("(() => { if (!getSelection().rangeCount && document.body) {"
                       " const r = document.createRange(); r.setStart(document.body, 0);"
                       " getSelection().addRange(r); } return 0; })()"),
        [shown, hold](const QVariant &) {
            if (shown && shown->isVisible())
                shown->txtComp->setFocus();
            if (hold)
                hold->handTo(shown);
        });
}

// ---- the insertion pump ---------------------------------------------------------

void ComposerWindow::stageInsertion(const QString &html)
{
    m_staged.append(html);
    tagbar->setDocumentHtml(html);
    Timer1->start();
}

void ComposerWindow::pumpTick()
{
    tagbar->hide();
    Timer1->stop();
    // The surface of a hidden composer cannot take the caret; what was
    // staged waits until the composer is shown again.
    if (!isVisible() || m_staged.isEmpty())
        return;
    const QStringList staged = std::exchange(m_staged, {});
    tagbar->NewDocument();
    txtComp->setFocus();
    for (const QString &html : staged)
        txtComp->insertHtml(html);
}

void ComposerWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_staged.isEmpty())
        Timer1->start();
}

// ---- crash save -----------------------------------------------------------------

void ComposerWindow::setCrashSave(const QString &tag, int seconds, bool enabled)
{
    TimeCrashSaveTag = tag;
    if (seconds > 0)
        TimeCrashSave->setInterval(seconds * 1000);
    if (enabled && seconds > 0) {
        setPanelText(2, QString());
        TimeCrashSave->start();
    } else {
        TimeCrashSave->stop();
    }
}

void ComposerWindow::crashSaveTick()
{
    // A zero interval means off, never a timer that fires without pause.
    if (TimeCrashSave->interval() <= 0) {
        TimeCrashSave->stop();
        return;
    }
    ComposerWindow *main = Composr();
    const QString &tag = TimeCrashSaveTag;
    QString reason;
    bool written = false;
    if (!isCrashName(tag)) {
        reason = QStringLiteral("\"%1\" is not a valid file name").arg(tag);
    } else {
        const QString path = crashFile();
        if (main->isVisible()) {
            // Another read under way: this tick is skipped, not failed.
            HtmlEditView *view = main->txtComp;
            if (view->isWaiting())
                return;
            // While a question that went unanswered is still with the page,
            // asking again would hold the window up to the deadline each
            // time and leave the user no moment to work.
            const bool stuck = view->lastReadFailed() && !view->isIdle();
            const auto html = stuck ? std::nullopt : view->documentHtml();
            if (!html) {
                setPanelText(2, QStringLiteral("Crash save skipped: the page did not answer"));
                return;
            }
            written = TextFiles::write(path, *html, &reason, Quorl()->documentFormat);
        } else {
            written = TextFiles::write(path, Quorl()->area->text() + QStringLiteral("\r\n"),
                                       &reason, Quorl()->documentFormat);
        }
    }
    if (written) {
        setPanelText(2, QString());
        return;
    }
    main->TimeCrashSave->stop();
    main->setPanelText(2, QStringLiteral("Crash save stopped: ") + reason);
}
