#include "tests/golden/frame_script.h"

#include "engine/libD3D/d3dfont.h"
#include "engine/manager/xmanager.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/session/playsession.h"
#include "game/setup_decor.h"

#include <SDL/SDL.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// An SDL event, reduced to what the frame reads.
struct Event {
    Uint8 type;
    SDLKey key;
    int x, y;
};

// The input of frame f, in the order SDL would deliver it: the pointer sweeps
// the window, a stray key before the choice, F5 at frame 30 between two
// motions, F10 later (too late to count), key releases.
std::vector<Event> eventsOf(int f)
{
    std::vector<Event> e;
    auto motion = [&](int g) {
        int x = 560 + int(200 * std::sin(g * 0.05)), y = 300 + int(220 * std::sin(g * 0.037));
        e.push_back({SDL_MOUSEMOTION, SDLK_UNKNOWN, x, y});
    };
    if (f == 10)
        e.push_back({SDL_KEYDOWN, SDLK_SPACE, 0, 0});
    if (f == 12)
        e.push_back({SDL_KEYUP, SDLK_SPACE, 0, 0});
    if (f % 3 == 0)
        motion(f);
    if (f == 30) {
        e.push_back({SDL_KEYDOWN, SDLK_F5, 0, 0});
        motion(f + 1);
    }
    if (f == 33)
        e.push_back({SDL_KEYUP, SDLK_F5, 0, 0});
    if (f == 120)
        e.push_back({SDL_KEYDOWN, SDLK_F10, 0, 0});
    if (f == 200) {
        motion(f);
        motion(f + 2);
    }
    return e;
}

} // namespace

// The game's set-up, with a fixed seed.
ScriptedGame::ScriptedGame()
{
    tovi_ = new TOVI3D(nullptr, 800, 600);
    IDirect3DDevice9* device = tovi_->pD3dDevice;
    manager_ = new XMANAGER(device);
    chargerJeu(manager_, device, "script.lua");
    preparerVue(tovi_);
    prompt_ = creerInvite(device);
    zeus_ = new Zeus();
    Gaya::init(zeus_, manager_);
    decor_.reset(new DecorTapis(manager_));
    gameSrand(7);
    std::fflush(stdout);
    frame_.reset(new GameFrame(zeus_));
    session_.reset(new PlaySession(*frame_, *zeus_, PlaySession::Mode::Player, 7));
}

// Left to the process's end, as the game's own objects are.
ScriptedGame::~ScriptedGame() = default;

IDirect3DDevice9* ScriptedGame::device() const
{
    return tovi_->pD3dDevice;
}

// The game's frame, fed as game/main.cpp feeds it.
void ScriptedGame::play(int f)
{
    for (const Event& event : eventsOf(f)) {
        if (event.type == SDL_KEYDOWN)
            session_->keyDown(event.key);
        if (event.type == SDL_KEYUP)
            session_->keyUp(event.key);
        if (event.type == SDL_MOUSEMOTION)
            session_->pointer(event.x, event.y);
    }
    session_->run();
    frame_->draw(tovi_, *decor_, *prompt_);
}
