#include "editor/bookmarkswindow.h"

#include "dialogs/insertroute.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Anchors scanAnchors(const QString &text)
{
    Anchors found;
    const QString start = QStringLiteral("<a name");
    // The first search starts at the second character.
    qsizetype p = text.indexOf(start, 1, Qt::CaseInsensitive);
    while (p >= 0) {
        const qsizetype q = text.indexOf(u'>', p + 1);
        if (q < 0)
            break;
        const QString tag = text.mid(p, q - p + 1);
        const qsizetype a = tag.indexOf(u'"');
        const qsizetype b = a < 0 ? -1 : tag.indexOf(u'"', a + 1);
        if (b < 0)
            break;
        found.addresses.append(tag);
        found.names.append(tag.mid(a + 1, b - a - 1));
        p = text.indexOf(start, p + 1, Qt::CaseInsensitive);
    }
    return found;
}

void fillBookmarkLists(QWidget *window, const Anchors &anchors)
{
    auto *names = window->findChild<QListWidget *>(QStringLiteral("listBookMarks"));
    auto *addresses = window->findChild<QListWidget *>(QStringLiteral("listAddress"));
    if (!names || !addresses) {
        qWarning("%s has no bookmark lists", qPrintable(window->objectName()));
        return;
    }
    names->clear();
    addresses->clear();
    names->addItems(anchors.names);
    addresses->addItems(anchors.addresses);
}

BookmarksWindow::BookmarksWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Bookmarks : Quorl"));

    lblAdd = new QLabel(QStringLiteral("Add Bookmark"), this);
    lblAdd->setObjectName(QStringLiteral("lblAdd"));
    txtBookmark = new QLineEdit(this);
    txtBookmark->setObjectName(QStringLiteral("txtBookmark"));
    btnAdd = new QPushButton(QStringLiteral("Add"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    listBookMarks = new QListWidget(this);
    listBookMarks->setObjectName(QStringLiteral("listBookMarks"));
    // The start tags stand beside the names, unseen.
    listAddress = new QListWidget(this);
    listAddress->setObjectName(QStringLiteral("listAddress"));
    listAddress->hide();
    btnGo = new QPushButton(QStringLiteral("Go To"), this);
    btnGo->setObjectName(QStringLiteral("btnGo"));
    CancelButton = new QPushButton(QStringLiteral("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblAdd, 0, 0, 1, 2);
    layout->addWidget(txtBookmark, 1, 0);
    layout->addWidget(btnAdd, 1, 1);
    layout->addWidget(listBookMarks, 2, 0, 4, 1);
    layout->addWidget(btnGo, 2, 1);
    layout->addWidget(CancelButton, 3, 1);
    layout->addWidget(btnHelp, 4, 1);
    layout->setRowStretch(5, 1);
    resize(360, 320);

    connect(btnAdd, &QPushButton::clicked, this, &BookmarksWindow::add);
    connect(txtBookmark, &QLineEdit::returnPressed, this, &BookmarksWindow::add);
    connect(btnGo, &QPushButton::clicked, this, &BookmarksWindow::goTo);
    connect(CancelButton, &QPushButton::clicked, this, &BookmarksWindow::unloadSelf);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { ShowHelpPage(QStringLiteral("bmark.qhp")); });
}

void BookmarksWindow::load()
{
    MakeTopmost(this);
}

QString BookmarksWindow::anchorFor(const QString &name)
{
    return QStringLiteral("<A name=\"") + name + QStringLiteral("\"></A>");
}

void BookmarksWindow::add()
{
    // Into the view showing: the hidden source text is overwritten later.
    InsertRoute::deliver(objectName(), InsertRoute::Route::Source, anchorFor(txtBookmark->text()));
    unloadSelf();
}

void BookmarksWindow::goTo()
{
    const int row = listBookMarks->currentRow();
    if (row < 0 || !listBookMarks->item(row)->isSelected()) {
        Prompter::tell(QStringLiteral("No Bookmark Selected"), QStringLiteral("Assistant: Quorl"),
                       Prompter::Icon::Exclamation);
        unloadSelf();
        return;
    }
    listAddress->setCurrentRow(row);
    const QString tag = listAddress->item(row) ? listAddress->item(row)->text() : QString();
    SourceArea *area = Quorl()->area;
    const qsizetype at = tag.isEmpty() ? -1 : area->text().indexOf(tag);
    // A tag edited away since the scan leaves the selection as it is.
    if (at >= 0) {
        area->setSelStart(at);
        area->setSelLength(tag.size());
    }
    unloadSelf();
}

void BookmarksWindow::unloadSelf()
{
    WindowDirectory::unload(objectName());
}

void BookmarksWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    unloadSelf();
}

void showBookmarks()
{
    const Anchors anchors = scanAnchors(Quorl()->area->text());
    auto *window = WindowDirectory::touch<BookmarksWindow>(QStringLiteral("bookmarks"));
    if (!window)
        return;
    fillBookmarkLists(window, anchors);
    window->compOrEdit = QStringLiteral("edit");
    Openers::showWindow(window);
}

void showHyperlinkDialog()
{
    SourceWindow *source = Quorl();
    const Anchors anchors = scanAnchors(source->area->text());
    QWidget *dialog = WindowDirectory::touch(QStringLiteral("hyperlinks"));
    if (!dialog)
        return;
    fillBookmarkLists(dialog, anchors);
    Openers::write(dialog, QStringLiteral("compOrEdit"), QStringLiteral("edit"));
    Openers::write(dialog, QStringLiteral("txtTextToDisp"), source->area->selText());
    Openers::showWindow(dialog);
}
