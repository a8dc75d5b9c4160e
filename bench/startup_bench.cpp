// Start-up: from the start of the process to its first presented frame. The
// game runs in its run directory with --frames 1, which ends it right after
// that frame; the clock runs from fork to the exit seen by waitpid. Sound goes
// to SDL's dummy driver.
#include "bench/monde.h"
#include "bench/summary.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <sys/wait.h>

namespace {

std::string programme;

void BM_Startup(benchmark::State& state)
{
    for (auto _ : state) {
        auto debut = std::chrono::steady_clock::now();
        int statut = jouerLeJeu(programme, 1);
        auto fin = std::chrono::steady_clock::now();
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            state.SkipWithError("the game did not exit 0 after its first frame");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide)->UseManualTime()->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    programme = dossierDuBanc(argv[0]) + "../plumfall";
    if (!preparerAffichage(argv[0]))
        return 1;
    return runBenchmarks(argc, argv, {{"BM_Startup", 300.0}});
}
