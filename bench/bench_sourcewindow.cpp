// Typing one character into the middle of a large page: our source window,
// change handler included, against a bare QPlainTextEdit with the same text.
// With auto tag recognition on, "x" ends none of its keys, "e" ends one (the
// green completion's) but "ee" does not, and in "lolo" every key typed ends
// the last two characters of a key ("<blo", "color=\"l"), so that row pays
// for reading the text before the caret and the whole rule table.
//
// Then a page with one very long line (an image inlined as a data: URL):
// opening it, a key at the end of that line and a key on another line. A
// bare QPlainTextEdit wrapping at words takes minutes on such a line, so its
// baseline is the bare widget not wrapping at all, which is linear; the key
// on another line is set against the same line of the page without the long
// line, in a second window of ours. Arguments "ordinary" or "long" run only that part.

#include "app/windowregistry.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QString makePage(int lines)
{
    QString page;
    const QString line = QStringLiteral("<P class=\"x\">Some text of the page, line %1.</P>");
    for (int i = 0; i < lines; ++i)
        page += line.arg(i, 6, 10, QLatin1Char('0')) + QStringLiteral("\r\n");
    return page;
}

// Each run of keys types into another line near the middle, so no line grows
// long enough to make its own layout the cost being measured.
void caretToMiddle(QPlainTextEdit *edit, int run)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(edit->document()->characterCount() / 2 + run * 100);
    edit->setTextCursor(cursor);
}

// Time of one typed character, in microseconds.
double typeOne(QPlainTextEdit *edit, char letter)
{
    const auto key = Qt::Key(Qt::Key_A + (letter - 'a'));
    const QString text(QChar::fromLatin1(letter));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QElapsedTimer timer;
    timer.start();
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
    const double us = timer.nsecsElapsed() / 1000.0;
    QApplication::processEvents();
    return us;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median times of one typed character into each edit. The two take turns in
// short runs of keys, so a busy machine slows both alike while each run
// still types into a warm document.
std::pair<double, double> typeInMiddle(QPlainTextEdit *ours, QPlainTextEdit *bare, int keys,
                                       const char *letters)
{
    constexpr int run = 25;
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < keys; i += run) {
        caretToMiddle(ours, i / run);
        caretToMiddle(bare, i / run);
        // Who goes first changes from run to run, so neither always types
        // right after the other has warmed or cooled the caches.
        const bool oursFirst = (i / run) % 2 == 0;
        for (QPlainTextEdit *edit : {oursFirst ? ours : bare, oursFirst ? bare : ours}) {
            std::vector<double> &times = edit == ours ? a : b;
            // Keys go to the focused widget of the active window, and so
            // does the platform's input method work after each of them.
            QApplication::setActiveWindow(edit->window());
            edit->setFocus();
            for (int k = 0; k < run; ++k)
                times.push_back(typeOne(edit, letters[k % std::strlen(letters)]));
        }
    }
    return {median(a), median(b)};
}

// Prints one row: our window against the bare widget on a page of this many lines.
void measure(int lines, bool recognition, const char *letters, int keys)
{
    const QString page = makePage(lines);
    SourceWindow *w = Quorl();
    w->show();
    w->mnuAutoRecog->setChecked(recognition);
    w->area->setText(page);
    QPlainTextEdit bare;
    bare.resize(w->area->size());
    bare.setFont(w->area->font());
    bare.show();
    bare.setPlainText(SourceArea::withLfBreaks(page));
    QApplication::processEvents();
    // Warm both up once, then measure.
    typeInMiddle(w->area, &bare, 20, letters);
    const auto [ours, plain] = typeInMiddle(w->area, &bare, keys, letters);
    std::printf("%6d lines, %5.1f MB %-11s %-6s %12.1f %12.1f %8.2f\n", lines,
                page.toUtf8().size() / 1e6, recognition ? "on" : "off", letters, ours, plain,
                ours / plain);
    WindowDirectory::unload(QStringLiteral("Quorl"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A key typed at the caret, until the window has shown it, in milliseconds.
double typeAndShow(QPlainTextEdit *edit)
{
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QElapsedTimer timer;
    timer.start();
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

double putText(QPlainTextEdit *edit, const QString &page)
{
    QElapsedTimer timer;
    timer.start();
    if (auto *area = qobject_cast<SourceArea *>(edit))
        area->setText(page);
    else
        edit->setPlainText(SourceArea::withLfBreaks(page));
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void caretTo(QPlainTextEdit *edit, int position)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(position);
    edit->setTextCursor(cursor);
    QApplication::processEvents();
}

// Median milliseconds of a few keys into each edit, taking turns, each key at the
// position that place() gives for that edit.
std::pair<double, double> keysAt(QPlainTextEdit *ours, QPlainTextEdit *bare, int keys,
                                 const std::function<int(QPlainTextEdit *)> &place)
{
    std::vector<double> a;
    std::vector<double> b;
    for (int k = 0; k < keys; ++k) {
        for (QPlainTextEdit *edit : {k % 2 ? bare : ours, k % 2 ? ours : bare}) {
            caretTo(edit, place(edit));
            (edit == ours ? a : b).push_back(typeAndShow(edit));
        }
    }
    return {median(a), median(b)};
}

void printLong(const char *what, qsizetype bytes, double ours, double bare, const char *baseline)
{
    std::printf("%-24s %5.1f MB %10.2f %10.2f %8.2f  %s\n", what, bytes / 1e6, ours, bare,
                ours / bare, baseline);
}

// Rows for a page whose line 3 holds an image of this many bytes.
void measureLongLine(qsizetype bytes)
{
    const QString chunk = QStringLiteral("iVBORw0KGgoAAAANSUhEUgAAAAEAAAAB");
    const QString image = QStringLiteral("<img src=\"data:image/png;base64,")
                          + chunk.repeated(bytes / chunk.size()) + QStringLiteral("\">");
    const QString head = QStringLiteral("<html>\r\n<body>\r\n");
    const QString tail = makePage(200) + QStringLiteral("</body></html>\r\n");
    const QString page = head + image + QStringLiteral("\r\n") + tail;
    SourceWindow *w = Quorl();
    w->show();
    w->mnuAutoRecog->setChecked(true);
    QPlainTextEdit bare;
    bare.resize(w->area->size());
    bare.setFont(w->area->font());
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.show();
    QApplication::processEvents();
    const double openOurs = putText(w->area, page);
    const double openBare = putText(&bare, page);
    printLong("open", page.size(), openOurs, openBare, "bare not wrapped");
    const auto [endOurs, endBare] =
        keysAt(w->area, &bare, 5, [&](QPlainTextEdit *edit) {
            return edit->document()->findBlockByNumber(2).position()
                   + edit->document()->findBlockByNumber(2).length() - 1;
        });
    printLong("key at end of long line", page.size(), endOurs, endBare, "bare not wrapped");
    // The line below the long one, whose end the view shows above the caret,
    // against the same line in a second window of ours without the long line.
    SourceWindow ordinary;
    ordinary.show();
    ordinary.mnuAutoRecog->setChecked(true);
    putText(ordinary.area, head + tail);
    // Further down too, with the long line out of view.
    const struct {
        int line;
        const char *what;
    } others[] = {{3, "key on another line"}, {150, "key, long line not shown"}};
    for (const auto &other : others) {
        const auto [ours, plain] =
            keysAt(w->area, ordinary.area, 21, [w, &other](QPlainTextEdit *edit) {
                const int line = edit == w->area ? other.line : other.line - 1;
                return edit->document()->findBlockByNumber(line).position() + 5;
            });
        printLong(other.what, page.size(), ours, plain, "ours, page without the long line");
    }
    WindowDirectory::unload(QStringLiteral("Quorl"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void measureOrdinary()
{
    constexpr int keys = 1000;
    std::printf("%-22s %-11s %-6s %12s %12s %8s\n", "page", "recognition", "typed",
                "ours (us)", "bare (us)", "ratio");
    const std::pair<bool, const char *> runs[] = {
        {false, "x"}, {true, "x"}, {true, "e"}, {true, "lo"}};
    for (const auto &[recognition, letters] : runs) {
        for (const int lines : {20000, 80000})
            measure(lines, recognition, letters, keys);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerWindows();
    const QString part = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (part != u"long")
        measureOrdinary();
    if (part != u"ordinary") {
        std::printf("\n%-24s %8s %10s %10s %8s  %s\n", "one long line", "page", "ours (ms)",
                    "bare (ms)", "ratio", "baseline");
        for (const qsizetype bytes : {100'000, 1'000'000, 4'000'000})
            measureLongLine(bytes);
    }
    return 0;
}
