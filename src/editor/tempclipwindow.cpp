#include "editor/tempclipwindow.h"

#include "dialogs/insertroute.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Assistant: Quorl");

QPushButton *newButton(const QString &caption, const QString &name, const QString &tip,
                       QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

// Shows each snippet on one row, as a list box does, from its first
// characters only: a snippet of a whole page laid out in full took seconds at
// every paint of the list. The entry's text stays the whole snippet.
class SnippetDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        constexpr qsizetype shown = 300;
        const QString text = value.toString();
        QString row = text.left(shown);
        row.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        row.replace(u'\r', u' ');
        row.replace(u'\n', u' ');
        return text.size() > shown ? row + QStringLiteral("...") : row;
    }
};

} // namespace

TempClipWindow::TempClipWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Temporary Clipboard : Quorl"));

    listClip = new QListWidget(this);
    listClip->setObjectName(QStringLiteral("listClip"));
    listClip->setToolTip(QStringLiteral("List of Items in the clipboard"));
    listClip->setItemDelegate(new SnippetDelegate(listClip));
    listClip->setAcceptDrops(true);
    listClip->viewport()->setAcceptDrops(true);
    listClip->viewport()->installEventFilter(this);

    txtClip = new QPlainTextEdit(this);
    txtClip->setObjectName(QStringLiteral("txtClip"));
    txtClip->setToolTip(
        QStringLiteral("Display Box - Content of the selected clipboard item"));

    btnPaste = newButton(QStringLiteral("Paste"), QStringLiteral("btnPaste"),
                         QStringLiteral("Paste the text in the display box"), this);
    btnRemove = newButton(QStringLiteral("Remove Selected"), QStringLiteral("btnRemove"),
                          QStringLiteral("Remove the selected item from clipboard"), this);
    btnClear = newButton(QStringLiteral("Clear"), QStringLiteral("btnClear"),
                         QStringLiteral("Clear Temporary Clipboard"), this);
    CancelButton = newButton(QStringLiteral("Close"), QStringLiteral("CancelButton"),
                             QStringLiteral("Close this window"), this);
    btnHelp = newButton(QStringLiteral("Show Help"), QStringLiteral("btnHelp"), QString(), this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnPaste, btnRemove, btnClear})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listClip, 1);
    layout->addWidget(txtClip, 1);
    layout->addLayout(buttons);
    resize(460, 420);

    connect(listClip, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { txtClip->setPlainText(item->text()); });
    connect(btnPaste, &QPushButton::clicked, this, &TempClipWindow::paste);
    connect(btnRemove, &QPushButton::clicked, this, &TempClipWindow::removeSelected);
    connect(btnClear, &QPushButton::clicked, this, &TempClipWindow::clear);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(btnHelp, &QPushButton::clicked, this,
            [] { ShowHelpPage(QStringLiteral("tclip.qhp")); });
}

void TempClipWindow::load()
{
    MakeTopmost(this);
}

void TempClipWindow::addSnippet(const QString &text)
{
    // Each snippet is one entry, line breaks and all.
    listClip->addItem(text);
}

void TempClipWindow::paste()
{
    // The window stays on top of the composer too: there the snippet goes
    // into the page, since the hidden source text is overwritten later.
    InsertRoute::deliver(objectName(), InsertRoute::Route::Source, txtClip->toPlainText());
}

void TempClipWindow::removeSelected()
{
    const int row = listClip->currentRow();
    if (row < 0 || !listClip->item(row)->isSelected()) {
        Prompter::tell(QStringLiteral("No item selected"), kTitle, Prompter::Icon::Exclamation);
        return;
    }
    delete listClip->takeItem(row);
}

void TempClipWindow::clear()
{
    if (Prompter::ask(QStringLiteral("This will clear Temporary Clipboard. Proceed?"), kTitle,
                      Prompter::Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No)
        == Prompter::Answer::Yes) {
        listClip->clear();
    }
}

bool TempClipWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != listClip->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        // A copy: the text stays in the display box.
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const QString selected = txtClip->textCursor().selectedText().replace(
            QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        if (!selected.isEmpty())
            addSnippet(selected);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TempClipWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

TempClipWindow *TempClip()
{
    return WindowDirectory::touch<TempClipWindow>(QStringLiteral("TempClip"));
}

void copyToTempClip()
{
    SourceArea *area = Quorl()->area;
    if (area->selLength() >= 1)
        TempClip()->addSnippet(area->selText());
}

void showTempClip()
{
    Openers::showWindow(TempClip());
}
