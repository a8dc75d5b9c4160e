// The browser's animation frames at several display rates, with jitter: the game
// keeps 60 frames per second on average, never bursts after a pause, and takes
// every wake-up a slow display gives.
#include "engine/platform/main_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

using platform::FrameSchedule;

constexpr int64_t kMs = 1000000;

// Frames the schedule runs over `seconds` of wake-ups at `hz`, each one off by up
// to `jitterMs` either way.
int framesAt(double hz, double seconds, double jitterMs, FrameSchedule& s, int64_t& t)
{
    std::mt19937 random{unsigned(hz)};
    std::uniform_real_distribution<double> jitter(-jitterMs, jitterMs);
    int64_t period = int64_t(1e9 / hz), start = t;
    int frames = 0;
    for (int i = 0; i < int(seconds * hz); ++i) {
        t = start + int64_t(i) * period + int64_t(jitter(random) * kMs);
        frames += s.due(t);
    }
    return frames;
}

TEST(FrameSchedule, SixtyPerSecondAtEveryDisplayRate)
{
    for (double hz : {60.0, 59.94, 75.0, 90.0, 120.0, 144.0, 165.0, 240.0}) {
        FrameSchedule s;
        int64_t t = 0;
        int frames = framesAt(hz, 10, 1, s, t);
        EXPECT_NEAR(frames, 600, hz < 60 ? 3 : 2) << hz << " Hz";
    }
}

TEST(FrameSchedule, SlowDisplaysGetAFrameAtEveryWakeUp)
{
    FrameSchedule s;
    int64_t t = 0;
    EXPECT_EQ(framesAt(30, 10, 1, s, t), 300);
}

TEST(FrameSchedule, APauseStartsANewScheduleWithoutABurst)
{
    FrameSchedule s;
    int64_t t = 0;
    framesAt(144, 2, 1, s, t);
    t += 3000 * kMs; // the page was hidden: no animation frames for 3 s
    EXPECT_NEAR(framesAt(144, 1, 1, s, t), 60, 2);
}

} // namespace
