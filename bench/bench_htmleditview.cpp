// Putting a page into the editing view and reading it back, against a bare
// QWebEngineView that loads the same page from a file and reads it with
// toHtml, in the same run; and one full view switch source -> composer ->
// source of a 1 MB page.

#include "app/windowregistry.h"
#include "benchpage.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "platform/textfiles.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void waitFor(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Load from a file, then toHtml; milliseconds.
double bareRoundTrip(QWebEngineView &view, const QString &file, qsizetype *size)
{
    QElapsedTimer timer;
    timer.start();
    bool loaded = false;
    auto c = QObject::connect(view.page(), &QWebEnginePage::loadFinished,
                              [&](bool) { loaded = true; });
    view.load(QUrl::fromLocalFile(file));
    waitFor([&] { return loaded; });
    QObject::disconnect(c);
    bool read = false;
    view.page()->toHtml([&](const QString &html) {
        *size = html.size();
        read = true;
    });
    waitFor([&] { return read; });
    return timer.nsecsElapsed() / 1e6;
}

double oursRoundTrip(HtmlEditView &view, const QString &page, qsizetype *size)
{
    QElapsedTimer timer;
    timer.start();
    view.setDocumentHtml(page);
    waitFor([&] { return view.isIdle(); });
    const double loadMs = timer.nsecsElapsed() / 1e6;
    const auto html = view.documentHtml(120000);
    if (qEnvironmentVariableIsSet("QV_BENCH_DETAIL"))
        std::printf("  load %.1f ms, read %.1f ms\n", loadMs, timer.nsecsElapsed() / 1e6 - loadMs);
    const double ms = timer.nsecsElapsed() / 1e6;
    *size = html ? html->size() : -1;
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    HtmlEditView::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    registerWindows();
    QTemporaryDir dir;
    constexpr int runs = 5;

    QWebEngineView bare;
    bare.resize(900, 700);
    bare.show();
    HtmlEditView ours;
    ours.resize(900, 700);
    ours.show();

    std::printf("%-28s %12s %12s %8s\n", "put + get", "ours (ms)", "bare (ms)", "ratio");
    for (qsizetype bytes : {qsizetype(1) << 20, qsizetype(10) << 20}) {
        const QString page = makeBenchPage(bytes);
        const QString file = dir.filePath(QStringLiteral("page%1.html").arg(bytes));
        TextFiles::write(file, page);
        std::vector<double> a, b;
        qsizetype sa = 0, sb = 0;
        for (int i = 0; i <= runs; ++i) {
            const double t1 = oursRoundTrip(ours, page, &sa);
            const double t2 = bareRoundTrip(bare, file, &sb);
            if (i > 0) {  // the first run warms both up
                a.push_back(t1);
                b.push_back(t2);
            }
        }
        std::printf("%5.1f MB page (%lld / %lld ch) %9.1f %12.1f %8.2f\n", page.size() / 1048576.0,
                    static_cast<long long>(sa), static_cast<long long>(sb), median(a),
                    median(b), median(a) / median(b));
    }

    // One full switch: the source text into the composer, and back with
    // the rewrites, each side ready to use.
    const QString page = makeBenchPage(qsizetype(1) << 20);
    SourceWindow *source = Quorl();
    ComposerWindow *composer = Composr();
    source->show();
    std::vector<double> times;
    for (int i = 0; i <= runs; ++i) {
        source->area->setText(page);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        ShowVevevodi();
        waitFor([&] { return composer->txtComp->isIdle(); });
        composer->showSourceView();
        QCoreApplication::processEvents();
        if (i > 0)
            times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("view switch source -> composer -> source, 1 MB page: %.1f ms (median of %d)\n",
                median(times), runs);
    return 0;
}
