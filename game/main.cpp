// Entry function and frame loop of the game.
#include "engine/libD3D/d3dfont.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/d3dx9.h"
#include "engine/sdl/fenetresdl.h"
#include "engine/sdl/sdlkey.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/game/camerafollow.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/setup.h"
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

// Belt layout: segments overlap by 15, stripe pieces by 143.
const float fTailleDebut = 178;
const float fOffsetDebutX = fTailleDebut / -2;
const float fOffsetDebutY = -25;
const float fTailleTroncon = 300;
const float fOffsetTronconX = fTailleTroncon / 2;
const float fOffsetTronconY = -25;
const float fTailleTraits = 879;
const float fOffsetTraitsX = (30 - fTailleDebut) + fTailleTraits / 2;
const float fOffsetTraitsY = 0;
const float fOffsetAnimTraitsBegin = 15;
const float fOffsetAnimTraitsEnd = -17;
const float fOffsetAnimTraitsSpeed = -0.05f;

void dessiner(ELEMENT3D* element, D3DXMATRIXA16* matrice, float x, float y, float z)
{
    D3DXMatrixIdentity(matrice);
    D3DXMatrixTranslation(matrice, x, y, z);
    if (element)
        element->afficher(matrice);
}

} // namespace

int SDL_main(int, char**)
{
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

    ELEMENT3D* rTapisDebut = manager->getelement3d("tapis_debut");
    ELEMENT3D* rTapisTroncon = manager->getelement3d("tapis_troncon");
    ELEMENT3D* rTapisTraits = manager->getelement3d("tapis_traits");
    ELEMENT3D* rBG = manager->getelement3d("flammes");
    ELEMENT3D* rFin = manager->getelement3d("fin");
    ELEMENT3D* rProgressBar = manager->getelement3d("progressbar");
    ELEMENT3D* rProgressCursor = manager->getelement3d("progresscursor");

    gameSrand(timeGetTime());
    TIME_MANAGER* temps = new TIME_MANAGER();

    float fDifficultee = -1.0f;
    CameraFollow suivi;
    float fOffsetAnimTraits = fOffsetAnimTraitsBegin;
    D3DXMATRIXA16 matrice;

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

        fOffsetAnimTraits += fOffsetAnimTraitsSpeed * kPas;
        while (fOffsetAnimTraits < fOffsetAnimTraitsEnd)
            fOffsetAnimTraits += fOffsetAnimTraitsBegin - fOffsetAnimTraitsEnd;

        if (!tovi->debutscene(115, 115, 155))
            continue;

        dessiner(rBG, &matrice, cx, 0, 10);
        dessiner(rProgressBar, &matrice, cx, 280, 10);
        dessiner(rProgressCursor, &matrice, cx + (cx / 8000 - 0.5f) * 760, 280, 10);
        dessiner(rTapisDebut, &matrice, fOffsetDebutX + 2, fOffsetDebutY, 1);
        for (int i = 0; i < 30; ++i)
            dessiner(rTapisTroncon, &matrice, fOffsetTronconX + (fTailleTroncon - 15) * i, fOffsetTronconY, 1);
        for (int i = 0; i < 12; ++i)
            dessiner(rTapisTraits, &matrice, fOffsetTraitsX + (fTailleTraits - 143) * i + fOffsetAnimTraits,
                     fOffsetTraitsY, 1);
        zeus->render();
        dessiner(rFin, &matrice, 8000, 0, -10);
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
