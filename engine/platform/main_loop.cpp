#include "engine/platform/main_loop.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace platform {

bool FrameSchedule::due(int64_t now)
{
    // Wake-ups jitter around the retrace: one a quarter period early still counts.
    constexpr int64_t kEarly = kPeriod / 4;
    if (!started_ || now - deadline_ > kPeriod) {
        started_ = true;
        deadline_ = now + kPeriod;
        return true;
    }
    if (now < deadline_ - kEarly)
        return false;
    deadline_ += kPeriod;
    return true;
}

#ifdef __EMSCRIPTEN__

namespace {

struct Frames {
    bool (*frame)(void*);
    void* arg;
    FrameSchedule schedule;
};

void onAnimationFrame(void* p)
{
    Frames* f = static_cast<Frames*>(p);
    if (!f->schedule.due(int64_t(emscripten_get_now() * 1e6)))
        return;
    if (!f->frame(f->arg))
        emscripten_cancel_main_loop();
}

} // namespace

void runFrames(bool (*frame)(void*), void* arg)
{
    // Lives as long as the page: the call leaves through the browser's event loop.
    Frames* f = new Frames{frame, arg, {}};
    emscripten_set_main_loop_arg(onAnimationFrame, f, 0, 1);
}

#else

void runFrames(bool (*frame)(void*), void* arg)
{
    while (frame(arg)) {
    }
}

#endif

} // namespace platform
