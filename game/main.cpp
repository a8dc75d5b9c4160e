// Entry function and frame loop of the game.
#include "engine/libD3D/d3dfont.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/main_loop.h"
#include "engine/sdl/fenetresdl.h"
#include "engine/sdl/sdlkey.h"
#include "engine/sdl/videodriver.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/cli/datafolder.h"
#include "game/cli/gameoptions.h"
#include "game/config/choices.h"
#include "game/frame/gameframe.h"
#include "game/frame/playerkeys.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/replay/replay.h"
#include "game/session/playsession.h"
#include "game/setup_check.h"
#include "game/setup_decor.h"
#include "game/utils/chrono.h"
#include "game/utils/m_fenetre.h"
#include "game/utils/son.h"

#include <SDL/SDL.h>

#include <memory>

namespace {

#ifdef __EMSCRIPTEN__
// Browsers let a page make sound only after a click or a key.
constexpr bool kSoundAfterGesture = true;
#else
constexpr bool kSoundAfterGesture = false;
#endif

// What the frames share, declared in the order of the entry function's locals
// it stands for, so that they are destroyed in the same order.
struct Game {
    GameOptions options;
    Replay replay;
    DataFolder data;
    std::unique_ptr<PlayerChoices> choix;
    M_FENETRE* fenetre = nullptr;
    TOVI3D* tovi = nullptr;
    JOURNALLUA journal;
    SDLKEY* clavier = nullptr;
    CD3DFont* afficheurscore = nullptr;
    Zeus* zeus = nullptr;
    std::unique_ptr<DecorTapis> decor;
    TIME_MANAGER* temps = nullptr;
    std::unique_ptr<GameFrame> frame;
    int played = 0;
    std::unique_ptr<PlaySession> session;
    bool sonLance = false;

    void lancerSon()
    {
        if (!sonLance)
            SON::init(choix->volume(), choix->mute());
        sonLance = true;
    }
};

// One frame: the events, the session's step, the picture. False once the game ends.
bool jouerFrame(void* p)
{
    Game& g = *static_cast<Game*>(p);
    PlaySession& session = *g.session;
    bool boucle = true;
    g.temps->update();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYUP:
            g.clavier->setkey(event.key.keysym.sym, false);
            session.keyUp(event.key.keysym.sym);
            break;
        case SDL_KEYDOWN: {
            SDLKey key = event.key.keysym.sym;
            session.keyDown(key);
            g.clavier->setkey(key, true);
            FENETRESDL& ecran = *g.fenetre->getFenetre();
            PlayerKey touche = playerKey(key, SDLMod(event.key.keysym.mod), ecran.getFillDesktop());
            if (!applyPlayerKey(touche, ecran, *g.choix))
                boucle = false;
            g.lancerSon();
            break;
        }
        case SDL_MOUSEMOTION: {
            int x = 0, y = 0;
            g.fenetre->getFenetre()->windowToView(event.motion.x, event.motion.y, &x, &y);
            session.pointer(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            session.click();
            g.lancerSon();
            break;
        case SDL_ACTIVEEVENT:
            session.activity(event.active.gain != 0, event.active.state);
            break;
        case SDL_QUIT:
            boucle = false;
            break;
        default:
            break;
        }
    }
    session.run();
    g.frame->draw(g.tovi, *g.decor, *g.afficheurscore);
    if (g.options.frames > 0 && ++g.played >= g.options.frames)
        boucle = false;
    if (!boucle)
        endSession(session, g.options);
    return boucle;
}

} // namespace

int SDL_main(int argc, char** argv)
{
    // On the heap: in a browser the frames run after this function has left
    // through the browser's event loop, which skips every destructor here.
    std::unique_ptr<Game> game(new Game);
    Game& g = *game;
    int status = parseGameOptions(argc, argv, g.options);
    if (status != -1)
        return status;
    if (!g.options.replay.empty() && !openReplay("plumfall", g.options.replay, g.replay))
        return 2;
    if (!enterDataFolder("plumfall", g.options.dataDir, PLUMFALL_RUN_FROM_BIN, g.data))
        return 1;
    chooseVideoDriver();

    g.choix.reset(new PlayerChoices(g.options, settingsPath()));
    int bureauX = 0, bureauY = 0;
    if (FENETRESDL::desktopSize(&bureauX, &bureauY))
        g.choix->fitDesktop(800, 600, bureauX, bureauY);
    if (!kSoundAfterGesture)
        g.lancerSon();
    gameSrand(timeGetTime());

    g.fenetre = new M_FENETRE(800, 600, g.choix->scale(), g.choix->fullscreen());
    g.fenetre->getFenetre()->setrts();
    IDirect3DDevice9* device = g.fenetre->getDevice();
    g.tovi = g.fenetre->getTovi3D();
    XMANAGER* manager = new XMANAGER(device);
    chargerJeu(manager, device, "script.lua", &g.journal);
    if (!donneesCompletes(manager, g.data.path, &g.journal))
        return 1;
    g.clavier = new SDLKEY();

    preparerVue(g.tovi);
    g.afficheurscore = creerInvite(device);

    g.zeus = new Zeus();
    Gaya::init(g.zeus, manager);

    g.decor.reset(new DecorTapis(manager));

    uint32_t graine = g.options.replay.empty() ? timeGetTime() : g.replay.seed;
    gameSrand(graine);
    g.temps = new TIME_MANAGER();

    g.frame.reset(new GameFrame(g.zeus));
    // Who plays: the player, the autopilot (it moves the game's pointer, not the
    // system's) or a replay.
    PlaySession::Mode mode = !g.options.replay.empty() ? PlaySession::Mode::Replay
                             : g.options.demo          ? PlaySession::Mode::Demo
                                                       : PlaySession::Mode::Player;
    g.session.reset(new PlaySession(*g.frame, *g.zeus, mode, graine, g.options.demo,
                                    g.options.replay.empty() ? nullptr : &g.replay));

    platform::runFrames(jouerFrame, game.get());
    return 0;
}

// SDL 1.2 has no SDLmain library on Linux: the entry function is called from here.
int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
