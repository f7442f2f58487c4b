// Typing one character into the middle of a large page: our source window,
// change handler included, against a bare QPlainTextEdit with the same text.
// With auto tag recognition on, "x" ends none of its keys, "e" ends one (the
// green completion's) but "ee" does not, and in "lolo" every key typed ends
// the last two characters of a key ("<blo", "color=\"l"), so that row pays
// for reading the text before the caret and the whole rule table.

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerWindows();
    constexpr int keys = 1000;
    std::printf("%-22s %-11s %-6s %12s %12s %8s\n", "page", "recognition", "typed",
                "ours (us)", "bare (us)", "ratio");
    const std::pair<bool, const char *> runs[] = {
        {false, "x"}, {true, "x"}, {true, "e"}, {true, "lo"}};
    for (const auto &[recognition, letters] : runs) {
        for (const int lines : {20000, 80000})
            measure(lines, recognition, letters, keys);
    }
    return 0;
}
