#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the test program with a failure when the code in the guard's scope
// does not return within timeoutMs: a read that blocks for good would else
// hold the test until CTest kills it minutes later.
class HangGuard
{
public:
    explicit HangGuard(const char *what, int timeoutMs = 20000);
    ~HangGuard();

    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watch;
};
