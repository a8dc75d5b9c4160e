// Zeus::update(30), one frame of the world, on a level laid out at difficulty
// 1.0 with a flock of 10 to 5,000 chickens, on the recording device with
// recording off (it only keeps state, as a GL device would); and the physics
// step alone of the same world, to show what the game's rules add to it.
#include "bench/monde.h"
#include "bench/summary.h"
#include "engine/manager/xmanager.h"
#include "engine/physics/physics.h"
#include "engine/platform/recording_device.h"
#include "game/entities/Entitee.h"
#include "game/game/zeus.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

XMANAGER* ressources = nullptr;

// The flock changes as it plays (saws, eggs, falls): the world is laid out
// again, off the clock, every this many frames.
const int kFrames = 200;

void BM_WorldUpdate(benchmark::State& state)
{
    MondeBench monde(ressources);
    int n = int(state.range(0));
    monde.construire(n, MondeBench::Disposition::Etalee);
    int frame = 0;
    double poulets = 0, entites = 0, releves = 0;
    for (auto _ : state) {
        if (++frame % kFrames == 0) {
            state.PauseTiming();
            monde.construire(n, MondeBench::Disposition::Etalee);
            state.ResumeTiming();
        }
        monde.zeus()->update(30);
        // Counting walks the whole map: off the clock, one frame in ten.
        if (frame % 10 == 0) {
            state.PauseTiming();
            poulets += monde.poulets();
            entites += double(monde.zeus()->rEntiteMap_.size());
            ++releves;
            state.ResumeTiming();
        }
    }
    state.counters["chickens"] = releves ? poulets / releves : 0;
    state.counters["entities"] = releves ? entites / releves : 0;
}
BENCHMARK(BM_WorldUpdate)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

double tempsProcessus()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The same frames as BM_WorldUpdate, in Zeus::update's order, with only the
// physics step on the clock (CPU time of this thread): the world evolves as
// there, so the step meets the same contacts.
void BM_PhysicsStepOnly(benchmark::State& state)
{
    MondeBench monde(ressources);
    int n = int(state.range(0));
    monde.construire(n, MondeBench::Disposition::Etalee);
    int frame = 0;
    for (auto _ : state) {
        if (++frame % kFrames == 0)
            monde.construire(n, MondeBench::Disposition::Etalee);
        Zeus* zeus = monde.zeus();
        zeus->inserer();
        zeus->pouletsProches_.ouvrir();
        zeus->memoTextures_.ouvrir();
        for (auto& entree : zeus->rEntiteMap_)
            entree.second->update(30);
        zeus->memoTextures_.fermer();
        zeus->pouletsProches_.fermer();
        double debut = tempsProcessus();
        PhysicsManager::update();
        state.SetIterationTime(tempsProcessus() - debut);
        zeus->creerObstacles(30);
        zeus->deplacerTapis(30);
        zeus->choirEntitee();
        zeus->nettoyer();
    }
}
BENCHMARK(BM_PhysicsStepOnly)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)
    ->UseManualTime()->ComputeStatistics("min", plusRapide);

} // namespace

int main(int argc, char** argv)
{
    if (!allerDansRun(argv[0]))
        return 1;
    platform::RecordingDevice device;
    device.recording = false;
    ressources = chargerRessources(&device);
    return runBenchmarks(argc, argv, {{"BM_WorldUpdate/1000", 1.0}, {"BM_WorldUpdate/5000", 8.0}},
                         {{"BM_WorldUpdate/100", "BM_PhysicsStepOnly/100", 0},
                          {"BM_WorldUpdate/1000", "BM_PhysicsStepOnly/1000", 1.3},
                          {"BM_WorldUpdate/5000", "BM_PhysicsStepOnly/5000", 1.3}});
}
