#pragma once

#include "platform/prompter.h"
#include "vevevodi/generatorrewrite.h"

#include <QString>

#include <functional>
#include <optional>

// A message that goes with a whole-document edit: the reason it was refused,
// or a notice shown after it was made.
struct EditMessage {
    QString text;
    QString title;
    Prompter::Icon icon = Prompter::Icon::None;

    void show() const;
};

// The result of a command that rewrites the whole document: the new text
// and where the caret goes, or a refusal that leaves the document as it was.
struct DocumentEdit {
    bool refused = false;
    QString text;
    qsizetype caret = 0;
    std::optional<EditMessage> message;

    static DocumentEdit refuse(const EditMessage &why);
};

// A document under edit: insertions keep the caret on the text it stood by.
class EditedText
{
public:
    EditedText(const QString &text, qsizetype caret);

    const QString &text() const { return m_text; }
    qsizetype caret() const { return m_caret; }

    // First occurrence of an ASCII tag text at or after from, in any case; -1 when absent.
    qsizetype find(QLatin1String needle, qsizetype from = 0) const;
    // Inserts at position; the caret moves along when the insertion lies
    // before it (at the caret itself, too, when atCaretToo).
    void insert(qsizetype position, const QString &inserted, bool atCaretToo = true);

    DocumentEdit result(std::optional<EditMessage> message = std::nullopt) const;

private:
    QString m_text;
    qsizetype m_caret;
};

class ComposerWindow;

// Where a whole-document edit reads and writes: the source text, or a
// composer window's document by way of its document's text (the source
// text for the main composer window). Every dialog and
// command that rewrites the whole document goes this one way, and decides
// the document when it is confirmed, not when it was opened.
namespace WholeDocument {

// True when an edit for a composer target goes to the composer: it does
// unless the source window is the one showing (the composer's document is
// then older than the source text and would overwrite it). An edit for the
// source goes to the composer when that is the one showing.
bool inComposer(bool composerTarget);

// The document an edit for that target works on now: the main composer
// window, or nullptr for the source text.
ComposerWindow *showing(bool composerTarget);

// The document text; for a composer its document is first copied into the
// source text with the given GENERATOR rewrites. Nothing when the composer
// did not answer (it has said so).
std::optional<QString> read(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites = {});
std::optional<QString> read(bool composer, GeneratorRewrite::Rewrites rewrites = {});

// Writes an edit that was made back to the source text and, for a
// composer, on to its document.
void write(ComposerWindow *composer, const DocumentEdit &edit);
void write(bool composer, const DocumentEdit &edit);

// Reads the document, makes the edit on it, shows the edit's message and
// writes the result back; false when nothing was written (the edit was
// refused, or the composer did not answer).
bool apply(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites,
           const std::function<DocumentEdit(const QString &)> &edit);
bool apply(bool composer, GeneratorRewrite::Rewrites rewrites,
           const std::function<DocumentEdit(const QString &)> &edit);

// As apply, for a command that also puts markup in at the caret, in place
// of the selection: the markup and the edit are one change, which one Undo
// takes back and one Redo makes again, whole. The edit gets the source text
// with the markup in and the caret behind it; a composer's page takes the
// markup at its own caret, so the edit gets its text without it (caret 0).
bool apply(ComposerWindow *composer, GeneratorRewrite::Rewrites rewrites,
           const QString &atCaret,
           const std::function<DocumentEdit(const QString &, qsizetype)> &edit);

} // namespace WholeDocument
