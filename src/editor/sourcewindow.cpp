#include "editor/sourcewindow.h"

#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcepagecommands.h"
#include "platform/clipboard.h"
#include "platform/plaintext.h"
#include "platform/sourcearea.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
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
    QFont areaFont(QStringLiteral("Times New Roman"));
    areaFont.setPointSizeF(9.75);
    area->setFont(areaFont);
    document.area = area;

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
    connect(Menus::bind(mnuVevevodi), &QAction::triggered, this, &ShowVevevodi);
    connect(Menus::bind(Menus::find(this, QStringLiteral("mnuViewVevevodi"))),
            &QAction::triggered, this, &ShowVevevodi);
    buildToolbars();
    buildStatusBar();
    SourcePageCommands::bind(this);
    buildAssists();

    comdlg.documentFolder = [this] {
        return DocumentPath.isEmpty() ? QString() : QFileInfo(DocumentPath).absolutePath();
    };

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

void SourceWindow::buildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    const int widths[6] = {0, 60, 90, 50, 50, 50};
    for (int i = 0; i < 6; ++i) {
        m_panels[i] = PlainText::keep(new QLabel(StatusBar1));
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

void SourceWindow::updateFindNext()
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

void SourceWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        area->setFocus();
}
