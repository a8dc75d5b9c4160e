#pragma once
// The benchmarks' own main: Google Benchmark's table, then one line per
// benchmark set against its target.
#include <string>
#include <vector>

struct BenchTarget {
    std::string prefix;   // benchmarks whose name starts with this
    double millisecondes; // time per iteration not to exceed
};

// Registered on every benchmark: with --benchmark_repetitions, the fastest
// repetition is the figure judged, the one least disturbed by other programs.
double plusRapide(const std::vector<double>& v);

// One benchmark's figure over another's, printed after the table.
struct BenchRatio {
    std::string numerateur, denominateur;
    double plafond; // not to exceed; 0: none
};

int runBenchmarks(int argc, char** argv, const std::vector<BenchTarget>& cibles,
                  const std::vector<BenchRatio>& rapports = {});
