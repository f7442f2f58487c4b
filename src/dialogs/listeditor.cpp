#include "dialogs/listeditor.h"

#include "platform/plaintext.h"
#include "platform/prompter.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>

QStringList listEntries(const QListWidget *list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

ListEditor::ListEditor(QList<QListWidget *> lists)
    : m_lists(std::move(lists))
{
}

ListButtons ListEditor::makeButtons(QWidget *parent, const QString &removeMessage)
{
    const auto button = [parent](const char *name, const char *caption) {
        auto *b = new QPushButton(QLatin1String(caption), parent);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    ListButtons b;
    b.btnAdd = button("btnAdd", "Add Point");
    b.btnRemove = button("btnRemove", "Remove");
    b.btnUp = button("btnUp", "");
    b.btnUp->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowUp));
    PlainText::describe(b.btnUp, QStringLiteral("Move Up"));
    b.btnDown = button("btnDown", "");
    b.btnDown->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowDown));
    PlainText::describe(b.btnDown, QStringLiteral("Move Down"));
    b.btnClear = button("btnClear", "Clear");
    QObject::connect(b.btnRemove, &QPushButton::clicked, parent,
                     [this, removeMessage] { remove(removeMessage); });
    QObject::connect(b.btnUp, &QPushButton::clicked, parent, [this] { up(); });
    QObject::connect(b.btnDown, &QPushButton::clicked, parent, [this] { down(); });
    return b;
}

void ListEditor::add(const QStringList &entries)
{
    for (qsizetype i = 0; i < m_lists.size(); ++i)
        m_lists.at(i)->addItem(entries.value(i));
}

void ListEditor::remove(const QString &message)
{
    const int row = selectedRow();
    if (row < 0) {
        Prompter::tell(message, QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        return;
    }
    for (QListWidget *list : std::as_const(m_lists))
        delete list->takeItem(row);
}

void ListEditor::up()
{
    const int row = selectedRow();
    if (row > 0)
        move(row, row - 1);
}

void ListEditor::down()
{
    const int row = selectedRow();
    if (row >= 0 && row < count() - 1)
        move(row, row + 1);
}

void ListEditor::move(int from, int to)
{
    for (QListWidget *list : std::as_const(m_lists)) {
        list->insertItem(to, list->takeItem(from));
        list->setCurrentRow(to);
    }
}

void ListEditor::clear()
{
    for (QListWidget *list : std::as_const(m_lists))
        list->clear();
}

bool ListEditor::clearAfterQuestion()
{
    if (Prompter::ask(QStringLiteral("Are you sure you wish to clear the list?"),
                      QStringLiteral("Assistant: Quorl"), Prompter::Icon::Question,
                      Prompter::Buttons::YesNo, Prompter::Answer::No)
        != Prompter::Answer::Yes)
        return false;
    clear();
    return true;
}

int ListEditor::count() const
{
    return m_lists.first()->count();
}

QStringList ListEditor::entries(int index) const
{
    return listEntries(m_lists.at(index));
}

int ListEditor::selectedRow() const
{
    const QList<QListWidgetItem *> chosen = m_lists.first()->selectedItems();
    return chosen.isEmpty() ? -1 : m_lists.first()->row(chosen.first());
}
