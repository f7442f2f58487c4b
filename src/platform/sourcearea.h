#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <functional>

class QPrinter;

// The source text area. Text, SelText, SelStart and SelLength count every
// line break as the two characters CR LF, so position arithmetic on Text()
// is exact; text put in with lone LF or CR is stored as line breaks.
// changed() follows every change of the text, programmatic ones included.
class SourceArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit SourceArea(QWidget *parent = nullptr);

    QString text() const;
    // Replaces the whole text; always counts as one change.
    void setText(const QString &text);

    QString selText() const;
    // Replaces the selection, or inserts at the caret; the caret ends behind it.
    void setSelText(const QString &text);

    qsizetype selStart() const;
    // Moves the caret and clears the selection.
    void setSelStart(qsizetype position);
    qsizetype selLength() const;
    void setSelLength(qsizetype length);

    qsizetype textLength() const;
    // Up to count characters of text() that end at position, read without
    // taking the whole text.
    QString textBefore(qsizetype position, qsizetype count) const;
    int lineCount() const;

    bool loadFile(const QString &path, QString *error = nullptr);
    bool saveFile(const QString &path, QString *error = nullptr) const;
    // Prints the selection, or the whole text when nothing is selected or
    // wholeText is asked for.
    void selPrint(QPrinter *printer, bool wholeText = false) const;

    QColor backColor() const;
    void setBackColor(const QColor &color);

    // Conversions between positions in text() and in the underlying document.
    qsizetype toTextPosition(int documentPosition) const;
    int toDocumentPosition(qsizetype textPosition) const;

    static QString withLfBreaks(const QString &text);

    // Lines at least this long are laid out wrapping anywhere, not at words.
    static constexpr int longLine = 10000;
    // True while the text has such a line.
    bool hasLongLines() const { return m_longLines; }

    // True while Undo or Redo changes the text: what that brings back was
    // there before, and nothing reacts to it as newly typed.
    bool isUndoingOrRedoing() const { return m_history > 0; }

Q_SIGNALS:
    void changed();
    // Insert toggles between inserting and overwriting, as the status bar shows.
    void overwriteModeToggled();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void onContentsChange(int position, int removed, int added);
    void watchLongLines(int position, int removed, int added);
    bool findLongLines();
    void setLongLines(bool on);
    void select(qsizetype start, qsizetype length);
    // Runs a key's own editing as one undo step with the typing just before
    // it, unless a pause, a caret move or another edit came in between.
    void typeIntoUndoStep(QKeyEvent *event);

    // Runs an undo or a redo as such.
    void historyStep(const std::function<void()> &step);

    bool m_longLines = false;
    int m_history = 0;        // inside an undo or a redo
    int m_quiet = 0;          // inside a programmatic edit: one signal at its end
    bool m_changedQuietly = false;
    QElapsedTimer m_typedAt;
    int m_revisionAfterTyping = -1;
    int m_caretAfterTyping = -1;
};
