#include "dialogs/linkedlistdialog.h"

#include "editor/openers.h"
#include "platform/prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString assistant = QStringLiteral("Assistant: Quorl");

} // namespace

bool isListName(const QString &name)
{
    if (name.isEmpty() || name.front().isDigit())
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    }
    return true;
}

std::optional<QString> linkedListHtml(const LinkedListValues &v, bool composer)
{
    if (!isListName(v.name))
        return std::nullopt;
    QString html = composer ? QStringLiteral("<body><form>") : QStringLiteral("<form>");
    html += QStringLiteral("<SELECT name=") + v.name;
    if (!v.size.isEmpty())
        html += QStringLiteral(" size=") + v.size;
    if (!v.tab.isEmpty())
        html += QStringLiteral(" tabindex=\"") + v.tab + u'"';
    if (v.multiple)
        html += QStringLiteral(" MULTIPLE");
    html += QStringLiteral(" onchange=\"location.href= (form.") + v.name
            + QStringLiteral(".options[form.") + v.name
            + QStringLiteral(".selectedIndex].value)\">") + crlf;
    for (const auto &[point, address] : v.options)
        html += QStringLiteral("<OPTION value=\"") + address + QStringLiteral("\">") + point
                + QStringLiteral("</OPTION>") + crlf;
    html += QStringLiteral("</SELECT></form>");
    if (composer)
        html += QStringLiteral("</body>");
    return html;
}

LinkedListDialog::LinkedListDialog()
    : DialogFrame(QStringLiteral("ListURLs"), QStringLiteral("List With Linked Points : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildPointFrame());

    txtName = textField(QStringLiteral("txtName"));
    txtSize = numberField(QStringLiteral("txtSize"));
    txtTab = numberField(QStringLiteral("txtTab"));
    auto *fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Name"), this));
    fields->addWidget(txtName);
    fields->addWidget(new QLabel(QStringLiteral("Size"), this));
    fields->addWidget(txtSize);
    fields->addWidget(new QLabel(QStringLiteral("Tab Index"), this));
    fields->addWidget(txtTab);
    layout->addLayout(fields);

    auto *multiple = new QGroupBox(QStringLiteral("Allow Multiple Selections"), this);
    auto *options = new QHBoxLayout(multiple);
    radYes = optionButton(QStringLiteral("radYes"), QStringLiteral("Yes"));
    radNo = optionButton(QStringLiteral("radNo"), QStringLiteral("No"), true);
    options->addWidget(radYes);
    options->addWidget(radNo);
    layout->addWidget(multiple);

    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Create List"));
    btnHelp = helpButton(QStringLiteral("linkedlists.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {btnInsert, btnHelp});

    connect(btnAdd, &QPushButton::clicked, this, &LinkedListDialog::onAdd);
    connect(txtPoints, &QLineEdit::returnPressed, this, &LinkedListDialog::onAdd);
    connect(btnClear, &QPushButton::clicked, this, &LinkedListDialog::onClear);
    onConfirm(btnInsert, [this] { onInsert(); });
}

QWidget *LinkedListDialog::buildPointFrame()
{
    auto *frame = new QWidget(this);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(
        QStringLiteral("Points: Enter the points here, and press Enter after the point"), frame);
    label->setWordWrap(true);
    txtPoints = textField(QStringLiteral("txtPoints"));
    const auto list = [frame](const char *name) {
        auto *l = new QListWidget(frame);
        l->setObjectName(QLatin1String(name));
        l->setMinimumWidth(180);
        return l;
    };
    listPoints = list("listPoints");
    listURL = list("listURL");
    // The addresses follow the points; the user selects a point.
    listURL->setSelectionMode(QAbstractItemView::NoSelection);
    m_pairs.emplace(QList<QListWidget *>{listPoints, listURL});
    const ListButtons edit = m_pairs->makeButtons(
        this, QStringLiteral("No point selected to remove. Please click on a point in the "
                             "options list"));
    btnAdd = edit.btnAdd;
    btnRemove = edit.btnRemove;
    btnUp = edit.btnUp;
    btnDown = edit.btnDown;
    btnClear = edit.btnClear;

    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(txtPoints, 1, 0, 1, 2);
    grid->addWidget(btnAdd, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Options"), frame), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("URL"), frame), 2, 1);
    grid->addWidget(listPoints, 3, 0, 5, 1);
    grid->addWidget(listURL, 3, 1, 5, 1);
    grid->addWidget(btnRemove, 3, 2);
    grid->addWidget(btnUp, 4, 2);
    grid->addWidget(btnDown, 5, 2);
    grid->addWidget(btnClear, 6, 2);
    return frame;
}

LinkedListValues LinkedListDialog::values() const
{
    LinkedListValues v{txtName->text(), txtSize->text(), txtTab->text(), radYes->isChecked(),
                       {}};
    const QStringList points = m_pairs->entries(0);
    const QStringList addresses = m_pairs->entries(1);
    for (qsizetype i = 0; i < points.size(); ++i)
        v.options.append({points.at(i), addresses.value(i)});
    return v;
}

void LinkedListDialog::onAdd()
{
    const std::optional<QString> address = Prompter::instance().input(
        QStringLiteral("Enter the url/location to which the point has to be linked to"),
        QStringLiteral("Enter address/URL"), QStringLiteral("http://www.example.com/"));
    if (address && !address->isEmpty())
        m_pairs->add({txtPoints->text(), *address});
    else
        Prompter::tell(QStringLiteral("Valid URL was not entered"), assistant,
                       Prompter::Icon::Exclamation);
    txtPoints->clear();
    Openers::showWindow(this);
}

void LinkedListDialog::onClear()
{
    if (m_pairs->clearAfterQuestion())
        txtPoints->setFocus();
}

void LinkedListDialog::onInsert()
{
    const InsertRoute::Route route = deliveryRoute();
    const std::optional<QString> html =
        linkedListHtml(values(), route == InsertRoute::Route::Composer);
    if (!html) {
        Prompter::tell(QStringLiteral("A valid name has not been entered"), assistant,
                       Prompter::Icon::Exclamation);
        Openers::showWindow(this);
        txtName->setFocus();
        return;
    }
    hide();
    deliver(route, *html);
    unload();
}
