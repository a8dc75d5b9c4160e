// Entry function and frame loop of the game.
#include "engine/libD3D/d3dfont.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/xmanager.h"
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

int SDL_main(int argc, char** argv)
{
    GameOptions options;
    int status = parseGameOptions(argc, argv, options);
    if (status != -1)
        return status;
    Replay replay;
    if (!options.replay.empty() && !openReplay("plumfall", options.replay, replay))
        return 2;
    DataFolder data;
    if (!enterDataFolder("plumfall", options.dataDir, PLUMFALL_RUN_FROM_BIN, data))
        return 1;
    chooseVideoDriver();

    PlayerChoices choix(options, settingsPath());
    int bureauX = 0, bureauY = 0;
    if (FENETRESDL::desktopSize(&bureauX, &bureauY))
        choix.fitDesktop(800, 600, bureauX, bureauY);
    SON::init(choix.volume(), choix.mute());
    bool boucle = true;
    gameSrand(timeGetTime());

    M_FENETRE* fenetre = new M_FENETRE(800, 600, choix.scale(), choix.fullscreen());
    fenetre->getFenetre()->setrts();
    IDirect3DDevice9* device = fenetre->getDevice();
    TOVI3D* tovi = fenetre->getTovi3D();
    XMANAGER* manager = new XMANAGER(device);
    JOURNALLUA journal;
    chargerJeu(manager, device, "script.lua", &journal);
    if (!donneesCompletes(manager, data.path, &journal))
        return 1;
    SDLKEY* clavier = new SDLKEY();

    preparerVue(tovi);
    CD3DFont* afficheurscore = creerInvite(device);

    Zeus* zeus = new Zeus();
    Gaya::init(zeus, manager);

    DecorTapis decor(manager);

    uint32_t graine = options.replay.empty() ? timeGetTime() : replay.seed;
    gameSrand(graine);
    TIME_MANAGER* temps = new TIME_MANAGER();

    GameFrame frame(zeus);
    int played = 0;
    // Who plays: the player, the autopilot (it moves the game's pointer, not the
    // system's) or a replay.
    PlaySession::Mode mode = !options.replay.empty() ? PlaySession::Mode::Replay
                             : options.demo          ? PlaySession::Mode::Demo
                                                     : PlaySession::Mode::Player;
    PlaySession session(frame, *zeus, mode, graine, options.demo, options.replay.empty() ? nullptr : &replay);

    while (boucle) {
        temps->update();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            switch (event.type) {
            case SDL_KEYUP:
                clavier->setkey(event.key.keysym.sym, false);
                session.keyUp(event.key.keysym.sym);
                break;
            case SDL_KEYDOWN: {
                SDLKey key = event.key.keysym.sym;
                session.keyDown(key);
                clavier->setkey(key, true);
                FENETRESDL& ecran = *fenetre->getFenetre();
                PlayerKey touche = playerKey(key, event.key.keysym.mod, ecran.getFillDesktop());
                if (!applyPlayerKey(touche, ecran, choix))
                    boucle = false;
                break;
            }
            case SDL_MOUSEMOTION: {
                int x = 0, y = 0;
                fenetre->getFenetre()->windowToView(event.motion.x, event.motion.y, &x, &y);
                session.pointer(x, y);
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                session.click();
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
        frame.draw(tovi, decor, *afficheurscore);
        if (options.frames > 0 && ++played >= options.frames)
            boucle = false;
    }
    endSession(session, options);
    return 0;
}

// SDL 1.2 has no SDLmain library on Linux: the entry function is called from here.
int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
