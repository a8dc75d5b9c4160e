// Zeus::update(30), one frame of the world, on a level laid out at difficulty
// 1.0 with a flock of 10 to 5,000 chickens, on the recording device with
// recording off (it only keeps state, as a GL device would).
#include "bench/monde.h"
#include "bench/summary.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "game/game/zeus.h"

#include <benchmark/benchmark.h>

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
    double poulets = 0, entites = 0;
    for (auto _ : state) {
        if (++frame % kFrames == 0) {
            state.PauseTiming();
            monde.construire(n, MondeBench::Disposition::Etalee);
            state.ResumeTiming();
        }
        monde.zeus()->update(30);
        poulets += monde.poulets();
        entites += double(monde.zeus()->rEntiteMap_.size());
    }
    state.counters["chickens"] = benchmark::Counter(poulets, benchmark::Counter::kAvgIterations);
    state.counters["entities"] = benchmark::Counter(entites, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WorldUpdate)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

} // namespace

int main(int argc, char** argv)
{
    if (!allerDansRun(argv[0]))
        return 1;
    platform::RecordingDevice device;
    device.recording = false;
    ressources = chargerRessources(&device);
    return runBenchmarks(argc, argv, {{"BM_WorldUpdate/1000", 1.0}, {"BM_WorldUpdate/5000", 8.0}});
}
