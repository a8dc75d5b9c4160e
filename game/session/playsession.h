#pragma once
// The window's game around its frame: who gives each frame's input (the
// player, the autopilot of --demo, or a replay), pause and single steps,
// a replay's fast-forward, and the replay of the game being played.
#include "game/autopilot/autopilot.h"
#include "game/frame/gameframe.h"
#include "game/replay/replay.h"

#include <SDL/SDL.h>

#include <cstdint>

class PlaySession {
public:
    enum class Mode { Player, Demo, Replay };

    // Demo: the autopilot plays at F`demoKey`. Replay: `replay` is played (it
    // must outlive the session). Player and Demo games are recorded from
    // `seed`, which the caller has given to the game's generator.
    PlaySession(GameFrame& frame, Zeus& zeus, Mode mode, uint32_t seed, int demoKey = 0,
                const Replay* replay = nullptr);

    // The window's input as it comes; the pointer in pixels of the 800 x 600 view.
    void keyDown(SDLKey key);
    void keyUp(SDLKey key);
    void pointer(int x, int y);
    void click();
    // An SDL_ACTIVEEVENT: gained or lost, SDL_APPINPUTFOCUS / SDL_APPACTIVE bits.
    void activity(bool gain, int state);

    // The game frames of one shown frame: none while paused (one after '.'),
    // four while a replay runs with Tab held, else one; none once a replay is over.
    void run();

    bool paused() const { return paused_; }
    int framesPlayed() const { return played_; }
    ReplayOutcome outcome() const;
    // The replay of the game played so far; null when no F-key chose (no game)
    // or when playing a replay.
    const Replay* recorded();

private:
    bool underWay() const;
    void setPaused(bool paused);
    void caption();

    GameFrame& frame_;
    Zeus& zeus_;
    Mode mode_;
    Autopilot pilote_;
    ReplayRecorder recorder_;
    ReplayCursor cursor_;
    FrameInput pending_;
    int played_ = 0;
    bool paused_ = false;
    bool stepOnce_ = false;
    bool fast_ = false;
    bool hadFocus_ = false;
};

struct GameOptions;

// The end of a window's game: its outcome in one line on standard output, and
// its replay kept as the options say (--record FILE, --no-record, or the
// replays folder).
void endSession(PlaySession& session, const GameOptions& options);
