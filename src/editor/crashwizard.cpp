#include "editor/crashwizard.h"

#include "editor/folderfiles.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/windowplacement.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");

QString crashFolder()
{
    return ProgramFolder::resolve(QStringLiteral("crash"));
}

// The composer becomes the visible window. It takes the source text only
// when the source view is the one showing; otherwise it keeps its document.
void showComposer()
{
    if (Quorl()->isVisible())
        ShowVevevodi();
    else
        Openers::showWindow(Composr());
}

} // namespace

CrashWizard::CrashWizard(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Crash Recovery Wizard"));

    auto *configureFrame = new QGroupBox(QStringLiteral("Configure document for crash save"),
                                         this);
    txtDocName = new QLineEdit(configureFrame);
    txtDocName->setObjectName(QStringLiteral("txtDocName"));
    txtTimerValue = new QLineEdit(configureFrame);
    txtTimerValue->setObjectName(QStringLiteral("txtTimerValue"));
    btnConfigure = new QPushButton(QStringLiteral("Configure"), configureFrame);
    btnConfigure->setObjectName(QStringLiteral("btnConfigure"));
    auto *configureLayout = new QVBoxLayout(configureFrame);
    configureLayout->addWidget(
        new QLabel(QStringLiteral("Please enter a name for your document"), configureFrame));
    configureLayout->addWidget(txtDocName);
    configureLayout->addWidget(
        new QLabel(QStringLiteral("Please set timer for Auto Save  [1 - 60]"), configureFrame));
    configureLayout->addWidget(txtTimerValue);
    configureLayout->addWidget(btnConfigure, 0, Qt::AlignRight);

    btnDisableCRW = new QPushButton(QStringLiteral("Disable Crash Recovery Wizard:"), this);
    btnDisableCRW->setObjectName(QStringLiteral("btnDisableCRW"));

    auto *listFrame = new QGroupBox(QStringLiteral("List of crashed documents"), this);
    FileCrash = new QListWidget(listFrame);
    FileCrash->setObjectName(QStringLiteral("FileCrash"));
    btnLoad = new QPushButton(QStringLiteral("Load Document"), listFrame);
    btnLoad->setObjectName(QStringLiteral("btnLoad"));
    auto *listLayout = new QVBoxLayout(listFrame);
    listLayout->addWidget(FileCrash);
    listLayout->addWidget(btnLoad, 0, Qt::AlignRight);

    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btnDisableCRW);
    bottom->addStretch(1);
    bottom->addWidget(btnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(configureFrame);
    layout->addWidget(listFrame, 1);
    layout->addLayout(bottom);
    resize(420, 460);

    connect(btnConfigure, &QPushButton::clicked, this, &CrashWizard::configure);
    connect(btnDisableCRW, &QPushButton::clicked, this, &CrashWizard::disable);
    connect(btnLoad, &QPushButton::clicked, this, &CrashWizard::loadDocument);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { ShowHelpPage(QStringLiteral("crashRec.qhp")); });
}

void CrashWizard::load()
{
    MakeTopmost(this);
    if (!QFileInfo(crashFolder()).isDir()) {
        m_refused = true;
        hide();
        Prompter::tell(QStringLiteral("Error 04:\r\nUnable to perform requested action."
                                      " Crash folder might have been removed or moved"),
                       kTitle, Prompter::Icon::Critical);
        unloadSelf();
        return;
    }
    FileCrash->addItems(FolderFiles::files(crashFolder(), {QStringLiteral(".crw")}));
}

void CrashWizard::setVisible(bool visible)
{
    QWidget::setVisible(visible && !m_refused);
}

void CrashWizard::unloadSelf()
{
    WindowDirectory::unload(objectName());
}

CrashWizard::Interval CrashWizard::interval(const QString &seconds)
{
    if (seconds.isEmpty())
        return {Interval::Ok, 10000};
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*([+-]?)(\d*)(?:\.(\d*))?\s*$)"));
    const QRegularExpressionMatch m = number.match(seconds);
    const QString whole = m.captured(2);
    const QString fraction = m.captured(3);
    if (!m.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return {Interval::NotANumber, 0};
    // Milliseconds are the digits with the point moved three places; the
    // rest decides the rounding, compared as a decimal with one half.
    const QString digits = whole + (fraction + QStringLiteral("000")).left(3);
    const QString rest = fraction.mid(3);
    const QString significant = QString(digits).remove(QRegularExpression(QStringLiteral("^0+")));
    if (significant.size() > 7)
        return {Interval::OutOfRange, 0};
    qint64 ms = significant.toLongLong();
    const QString restTrimmed = QString(rest).remove(QRegularExpression(QStringLiteral("0+$")));
    if (!restTrimmed.isEmpty()) {
        const bool half = restTrimmed == u"5";
        const bool above = !half && restTrimmed.at(0) >= u'5';
        if (above || (half && ms % 2 == 1))
            ++ms;
    }
    if (m.captured(1) == u"-" && ms != 0)
        return {Interval::OutOfRange, 0};
    if (ms > 65535)
        return {Interval::OutOfRange, 0};
    return {Interval::Ok, static_cast<int>(ms)};
}

void CrashWizard::configure()
{
    hide();
    showComposer();
    // Every field is checked before anything changes.
    const Interval value = interval(txtTimerValue->text());
    if (value.status != Interval::Ok) {
        Prompter::tell(QStringLiteral("Request could not be processed..."), kTitle,
                       Prompter::Icon::Critical);
        unloadSelf();
        return;
    }
    const QString name = txtDocName->text();
    if (name.isEmpty() || !FolderFiles::isSafeName(name)) {
        FolderFiles::reportInvalidName();
        return;
    }
    ComposerWindow *composer = Composr();
    composer->TimeCrashSaveTag = name;
    composer->TimeCrashSave->setInterval(value.ms);
    // An interval of 0 never fires.
    if (value.ms > 0) {
        composer->setPanelText(2, QString());
        composer->TimeCrashSave->start();
    } else {
        composer->TimeCrashSave->stop();
    }
    unloadSelf();
}

void CrashWizard::disable()
{
    hide();
    Composr()->TimeCrashSave->stop();
    Prompter::tell(QStringLiteral("Crash Recovery Wizard has been disabled successfully."),
                   kTitle, Prompter::Icon::Information);
    unloadSelf();
}

void CrashWizard::loadDocument()
{
    hide();
    if (Prompter::ask(QStringLiteral("Are you sure you want to load this document?"), kTitle,
                      Prompter::Icon::Question, Prompter::Buttons::YesNo)
        != Prompter::Answer::Yes) {
        Openers::showWindow(this);
        return;
    }
    showComposer();
    const QListWidgetItem *item = FileCrash->currentItem();
    const bool loaded = item
                        && Composr()->txtComp->LoadDocument(
                            QDir(crashFolder()).filePath(item->text()));
    if (!loaded) {
        Prompter::tell(QStringLiteral("Error 05:\r\nAn error occured when trying to perform "
                                      "requested operation"),
                       kTitle, Prompter::Icon::Critical);
    }
    unloadSelf();
}

void CrashWizard::closeEvent(QCloseEvent *event)
{
    event->accept();
    unloadSelf();
}
