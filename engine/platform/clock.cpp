// The clock and the sleep, alone in their file: a test program that brings its
// own (tests/support/fake_clock.cpp) links instead of this one.
#include "engine/platform/system.h"

#include <cstdint>
#include <ctime>

DWORD timeGetTime()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return DWORD(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

void Sleep(DWORD milliseconds)
{
    timespec ts{time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}
