// One whole frame of the game on the GL device in an SDL window (Mesa's
// llvmpipe under Xvfb when there is no display): the game's rows (decor, every
// entity's passes through Zeus::render, no prompt) and the swap. The flock is
// packed inside the view, so every chicken is on screen. Frame pacing is off:
// Present returns as soon as the buffers are swapped.
#include "bench/monde.h"
#include "bench/summary.h"
#include "engine/manager/element3d.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/d3dx9.h"
#include "engine/platform/gl_device.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/frame/gameframe.h"
#include "game/game/zeus.h"
#include "game/setup_decor.h"
#include "game/utils/m_fenetre.h"

#include <benchmark/benchmark.h>


namespace {

M_FENETRE* fenetre = nullptr;
XMANAGER* ressources = nullptr;

void BM_DrawFrame(benchmark::State& state)
{
    TOVI3D* tovi = fenetre->getTovi3D();
    MondeBench monde(ressources);
    monde.construire(int(state.range(0)), MondeBench::Disposition::Serree);
    Zeus* zeus = monde.zeus();
    float cx = monde.centreX();
    DecorTapis decor(ressources);

    // The first frame also sends every texture to GL: it is not timed.
    auto image = [&] { return drawFrame(tovi, decor, zeus, cx, 0, nullptr); };
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
    if (!preparerAffichage(argv[0]))
        return 1;
    platform::setFramePacing(false);
    fenetre = new M_FENETRE(800, 600, false);
    preparerVue(fenetre->getTovi3D());
    ressources = chargerRessources(fenetre->getDevice());
    // No target: the one time guessed for 1,000 chickens was a GPU's, not this
    // software rasteriser's; the figures stand against their history.
    return runBenchmarks(argc, argv, {});
}
