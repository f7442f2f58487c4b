#include "editor/optfunctions.h"

#include "editor/helpwindow.h"
#include "editor/openers.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/regularfile.h"
#include "platform/richtext.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <memory>

namespace {

const QString promptTitle = QStringLiteral("Assistant: Quorl");

// A whole number, or any text a person passes through while typing one;
// blanks around it are allowed.
bool isNumberOrPrefix(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*[+-]?(?:[0-9]*\.?[0-9]*|(?:[0-9]+\.?[0-9]*|\.[0-9]+)[eE][+-]?[0-9]*)\s*$)"));
    return pattern.match(text).hasMatch();
}

void tellNotNumeric()
{
    Prompter::tell(QStringLiteral("Please enter only valid numerical data"), promptTitle,
                   Prompter::Icon::Exclamation);
}

} // namespace

QString CheckNumeric(const QString &text)
{
    if (text.isEmpty() || isNumberOrPrefix(text))
        return text;
    tellNotNumeric();
    return QString();
}

bool isCompleteNumber(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?\s*$)"));
    return pattern.match(text).hasMatch();
}

QString CheckNumericComplete(const QString &text)
{
    if (text.isEmpty() || isCompleteNumber(text))
        return text;
    tellNotNumeric();
    return QString();
}

void bindNumericField(QLineEdit *field)
{
    auto busy = std::make_shared<bool>(false);
    QObject::connect(field, &QLineEdit::textChanged, field, [field, busy](const QString &text) {
        // Writing the result back changes the text again.
        if (*busy)
            return;
        *busy = true;
        const QString checked = CheckNumeric(text);
        if (checked != field->text())
            field->setText(checked);
        *busy = false;
    });
}

void ShowHelpPage(const QString &page)
{
    QByteArray bytes;
    if (!RegularFile::readAll(ProgramFolder::resolve(QStringLiteral("misc/") + page), &bytes)) {
        Prompter::tell(QStringLiteral("Unable to load help file. File seems to have been "
                                      "moved or removed"),
                       promptTitle, Prompter::Icon::Critical);
        return;
    }
    HelpWindow *viewer = frmHelp();
    viewer->showPage(bytes);
    Openers::showWindow(viewer);
}
