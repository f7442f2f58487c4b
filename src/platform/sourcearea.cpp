#include "platform/sourcearea.h"

#include "platform/textfiles.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <utility>

namespace {

constexpr QChar kParagraph = QChar::ParagraphSeparator;
constexpr QChar kLine = QChar::LineSeparator;

QString crLfBreaks(QString raw)
{
    raw.replace(kParagraph, QStringLiteral("\r\n"));
    return raw;
}

// True for a key that one of the window's actions has as its shortcut: the
// key is the action's even while the action is disabled.
bool isWindowShortcut(const QWidget *area, const QKeyEvent *event)
{
    const bool functionKey = event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F35;
    if (!functionKey
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QKeySequence key(event->keyCombination());
    const auto actions = area->window()->findChildren<QAction *>();
    for (const QAction *action : actions) {
        if (action->shortcuts().contains(key))
            return true;
    }
    return false;
}

// True for a Ctrl+letter binding that a plain Windows text box does not have
// (Ctrl+K deleting to the end of the line, Ctrl+D deleting a character).
bool isForeignBinding(const QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || (event->modifiers() & Qt::AltModifier))
        return false;
    const int key = event->key();
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return false;
    return key != Qt::Key_A && key != Qt::Key_C && key != Qt::Key_V && key != Qt::Key_X
           && key != Qt::Key_Y && key != Qt::Key_Z;
}

} // namespace

namespace {

// The bounding rectangle of a block walks every row of its layout, and the
// view asks for it several times a key for each block in sight: a long line
// keeps its rectangle until its rows change.
class SourceLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock &block) const override
    {
        if (block.length() < SourceArea::longLine)
            return QPlainTextDocumentLayout::blockBoundingRect(block);
        Kept &kept = m_kept[block.blockNumber()];
        if (block.layout()->lineCount() && kept == Kept::of(block))
            return kept.rect;
        const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
        kept = Kept::of(block);
        kept.rect = rect;
        return rect;
    }

protected:
    void documentChanged(int from, int removed, int added) override
    {
        m_kept.clear();
        QPlainTextDocumentLayout::documentChanged(from, removed, added);
    }

private:
    // What the rectangle was worked out from: the rows as laid out (their
    // number, the last one's bottom, the width they were laid out in). An
    // edit clears them all, so the text need not be compared.
    struct Kept {
        int rows = 0;
        qreal bottom = 0;
        qreal width = 0;
        bool visible = true;
        QRectF rect;

        static Kept of(const QTextBlock &block)
        {
            const QTextLayout *layout = block.layout();
            const int rows = layout->lineCount();
            return Kept{rows, rows ? layout->lineAt(rows - 1).rect().bottom() : 0,
                        rows ? layout->lineAt(0).width() : 0, block.isVisible(), {}};
        }
        bool operator==(const Kept &o) const
        {
            return rows == o.rows && bottom == o.bottom && width == o.width
                   && visible == o.visible;
        }
    };
    mutable QHash<int, Kept> m_kept;
};

} // namespace

SourceArea::SourceArea(QWidget *parent)
    : QPlainTextEdit(parent)
{
    document()->setDocumentLayout(new SourceLayout(document()));
    connect(document(), &QTextDocument::contentsChange, this, &SourceArea::onContentsChange);
}

QString SourceArea::withLfBreaks(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    out.replace(kParagraph, u'\n');
    out.replace(kLine, u'\n');
    return out;
}

namespace {

// Glyphs of a long line outlive its layout, so caret moves and repaints do
// not shape the whole line again each time; an edit of the line drops them.
bool keepsGlyphs(const QTextBlock &block)
{
    if (block.length() < SourceArea::longLine)
        return false;
    block.layout()->setCacheEnabled(true);
    return true;
}

bool hasLongLine(const QString &text)
{
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n' || text[i] == kParagraph || text[i] == kLine)
            lineStart = i + 1;
        else if (i + 1 - lineStart >= SourceArea::longLine - 1)
            return true;
    }
    return false;
}

} // namespace

// Wrapping at words lays out a line in time that grows with the square of its
// length when the line has few places to break (an image inlined as a data:
// URL, a minified script): a 1 MB line took minutes. Wrapping anywhere is
// linear, so the document wraps that way while it has a long line. Runs
// before the layout takes the change, so a long line is never laid out the
// slow way.
void SourceArea::watchLongLines(int position, int removed, int added)
{
    const QTextDocument *doc = document();
    const QTextBlock last = doc->findBlock(position + added);
    bool found = false;
    for (QTextBlock block = doc->findBlock(position); block.isValid(); block = block.next()) {
        found = keepsGlyphs(block) || found;
        if (block == last)
            break;
    }
    if (found) {
        setLongLines(true);
        return;
    }
    if (!m_longLines || removed == 0)
        return;
    // A long line goes only where text went: whole, with at least as many
    // characters, or shortened into the line that now holds the position.
    if (removed < longLine && doc->findBlock(position).length() + removed < longLine)
        return;
    setLongLines(findLongLines());
}

bool SourceArea::findLongLines()
{
    bool found = false;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        found = keepsGlyphs(block) || found;
    return found;
}

void SourceArea::setLongLines(bool on)
{
    if (on == m_longLines)
        return;
    m_longLines = on;
    setWordWrapMode(on ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void SourceArea::onContentsChange(int position, int removed, int added)
{
    if (removed == 0 && added == 0)
        return;
    watchLongLines(position, removed, added);
    if (m_quiet > 0) {
        m_changedQuietly = true;
        return;
    }
    Q_EMIT changed();
}

QString SourceArea::text() const
{
    return crLfBreaks(document()->toRawText());
}

void SourceArea::setText(const QString &text)
{
    // The text goes in as one edit that lays its lines out before the change
    // is reported, so the wrap that a long line needs is set beforehand.
    if (hasLongLine(text))
        setLongLines(true);
    ++m_quiet;
    setPlainText(withLfBreaks(text));
    --m_quiet;
    m_changedQuietly = false;
    Q_EMIT changed();
}

QString SourceArea::selText() const
{
    return crLfBreaks(textCursor().selectedText());
}

void SourceArea::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    if (text.isEmpty() && !cursor.hasSelection())
        return;
    ++m_quiet;
    m_changedQuietly = false;
    cursor.insertText(withLfBreaks(text));
    setTextCursor(cursor);
    --m_quiet;
    if (std::exchange(m_changedQuietly, false))
        Q_EMIT changed();
}

qsizetype SourceArea::toTextPosition(int documentPosition) const
{
    const QTextBlock block = document()->findBlock(documentPosition);
    return qsizetype(documentPosition) + (block.isValid() ? block.blockNumber() : 0);
}

int SourceArea::toDocumentPosition(qsizetype textPosition) const
{
    const QTextDocument *doc = document();
    if (textPosition <= 0)
        return 0;
    // Block b starts at position() + b in text(): find the last block starting
    // at or before textPosition.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + qsizetype(mid) <= textPosition)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const qsizetype offset = textPosition - (block.position() + qsizetype(low));
    // A position inside or after the CR LF pair stays at the end of the line.
    return block.position() + int(qMin<qsizetype>(offset, block.length() - 1));
}

qsizetype SourceArea::selStart() const
{
    return toTextPosition(textCursor().selectionStart());
}

qsizetype SourceArea::selLength() const
{
    const QTextCursor cursor = textCursor();
    return toTextPosition(cursor.selectionEnd()) - toTextPosition(cursor.selectionStart());
}

void SourceArea::select(qsizetype start, qsizetype length)
{
    const qsizetype total = textLength();
    start = qBound<qsizetype>(0, start, total);
    length = qBound<qsizetype>(0, length, total - start);
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(start));
    if (length > 0)
        cursor.setPosition(toDocumentPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void SourceArea::setSelStart(qsizetype position)
{
    select(position, 0);
}

void SourceArea::setSelLength(qsizetype length)
{
    select(selStart(), length);
}

qsizetype SourceArea::textLength() const
{
    const QTextDocument *doc = document();
    return qsizetype(doc->characterCount() - 1) + (doc->blockCount() - 1);
}

QString SourceArea::textBefore(qsizetype position, qsizetype count) const
{
    if (count <= 0)
        return QString();
    // Callers mostly ask about the caret, whose place the cursor already knows.
    const int caret = textCursor().selectionStart();
    const int at = toTextPosition(caret) == position ? caret : toDocumentPosition(position);
    // A line break is one character in the document and two in text(), so
    // count document characters always cover count text characters.
    QTextCursor cursor(document());
    cursor.setPosition(qMax(0, at - int(qMin<qsizetype>(count, at))));
    cursor.setPosition(at, QTextCursor::KeepAnchor);
    return crLfBreaks(cursor.selectedText()).right(count);
}

int SourceArea::lineCount() const
{
    return document()->blockCount();
}

bool SourceArea::loadFile(const QString &path, QString *error)
{
    QString content;
    if (!TextFiles::read(path, &content, error))
        return false;
    setText(content);
    return true;
}

bool SourceArea::saveFile(const QString &path, QString *error) const
{
    return TextFiles::write(path, text(), error);
}

void SourceArea::selPrint(QPrinter *printer, bool wholeText) const
{
    const QTextCursor cursor = textCursor();
    const QString shown = cursor.hasSelection() && !wholeText
                              ? withLfBreaks(cursor.selectedText())
                              : document()->toRawText();
    QTextDocument copy;
    copy.setDefaultFont(font());
    // A long line is printed as it is shown, wrapped anywhere and shaped once
    // for all the pages it runs over.
    const bool longLines = hasLongLine(shown);
    if (longLines) {
        QTextOption option = copy.defaultTextOption();
        option.setWrapMode(QTextOption::WrapAnywhere);
        copy.setDefaultTextOption(option);
    }
    copy.setPlainText(shown);
    for (QTextBlock block = copy.begin(); longLines && block.isValid(); block = block.next())
        keepsGlyphs(block);
    // Laid out page by page here: QTextDocument::print adds a page number at
    // the foot of every page, and only the text is to be printed.
    copy.documentLayout()->setPaintDevice(printer);
    QTextFrameFormat frame = copy.rootFrame()->frameFormat();
    frame.setMargin(printer->logicalDpiY() * 2 / 2.54);  // 2 cm around the text
    copy.rootFrame()->setFrameFormat(frame);
    const QSizeF page = printer->pageRect(QPrinter::DevicePixel).size();
    copy.setPageSize(page);
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < copy.pageCount(); ++i) {
        if (i > 0)
            printer->newPage();
        const QRectF shown(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        context.clip = shown;
        copy.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

QColor SourceArea::backColor() const
{
    return palette().color(QPalette::Base);
}

void SourceArea::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

bool SourceArea::event(QEvent *event)
{
    // The program's menu shortcuts win over the widget's own key bindings; a
    // key that no shortcut takes still reaches the widget as a key press.
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void SourceArea::keyPressEvent(QKeyEvent *event)
{
    if (isWindowShortcut(this, event) || isForeignBinding(event)) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        Q_EMIT overwriteModeToggled();
        return;
    }
    // Shift+Enter would insert a line separator inside the paragraph; the
    // document knows only one kind of line break.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), event->count());
        typeIntoUndoStep(&plain);
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        historyStep([this, event] { QPlainTextEdit::keyPressEvent(event); });
        return;
    }
    if (event->text().isEmpty() || event->modifiers() & Qt::ControlModifier) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    typeIntoUndoStep(event);
}

void SourceArea::historyStep(const std::function<void()> &step)
{
    ++m_history;
    step();
    --m_history;
}

void SourceArea::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    // The menu's Undo and Redo run as the keys do.
    for (QAction *action : menu->actions()) {
        const bool undo = action->objectName() == u"edit-undo";
        if (!undo && action->objectName() != u"edit-redo")
            continue;
        action->disconnect(SIGNAL(triggered(bool)));
        connect(action, &QAction::triggered, this, [this, undo] {
            historyStep([this, undo] { undo ? QPlainTextEdit::undo() : QPlainTextEdit::redo(); });
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void SourceArea::typeIntoUndoStep(QKeyEvent *event)
{
    // The document alone merges a whole run of typing into one undo step, so
    // an undo after typing with pauses took everything since the last command.
    constexpr qint64 pauseMs = 1000;
    QTextCursor step = textCursor();
    const bool goesOn = m_typedAt.isValid() && m_typedAt.elapsed() < pauseMs
                        && document()->revision() == m_revisionAfterTyping
                        && step.position() == m_caretAfterTyping;
    if (goesOn)
        step.joinPreviousEditBlock();
    else
        step.beginEditBlock();
    QPlainTextEdit::keyPressEvent(event);
    step.endEditBlock();
    m_typedAt.start();
    m_revisionAfterTyping = document()->revision();
    m_caretAfterTyping = textCursor().position();
}

void SourceArea::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(withLfBreaks(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}
