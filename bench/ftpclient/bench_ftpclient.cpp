// Upload and download of a 200 MB file and a listing of a 10,000-entry folder,
// through our transfer control and through the curl command line, against one
// loopback FTP server. Ours and curl take turns, and each figure is the best
// of five runs, so a busy machine hurts neither side more than the other.
// Run: QT_QPA_PLATFORM=offscreen build/bench/ftpclient/bench_ftpclient
#include "ftpclient/ftpwindows.h"
#include "ftpclient/ftptiming.h"
#include "ftpclient/inetwindow.h"
#include "ftpclient/transfercontrol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr qint64 fileSize = qint64(200) * 1024 * 1024;
constexpr int entries = 10000;
constexpr int rounds = 5;

QHash<QString, QString> startServer(const QString &stateFile)
{
    QProcess::execute(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(QV_FTP_SERVER_SCRIPT), QStringLiteral("start"), stateFile});
    QHash<QString, QString> state;
    QFile file(stateFile);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                state.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
    }
    return state;
}

double timed(const std::function<bool()> &run)
{
    QElapsedTimer clock;
    clock.start();
    return run() ? clock.nsecsElapsed() / 1e9 : 1e30;
}

double bestOf(const std::function<bool()> &run)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i)
        best = std::min(best, timed(run));
    return best;
}

// Best times of ours and curl's, run in turns.
std::pair<double, double> compare(const std::function<bool()> &ours,
                                  const std::function<bool()> &curl)
{
    double bestOurs = 1e30, bestCurl = 1e30;
    for (int i = 0; i < rounds; ++i) {
        bestOurs = std::min(bestOurs, timed(ours));
        bestCurl = std::min(bestCurl, timed(curl));
    }
    return {bestOurs, bestCurl};
}

bool runOp(TransferControl &control, const FtpOperation &op, QString *response = nullptr)
{
    bool failed = false;
    QString text;
    auto c = QObject::connect(&control, &TransferControl::StateChanged, [&](int state) {
        failed = failed || state == TransferControl::Error;
        if (state == TransferControl::ResponseCompleted)
            for (QString p = control.GetChunk(512); !p.isEmpty(); p = control.GetChunk(512))
                text += p;
    });
    QEventLoop loop;
    QObject::connect(&control, &TransferControl::idle, &loop, &QEventLoop::quit);
    if (!control.execute(op)) {
        std::fprintf(stderr, "%s\n", qPrintable(control.errorString()));
        return false;
    }
    loop.exec();
    QObject::disconnect(c);
    if (response)
        *response = text;
    if (failed)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(op.text()), qPrintable(text));
    return !failed;
}

bool runCurl(const QStringList &args)
{
    QProcess curl;
    curl.start(QStringLiteral("curl"), QStringList{"-s", "-S", "--ftp-method", "singlecwd"}
                                           + args);
    curl.waitForFinished(600000);
    if (curl.exitCode() != 0)
        std::fprintf(stderr, "curl: %s\n", curl.readAllStandardError().constData());
    return curl.exitCode() == 0;
}

void report(const char *what, double ours, double curl, double megabytes)
{
    if (megabytes > 0)
        std::printf("%-26s ours %7.3f s (%7.1f MB/s)   curl %7.3f s (%7.1f MB/s)   "
                    "throughput ratio %.2f\n",
                    what, ours, megabytes / ours, curl, megabytes / curl, curl / ours);
    else
        std::printf("%-26s ours %7.3f s   curl %7.3f s   ratio (curl time / ours) %.2f\n", what,
                    ours, curl, curl / ours);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    const auto server = startServer(work.filePath(QStringLiteral("server.state")));
    if (!server.contains(QStringLiteral("port"))) {
        std::fprintf(stderr, "the FTP server did not start\n");
        return 1;
    }
    const QString url = QStringLiteral("ftp://127.0.0.1:") + server.value("port");
    const QString user = server.value("user") + u':' + server.value("password");
    const QDir root(server.value("root"));

    const QString local = work.filePath(QStringLiteral("big.bin"));
    {
        QFile file(local);
        file.open(QIODevice::WriteOnly);
        QByteArray block(1024 * 1024, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((i * 2654435761u) >> 24);
        for (qint64 written = 0; written < fileSize; written += block.size())
            file.write(block);
    }
    root.mkdir(QStringLiteral("many"));
    for (int i = 0; i < entries; ++i)
        QFile(root.filePath(QStringLiteral("many/page-%1.html").arg(i, 5, 10, QChar('0'))))
            .open(QIODevice::WriteOnly);

    TransferControl control;
    control.URL = url;
    control.UserName = server.value("user");
    control.Password = server.value("password");
    runOp(control, {FtpOperation::Dir, {}, {}}); // signs in once, as the program does

    const double mb = fileSize / 1e6;
    const QString back = work.filePath(QStringLiteral("back.bin"));
    const auto [upOurs, upCurl] = compare(
        [&] { return runOp(control, {FtpOperation::Put, local, QStringLiteral("ours.bin")}); },
        [&] { return runCurl({"--user", user, "-T", local, url + "/%2Fcurl.bin"}); });
    const auto [downOurs, downCurl] = compare(
        [&] { return runOp(control, {FtpOperation::Get, QStringLiteral("ours.bin"), back}); },
        [&] { return runCurl({"--user", user, "-o", back, url + "/%2Fcurl.bin"}); });
    // curl signs in, changes into the folder and lists it; ours changes and lists.
    QString listing;
    const auto [listOurs, listCurl] = compare(
        [&] {
            const bool ok = runOp(control, {FtpOperation::Cd, QStringLiteral("many"), {}})
                && runOp(control, {FtpOperation::Dir, {}, {}}, &listing);
            runOp(control, {FtpOperation::CdUp, {}, {}});
            return ok;
        },
        [&] {
            return runCurl({"--user", user, "-l", "-o", work.filePath("list.txt"),
                            url + "/%2Fmany/"});
        });

    // The whole DIR command of the main window, list filled, waits left out.
    FtpTiming::setWaitScaleForTests(0.0);
    registerFtpWindows();
    InetWindow *window = frmInet();
    window->Inet1->URL = url;
    window->Inet1->UserName = control.UserName;
    window->Inet1->Password = control.Password;
    window->ChangeDIR(QStringLiteral("many"));
    const double windowList = bestOf([&] {
        window->DIR();
        return window->List1->count() == entries + 1;
    });

    std::printf("\nFTP client against the curl command line, loopback, best of %d\n", rounds);
    report("upload 200 MB", upOurs, upCurl, mb);
    report("download 200 MB", downOurs, downCurl, mb);
    report("listing 10,000 entries", listOurs, listCurl, 0);
    std::printf("%-26s ours %7.3f s (%lld entries listed)\n", "window DIR into List1",
                windowList, qlonglong(window->List1->count()));
    std::printf("listing check: %lld lines\n", qlonglong(listing.count(QStringLiteral("\r\n"))));

    QProcess::execute(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(QV_FTP_SERVER_SCRIPT), QStringLiteral("stop"),
                       work.filePath(QStringLiteral("server.state"))});
    return 0;
}
