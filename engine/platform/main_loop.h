#pragma once
// Who calls the frames. On the desktop the program loops, and Present paces it;
// in a browser the page's animation frames call it, held to 60 game frames per
// second, and the call below never returns.
#include <cstdint>

namespace platform {

// Calls frame(arg) until it returns false.
void runFrames(bool (*frame)(void* arg), void* arg);

// Whether a frame is due at `now` (nanoseconds, monotonic) when the caller is
// woken more often than 60 times a second, or unevenly: frames keep a fixed
// schedule of 1/60 s on average, and a late wake-up starts a new schedule rather
// than a burst of frames. The browser's animation frames come at the display's
// rate (60, 75, 120, 144 Hz ...).
class FrameSchedule {
public:
    static constexpr int64_t kPeriod = 16666667; // 1/60 s

    bool due(int64_t now);

private:
    bool started_ = false;
    int64_t deadline_ = 0;
};

} // namespace platform
