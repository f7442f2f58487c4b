#include "editor/sourcewindow.h"

#include "editor/menubuilder.h"
#include "editor/recentfiles.h"
#include "platform/clipboard.h"
#include "platform/sourcearea.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

SourceWindow *Quorl()
{
    return WindowDirectory::touch<SourceWindow>(QStringLiteral("Quorl"));
}

namespace {

// The scratch box's design text.
const QString kArea1Design = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
    "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n"
    "<!--This page has been created by using Korrandel's Quorl-->");

} // namespace

SourceWindow::SourceWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Quorl"));
    setWindowTitle(QStringLiteral("Untitled(): Quorl - By Korrandel"));
    resize(860, 640);

    area = new SourceArea(this);
    area->setObjectName(QStringLiteral("area"));
    area->setFont(QFont(QStringLiteral("Times New Roman"), 10));

    area1 = new SourceArea(this);
    area1->setObjectName(QStringLiteral("area1"));
    area1->hide();
    area1->setText(kArea1Design);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(area);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();

    connect(area, &SourceArea::changed, this, &SourceWindow::onAreaChange);
    connect(area, &SourceArea::overwriteModeToggled, this, &SourceWindow::updateInsertPanel);
}

void SourceWindow::load()
{
    blankPageHtml = QStringList{
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META NAME=\"GENERATOR\" Content=\"Quorl Vevevodi\">"),
        QStringLiteral("<TITLE></TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("<P>&nbsp;</P>"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    }.join(QStringLiteral("\r\n"));
    UpdateLineCount();
}

void SourceWindow::buildMenus()
{
    using namespace Menus;
    QMenuBar *bar = menuBar();

    mnuFile = menu(bar, QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuew = bind(item(mnuFile, QStringLiteral("New"), QStringLiteral("mnuew"),
                      QKeySequence(Qt::CTRL | Qt::Key_N)),
                 this, &SourceWindow::New);
    mnuOpen = bind(item(mnuFile, QStringLiteral("&Open"), QStringLiteral("mnuOpen"),
                        QKeySequence(Qt::CTRL | Qt::Key_O)),
                   this, &SourceWindow::Open);
    mnuSave = bind(item(mnuFile, QStringLiteral("&Save"), QStringLiteral("mnuSave"),
                        QKeySequence(Qt::CTRL | Qt::Key_S)),
                   this, &SourceWindow::Save);
    mnuSaveAs = bind(item(mnuFile, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs")),
                     this, &SourceWindow::SaveAs);
    mnuRecent = subMenu(mnuFile, QStringLiteral("Recent"), QStringLiteral("mnuRecent"));
    for (int i = 0; i < 5; ++i) {
        recent[i] = item(mnuRecent, QString(), QStringLiteral("recent_%1").arg(i));
        recent[i]->setVisible(false);
        recent[i]->setEnabled(true);
        connect(recent[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    }
    RecentFiles::registerMenu(recent);
    mnuFile->addSeparator();
    mnuVevevodi = item(mnuFile, QStringLiteral("Vevevodi"), QStringLiteral("mnuVevevodi"),
                       QKeySequence(Qt::Key_F2));
    mnuPreview = item(mnuFile, QStringLiteral("Preview"), QStringLiteral("mnuPreview"),
                      QKeySequence(Qt::Key_F5));
    mnuFile->addSeparator();
    mnuInsFile = bind(item(mnuFile, QStringLiteral("Insert &File"),
                           QStringLiteral("mnuInsFile")),
                      this, &SourceWindow::InsertFile);
    mnuFile->addSeparator();
    mnuPageSetup = item(mnuFile, QStringLiteral("Page Setup"), QStringLiteral("mnuPageSetup"));
    mnuPrint = item(mnuFile, QStringLiteral("Print"), QStringLiteral("mnuPrint"));
    mnuFile->addSeparator();
    mnuExit = bind(item(mnuFile, QStringLiteral("E&xit"), QStringLiteral("mnuExit"),
                        QKeySequence(Qt::CTRL | Qt::Key_E)),
                   this, &SourceWindow::Exit);

    mnuEdit = menu(bar, QStringLiteral("&Edit"), QStringLiteral("mnuEdit"));
    mnuFind = item(mnuEdit, QStringLiteral("&Find"), QStringLiteral("mnuFind"),
                   QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuFindNext = item(mnuEdit, QStringLiteral("Find &Next"), QStringLiteral("mnuFindNext"),
                       QKeySequence(Qt::Key_F3));
    mnuEdit->addSeparator();
    mnuCopy = bind(item(mnuEdit, QStringLiteral("&Copy"), QStringLiteral("mnuCopy")), this,
                   &SourceWindow::copy);
    mnuCut = bind(item(mnuEdit, QStringLiteral("Cu&t"), QStringLiteral("mnuCut")), this,
                  &SourceWindow::cut);
    mnuPaste = bind(item(mnuEdit, QStringLiteral("&Paste"), QStringLiteral("mnuPaste")), this,
                    &SourceWindow::paste);
    mnuEdit->addSeparator();
    mnuLcase = item(mnuEdit, QStringLiteral("&Lower Case"), QStringLiteral("mnuLcase"));
    mnuUcase = item(mnuEdit, QStringLiteral("&Upper Case"), QStringLiteral("mnuUcase"));
    mnuTitleCase = item(mnuEdit, QStringLiteral("&Title Case"), QStringLiteral("mnuTitleCase"));
    mnuIcase = item(mnuEdit, QStringLiteral("&Inverted Case"), QStringLiteral("mnuIcase"));
    mnuEdit->addSeparator();
    mnuSelectAll = bind(item(mnuEdit, QStringLiteral("Select All"),
                             QStringLiteral("mnuSelectAll"), QKeySequence(Qt::CTRL | Qt::Key_A)),
                        this, &SourceWindow::selectAll);
    connect(mnuEdit, &QMenu::aboutToShow, this, &SourceWindow::onEditMenuOpening);

    mnuView = menu(bar, QStringLiteral("&View"), QStringLiteral("mnuView"));
    mnuFormat = menu(bar, QStringLiteral("F&ormat"), QStringLiteral("mnuFormat"));
    mnuInsert = menu(bar, QStringLiteral("&Insert"), QStringLiteral("mnuInsert"));
    mnuOptions = menu(bar, QStringLiteral("O&ptions"), QStringLiteral("mnuOptions"));
    mnuAutoRecog = checkItem(mnuOptions, QStringLiteral("Auto Tag Recognition"),
                             QStringLiteral("mnuAutoRecog"), false);
    mnuStyle = menu(bar, QStringLiteral("&Style"), QStringLiteral("mnuStyle"));
    mnuTools = menu(bar, QStringLiteral("Tools"), QStringLiteral("mnuTools"));
    mnuHelp = menu(bar, QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
}

void SourceWindow::buildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    const int widths[6] = {0, 60, 90, 50, 50, 50};
    for (int i = 0; i < 6; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        if (i == 0) {
            StatusBar1->addWidget(m_panels[i], 1);
        } else {
            m_panels[i]->setMinimumWidth(widths[i]);
            m_panels[i]->setAlignment(Qt::AlignCenter);
            StatusBar1->addPermanentWidget(m_panels[i]);
        }
    }
    updateInsertPanel();
}

QString SourceWindow::panelText(int panel) const
{
    return m_panels.at(panel - 1)->text();
}

void SourceWindow::setPanelText(int panel, const QString &text)
{
    m_panels.at(panel - 1)->setText(text);
}

void SourceWindow::titleupdate()
{
    const QString caption = captionPrefix + u'(' + star + QStringLiteral(") ") + DocumentPath;
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void SourceWindow::UpdateLineCount()
{
    lineCount = area->lineCount();
    // The count is written with a sign position, a blank for these counts.
    setPanelText(3, QStringLiteral("Lines: ") + u' ' + QString::number(lineCount));
}

void SourceWindow::onAreaChange()
{
    star = QStringLiteral("*");
    titleupdate();
    UpdateLineCount();
    if (mnuAutoRecog->isChecked() && autoRecognizeTag)
        autoRecognizeTag();
    setPanelText(1, readyText);
}

void SourceWindow::onEditMenuOpening()
{
    mnuFindNext->setEnabled(!txtSearch.isEmpty() && mnuFind->isEnabled());
}

void SourceWindow::updateInsertPanel()
{
    setPanelText(6, area->overwriteMode() ? QStringLiteral("OVR") : QStringLiteral("INS"));
}

void SourceWindow::copy()
{
    if (area->selLength() >= 1)
        Clipboard::setText(area->selText());
}

void SourceWindow::cut()
{
    if (area->selLength() < 1)
        return;
    Clipboard::setText(area->selText());
    area->setSelText(QString());
}

void SourceWindow::paste()
{
    // A clipboard without text leaves the selection alone.
    const QString text = Clipboard::text();
    if (!text.isEmpty())
        area->setSelText(text);
}

void SourceWindow::selectAll()
{
    area->setSelStart(0);
    area->setSelLength(area->textLength());
}
