#include "tests/support/fake_clock.h"

#include <cstdint>
#include <ctime>

namespace {
DWORD (*g_clock)() = nullptr;
void (*g_sleep)(DWORD) = nullptr;
} // namespace

DWORD timeGetTime()
{
    if (g_clock)
        return g_clock();
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return DWORD(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

void Sleep(DWORD milliseconds)
{
    if (g_sleep) {
        g_sleep(milliseconds);
        return;
    }
    timespec ts{time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

void platformSetClock(DWORD (*clock)())
{
    g_clock = clock;
}

void platformSetSleep(void (*sleeper)(DWORD))
{
    g_sleep = sleeper;
}
