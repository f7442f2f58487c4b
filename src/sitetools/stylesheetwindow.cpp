#include "sitetools/stylesheetwindow.h"

#include "editor/openers.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/programlauncher.h"
#include "platform/prompter.h"

#include <QPushButton>
#include <QVBoxLayout>

StyleSheetWindow::StyleSheetWindow()
    : DialogFrame(QStringLiteral("styleSheet"), QStringLiteral("Style Sheet Creator: Quorl"))
{
    resize(760, 560);
    webber = new HtmlEditView(this);
    webber->setObjectName(QStringLiteral("webber"));
    btnTintor = button(QStringLiteral("btnTintor"), QStringLiteral("Tintor"));
    btnHelp = helpButton(QStringLiteral("stylesheet.qhp"));
    btnNext = button(QStringLiteral("btnNext"), QStringLiteral("Next >>"));
    CancelButton = cancelButton();
    CancelButton->setText(QStringLiteral("Close"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(webber, 1);
    addButtonRow(layout, {btnNext, CancelButton}, {btnTintor, btnHelp});

    connect(btnTintor, &QPushButton::clicked, this, &StyleSheetWindow::startTintor);
    connect(btnNext, &QPushButton::clicked, this, &StyleSheetWindow::next);
}

void StyleSheetWindow::load()
{
    DialogFrame::load();
    webber->setBrowseMode(true);
    // A missing page leaves the view empty; the tool works without it.
    webber->LoadDocument(ProgramFolder::resolve(QStringLiteral("tools/ssc.ssc")));
}

void StyleSheetWindow::startTintor()
{
    if (!ProgramLauncher::start(ProgramFolder::resolve(QStringLiteral("tools/Tintor.exe"))))
        Prompter::tell(QStringLiteral("Unable to launch file."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
}

void StyleSheetWindow::next()
{
    if (QWidget *wizard = WindowDirectory::touch(QStringLiteral("styleSheetWiz")))
        Openers::showWindow(wizard);
    hide();
}
