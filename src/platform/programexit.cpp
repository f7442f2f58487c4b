#include "platform/programexit.h"

#include "platform/settingsstore.h"

#include <QCoreApplication>

namespace ProgramExit {

namespace {
std::function<void()> &testHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void exitNow()
{
    SettingsStore::sync();
    if (testHandler()) {
        testHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setHandlerForTests(std::function<void()> handler)
{
    testHandler() = std::move(handler);
}

} // namespace ProgramExit
