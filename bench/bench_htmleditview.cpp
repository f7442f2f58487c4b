// Putting a page into the editing view and reading it back, against a bare
// QWebEngineView that loads the same page from a file and reads it with
// toHtml, in the same run; and one full view switch source -> composer ->
// source of a 1 MB page; and keys typed into a big page, against the bare
// engine's contentEditable on the same page. "typing" as the argument runs
// only the typing rows.

#include "app/windowregistry.h"
#include "benchpage.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/sourcearea.h"
#include "platform/textfiles.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWebEnginePage>
#include <QWebEngineScript>
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

// Lets the program run for ms milliseconds.
void pump(int ms)
{
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

void loadFile(QWebEngineView &view, const QString &file)
{
    bool loaded = false;
    auto c = QObject::connect(view.page(), &QWebEnginePage::loadFinished,
                              [&](bool) { loaded = true; });
    view.load(QUrl::fromLocalFile(file));
    waitFor([&] { return loaded; });
    QObject::disconnect(c);
}

// Load from a file, then toHtml; milliseconds.
double bareRoundTrip(QWebEngineView &view, const QString &file, qsizetype *size)
{
    QElapsedTimer timer;
    timer.start();
    loadFile(view, file);
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

// Counts the frames drawn after each input event of the page, in its world.
const QString kDrawCounter = QStringLiteral(
    "(() => { if (window.qvTyped === undefined) { window.qvTyped = 0; window.qvDrawn = 0;"
    " document.addEventListener('input', () => { const n = ++window.qvTyped;"
    " requestAnimationFrame(() => { window.qvDrawn = n; }); }); }"
    " const b = document.body; let t = b.children[b.children.length >> 1];"
    " while (t.firstChild) t = t.firstChild;"
    " if (b.isContentEditable) b.focus();"
    " const r = document.createRange(); r.setStart(t, 2); r.collapse(true);"
    " getSelection().removeAllRanges(); getSelection().addRange(r); return 0; })()");

QVariant ask(QWebEnginePage *page, quint32 world, const QString &js)
{
    bool done = false;
    QVariant value;
    page->runJavaScript(js, world, [&](const QVariant &v) {
        value = v;
        done = true;
    });
    waitFor([&] { return done; });
    return value;
}

// Types keys as a user does (one every 120 ms, a pause of 1.5 s after every
// ten); milliseconds from each key until the page drew it.
std::vector<double> typeInto(QWebEngineView &view, quint32 world, int keys)
{
    QWebEnginePage *page = view.page();
    ask(page, world, kDrawCounter);
    view.activateWindow();
    waitFor([&] { return QApplication::activeWindow() == &view; });
    view.setFocus();
    QWidget *target = view.focusProxy() ? view.focusProxy() : &view;
    std::vector<double> latencies;
    const int start = ask(page, world, QStringLiteral("window.qvTyped")).toInt();
    for (int i = 1; i <= keys; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(target, Qt::Key_X);
        while (ask(page, world, QStringLiteral("window.qvDrawn")).toInt() < start + i
               && timer.elapsed() < 60000)
            QThread::msleep(1);
        latencies.push_back(timer.nsecsElapsed() / 1e6);
        if (qEnvironmentVariableIsSet("QV_BENCH_DETAIL"))
            std::printf("  key %d: %.1f ms\n", i, latencies.back());
        pump(i % 10 == 0 ? 1500 : 120);
    }
    return latencies;
}

// The engine's own floor on a page: one letter added to a text node by a
// script, no editing involved, until the frame after it is drawn.
double scriptChangeDrawn(QWebEnginePage *page)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        ask(page, QWebEngineScript::MainWorld,
            QStringLiteral("(() => { window.qvFloor = null; const b = document.body;"
                           " let t = b.children[b.children.length >> 1];"
                           " while (t.firstChild) t = t.firstChild;"
                           " const s = performance.now(); t.data += 'y';"
                           " requestAnimationFrame(() => setTimeout(() => {"
                           " window.qvFloor = performance.now() - s; }, 0)); return 0; })()"));
        QVariant v;
        do {
            v = ask(page, QWebEngineScript::MainWorld, QStringLiteral("window.qvFloor"));
        } while (v.isNull());
        times.push_back(v.toDouble());
    }
    return median(times);
}

void typingRows(HtmlEditView &ours, QWebEngineView &bare, const QTemporaryDir &dir)
{
    struct Page {
        const char *name;
        QString html;
    };
    const Page pages[] = {
        {"100 000 <span> lines", makeSpanPage(100000)},
        {"4 MB of paragraphs", makeBookPage(qsizetype(4) << 20)},
    };
    const int keys = qEnvironmentVariableIsSet("QV_BENCH_KEYS")
                         ? qEnvironmentVariableIntValue("QV_BENCH_KEYS") : 20;
    std::printf("\n%-28s %12s %12s %8s\n", "typed key, drawn", "ours (ms)", "bare (ms)",
                "ratio");
    for (const Page &p : pages) {
        ours.setDocumentHtml(p.html);
        waitFor([&] { return ours.isIdle(); });
        QString editable = p.html;
        editable.replace(QStringLiteral("<body>"), QStringLiteral("<body contenteditable>"));
        const QString file = dir.filePath(QStringLiteral("typing.html"));
        TextFiles::write(file, editable);
        loadFile(bare, file);

        const auto b = typeInto(bare, QWebEngineScript::MainWorld, keys);
        const auto a = typeInto(ours, QWebEngineScript::ApplicationWorld, keys);
        const double worstA = *std::max_element(a.begin(), a.end());
        const double worstB = *std::max_element(b.begin(), b.end());
        // What ending the undo step of one typed letter costs in the page,
        // without the engine's own handling of the key.
        std::vector<double> steps;
        for (int i = 0; i < 5; ++i) {
            steps.push_back(ask(ours.page(), QWebEngineScript::ApplicationWorld,
                                QStringLiteral("(() => { const b = document.body;"
                                               " let t = b.children[b.children.length >> 1];"
                                               " while (t.firstChild) t = t.firstChild;"
                                               " t.data += 'x'; const s = performance.now();"
                                               " qvEdit.boundary();"
                                               " return performance.now() - s; })()"))
                                .toDouble());
        }
        std::printf("%-28s %12.1f %12.1f %8.2f   (worst %.1f / %.1f; step end %.1f ms;"
                    " a script's change drawn %.1f ms)\n",
                    p.name, median(a), median(b), median(a) / median(b), worstA, worstB,
                    median(steps), scriptChangeDrawn(bare.page()));
    }
}

// Keys typed into the composer on the page of many elements while crash
// save runs each second: how long the window stood at most, and how many
// keys the crash file lacked at worst when a tick had written it.
void crashSaveRow(const QTemporaryDir &dir)
{
    ProgramFolder::setPathForTests(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Crash"));
    const QString path = dir.filePath(QStringLiteral("Crash/typing.crw"));
    SourceWindow *source = Quorl();
    ComposerWindow *composer = Composr();
    source->area->setText(makeSpanPage(100000));
    source->show();
    ShowVevevodi();
    waitFor([&] { return composer->txtComp->isIdle(); });
    // Puts the caret in the middle of the page.
    ask(composer->txtComp->page(), QWebEngineScript::ApplicationWorld, kDrawCounter);
    composer->activateWindow();
    waitFor([&] { return QApplication::activeWindow() == composer; });
    HtmlEditView *view = composer->txtComp;
    QWidget *target = view->focusProxy() ? view->focusProxy() : view;
    composer->setCrashSave(QStringLiteral("typing"), 1, true);
    QElapsedTimer typing;
    typing.start();
    QElapsedTimer step;
    step.start();
    qint64 longest = 0;
    int typed = 0;
    qsizetype worstBehind = 0;
    qint64 lastSize = -1;
    int writes = 0;
    while (typing.elapsed() < 10000) {
        QTest::keyClick(target, Qt::Key_Q);
        ++typed;
        pump(150);
        longest = qMax(longest, step.restart());
        const qint64 size = QFileInfo(path).size();
        if (size != lastSize && size > 0) {
            // The page holds no other q: a tick writes what the page has.
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            worstBehind = qMax<qsizetype>(worstBehind, typed - file.readAll().count('q'));
            lastSize = size;
            ++writes;
        }
    }
    composer->setCrashSave(QStringLiteral("typing"), 1, false);
    std::printf("\ncrash save each second while typing every 150 ms, 100 000 elements:\n"
                "  longest the window stood %lld ms; the file at worst %lld keys behind"
                " (%d typed, %d writes)\n",
                static_cast<long long>(longest), static_cast<long long>(worstBehind), typed,
                writes);
    composer->hide();
    source->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
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

    if (app.arguments().contains(QStringLiteral("typing"))) {
        typingRows(ours, bare, dir);
        crashSaveRow(dir);
        return 0;
    }

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
    composer->hide();
    source->hide();
    typingRows(ours, bare, dir);
    crashSaveRow(dir);
    return 0;
}
