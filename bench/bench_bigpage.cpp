// Big pages in the editing view: putting a 10 MB and a 50 MB page in place,
// reading it back and saving it, beside reading and writing the same bytes as
// a file in the same run; and (QV_BENCH_DENSE set) a 50 MB page too dense
// for the engine, which the view must refuse once instead of losing renderer
// after renderer.
// One page at a time: a 50 MB page takes the renderer several GB.

#include "benchpage.h"
#include "platform/htmleditview.h"
#include "platform/textfiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Runs the event loop until done or the limit; false on the limit.
bool waitFor(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Long paragraphs of text: few nodes for their size, as a page of prose.
QString makeTextPage(qsizetype bytes)
{
    const QString row = QStringLiteral("<p>")
                        + QStringLiteral("Some text of the page, a sentence of prose. ").repeated(40)
                        + QStringLiteral("</p>\n");
    return QStringLiteral("<!DOCTYPE html>\n<html><head><title>bench</title></head><body>")
           + row.repeated(bytes / row.size() + 1) + QStringLiteral("</body></html>");
}

void timePage(const char *name, const QString &page, const QString &folder)
{
    const QString file = folder + QStringLiteral("/page.html");
    const QString copy = folder + QStringLiteral("/copy.html");
    QElapsedTimer timer;
    timer.start();
    TextFiles::write(file, page);
    QString text;
    TextFiles::read(file, &text);
    const double fileMs = msSince(timer);

    HtmlEditView view;
    view.resize(900, 700);
    view.show();
    int lost = 0;
    bool refused = false;
    QObject::connect(&view, &HtmlEditView::rendererRecovered, [&] { ++lost; });
    QObject::connect(&view, &HtmlEditView::documentRefused, [&] { refused = true; });
    waitFor([&] { return view.isIdle(); }, 60000);

    timer.restart();
    view.setDocumentHtml(text);
    // The load under way may outlast the view's operation limit: the page
    // stands once it answers.
    bool stood = waitFor([&] { return refused || lost > 3 || view.isIdle(); }, 600000);
    stood = stood && !refused && view.evaluate(QStringLiteral("1"), 600000).has_value();
    const double putMs = msSince(timer);
    if (refused || lost || !stood) {
        std::printf("%-22s %6.1f MB  put: %s after %.0f ms, renderer lost %d times "
                    "(file write + read %.0f ms)\n",
                    name, page.size() / 1048576.0, refused ? "refused" : "no page", putMs, lost,
                    fileMs);
        std::fflush(stdout);
        return;
    }
    timer.restart();
    const auto html = view.documentHtml(120000);
    const double readMs = msSince(timer);
    timer.restart();
    QString error;
    const bool saved = view.SaveDocument(copy, &error);
    const double saveMs = msSince(timer);
    std::printf("%-22s %6.1f MB  put %8.0f  read %8.0f (%s)  save %8.0f (%s)  "
                "file write + read %6.0f ms\n",
                name, page.size() / 1048576.0, putMs, readMs,
                html && html->size() == page.size() ? "whole" : "FAILED", saveMs,
                saved ? "ok" : qPrintable(error), fileMs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    HtmlEditView::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("times in ms; the file baseline writes and reads the same page as a file\n");
    timePage("10 MB, bench page", makeBenchPage(qsizetype(10) << 20), dir.path());
    timePage("50 MB, prose", makeTextPage(qsizetype(50) << 20), dir.path());
    // Minutes on a busy machine, and several GB.
    if (qEnvironmentVariableIsSet("QV_BENCH_DENSE"))
        timePage("50 MB, bench page", makeBenchPage(qsizetype(50) << 20), dir.path());
    return 0;
}
