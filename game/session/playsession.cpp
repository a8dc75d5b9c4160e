#include "game/session/playsession.h"

#include "game/cli/cmdline.h"
#include "game/cli/gameoptions.h"
#include "game/replay/replayfolder.h"
#include "game/replay/worldoutcome.h"
#include "game/utils/son.h"

#include <cstdio>
#include <ctime>

namespace {
const Replay kNoReplay;
}

PlaySession::PlaySession(GameFrame& frame, Zeus& zeus, Mode mode, uint32_t seed, int demoKey, const Replay* replay)
    : frame_(frame), zeus_(zeus), mode_(mode == Mode::Replay && !replay ? Mode::Player : mode),
      recorder_(plumfallVersion(), seed), cursor_(replay ? *replay : kNoReplay)
{
    // The demo chooses in the first frame, before any key can.
    if (mode_ == Mode::Demo)
        pending_.fkey = demoKey;
    caption();
}

bool PlaySession::underWay() const
{
    return mode_ == Mode::Replay || frame_.difficulty() != -1.0f;
}

void PlaySession::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    stepOnce_ = false;
    SON::setPause(paused);
    caption();
}

void PlaySession::caption()
{
    const char* text = nullptr;
    if (paused_)
        text = "PAUSE";
    else if (mode_ == Mode::Demo)
        text = "DEMO";
    else if (mode_ == Mode::Replay)
        text = "REPLAY";
    frame_.setCaption(text);
}

void PlaySession::keyDown(SDLKey key)
{
    if (key >= SDLK_F1 && key <= SDLK_F10 && mode_ == Mode::Player && !pending_.fkey)
        pending_.fkey = key - SDLK_F1 + 1;
    else if (key == SDLK_p && underWay())
        setPaused(!paused_);
    else if (key == SDLK_PERIOD && paused_)
        stepOnce_ = true;
    else if (key == SDLK_TAB)
        fast_ = true;
}

void PlaySession::keyUp(SDLKey key)
{
    if (key == SDLK_TAB)
        fast_ = false;
}

void PlaySession::pointer(int x, int y)
{
    if (mode_ != Mode::Player)
        return;
    pending_.moved = true;
    pending_.x = x;
    pending_.y = y;
}

void PlaySession::click()
{
    if (mode_ != Mode::Replay)
        setPaused(false);
}

void PlaySession::activity(bool gain, int state)
{
    if ((state & SDL_APPINPUTFOCUS) && gain)
        hadFocus_ = true;
    // A window that never had the focus (a bare X server) is not paused by its absence.
    bool focusLost = (state & SDL_APPINPUTFOCUS) && !gain && hadFocus_;
    bool minimised = (state & SDL_APPACTIVE) && !gain;
    if ((focusLost || minimised) && mode_ != Mode::Replay && underWay())
        setPaused(true);
}

void PlaySession::run()
{
    int frames = 1;
    if (paused_)
        frames = stepOnce_ ? 1 : 0;
    else if (mode_ == Mode::Replay && fast_)
        frames = 4;
    stepOnce_ = false;
    for (int i = 0; i < frames; ++i) {
        FrameInput in = pending_;
        if (mode_ == Mode::Replay) {
            if (cursor_.finished(played_))
                return;
            in = cursor_.inputAt(played_);
        } else if (mode_ == Mode::Demo) {
            in.moved = true;
            pilote_.piloter(zeus_, in.x, in.y);
        }
        bool chose = frame_.step(in);
        if (mode_ != Mode::Replay)
            recorder_.frame(played_, in, chose);
        ++played_;
        pending_ = FrameInput();
    }
}

ReplayOutcome PlaySession::outcome() const
{
    return outcomeOf(zeus_.stats, played_);
}

const Replay* PlaySession::recorded()
{
    if (mode_ == Mode::Replay || !recorder_.played())
        return nullptr;
    return &recorder_.close(outcome());
}

void endSession(PlaySession& session, const GameOptions& options)
{
    const Replay* replay = session.recorded();
    if (!replay && !options.replay.empty()) {
        std::printf("replay: %s\n", session.outcome().line().c_str());
        std::fflush(stdout);
        return;
    }
    if (!replay) {
        if (!options.record.empty())
            std::fprintf(stderr, "plumfall: no F-key chose a level: no game to keep in %s\n", options.record.c_str());
        return;
    }
    std::printf("game: %s\n", replay->outcome.line().c_str());
    std::fflush(stdout);
    if (options.noRecord)
        return;
    if (replay->outcome.frames > REPLAY_MAX_FRAMES) {
        std::fprintf(stderr, "plumfall: a game of more than %d frames is not kept as a replay\n", REPLAY_MAX_FRAMES);
        return;
    }
    if (!options.record.empty())
        saveReplay(*replay, options.record);
    else
        keepReplay(*replay, replayFolder(), std::time(nullptr));
}
