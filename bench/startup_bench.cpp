// Start-up: from the start of the process to its first presented frame. The
// game runs in its run directory with --frames 1, which ends it right after
// that frame; the clock runs from fork to the exit seen by waitpid. Sound goes
// to SDL's dummy driver.
#include "bench/monde.h"
#include "bench/summary.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string programme;

void BM_Startup(benchmark::State& state)
{
    for (auto _ : state) {
        auto debut = std::chrono::steady_clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            int rien = open("/dev/null", O_WRONLY);
            if (rien >= 0) {
                dup2(rien, STDOUT_FILENO);
                dup2(rien, STDERR_FILENO);
            }
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl(programme.c_str(), programme.c_str(), "--frames", "1", static_cast<char*>(nullptr));
            _exit(127);
        }
        int statut = 0;
        waitpid(pid, &statut, 0);
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
    char chemin[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    std::string exe = n > 0 ? std::string(chemin, size_t(n)) : std::string(argv[0]);
    programme = exe.substr(0, exe.rfind('/') + 1) + "../plumfall";
    if (!preparerAffichage(argv[0]))
        return 1;
    return runBenchmarks(argc, argv, {{"BM_Startup", 300.0}});
}
