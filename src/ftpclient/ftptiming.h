#pragma once

// The client's waits and time-outs in one place, so tests can shorten them
// without the program behaving differently otherwise.
namespace FtpTiming {

// A wait of the command layer in milliseconds, as the tests have scaled it.
int wait(int milliseconds);
// How long a connection attempt or an unanswered server is waited for.
int timeoutSeconds();

void setWaitScaleForTests(double scale);
void setTimeoutForTests(int seconds);

} // namespace FtpTiming
