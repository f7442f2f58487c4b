#include "editor/restorewindow.h"

#include "dialogs/documentedit.h"
#include "editor/folderfiles.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/richtext.h"
#include "platform/sourcearea.h"
#include "platform/windowplacement.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");

QString crashFolder()
{
    return ProgramFolder::resolve(QStringLiteral("crash"));
}

QPushButton *newButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

RestoreWindow::RestoreWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Restore Points : Quorl"));

    lblTitle = new QLabel(QStringLiteral("Restore Points"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    txtRestore = new SourceArea(this);
    txtRestore->setObjectName(QStringLiteral("txtRestore"));

    cmbRestore = new QComboBox(this);
    cmbRestore->setObjectName(QStringLiteral("cmbRestore"));
    cmbRestore->setEditable(true);
    cmbRestore->setInsertPolicy(QComboBox::NoInsert);
    auto *btnCreate = newButton(QStringLiteral("Create Restore"), QStringLiteral("btnCreate"),
                                this);

    auto *status = new QGroupBox(QStringLiteral("Status"), this);
    auto *statusLayout = new QVBoxLayout(status);
    auto *pointButtons = new QVBoxLayout;
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        cmbRestore->addItem(QStringLiteral("Restore ") + n);
        chkStatus[i] = new QCheckBox(QStringLiteral("Restore ") + n, status);
        chkStatus[i]->setObjectName(QStringLiteral("chkStatus") + n);
        // Ticked by Create Restore only.
        chkStatus[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        chkStatus[i]->setFocusPolicy(Qt::NoFocus);
        statusLayout->addWidget(chkStatus[i]);
        btnRestore[i] = newButton(QStringLiteral("Restore Point ") + n,
                                  QStringLiteral("btnRestore") + n, this);
        pointButtons->addWidget(btnRestore[i]);
        connect(btnRestore[i], &QPushButton::clicked, this, [this, i] { restorePoint(i + 1); });
    }
    cmbRestore->setCurrentIndex(0);

    auto *frmPanel = new QGroupBox(this);
    frmPanel->setObjectName(QStringLiteral("frmPanel"));
    auto *panelText = new QLabel(QStringLiteral("The above 5 restore points are temporary. Use "
                                                "this panel, if you want a restore point "
                                                "lasting even after program shutdown"),
                                 frmPanel);
    panelText->setWordWrap(true);
    txtPRestoreName = new QLineEdit(frmPanel);
    txtPRestoreName->setObjectName(QStringLiteral("txtPRestoreName"));
    btnSet = newButton(QStringLiteral("Set"), QStringLiteral("btnSet"), frmPanel);
    File1 = new QListWidget(frmPanel);
    File1->setObjectName(QStringLiteral("File1"));
    btnLoad = newButton(QStringLiteral("Load"), QStringLiteral("btnLoad"), frmPanel);
    btnRemove = newButton(QStringLiteral("Remove"), QStringLiteral("btnRemove"), frmPanel);
    auto *panelLayout = new QGridLayout(frmPanel);
    panelLayout->addWidget(panelText, 0, 0, 1, 3);
    panelLayout->addWidget(new QLabel(QStringLiteral("Restore Point Name"), frmPanel), 1, 0);
    panelLayout->addWidget(txtPRestoreName, 1, 1);
    panelLayout->addWidget(btnSet, 1, 2);
    panelLayout->addWidget(new QLabel(QStringLiteral("Existing Restore Points"), frmPanel), 2,
                           0, 1, 3);
    panelLayout->addWidget(File1, 3, 0, 2, 2);
    panelLayout->addWidget(btnLoad, 3, 2);
    panelLayout->addWidget(btnRemove, 4, 2, Qt::AlignTop);

    OKButton = newButton(QStringLiteral("OK"), QStringLiteral("OKButton"), this);
    CancelButton = newButton(QStringLiteral("Close"), QStringLiteral("CancelButton"), this);
    btnHelp = newButton(QStringLiteral("Show Help"), QStringLiteral("btnHelp"), this);

    auto *create = new QHBoxLayout;
    create->addWidget(cmbRestore, 1);
    create->addWidget(btnCreate);
    auto *side = new QVBoxLayout;
    side->addLayout(create);
    side->addWidget(status);
    side->addLayout(pointButtons);
    side->addStretch(1);
    auto *top = new QHBoxLayout;
    auto *work = new QVBoxLayout;
    work->addWidget(lblTitle);
    work->addWidget(txtRestore, 1);
    top->addLayout(work, 1);
    top->addLayout(side);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(frmPanel);
    layout->addLayout(buttons);
    resize(700, 620);

    connect(btnCreate, &QPushButton::clicked, this, &RestoreWindow::createRestore);
    connect(OKButton, &QPushButton::clicked, this, &RestoreWindow::ok);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { ShowHelpPage(QStringLiteral("restore.qhp")); });
    connect(btnSet, &QPushButton::clicked, this, &RestoreWindow::set);
    connect(txtPRestoreName, &QLineEdit::returnPressed, this, &RestoreWindow::set);
    connect(btnLoad, &QPushButton::clicked, this, &RestoreWindow::loadPoint);
    connect(File1, &QListWidget::itemDoubleClicked, this, &RestoreWindow::loadPoint);
    connect(btnRemove, &QPushButton::clicked, this, &RestoreWindow::remove);
}

void RestoreWindow::load()
{
    refreshFiles();
    MakeTopmost(this);
}

void RestoreWindow::refreshFiles()
{
    File1->clear();
    File1->addItems(FolderFiles::files(crashFolder(), {QStringLiteral(".rpw")}));
}

void RestoreWindow::setDocumentWindow(ComposerWindow *otherWindow)
{
    m_forOtherWindow = otherWindow != nullptr;
    m_otherWindow = otherWindow;
}

void RestoreWindow::openWith(const QString &documentText)
{
    setDocumentWindow(nullptr);
    txtRestore->setText(documentText);
    lblTitle->setText(QStringLiteral("Current Editor Contents"));
    Openers::showWindow(this);
}

void RestoreWindow::createRestore()
{
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        if (cmbRestore->currentText() != QStringLiteral("Restore ") + n)
            continue;
        points[i] = txtRestore->text();
        lblTitle->setText(QStringLiteral("Restore Point ") + n + QStringLiteral(" Set"));
        chkStatus[i]->setChecked(true);
        return;
    }
}

void RestoreWindow::restorePoint(int number)
{
    lblTitle->setText(btnRestore[number - 1]->text());
    txtRestore->setText(points[number - 1]);
}

void RestoreWindow::ok()
{
    hide();
    if (Prompter::ask(QStringLiteral("Using Restore Point is going to take your page back to "
                                     "the last time Restore Point was created. Proceed?"),
                      kTitle, Prompter::Icon::Question, Prompter::Buttons::YesNo)
        != Prompter::Answer::Yes) {
        Openers::showWindow(this);
        OKButton->setFocus();
        return;
    }
    // The page of the view showing takes it as any whole-document edit does:
    // one edit of the changed stretch, so Undo brings the page back.
    DocumentEdit edit;
    edit.text = txtRestore->text();
    // A point for a window that is gone goes nowhere, never to another page.
    if (!m_forOtherWindow)
        WholeDocument::write(WholeDocument::showing(true), edit);
    else if (m_otherWindow)
        WholeDocument::write(m_otherWindow.data(), edit);
    hide();
}

void RestoreWindow::reportAndReturn(const QString &text)
{
    hide();
    Prompter::tell(text, kTitle, Prompter::Icon::Critical);
    Openers::showWindow(this);
}

QString RestoreWindow::selectedFile() const
{
    const QListWidgetItem *item = File1->currentItem();
    return item ? QDir(crashFolder()).filePath(item->text()) : QString();
}

void RestoreWindow::set()
{
    // An empty name is allowed: the file is then ".rpw".
    const QString name = txtPRestoreName->text();
    if (!FolderFiles::isSafeName(name)) {
        FolderFiles::reportInvalidName();
        return;
    }
    const QString path = QDir(crashFolder()).filePath(name + QStringLiteral(".rpw"));
    if (!RichText::writePlainTextFile(path, txtRestore->text())) {
        reportAndReturn(QStringLiteral("An error occurred when trying to save document."));
        return;
    }
    refreshFiles();
}

void RestoreWindow::loadPoint()
{
    const QString path = selectedFile();
    QString text;
    if (path.isEmpty() || !RichText::readPlainTextFile(path, &text)) {
        reportAndReturn(QStringLiteral("An error occurred when trying to load document."));
        return;
    }
    txtRestore->setText(text);
    lblTitle->setText(QStringLiteral("Contents of loaded restore point"));
}

void RestoreWindow::remove()
{
    const QString path = selectedFile();
    if (path.isEmpty() || !QFile::remove(path)) {
        reportAndReturn(QStringLiteral("An error occurred when trying to remove document."));
        return;
    }
    refreshFiles();
}

void RestoreWindow::closeEvent(QCloseEvent *event)
{
    // The points live until the program ends.
    event->ignore();
    hide();
}

void openRestoreFromSource()
{
    auto *window = WindowDirectory::touch<RestoreWindow>(QStringLiteral("restore"));
    if (window)
        window->openWith(Quorl()->area->text());
}
