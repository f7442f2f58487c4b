// Typing one character into the middle of a large page: our source window,
// change handler included, against a bare QPlainTextEdit with the same text.

#include "editor/sourcewindow.h"
#include "editor/windowregistry.h"
#include "platform/sourcearea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
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

// Median time of one typed character, in microseconds.
double typeInMiddle(QPlainTextEdit *edit, int keys)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(edit->document()->characterCount() / 2);
    edit->setTextCursor(cursor);
    edit->setFocus();
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        timer.start();
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        times.push_back(timer.nsecsElapsed() / 1000.0);
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerWindows();
    constexpr int keys = 300;
    std::printf("%-22s %12s %12s %8s\n", "page", "ours (us)", "bare (us)", "ratio");
    for (int lines : {20000, 80000}) {
        const QString page = makePage(lines);
        SourceWindow *w = Quorl();
        w->show();
        w->area->setText(page);
        QPlainTextEdit bare;
        bare.resize(w->area->size());
        bare.setFont(w->area->font());
        bare.show();
        bare.setPlainText(SourceArea::withLfBreaks(page));
        QApplication::processEvents();
        // Warm both up once, then measure.
        typeInMiddle(w->area, 20);
        typeInMiddle(&bare, 20);
        const double ours = typeInMiddle(w->area, keys);
        const double plain = typeInMiddle(&bare, keys);
        std::printf("%6d lines, %5.1f MB %12.1f %12.1f %8.2f\n", lines,
                    page.toUtf8().size() / 1e6, ours, plain, ours / plain);
        WindowDirectory::unload(QStringLiteral("Quorl"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
