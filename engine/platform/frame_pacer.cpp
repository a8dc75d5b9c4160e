#include "engine/platform/frame_pacer.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int64_t kMs = 1000000;
// A retrace between 59 and 61 Hz, measured with a little latency on either side.
constexpr int64_t kRetraceMin = 1000000000 / 61 - kMs / 4;
constexpr int64_t kRetraceMax = 1000000000 / 59 + kMs / 4;
// Intervals in range before the retrace is trusted with the pacing.
constexpr int kTrialFrames = 8;
// Frames too slow to tell anything before a trial gives up.
constexpr int kTrialPatience = 60;
// A swap that waits this long with the frame already drawn waits for a retrace.
constexpr int64_t kBlocking = FramePacer::kPeriod / 4;
constexpr int64_t kFirstBackoff = 10000 * kMs;
constexpr int64_t kMaxBackoff = 160000 * kMs;

} // namespace

void FramePacer::present(PacingDisplay& display)
{
    display.finish();
    int64_t now = display.now();
    if (started_ && mode_ == Mode::Schedule) {
        // More than a frame behind: a new schedule from now, rather than a burst of
        // frames to catch up. Less than that is caught up on the fixed schedule.
        if (now - deadline_ > kPeriod)
            deadline_ = now;
        if (now < deadline_)
            display.sleepUntil(deadline_);
    }
    int64_t before = display.now();
    display.swap();
    int64_t after = display.now();

    if (!started_) {
        started_ = true;
        lastSwap_ = after;
        return;
    }
    int64_t interval = after - lastSwap_;
    lastSwap_ = after;
    switch (mode_) {
    case Mode::Trial:
        judgeTrial(interval, after);
        break;
    case Mode::Retrace:
        judgeRetrace(interval, after);
        break;
    case Mode::Schedule:
        deadline_ += kPeriod;
        blocked_ = blocked_ || after - before > kBlocking;
        if (blocked_ && after >= nextTrial_) {
            mode_ = Mode::Trial;
            good_ = tried_ = 0;
            goodSum_ = 0;
        }
        break;
    }
}

void FramePacer::toSchedule(int64_t now)
{
    mode_ = Mode::Schedule;
    deadline_ = now + kPeriod;
    blocked_ = false;
    backoff_ = backoff_ ? std::min(backoff_ * 2, kMaxBackoff) : kFirstBackoff;
    nextTrial_ = now + backoff_;
}

void FramePacer::judgeTrial(int64_t interval, int64_t now)
{
    ++tried_;
    if (interval < kRetraceMin) {
        // Shown sooner than a 61 Hz retrace allows: no such retrace holds the swaps.
        toSchedule(now);
        return;
    }
    if (interval <= kRetraceMax) {
        ++good_;
        goodSum_ += interval;
    }
    if (good_ >= kTrialFrames) {
        int64_t mean = goodSum_ / good_;
        if (mean >= 1000000000 / 61 && mean <= 1000000000 / 59) {
            mode_ = Mode::Retrace;
            recentCount_ = recentNext_ = 0;
            backoff_ = 0;
        } else {
            toSchedule(now);
        }
    } else if (tried_ >= kTrialPatience) {
        toSchedule(now);
    }
}

void FramePacer::judgeRetrace(int64_t interval, int64_t now)
{
    recent_[recentNext_] = interval;
    recentNext_ = (recentNext_ + 1) % 4;
    recentCount_ = std::min(recentCount_ + 1, 4);
    // Frames that came faster than a 61 Hz retrace, one far too soon or four in a
    // row on average: the retrace no longer holds the swaps.
    bool tooSoon = interval < kRetraceMin - 4 * kMs;
    if (recentCount_ >= 4) {
        int64_t sum = recent_[0] + recent_[1] + recent_[2] + recent_[3];
        tooSoon = tooSoon || sum / 4 < 1000000000 / 61;
    }
    if (tooSoon)
        toSchedule(now);
}

} // namespace platform
