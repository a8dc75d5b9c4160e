#include "tests/support/simdisplay.h"

#include <algorithm>
#include <cmath>

namespace testsupport {

SimDisplay::SimDisplay(const SimSettings& s) : s_(s), alea_(s.seed)
{
    period_ = s.refreshHz > 0 ? 1e9 / s.refreshHz : 0;
    // The retraces do not start with the program.
    clock_ = ns(uniform(0, 20));
}

void SimDisplay::sleepUntil(int64_t when)
{
    if (when <= clock_)
        return;
    double late = s_.lateWakeMs > 0 ? uniform(0, s_.lateWakeMs) + (uniform(0, 1) < 0.01 ? 2.0 : 0.0) : 0.0;
    clock_ = when + ns(late);
}

void SimDisplay::render() { render(s_.renderMs + uniform(-s_.jitterMs, s_.jitterMs)); }

void SimDisplay::render(double ms) { clock_ += ns(std::max(0.0, ms)); }

void SimDisplay::swap()
{
    if (period_ <= 0) {
        clock_ += ns(s_.swapMs);
        shown_.push_back(clock_);
        return;
    }
    // The frame flips at the first retrace after the swap (never two in the same
    // retrace), and the swap returns then.
    int64_t k = int64_t(std::ceil(double(clock_) / period_));
    if (!retraces_.empty())
        k = std::max(k, retraces_.back() + 1);
    retraces_.push_back(k);
    clock_ = std::max(clock_, int64_t(std::llround(double(k) * period_))) + ns(uniform(0, 0.05));
    shown_.push_back(int64_t(std::llround(double(k) * period_)));
}

SimFigures measure(const SimDisplay& display, double refreshHz)
{
    SimFigures f;
    const std::vector<int64_t>& t = display.shown();
    if (t.size() < 2)
        return f;
    f.fps = double(t.size() - 1) / (double(t.back() - t.front()) * 1e-9);
    std::vector<double> iv;
    for (size_t i = 1; i < t.size(); ++i)
        iv.push_back(double(t[i] - t[i - 1]) * 1e-6);
    std::vector<double> tri = iv;
    std::sort(tri.begin(), tri.end());
    f.minMs = tri.front();
    f.maxMs = tri.back();
    f.medianMs = tri[tri.size() / 2];
    f.p95Ms = tri[std::min(tri.size() - 1, size_t(double(tri.size()) * 0.95))];
    if (refreshHz <= 0)
        return f;
    const std::vector<int64_t>& r = display.retraces();
    std::vector<int> n;
    for (size_t i = 1; i < r.size(); ++i)
        n.push_back(int(r[i] - r[i - 1]));
    if (refreshHz <= 61)
        f.shownTwiceOrMore = int(std::count_if(n.begin(), n.end(), [](int x) { return x > 1; }));
    // The shortest cycle that most frames follow, from the second half of the run.
    size_t debut = n.size() / 2;
    for (size_t p = 1; p <= 12 && debut + 2 * p < n.size(); ++p) {
        size_t suivent = 0, total = 0;
        for (size_t i = debut + p; i < n.size(); ++i, ++total)
            suivent += n[i] == n[i - p];
        double part = double(suivent) / double(total);
        if (part > f.patternShare + 0.02) {
            f.patternShare = part;
            f.pattern.assign(n.begin() + long(debut), n.begin() + long(debut + p));
        }
        if (part > 0.99)
            break;
    }
    return f;
}

SimFigures simulate(const SimSettings& s, int frames, platform::FramePacer* pacer)
{
    SimDisplay display(s);
    platform::FramePacer propre;
    platform::FramePacer& p = pacer ? *pacer : propre;
    for (int i = 0; i < frames; ++i) {
        display.render();
        p.present(display);
    }
    return measure(display, s.refreshHz);
}

} // namespace testsupport
