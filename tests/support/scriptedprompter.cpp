#include "support/scriptedprompter.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>

ScriptedPrompter::ScriptedPrompter()
{
    Prompter::install(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::install(nullptr);
    // A scripted prompt that never came is a message the code failed to give.
    if (!m_steps.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("%1 scripted prompt(s) never shown")
                                    .arg(m_steps.size())),
                     __FILE__, __LINE__);
}

ScriptedPrompter &ScriptedPrompter::expect(Step step)
{
    m_steps.append(std::move(step));
    return *this;
}

void ScriptedPrompter::fail(const QString &why)
{
    m_failures << why;
    // Reported at once as well, so the failing line shows in the log.
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
}

template <class T>
std::optional<T> ScriptedPrompter::next(const char *kind, const QString &detail)
{
    if (m_steps.isEmpty()) {
        fail(QStringLiteral("unexpected %1 prompt: %2").arg(QLatin1String(kind), detail));
        return std::nullopt;
    }
    if (!std::holds_alternative<T>(m_steps.constFirst())) {
        fail(QStringLiteral("a %1 prompt came where another was scripted: %2")
                 .arg(QLatin1String(kind), detail));
        m_steps.removeFirst();
        return std::nullopt;
    }
    return std::get<T>(m_steps.takeFirst());
}

Prompter::Answer ScriptedPrompter::message(const QString &text, const QString &title,
                                           Icon icon, Buttons buttons,
                                           std::optional<Answer> defaultButton)
{
    m_shown << text;
    const auto step = next<Message>("message", title + QStringLiteral(": ") + text);
    if (!step)
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    if (!step->text.isEmpty() && step->text != text)
        fail(QStringLiteral("message text: got \"%1\", expected \"%2\"").arg(text, step->text));
    if (!step->title.isEmpty() && step->title != title)
        fail(QStringLiteral("message title: got \"%1\", expected \"%2\"").arg(title, step->title));
    if (step->icon != icon)
        fail(QStringLiteral("message icon differs for \"%1\"").arg(text));
    if (step->buttons != buttons)
        fail(QStringLiteral("message buttons differ for \"%1\"").arg(text));
    if (step->defaultButton && step->defaultButton != defaultButton)
        fail(QStringLiteral("message default button differs for \"%1\"").arg(text));
    return step->answer;
}

std::optional<QString> ScriptedPrompter::input(const QString &prompt, const QString &title,
                                               const QString &)
{
    const auto step = next<Input>("input", prompt);
    if (!step)
        return std::nullopt;
    if (step->prompt != prompt || step->title != title)
        fail(QStringLiteral("input prompt: got \"%1\" / \"%2\", expected \"%3\" / \"%4\"")
                 .arg(prompt, title, step->prompt, step->title));
    return step->answer;
}

std::optional<QString> ScriptedPrompter::openFile(const FileRequest &request)
{
    m_lastFile = request;
    const auto step = next<OpenFile>("open-file", request.title);
    if (!step)
        return std::nullopt;
    if (!step->title.isEmpty() && step->title != request.title)
        fail(QStringLiteral("open dialog title: got \"%1\", expected \"%2\"")
                 .arg(request.title, step->title));
    return step->answer;
}

std::optional<QString> ScriptedPrompter::saveFile(const FileRequest &request)
{
    m_lastFile = request;
    const auto step = next<SaveFile>("save-file", request.title);
    if (!step)
        return std::nullopt;
    if (!step->title.isEmpty() && step->title != request.title)
        fail(QStringLiteral("save dialog title: got \"%1\", expected \"%2\"")
                 .arg(request.title, step->title));
    return step->answer;
}

std::optional<QColor> ScriptedPrompter::color(const QColor &initial)
{
    const auto step = next<Color>("colour", QString());
    if (step && step->asOpened)
        return initial;
    return step ? step->answer : std::nullopt;
}

std::optional<QFont> ScriptedPrompter::font(const QFont &)
{
    const auto step = next<Font>("font", QString());
    return step ? step->answer : std::nullopt;
}

bool ScriptedPrompter::printer(QPrinter *printer)
{
    const auto step = next<Printer>("printer", QString());
    if (step && step->fill)
        step->fill(printer);
    return step && step->answer;
}

bool ScriptedPrompter::pageSetup(QPrinter *printer)
{
    const auto step = next<Printer>("page-setup", QString());
    if (step && step->fill)
        step->fill(printer);
    return step && step->answer;
}

QAction *ScriptedPrompter::popupMenu(QMenu *menu, const QPoint &)
{
    const auto step = next<Popup>("pop-up menu", menu->title());
    if (!step || step->chosenText.isEmpty())
        return nullptr;
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text() == step->chosenText)
            return action;
    }
    fail(QStringLiteral("pop-up menu has no item \"%1\"").arg(step->chosenText));
    return nullptr;
}

bool ScriptedPrompter::runDialog(QDialog *dialog)
{
    const auto step = next<Dialog>("dialog", dialog->objectName());
    if (!step)
        return false;
    if (!step->objectName.isEmpty() && step->objectName != dialog->objectName())
        fail(QStringLiteral("dialog: got \"%1\", expected \"%2\"")
                 .arg(dialog->objectName(), step->objectName));
    if (step->fill)
        step->fill(dialog);
    return step->accept;
}
