#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class HtmlEditView;

// Small helpers the window tests share.
namespace TestFiles {

// The file's bytes, or "<missing>".
QByteArray bytes(const QString &path);
// Writes the bytes; false when the file cannot be written.
bool write(const QString &path, const QByteArray &bytes);
// Runs fn while no file may grow beyond limit bytes: a write that fails
// part-way, as on a full disk.
void withFileSizeLimit(long limit, const std::function<void()> &fn);

// Root may write in any folder, so a folder the user cannot write shows only
// to another user. Makes parent/locked, read-only and root's, holding name
// with bytes, which "nobody" (uid and gid 65534) may write; returns the
// file's path, or empty when it cannot be made.
QString fileInLockedFolder(const QString &parent, const QString &name,
                           const QByteArray &bytes);
// Runs fn as "nobody"; false (fn not run) when the user cannot be changed.
bool asNobody(const std::function<void()> &fn);

} // namespace TestFiles

namespace TestEngine {

// Waits for pred without sleeping between checks. The engine's work runs on
// this thread's event loop, so QTest::qWaitFor (which sleeps between rounds)
// slows every page load down by seconds.
bool waitUntil(const std::function<bool()> &pred, int timeoutMs = 15000);

// Waits until every queued operation of the view has finished.
bool settle(HtmlEditView *view);
// What stands between <body> and </body> of the view's document.
QString body(HtmlEditView *view);

} // namespace TestEngine

// QTRY_VERIFY and QTRY_COMPARE for what the engine computes: the same checks,
// but the wait between them does not sleep (see TestEngine::waitUntil).
#define QV_TRY_VERIFY(expr)                                                    \
    do {                                                                       \
        TestEngine::waitUntil([&] { return bool(expr); });                     \
        QVERIFY(expr);                                                         \
    } while (false)
#define QV_TRY_COMPARE(expr, expected)                                         \
    do {                                                                       \
        TestEngine::waitUntil([&] { return (expr) == (expected); });           \
        QCOMPARE(expr, expected);                                              \
    } while (false)
