// Entry function and frame loop of the game.
#include "engine/libD3D/d3dfont.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/d3dx9.h"
#include "engine/sdl/fenetresdl.h"
#include "engine/sdl/sdlkey.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/cli/gameoptions.h"
#include "game/game/camerafollow.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/setup.h"
#include "game/setup_decor.h"
#include "game/utils/chrono.h"
#include "game/utils/m_fenetre.h"
#include "game/utils/mathutils.h"
#include "game/utils/son.h"

#include <SDL/SDL.h>

namespace {

// F1 to F9 step by 0.1 from 0; F10 is the hardest level, 1.0 (not 0.9).
float difficultyForKey(SDLKey key)
{
    static const float kValues[10] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 1.0f};
    if (key >= SDLK_F1 && key <= SDLK_F10)
        return kValues[key - SDLK_F1];
    return -1.0f;
}

const int kPas = 30; // game milliseconds per frame

} // namespace

int SDL_main(int argc, char** argv)
{
    GameOptions options;
    int status = parseGameOptions(argc, argv, options);
    if (status != -1)
        return status;

    SON::init();
    bool boucle = true;
    gameSrand(timeGetTime());

    M_FENETRE* fenetre = new M_FENETRE(800, 600, false);
    fenetre->getFenetre()->setrts();
    IDirect3DDevice9* device = fenetre->getDevice();
    TOVI3D* tovi = fenetre->getTovi3D();
    XMANAGER* manager = new XMANAGER(device);
    initall(device);
    LUALOADER::loadfromlua(manager, "script.lua");
    SDLKEY* clavier = new SDLKEY();

    CAMERA* camera = tovi->getpCamera();
    tovi->getpMatproj()->setorthonorme(800, 600, 1, 100);
    chargercube(manager, device);
    chargerElements3D(manager);
    camera->setEye(0, 0, -30);
    camera->setLookat(0, 0, 0);
    camera->setUp(0, 1, 0);

    CD3DFont* afficheurscore = new CD3DFont("Arial", 30, 0);
    afficheurscore->InitDeviceObjects(device);
    afficheurscore->RestoreDeviceObjects();

    Zeus* zeus = new Zeus();
    Gaya::init(zeus, manager);

    DecorTapis decor(manager);

    gameSrand(timeGetTime());
    TIME_MANAGER* temps = new TIME_MANAGER();

    float fDifficultee = -1.0f;
    CameraFollow suivi;
    float fOffsetAnimTraits = DecorTapis::TRAITS_DEBUT;

    while (boucle) {
        temps->update();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            switch (event.type) {
            case SDL_KEYUP:
                clavier->setkey(event.key.keysym.sym, false);
                break;
            case SDL_KEYDOWN: {
                float d = difficultyForKey(event.key.keysym.sym);
                if (fDifficultee == -1.0f && d >= 0.0f) {
                    zeus->initLevel(d);
                    fDifficultee = d;
                }
                clavier->setkey(event.key.keysym.sym, true);
                break;
            }
            case SDL_MOUSEMOTION: {
                D3DXVECTOR3 eye = camera->getEye();
                float fPosX = 0, fPosY = 0;
                getGameCoordFromScreenCoord(800, 600, 800, 600, eye.x, eye.y, float(event.motion.x) - 400,
                                            float(event.motion.y) - 300, &fPosX, &fPosY);
                zeus->setMousePosition(fPosX, fPosY);
                break;
            }
            case SDL_QUIT:
                boucle = false;
                break;
            default:
                break;
            }
        }

        zeus->update(kPas);
        suivi.suivre(zeus, fDifficultee);
        float cx = suivi.fCamCenterX;
        camera->setEye(cx, 0, -30);
        camera->setLookat(cx, 0, 0);
        camera->setUp(0, 1, 0);

        fOffsetAnimTraits = DecorTapis::avancerTraits(fOffsetAnimTraits, kPas);

        if (!tovi->debutscene(115, 115, 155))
            continue;

        decor.afficherFond(cx, fOffsetAnimTraits);
        zeus->render();
        decor.afficherFin();
        if (fDifficultee == -1.0f) {
            afficheurscore->DrawTextA(20, 100, 0xFFFFFFFF, "SELECTIONNEZ UNE DIFFICULTEE", 0);
            afficheurscore->DrawTextA(20, 150, 0xFFFFFFFF, "DE F1 A F10", 0);
        }
        tovi->afficherscene();
    }
    return 0;
}

// SDL 1.2 has no SDLmain library on Linux: the entry function is called from here.
int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
