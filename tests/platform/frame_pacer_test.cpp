// Frame pacing on simulated displays: vertical sync at several refresh rates or
// none, a renderer with jitter, sleeps that wake late.
#include "engine/platform/frame_pacer.h"
#include "tests/support/simdisplay.h"

#include <gtest/gtest.h>

namespace {

using platform::FramePacer;
using testsupport::SimDisplay;
using testsupport::SimSettings;

const double kPeriodMs = 1000.0 / 60;

SimSettings sansSync()
{
    SimSettings s;
    s.refreshHz = 0;
    s.renderMs = 5;
    s.jitterMs = 2;
    s.lateWakeMs = 0.5;
    return s;
}

TEST(FramePacer, LateWakeUpsNeverAccumulate)
{
    SimDisplay d(sansSync());
    FramePacer pacer;
    for (int i = 0; i < 20000; ++i) {
        d.render();
        pacer.present(d);
    }
    // Each frame stays within a late wake-up (and the rare 2 ms one) of its place on
    // the schedule, set once the first swaps showed no retrace: nothing carries over
    // from one frame to the next.
    const auto& t = d.shown();
    for (size_t k = 2; k < t.size(); ++k)
        ASSERT_NEAR(double(t[k] - t[1]) * 1e-6, double(k - 1) * kPeriodMs, 3.0) << "frame " << k;
    EXPECT_NEAR(testsupport::measure(d, 0).fps, 60.0, 0.01);
    EXPECT_FALSE(pacer.followsRetrace());
}

TEST(FramePacer, VerticalSyncIsFoundFromTheSwapsAndPacesOnlyCloseTo60Hz)
{
    for (double hz : {60.0, 59.94, 75.0, 120.0, 144.0}) {
        SimSettings s;
        s.refreshHz = hz;
        FramePacer pacer;
        auto f = testsupport::simulate(s, 20000, &pacer);
        bool proche = hz >= 59 && hz <= 61;
        EXPECT_EQ(pacer.followsRetrace(), proche) << hz << " Hz";
        EXPECT_NEAR(f.fps, proche ? hz : 60.0, 0.1) << hz << " Hz";
        EXPECT_EQ(f.shownTwiceOrMore, 0) << hz << " Hz";
    }
}

TEST(FramePacer, FallingMoreThanAFrameBehindStartsANewScheduleWithoutABurst)
{
    SimSettings s = sansSync();
    s.jitterMs = 0;
    s.lateWakeMs = 0;
    SimDisplay d(s);
    FramePacer pacer;
    auto frames = [&](int n) {
        for (int i = 0; i < n; ++i) {
            d.render();
            pacer.present(d);
        }
    };
    frames(100);
    // Half a frame late: caught up on the same schedule.
    d.render(kPeriodMs / 2);
    frames(10);
    const auto& t = d.shown();
    EXPECT_NEAR(double(t.back() - t[1]) * 1e-6, double(t.size() - 2) * kPeriodMs, 0.5);
    // A long stall: the frames after it come a period apart, not all at once.
    size_t avant = t.size();
    d.render(100);
    frames(20);
    for (size_t k = avant + 1; k < t.size(); ++k)
        EXPECT_NEAR(double(t[k] - t[k - 1]) * 1e-6, kPeriodMs, 0.5) << "frame " << k;
}

} // namespace
