#include "editor/autorecognition.h"

#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QTextDocument>
#include <QToolBar>

namespace AutoRecognition {

std::function<void()> beep = [] { QApplication::beep(); };

namespace {

Rule assist(const char *key, const char *what, const char *command)
{
    return {QLatin1String(key),
            QStringLiteral("This looks like %1. Would you like Quorl to assist you?")
                .arg(QLatin1String(what)),
            QLatin1String(command), {}, false};
}

Rule complete(const QString &key, const QString &completion, bool beeps = false)
{
    return {key, {}, {}, completion, beeps};
}

// A colour name after color=" and its first letters: the rest of the name
// and the closing quote.
Rule colour(const char *letters, const char *rest, bool beeps = false)
{
    return complete(QStringLiteral("color=\"") + QLatin1String(letters),
                    QLatin1String(rest) + u'"', beeps);
}

int g_running = 0;

// The format-bar button or menu item of that name.
QAction *commandAction(SourceWindow *window, const QString &command)
{
    if (QAction *button = window->frmformatbar->findChild<QAction *>(command))
        return button;
    return Menus::find(window, command);
}

} // namespace

const QList<Rule> &rules()
{
    static const QList<Rule> list = {
        assist("<tab", "a table tag", "btnTable"),
        assist("<tr", "a table row", "mnuinsrowcol"),
        assist("<img", "an image tag", "mnuImage"),
        assist("<ul", "a bulletted list", "mnuBullets"),
        assist("<ol", "a numbered list", "mnuNumbering"),
        assist("<a h", "a hyperlink", "mnuHyperlink"),
        assist("<a n", "a anchor tag", "mnuBookmarks"),
        complete("<blo", "ckquote>"),
        complete("</bl", "ockquote>"),
        assist("<input", "a form element", "btnForm"),
        colour("r", "ed", true),
        colour("t", "eal"),
        colour("y", "ellow"),
        colour("f", "uchsia"),
        colour("l", "ime"),
        colour("m", "aroon"),
        colour("a", "qua"),
        colour("o", "live"),
        colour("p", "urple"),
        colour("s", "ilver"),
        colour("n", "avy"),
        colour("w", "hite"),
        colour("bla", "ck"),
        colour("blu", "e"),
        // Green and gray share "gr"; the third letter tells them apart.
        colour("gre", "en"),
        colour("gra", "y"),
    };
    return list;
}

namespace {

// The characters before the caret, lower case, as many as the longest key.
QString textBeforeCaret(SourceArea *area, qsizetype caret)
{
    static const qsizetype longest = [] {
        qsizetype n = 0;
        for (const Rule &rule : rules())
            n = qMax(n, rule.key.size());
        return n;
    }();
    return caret <= area->textLength() ? area->textBefore(caret, longest).toLower() : QString();
}

// An assist rule whose help can be given now.
QAction *assistAction(SourceWindow *window, const Rule &rule)
{
    if (rule.question.isEmpty())
        return nullptr;
    // No offer of help that cannot be given: the typed text would go and
    // nothing would come in its place.
    QAction *action = commandAction(window, rule.command);
    return action && action->isEnabled() ? action : nullptr;
}

// Waits for a pause in the typing before an assist asks: a question that
// came up while the user typed on would take the next keys as its answer.
class AssistPause : public QObject
{
public:
    explicit AssistPause(SourceWindow *window)
        : QObject(window), m_window(window), m_timer(new QTimer(this))
    {
        m_timer->setObjectName(QStringLiteral("assistPause"));
        m_timer->setSingleShot(true);
        m_timer->setInterval(pauseMs);
        connect(m_timer, &QTimer::timeout, this, &AssistPause::ask);
        window->area->installEventFilter(this);
    }

    static AssistPause *of(SourceWindow *window)
    {
        static QHash<const SourceWindow *, QPointer<AssistPause>> pauses;
        QPointer<AssistPause> &pause = pauses[window];
        if (!pause)
            pause = new AssistPause(window);
        return pause;
    }

    void arm() { m_timer->start(); }
    void cancel() { m_timer->stop(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Any key, also one that changes no text, means typing goes on; a
        // text area left for another window is asked nothing later.
        if (event->type() == QEvent::KeyPress && m_timer->isActive())
            m_timer->start();
        else if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)
            m_timer->stop();
        return QObject::eventFilter(watched, event);
    }

private:
    void ask();

    SourceWindow *m_window;
    QTimer *m_timer;
};

void AssistPause::ask()
{
    SourceArea *area = m_window->area;
    const qsizetype caret = area->selStart();
    if (caret < minimumCaret || !m_window->mnuAutoRecog->isChecked())
        return;
    ++g_running;
    QString before = textBeforeCaret(area, caret);
    for (const Rule &rule : rules()) {
        QAction *action = assistAction(m_window, rule);
        if (!action || !before.endsWith(rule.key))
            continue;
        if (Prompter::ask(rule.question, QStringLiteral("Assistant: Quorl"),
                          Prompter::Icon::Question, Prompter::Buttons::YesNo,
                          Prompter::Answer::No)
            == Prompter::Answer::Yes) {
            const qsizetype n = rule.key.size();
            area->setSelStart(caret - n);
            area->setSelLength(n);
            area->setSelText(QString());
            action->trigger();
        }
        before = textBeforeCaret(area, caret);
    }
    --g_running;
}

} // namespace

void AutoRecognizeTag(SourceWindow *window)
{
    if (g_running > 0)
        return;
    SourceArea *area = window->area;
    AssistPause *pause = AssistPause::of(window);
    pause->cancel();
    // What Undo or Redo brings back was answered before.
    if (area->isUndoingOrRedoing())
        return;
    // Most keys typed end no key of the table: the last two characters
    // tell, read without converting positions (no key holds a line break).
    static const QString lastLetters = [] {
        QString letters;
        for (const Rule &rule : rules())
            letters += rule.key.back();
        return letters;
    }();
    static const QStringList lastPairs = [] {
        QStringList pairs;
        for (const Rule &rule : rules())
            pairs += rule.key.right(2);
        return pairs;
    }();
    const int docCaret = area->textCursor().selectionStart();
    if (docCaret < 2)
        return;
    const QTextDocument *doc = area->document();
    const QChar last = doc->characterAt(docCaret - 1);
    if (!lastLetters.contains(last, Qt::CaseInsensitive)
        || !lastPairs.contains(QString(doc->characterAt(docCaret - 2)) + last,
                               Qt::CaseInsensitive))
        return;
    const qsizetype caret = area->selStart();
    if (caret < minimumCaret)
        return;
    ++g_running;
    // Completions come at once; a question waits for a pause in the typing.
    QString before = textBeforeCaret(area, caret);
    for (const Rule &rule : rules()) {
        if (!before.endsWith(rule.key))
            continue;
        if (!rule.question.isEmpty()) {
            if (assistAction(window, rule))
                pause->arm();
            continue;
        }
        area->setSelText(rule.completion);
        const qsizetype end = area->selStart();
        area->setSelStart(end - rule.completion.size());
        area->setSelLength(rule.completion.size());
        if (rule.beep)
            beep();
        before = textBeforeCaret(area, caret);
    }
    --g_running;
}

} // namespace AutoRecognition
