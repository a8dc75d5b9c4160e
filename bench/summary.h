#pragma once
// The benchmarks' own main: Google Benchmark's table, then one line per
// benchmark set against its target.
#include <string>
#include <vector>

struct BenchTarget {
    std::string prefix;   // benchmarks whose name starts with this
    double millisecondes; // time per iteration not to exceed
};

int runBenchmarks(int argc, char** argv, const std::vector<BenchTarget>& cibles);
