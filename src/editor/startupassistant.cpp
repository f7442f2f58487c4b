#include "editor/startupassistant.h"

#include "editor/documentfiles.h"
#include "editor/lessonswindow.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "editor/templates.h"
#include "platform/htmleditview.h"
#include "platform/plaintext.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "platform/windowplacement.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");

void reportError(const QString &text)
{
    Prompter::tell(text, kTitle, Prompter::Icon::Critical);
}

QPushButton *newButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(30);
    return button;
}

} // namespace

StartUpAssistant::StartUpAssistant(QWidget *parent)
    : QWidget(parent, Qt::Window), lblTipText(new QLabel(this)), m_tips(lblTipText)
{
    setWindowTitle(QStringLiteral("Quorl Start Up Assistant"));

    btnBlank = newButton(QStringLiteral("Start With Blank Page"), QStringLiteral("btnBlank"), this);
    btnOpenExist = newButton(QStringLiteral("Open Existing File"),
                             QStringLiteral("btnOpenExist"), this);
    btnTemplates = newButton(QStringLiteral("Use Templates"), QStringLiteral("btnTemplates"),
                             this);
    btnCrash = newButton(QStringLiteral("Crash Recovery Wizard"), QStringLiteral("btnCrash"),
                         this);
    btnHTMLTutor = newButton(QStringLiteral("HTML Tutor"), QStringLiteral("btnHTMLTutor"), this);
    btnStartUpHelp = newButton(QStringLiteral("Start Up Help"),
                               QStringLiteral("btnStartUpHelp"), this);

    listRecent = new QListWidget(this);
    listRecent->setObjectName(QStringLiteral("listRecent"));
    listRecent->setMouseTracking(true);
    listRecent->viewport()->installEventFilter(this);
    listRecent->setMinimumHeight(96);

    chkStartup = new QCheckBox(QStringLiteral("Dont show at startup"), this);
    chkStartup->setObjectName(QStringLiteral("chkStartup"));

    Frame1 = new QGroupBox(QStringLiteral("Tip Of The Day"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *didYouKnow = new QLabel(QStringLiteral("Did you know..."), Frame1);
    QFont bold = didYouKnow->font();
    bold.setBold(true);
    didYouKnow->setFont(bold);
    lblTipText->setParent(Frame1);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setWordWrap(true);
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setMinimumHeight(54);
    cmdNextTip = new QPushButton(QStringLiteral("&Next Tip >>"), Frame1);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    auto *tipLayout = new QVBoxLayout(Frame1);
    tipLayout->addWidget(didYouKnow);
    tipLayout->addWidget(lblTipText, 1);
    tipLayout->addWidget(cmdNextTip, 0, Qt::AlignRight);

    auto *buttons = new QGridLayout;
    const QList<QPushButton *> all = {btnBlank, btnOpenExist, btnTemplates,
                                      btnCrash, btnHTMLTutor, btnStartUpHelp};
    for (int i = 0; i < all.size(); ++i)
        buttons->addWidget(all.at(i), i / 2, i % 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Recent Files    (dblclick to open)"), this));
    layout->addWidget(listRecent);
    layout->addWidget(Frame1);
    layout->addWidget(chkStartup);
    resize(460, 440);

    connect(btnBlank, &QPushButton::clicked, this, &StartUpAssistant::startWithBlankPage);
    connect(btnOpenExist, &QPushButton::clicked, this, &StartUpAssistant::openExistingFile);
    connect(listRecent, &QListWidget::itemDoubleClicked, this, &StartUpAssistant::openRecent);
    connect(btnTemplates, &QPushButton::clicked, this, &StartUpAssistant::useTemplates);
    connect(btnCrash, &QPushButton::clicked, this, &StartUpAssistant::crashRecoveryWizard);
    connect(btnHTMLTutor, &QPushButton::clicked, this, &StartUpAssistant::htmlTutor);
    connect(btnStartUpHelp, &QPushButton::clicked, this, &StartUpAssistant::startUpHelp);
    connect(chkStartup, &QCheckBox::clicked, this, &StartUpAssistant::dontShowAtStartup);
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { m_tips.ShowRandomTip(); });
}

void StartUpAssistant::load()
{
    m_tips.loadProgramTips();
    fillRecent();
    MakeTopmost(this);
}

void StartUpAssistant::fillRecent()
{
    listRecent->clear();
    for (int i = 1; i <= 5; ++i) {
        const QString path = SettingsStore::value(QStringLiteral("MRUs"), QString::number(i));
        if (!path.isEmpty())
            listRecent->addItem(path);
    }
    // Both windows' Recent menus show the same keys from the start.
    Composr();
    Quorl();
    RecentFiles::showKeys(1);
}

void StartUpAssistant::closeAssistant()
{
    WindowDirectory::unload(objectName());
}

void StartUpAssistant::startWithBlankPage()
{
    closeAssistant();
}

void StartUpAssistant::openExistingFile()
{
    CommonDialog &dlg = Quorl()->comdlg;
    dlg.CancelError = false;
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (dlg.ShowOpen() && !dlg.FileName.isEmpty()) {
        if (Composr()->txtComp->LoadDocument(dlg.FileName, nullptr,
                                             &Quorl()->documentFormat)) {
            DocumentFiles::tellKeptBytes(dlg.FileName, Quorl()->documentFormat,
                                         DocumentFiles::Shown::InComposer);
            Quorl()->DocumentPath = dlg.FileName;
            Quorl()->document.recordFile(dlg.FileName);
            titleupdate();
        } else {
            reportError(QStringLiteral("Error 02:\r\nUnable to perform selected action"));
        }
    }
    closeAssistant();
}

void StartUpAssistant::openRecent()
{
    QListWidgetItem *entry = listRecent->currentItem();
    const QString path = entry ? entry->text() : QString();
    CommonDialog &dlg = Quorl()->comdlg;
    dlg.DefaultExt = QStringLiteral("html");
    dlg.Filter = DocumentFiles::filter;
    if (path.isEmpty()
        || !Composr()->txtComp->LoadDocument(path, nullptr, &Quorl()->documentFormat)) {
        reportError(QStringLiteral("Error 05\r\nUnable to complete requested action."));
        return;
    }
    DocumentFiles::tellKeptBytes(path, Quorl()->documentFormat,
                                 DocumentFiles::Shown::InComposer);
    dlg.FileName = path;
    Quorl()->DocumentPath = path;
    Quorl()->document.recordFile(path);
    titleupdate();
    closeAssistant();
}

void StartUpAssistant::titleupdate()
{
    SourceWindow *source = Quorl();
    Composr()->setWindowTitle(SourceWindow::captionPrefix + u'(' + source->star
                              + QStringLiteral(") ") + source->comdlg.FileName);
}

void StartUpAssistant::useTemplates()
{
    if (!Templates::ShowTemplateManager()) {
        reportError(QStringLiteral("Error 03:\r\nUnable to perform selected action"));
        Templates::hideTemplateManager();
    }
    closeAssistant();
}

void StartUpAssistant::crashRecoveryWizard()
{
    if (QWidget *wizard = WindowDirectory::touch(QStringLiteral("crashRecover")))
        Openers::showWindow(wizard);
    closeAssistant();
}

void StartUpAssistant::htmlTutor()
{
    if (LessonsViewer::openTutor())
        closeAssistant();
}

void StartUpAssistant::startUpHelp()
{
    closeAssistant();
    ShowHelpPage(QStringLiteral("suwiz.qhp"));
}

void StartUpAssistant::dontShowAtStartup()
{
    Prompter::tell(QStringLiteral("You can activate this from options menu"),
                   QStringLiteral("Quorl: Assistant"), Prompter::Icon::Information);
    SettingsStore::setValue(QStringLiteral("StartUp Assistant"), QStringLiteral("appear"),
                            chkStartup->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    closeAssistant();
}

bool StartUpAssistant::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listRecent->viewport()
        && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonRelease)) {
        QListWidgetItem *entry = listRecent->currentItem();
        PlainText::setToolTip(listRecent, QStringLiteral("Selected File:")
                                              + (entry ? entry->text() : QString()));
    }
    return QWidget::eventFilter(watched, event);
}

void StartUpAssistant::closeEvent(QCloseEvent *event)
{
    event->accept();
    closeAssistant();
}
