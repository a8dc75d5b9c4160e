// Entry function and frame loop of the game.
#include "engine/platform/d3dx9.h"
#include "engine/sdl/fenetresdl.h"
#include "engine/sdl/sdlkey.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/utils/chrono.h"
#include "game/utils/m_fenetre.h"

#include <SDL/SDL.h>

namespace {

// F1 to F9 step by 0.1 from 0; F10 is the hardest level, 1.0.
float difficultyForKey(SDLKey key)
{
    if (key >= SDLK_F1 && key <= SDLK_F9)
        return 0.1f * float(key - SDLK_F1);
    if (key == SDLK_F10)
        return 1.0f;
    return -1.0f;
}

} // namespace

int SDL_main(int, char**)
{
    bool boucle = true;

    M_FENETRE* fenetre = new M_FENETRE(800, 600, false);
    fenetre->getFenetre()->setrts();
    TOVI3D* tovi = fenetre->getTovi3D();

    SDLKEY* clavier = new SDLKEY();
    tovi->getpMatproj()->setorthonorme(800, 600, 1, 100);
    CAMERA* camera = tovi->getpCamera();
    camera->setEye(0, 0, -30);
    camera->setLookat(0, 0, 0);
    camera->setUp(0, 1, 0);

    TIME_MANAGER* temps = new TIME_MANAGER();
    float fDifficultee = -1.0f;

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
                if (fDifficultee == -1.0f && d >= 0.0f)
                    fDifficultee = d;
                clavier->setkey(event.key.keysym.sym, true);
                break;
            }
            case SDL_QUIT:
                boucle = false;
                break;
            default:
                break;
            }
        }
        if (!tovi->debutscene(115, 115, 155))
            continue;
        tovi->afficherscene();
    }
    return 0;
}

int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
