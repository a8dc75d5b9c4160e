#include "bench/summary.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

namespace {

struct Ligne {
    std::string nom;
    double ms;
    const char* horloge;
    benchmark::UserCounters compteurs;
};

class Resume : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            bool minimum = r.run_type == Run::RT_Aggregate && r.aggregate_name == "min";
            if (r.error_occurred || !(r.run_type == Run::RT_Iteration || minimum))
                continue;
            // A benchmark of one thread is judged on its CPU time, which other
            // programs on the machine disturb less; one that waits for other
            // threads or processes, on its real time.
            bool reel = !r.run_name.time_type.empty();
            double t = reel ? r.GetAdjustedRealTime() : r.GetAdjustedCPUTime();
            Ligne l{r.run_name.str(), t / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e3, reel ? "real" : "cpu",
                    r.counters};
            // A repeated benchmark is reported once, by its fastest repetition.
            auto deja = std::find_if(lignes.begin(), lignes.end(), [&](const Ligne& x) { return x.nom == l.nom; });
            if (deja == lignes.end())
                lignes.push_back(l);
            else if (minimum)
                *deja = l;
        }
    }

    std::vector<Ligne> lignes;
};

} // namespace

double plusRapide(const std::vector<double>& v)
{
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

int runBenchmarks(int argc, char** argv, const std::vector<BenchTarget>& cibles, const std::vector<BenchRatio>& rapports)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    Resume resume;
    benchmark::RunSpecifiedBenchmarks(&resume);
    benchmark::Shutdown();

    int manques = 0;
    std::printf("\n%-34s %10s %5s %10s  %s\n", "benchmark", "ms/iter", "clock", "target", "counters");
    for (const Ligne& l : resume.lignes) {
        const BenchTarget* cible = nullptr;
        for (const BenchTarget& c : cibles)
            if (l.nom.compare(0, c.prefix.size(), c.prefix) == 0)
                cible = &c;
        char objectif[32] = "-";
        if (cible) {
            bool tenu = l.ms < cible->millisecondes;
            manques += !tenu;
            std::snprintf(objectif, sizeof objectif, "%s %g", tenu ? "<" : "MISSED", cible->millisecondes);
        }
        std::printf("%-34s %10.3f %5s %10s ", l.nom.c_str(), l.ms, l.horloge, objectif);
        for (const auto& c : l.compteurs)
            std::printf(" %s=%.1f", c.first.c_str(), double(c.second.value));
        std::printf("\n");
    }
    for (const BenchRatio& r : rapports) {
        auto trouver = [&](const std::string& nom) {
            auto l = std::find_if(resume.lignes.begin(), resume.lignes.end(), [&](const Ligne& x) {
                return x.nom == nom || x.nom == nom + "/manual_time";
            });
            return l == resume.lignes.end() ? 0.0 : l->ms;
        };
        double a = trouver(r.numerateur), b = trouver(r.denominateur);
        if (a <= 0 || b <= 0)
            continue;
        char objectif[32] = "-";
        if (r.plafond > 0) {
            bool tenu = a / b <= r.plafond;
            manques += !tenu;
            std::snprintf(objectif, sizeof objectif, "%s %g", tenu ? "<=" : "MISSED", r.plafond);
        }
        std::printf("%-34s %10.2f %5s %10s  %s / %s\n", "ratio", a / b, "", objectif, r.numerateur.c_str(),
                    r.denominateur.c_str());
    }
    std::fflush(stdout);
    if (manques)
        std::printf("%d target(s) missed\n", manques);
    return 0;
}
