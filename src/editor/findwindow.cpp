#include "editor/findwindow.h"

#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace TextSearch {

namespace {

Qt::CaseSensitivity sensitivity(bool matchCase)
{
    return matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

} // namespace

qsizetype findFirst(const QString &text, const QString &what, bool matchCase)
{
    if (what.isEmpty())
        return -1;
    return text.indexOf(what, 0, sensitivity(matchCase));
}

qsizetype findNext(const QString &text, qsizetype selStart, const QString &what,
                   bool matchCase)
{
    if (what.isEmpty())
        return -1;
    return text.indexOf(what, selStart + 1, sensitivity(matchCase));
}

} // namespace TextSearch

namespace {

void tellFinished()
{
    Prompter::tell(TextSearch::finishedMessage, QStringLiteral("Quorl"), Prompter::Icon::None);
}

} // namespace

FindWindow::FindWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FindMe"));
    setWindowTitle(QStringLiteral("Find : Quorl"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    chkCase = new QCheckBox(QStringLiteral("Match Case"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
    OKButton = new QPushButton(QStringLiteral("Find"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(txtFind, 0, 0);
    grid->addWidget(OKButton, 0, 1);
    grid->addWidget(chkCase, 1, 0);
    grid->addWidget(CancelButton, 1, 1);

    connect(OKButton, &QPushButton::clicked, this, &FindWindow::onFind);
    connect(CancelButton, &QPushButton::clicked, this,
            [] { WindowDirectory::unload(QStringLiteral("FindMe")); });
}

void FindWindow::load()
{
    MakeTopmost(this);
}

void FindWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    WindowDirectory::unload(QStringLiteral("FindMe"));
}

void FindWindow::onFind()
{
    SourceWindow *w = Quorl();
    const QString what = txtFind->text();
    const qsizetype at = TextSearch::findFirst(w->area->text(), what, chkCase->isChecked());
    if (at >= 0) {
        w->area->setSelStart(at);
        w->area->setSelLength(what.size());
        w->txtSearch = what;
        w->updateFindNext();
    } else {
        tellFinished();
    }
    WindowDirectory::unload(QStringLiteral("FindMe"));
}

void FindNext()
{
    SourceWindow *w = Quorl();
    const auto *find =
        qobject_cast<FindWindow *>(WindowDirectory::loaded(QStringLiteral("FindMe")));
    const bool matchCase = find && find->chkCase->isChecked();
    const qsizetype at = TextSearch::findNext(w->area->text(), w->area->selStart(), w->txtSearch,
                                              matchCase);
    if (at < 0) {
        tellFinished();
        return;
    }
    w->area->setSelStart(at);
    w->area->setSelLength(w->txtSearch.size());
}
