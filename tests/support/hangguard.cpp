#include "support/hangguard.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

HangGuard::HangGuard(const char *what, int timeoutMs)
{
    m_watch = std::thread([this, what, timeoutMs] {
        std::unique_lock lock(m_mutex);
        if (!m_done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [this] { return m_finished; })) {
            std::fprintf(stderr, "FAIL!  : %s did not return within %d ms\n", what, timeoutMs);
            std::fflush(stderr);
            std::_Exit(1);
        }
    });
}

HangGuard::~HangGuard()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_one();
    m_watch.join();
}
