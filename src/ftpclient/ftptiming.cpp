#include "ftpclient/ftptiming.h"

#include <cmath>

namespace FtpTiming {

namespace {
double waitScale = 1.0;
int timeout = 30;
} // namespace

int wait(int milliseconds)
{
    return int(std::lround(milliseconds * waitScale));
}

int timeoutSeconds()
{
    return timeout;
}

void setWaitScaleForTests(double scale)
{
    waitScale = scale;
}

void setTimeoutForTests(int seconds)
{
    timeout = seconds;
}

} // namespace FtpTiming
