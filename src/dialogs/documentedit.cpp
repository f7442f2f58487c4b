#include "dialogs/documentedit.h"

#include "dialogs/insertroute.h"
#include "editor/sourcetext.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <algorithm>

void EditMessage::show() const
{
    Prompter::tell(text, title, icon);
}

DocumentEdit DocumentEdit::refuse(const EditMessage &why)
{
    DocumentEdit edit;
    edit.refused = true;
    edit.message = why;
    return edit;
}

EditedText::EditedText(const QString &text, qsizetype caret)
    : m_text(text), m_caret(std::clamp<qsizetype>(caret, 0, text.size()))
{
}

qsizetype EditedText::find(QLatin1String needle, qsizetype from) const
{
    // A case-insensitive search on the text itself: lower-casing a copy may
    // change its length and with it every position found.
    return m_text.indexOf(needle, from, Qt::CaseInsensitive);
}

void EditedText::insert(qsizetype position, const QString &inserted, bool atCaretToo)
{
    m_text.insert(position, inserted);
    if (position < m_caret || (atCaretToo && position == m_caret))
        m_caret += inserted.size();
}

DocumentEdit EditedText::result(std::optional<EditMessage> message) const
{
    DocumentEdit edit;
    edit.text = m_text;
    edit.caret = m_caret;
    edit.message = std::move(message);
    return edit;
}

namespace WholeDocument {

namespace {

// The text of the composer window's document; the source text for nullptr.
SourceArea *textOf(ComposerWindow *composer)
{
    return composer ? composer->document().area : Quorl()->area;
}

} // namespace

bool inComposer(bool composerTarget)
{
    using namespace InsertRoute;
    const Route route = composerTarget ? Route::Composer : Route::Source;
    return visibleRoute(route, sourceShowing(), composerShowing()) == Route::Composer;
}

ComposerWindow *showing(bool composerTarget)
{
    return inComposer(composerTarget) ? Composr() : nullptr;
}

std::optional<QString> read(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites)
{
    if (composer && !composer->CopyVevevodiToSource(rewrites))
        return std::nullopt;
    return textOf(composer)->text();
}

std::optional<QString> read(bool composer, GeneratorRewrite::Rewrites rewrites)
{
    return read(composer ? Composr() : nullptr, rewrites);
}

namespace {

void writeWith(ComposerWindow *composer, const DocumentEdit &edit, const QString &atCaret)
{
    SourceArea *area = textOf(composer);
    // One edit of the changed stretch, so Undo in the source window takes the
    // command back and the earlier history stays.
    SourceTexts::apply(area, {edit.text, edit.caret, 0});
    if (composer)
        composer->writeBackDocument(area->text(), atCaret);
}

// Shows the edit's message and writes it unless it was refused.
bool finish(ComposerWindow *composer, const DocumentEdit &edit, const QString &atCaret)
{
    if (edit.message)
        edit.message->show();
    if (edit.refused)
        return false;
    writeWith(composer, edit, atCaret);
    return true;
}

} // namespace

void write(ComposerWindow *composer, const DocumentEdit &edit)
{
    writeWith(composer, edit, QString());
}

void write(bool composer, const DocumentEdit &edit)
{
    write(composer ? Composr() : nullptr, edit);
}

bool apply(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites,
           const std::function<DocumentEdit(const QString &)> &edit)
{
    const std::optional<QString> text = read(composer, rewrites);
    return text && finish(composer, edit(*text), QString());
}

bool apply(bool composer, GeneratorRewrite::Rewrites rewrites,
           const std::function<DocumentEdit(const QString &)> &edit)
{
    return apply(composer ? Composr() : nullptr, rewrites, edit);
}

bool apply(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites,
           const QString &atCaret,
           const std::function<DocumentEdit(const QString &, qsizetype)> &edit)
{
    const std::optional<QString> text = read(composer, rewrites);
    if (!text)
        return false;
    if (composer)
        return finish(composer, edit(*text, 0), atCaret);
    SourceArea *area = Quorl()->area;
    const SourceText in = SourceTexts::replaceSelection(
        {*text, area->selStart(), area->selLength()}, atCaret);
    return finish(nullptr, edit(in.text, in.selStart), QString());
}

} // namespace WholeDocument
