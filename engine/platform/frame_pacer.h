#pragma once
// When a frame is shown. The game advances a fixed 30 ms per frame and is played
// at 60 frames per second: the pacer swaps on a fixed schedule of 1/60 s, or, when
// the swaps show that vertical sync holds them to a retrace close to 60 Hz, lets
// the retrace pace the frames and does not sleep on top of it.
#include <cstdint>

namespace platform {

// What the pacer drives; the GL device gives the real clock, sleep and swap, a
// simulated display its own (tests and benchmarks).
class PacingDisplay {
public:
    virtual ~PacingDisplay() = default;
    virtual int64_t now() = 0; // nanoseconds, monotonic
    virtual void sleepUntil(int64_t when) = 0;
    // Returns once the frame is drawn, so that the swap's own time is measured.
    virtual void finish() = 0;
    virtual void swap() = 0;
};

class FramePacer {
public:
    static constexpr int64_t kPeriod = 16666667; // 1/60 s in nanoseconds

    // Shows the frame drawn since the last call.
    void present(PacingDisplay& display);

    // True while the retrace paces the frames.
    bool followsRetrace() const { return mode_ == Mode::Retrace; }

private:
    enum class Mode {
        Trial,   // swapping without sleep, to see whether the retrace holds the swaps
        Retrace, // the retrace paces: no sleep
        Schedule // sleep to the next deadline, each one period after the last
    };

    void toSchedule(int64_t now);
    void judgeTrial(int64_t interval, int64_t now);
    void judgeRetrace(int64_t interval, int64_t now);

    Mode mode_ = Mode::Trial;
    bool started_ = false;
    int64_t lastSwap_ = 0;  // when the last swap returned
    int64_t deadline_ = 0;  // Schedule: when the next swap is due
    // Trial: intervals within a retrace close to 60 Hz, their sum, frames tried.
    int good_ = 0;
    int64_t goodSum_ = 0;
    int tried_ = 0;
    // Retrace: the last intervals, to tell a retrace from frames that merely take as long.
    int64_t recent_[4] = {};
    int recentCount_ = 0, recentNext_ = 0;
    // Schedule: a swap has blocked as only a retrace would; when to try again.
    bool blocked_ = false;
    int64_t nextTrial_ = 0;
    int64_t backoff_ = 0;
};

} // namespace platform
