#pragma once
// A display without a screen for the frame pacer: a clock of its own, sleeps that
// wake a little late, a renderer that takes a chosen time with jitter, and a swap
// that waits for the retrace of a chosen refresh rate (or, with none, shows the
// frame at once). Tens of thousands of frames take milliseconds.
#include "engine/platform/frame_pacer.h"

#include <cstdint>
#include <random>
#include <vector>

namespace testsupport {

struct SimSettings {
    double refreshHz = 60;   // 0: no vertical sync, the frame is shown when swapped
    double renderMs = 4;     // drawing a frame, between two presents
    double jitterMs = 1;     // uniform, either way
    double lateWakeMs = 0.3; // a sleep wakes up to this late (uniform), and 1 in 100 wakes 2 ms later still
    double swapMs = 0.2;     // the swap's own work without vertical sync
    unsigned seed = 1;
};

class SimDisplay : public platform::PacingDisplay {
public:
    explicit SimDisplay(const SimSettings& s);

    int64_t now() override { return clock_; }
    void sleepUntil(int64_t when) override;
    void finish() override {}
    void swap() override;

    // Draws a frame: the time passes before the next present.
    void render();
    // Draws for this long instead, once (a stall).
    void render(double ms);

    // When each frame was shown (nanoseconds), and with a refresh, at which retrace.
    const std::vector<int64_t>& shown() const { return shown_; }
    const std::vector<int64_t>& retraces() const { return retraces_; }

private:
    int64_t ns(double ms) const { return int64_t(ms * 1e6); }
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(alea_); }

    SimSettings s_;
    std::mt19937 alea_;
    int64_t clock_ = 0;
    double period_ = 0; // nanoseconds between retraces
    std::vector<int64_t> shown_, retraces_;
};

// What a run of frames looked like on the simulated display.
struct SimFigures {
    double fps = 0;            // frames shown per second, first to last
    int shownTwiceOrMore = 0;  // frames that stayed on screen for more than one retrace (refresh <= 61 Hz)
    double medianMs = 0, p95Ms = 0, minMs = 0, maxMs = 0; // intervals between frames shown
    std::vector<int> pattern;  // retraces per frame, the shortest repeating cycle (with a refresh)
    double patternShare = 0;   // share of frames that follow that cycle
};

// Runs `frames` frames of `pacer` (a new one unless given) on a display set as `s`.
SimFigures simulate(const SimSettings& s, int frames, platform::FramePacer* pacer = nullptr);
SimFigures measure(const SimDisplay& display, double refreshHz);

} // namespace testsupport
