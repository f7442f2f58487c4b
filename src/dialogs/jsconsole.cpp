#include "dialogs/jsconsole.h"

#include "editor/openers.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString jsc = QStringLiteral("jsc");

} // namespace

const QList<ConsoleElement> &consoleElements()
{
    static const QList<ConsoleElement> elements = {
        {"Button", {"click", "blur", "focus", "mouseDown", "mouseUp", "mouseOver"}, "formButton",
         "radButton"},
        {"CheckBox", {"click", "blur", "focus"}, "formRadChk", "radCheckbox"},
        {"File Upload", {"change", "blur", "focus"}, "formFile", {}},
        {"Form", {"submit", "reset"}, "formForm", {}},
        {"Hyperlink",
         {"click", "dblClick", "mouseDown", "mouseUp", "mouseOver", "mouseOut", "keyDown",
          "keyUp", "keyPress"},
         "hyperlinks", {}},
        {"Image", {"abort", "error", "load", "keyDown", "keyUp", "keyPress"}, "frmImage", {}},
        {"Password", {"blur", "focus"}, "formTextbox", "radYes"},
        {"Radio", {"click", "blur", "focus"}, "formRadChk", "radRadio"},
        {"Reset", {"click", "blur", "focus"}, "formButton", "radReset"},
        {"Submit", {"click", "blur", "focus"}, "formButton", "radSubmit"},
        {"TextArea", {"blur", "focus", "change", "select", "keyDown", "keyUp", "keyPress"},
         "formTextArea", {}},
        {"TextBox", {"blur", "focus", "change", "select"}, "formTextbox", "radNo"},
    };
    return elements;
}

const QStringList &consoleActions()
{
    static const QStringList actions = {"alert", "close window", "confirm", "open url",
                                        "prompt"};
    return actions;
}

QString actionQuestion(const QString &action)
{
    if (action == u"alert")
        return QStringLiteral("Enter the message that you would like to display");
    if (action == u"open url")
        return QStringLiteral("Enter the URL to which you want to navigate");
    if (action == u"prompt")
        return QStringLiteral("Enter the prompt message");
    if (action == u"confirm")
        return QStringLiteral("Enter the confirmation message");
    return QString();
}

QString scriptString(const QString &typed)
{
    QString out;
    out.reserve(typed.size() + typed.size() / 4);
    for (const QChar c : typed) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\'':
            out += QLatin1String("\\'");
            break;
        // The attribute's own quoting: the page's parser gives the script
        // back the plain character.
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString handlerAttribute(const QString &action, const QString &event, const QString &typed,
                         const QString &defaultText)
{
    const QString start = QStringLiteral("on") + event + QStringLiteral("=\"");
    const QString m = scriptString(typed);
    if (action == u"alert")
        return start + QStringLiteral("alert('") + m + QStringLiteral("')\" ");
    if (action == u"open url")
        return start + QStringLiteral("window.location='") + m + QStringLiteral("'\" ");
    if (action == u"confirm")
        return start + QStringLiteral("confirm('") + m + QStringLiteral("')\" ");
    if (action == u"close window")
        return start + QStringLiteral("window.close()\" ");
    if (action == u"prompt") {
        QString text = start + QStringLiteral("prompt('") + m + u'\'';
        if (!defaultText.isEmpty())
            text += QStringLiteral(",'") + scriptString(defaultText) + u'\'';
        return text + QStringLiteral(")\"");
    }
    return QString();
}

JSConsole::JSConsole()
    : DialogFrame(QStringLiteral("JSConsole"), QStringLiteral("JavaScript Console : Quorl"))
{
    const auto list = [this](const char *name, const char *frame, QGridLayout *grid,
                             int column) {
        auto *box = new QGroupBox(QLatin1String(frame), this);
        auto *inner = new QVBoxLayout(box);
        auto *widget = new QListWidget(box);
        widget->setObjectName(QLatin1String(name));
        inner->addWidget(widget);
        grid->addWidget(box, 0, column);
        return widget;
    };
    auto *layout = new QVBoxLayout(this);
    auto *lists = new QGridLayout;
    layout->addLayout(lists);
    theListOfItems = list("theListOfItems", "What would you like to insert?", lists, 0);
    theListOfEvents = list("theListOfEvents", "When should it happen?", lists, 1);
    listToBeDone = list("listToBeDone", "What should happen?", lists, 2);
    for (const ConsoleElement &element : consoleElements()) {
        auto *item = new QListWidgetItem(element.item, theListOfItems);
        // An element whose dialog is not built yet cannot be chosen.
        if (!Openers::available({element.dialog, {}, {}}))
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    listToBeDone->addItems(consoleActions());
    // Every element type in sight at once.
    theListOfItems->setMinimumHeight(theListOfItems->sizeHintForRow(0) * theListOfItems->count()
                                     + 2 * theListOfItems->frameWidth());
    theListOfEvents->setEnabled(false);

    theCode = new SourceArea(this);
    theCode->setObjectName(QStringLiteral("theCode"));
    theCode->setMinimumHeight(110);
    theCode->setAccessibleName(QStringLiteral("Code"));  // it stands without a label
    layout->addWidget(theCode);

    btnIns = button(QStringLiteral("btnIns"), QStringLiteral("Insert different"));
    btnok = button(QStringLiteral("btnok"), QStringLiteral("OK"));
    btnCancel = button(QStringLiteral("btnCancel"), QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnIns);
    buttons->addStretch();
    buttons->addWidget(btnok);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    resize(560, 420);

    // Not on a change of the current item: focus alone makes the first item
    // current, and that is no choice of the user's.
    // Enter stands for a click; the list's own activation would come twice
    // with a mouse click on some desktops.
    connect(theListOfItems, &QListWidget::itemClicked, this, &JSConsole::chooseElement);
    connect(listToBeDone, &QListWidget::itemClicked, this, &JSConsole::addHandler);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(key, theListOfItems,
                      [this] { chooseElement(theListOfItems->currentItem()); },
                      Qt::WidgetShortcut);
        new QShortcut(key, listToBeDone, [this] { addHandler(listToBeDone->currentItem()); },
                      Qt::WidgetShortcut);
    }
    connect(theCode, &SourceArea::changed, this,
            [this] { theListOfEvents->setEnabled(!theCode->text().isEmpty()); });
    connect(btnok, &QPushButton::clicked, this, &JSConsole::onOk);
    connect(btnIns, &QPushButton::clicked, this, &JSConsole::onInsertDifferent);
    connect(btnCancel, &QPushButton::clicked, this, &DialogFrame::unload);
}

JSConsole::~JSConsole()
{
    if (!WindowDirectory::isLoaded(objectName()))
        closeFieldDialogs();
}

QString JSConsole::code() const
{
    return theCode->text();
}

void JSConsole::setCode(const QString &text)
{
    theCode->setText(text);
}

void JSConsole::setSelText(const QString &text)
{
    theCode->setSelText(text);
}

qsizetype JSConsole::selStart() const
{
    return theCode->selStart();
}

void JSConsole::select(qsizetype start, qsizetype length)
{
    theCode->setSelStart(start);
    theCode->setSelLength(length);
}

void JSConsole::focusCode()
{
    theCode->setFocus();
}

void JSConsole::chooseElement(QListWidgetItem *item)
{
    if (!item || !theListOfItems->isEnabled() || !(item->flags() & Qt::ItemIsEnabled))
        return;
    const auto &elements = consoleElements();
    const auto element = std::find_if(elements.begin(), elements.end(), [item](const auto &e) {
        return e.item == item->text();
    });
    if (element == elements.end())
        return;
    theListOfEvents->clear();
    setCode(QString());
    theListOfEvents->addItems(element->events);
    Openers::Opener opener{element->dialog, {{QStringLiteral("compOrEdit"), jsc}}, {}};
    if (!element->option.isEmpty())
        opener.presets.append({element->option, true});
    theListOfItems->setEnabled(false);
    if (!m_opened.contains(element->dialog))
        m_opened.append(element->dialog);
    Openers::open(opener, QString());
}

void JSConsole::addHandler(QListWidgetItem *action)
{
    if (!action)
        return;
    const QList<QListWidgetItem *> chosen = theListOfEvents->selectedItems();
    if (chosen.isEmpty() || !theListOfEvents->isEnabled()) {
        Prompter::tell(QStringLiteral("Please select an event first"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        return;
    }
    QListWidgetItem *event = chosen.first();
    const QString name = action->text();
    const QString title = QStringLiteral("Quorl Vevevodi");
    QString typed;
    QString defaultText;
    const QString question = actionQuestion(name);
    if (!question.isEmpty()) {
        typed = Prompter::instance().input(question, title, QString()).value_or(QString());
        if (typed.isEmpty())
            return;
        if (name == u"prompt")
            defaultText = Prompter::instance()
                              .input(QStringLiteral("Enter the default text (Optional)"), title,
                                     QString())
                              .value_or(QString());
    }
    setSelText(handlerAttribute(name, event->text(), typed, defaultText));
    // Each event takes one handler; no other event stands chosen in its place.
    delete event;
    theListOfEvents->setCurrentItem(nullptr);
    theListOfEvents->clearSelection();
}

void JSConsole::onOk()
{
    setSelText(QStringLiteral(">"));
    InsertHtml(code());
    unload();
}

void JSConsole::onInsertDifferent()
{
    setCode(QString());
    theListOfItems->setEnabled(true);
}

void JSConsole::closeFieldDialogs()
{
    for (const QString &dialog : std::as_const(m_opened)) {
        const QWidget *window = WindowDirectory::loaded(dialog);
        if (window && window->property("compOrEdit").toString() == jsc)
            WindowDirectory::unload(dialog);
    }
    m_opened.clear();
}

void JSConsole::hideEvent(QHideEvent *event)
{
    DialogFrame::hideEvent(event);
    if (!WindowDirectory::isLoaded(objectName()))
        closeFieldDialogs();
}
