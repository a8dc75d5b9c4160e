// One whole frame of the game on the GL device in an SDL window (Mesa's
// llvmpipe under Xvfb when there is no display): the decor as the game's main
// loop draws it, every entity's passes through Zeus::render, the swap. The
// flock is packed inside the view, so every chicken is on screen. Frame
// pacing is off: Present returns as soon as the buffers are swapped.
#include "bench/monde.h"
#include "bench/summary.h"
#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/d3dx9.h"
#include "engine/platform/gl_device.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/game/zeus.h"
#include "game/utils/m_fenetre.h"
#include "tests/support/xvfb.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

M_FENETRE* fenetre = nullptr;
XMANAGER* ressources = nullptr;

// The belt's layout, as in the game's main loop.
const float fTailleDebut = 178;
const float fOffsetDebutX = fTailleDebut / -2;
const float fOffsetDebutY = -25;
const float fTailleTroncon = 300;
const float fOffsetTronconX = fTailleTroncon / 2;
const float fOffsetTronconY = -25;
const float fTailleTraits = 879;
const float fOffsetTraitsX = (30 - fTailleDebut) + fTailleTraits / 2;
const float fOffsetTraitsY = 0;

void dessiner(ELEMENT3D* element, D3DXMATRIXA16* matrice, float x, float y, float z)
{
    D3DXMatrixIdentity(matrice);
    D3DXMatrixTranslation(matrice, x, y, z);
    if (element)
        element->afficher(matrice);
}

void BM_DrawFrame(benchmark::State& state)
{
    TOVI3D* tovi = fenetre->getTovi3D();
    MondeBench monde(ressources);
    monde.construire(int(state.range(0)), MondeBench::Disposition::Serree);
    Zeus* zeus = monde.zeus();
    float cx = monde.centreX();
    CAMERA* camera = tovi->getpCamera();
    camera->setEye(cx, 0, -30);
    camera->setLookat(cx, 0, 0);
    camera->setUp(0, 1, 0);

    ELEMENT3D* rTapisDebut = ressources->getelement3d("tapis_debut");
    ELEMENT3D* rTapisTroncon = ressources->getelement3d("tapis_troncon");
    ELEMENT3D* rTapisTraits = ressources->getelement3d("tapis_traits");
    ELEMENT3D* rBG = ressources->getelement3d("flammes");
    ELEMENT3D* rFin = ressources->getelement3d("fin");
    ELEMENT3D* rProgressBar = ressources->getelement3d("progressbar");
    ELEMENT3D* rProgressCursor = ressources->getelement3d("progresscursor");
    float fOffsetAnimTraits = 0;
    D3DXMATRIXA16 matrice;

    // The first frame also sends every texture to GL: it is not timed.
    auto image = [&] {
        if (!tovi->debutscene(115, 115, 155))
            return false;
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
        tovi->afficherscene();
        return true;
    };
    image();
    size_t avant = platform::glDrawCallCount(fenetre->getDevice());
    for (auto _ : state) {
        if (!image()) {
            state.SkipWithError("the frame could not begin");
            break;
        }
    }
    double appels = double(platform::glDrawCallCount(fenetre->getDevice()) - avant);
    state.counters["draws"] = benchmark::Counter(appels, benchmark::Counter::kAvgIterations);
    state.counters["chickens"] = monde.poulets();
}
BENCHMARK(BM_DrawFrame)->Arg(0)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (!allerDansRun(argv[0]))
        return 1;
    std::string pourquoi;
    if (!testsupport::ensureDisplay(&pourquoi) || !attendreAffichage()) {
        std::fprintf(stderr, "no display: %s\n", pourquoi.c_str());
        return 1;
    }
    platform::setFramePacing(false);
    fenetre = new M_FENETRE(800, 600, false);
    TOVI3D* tovi = fenetre->getTovi3D();
    tovi->getpMatproj()->setorthonorme(800, 600, 1, 100);
    ressources = chargerRessources(fenetre->getDevice());
    return runBenchmarks(argc, argv, {{"BM_DrawFrame/1000", 8.0}});
}
