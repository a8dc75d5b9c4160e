// What reading a model in a child process costs: the importer in this process
// (how the loader read models before), the same through the child, and the
// whole load. Each is timed as the processor time of this process and of its
// children, which other programs on the machine do not inflate as they do the
// real time. The child is a fork, whose cost grows with what the parent holds:
// the argument keeps that many MB resident (the game holds about 120).
#include "bench/summary.h"
#include "engine/platform/d3dx9.h"
#include "engine/platform/model_import.h"
#include "engine/platform/recording_device.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A text .x grid of N x N quads (2 N^2 triangles) with normals, texture
// coordinates and one textured material, written once under /tmp.
std::string grille(int n)
{
    char modele[] = "/tmp/plumfall-bench-XXXXXX";
    std::string chemin = std::string(mkdtemp(modele) ? modele : "/tmp") + "/grille.x";
    std::ostringstream x;
    int cote = n + 1;
    x << "xof 0302txt 0032\nMaterial Sol {\n 1.0;1.0;1.0;1.0;;\n 8.0;\n 0.5;0.5;0.5;;\n 0.0;0.0;0.0;;\n"
         " TextureFilename {\n  \"sol.png\";\n }\n}\nMesh grille {\n "
      << cote * cote << ";\n";
    for (int i = 0; i < cote * cote; ++i)
        x << " " << i % cote << ".0;" << i / cote << ".0;0.0;" << (i + 1 < cote * cote ? "," : ";") << "\n";
    x << " " << 2 * n * n << ";\n";
    for (int q = 0; q < n * n; ++q) {
        int a = q / n * cote + q % n, b = a + 1, c = a + cote, d = c + 1;
        x << " 3;" << a << "," << b << "," << c << ";,\n 3;" << b << "," << d << "," << c << ";"
          << (q + 1 < n * n ? "," : ";") << "\n";
    }
    x << " MeshNormals {\n  1;\n  0.0;0.0;1.0;;\n  " << 2 * n * n << ";\n";
    for (int f = 0; f < 2 * n * n; ++f)
        x << "  3;0,0,0;" << (f + 1 < 2 * n * n ? "," : ";") << "\n";
    x << " }\n MeshTextureCoords {\n  " << cote * cote << ";\n";
    for (int i = 0; i < cote * cote; ++i)
        x << "  " << double(i % cote) / n << ";" << double(i / cote) / n << ";" << (i + 1 < cote * cote ? "," : ";")
          << "\n";
    x << " }\n MeshMaterialList {\n  1;\n  " << 2 * n * n << ";\n";
    for (int f = 0; f < 2 * n * n; ++f)
        x << "  0" << (f + 1 < 2 * n * n ? "," : ";;") << "\n";
    x << "  {Sol}\n }\n}\n";
    std::ofstream(chemin, std::ios::binary) << x.str();
    return chemin;
}

// Seconds of processor time of this process and of its children waited for.
double processeur()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    rusage enfants;
    getrusage(RUSAGE_CHILDREN, &enfants);
    auto secondes = [](const timeval& v) { return double(v.tv_sec) + double(v.tv_usec) / 1e6; };
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9 + secondes(enfants.ru_utime) + secondes(enfants.ru_stime);
}

const std::string& fichier()
{
    static const std::string chemin = grille(32);
    return chemin;
}

// Memory the process keeps touched while it forks, as a running game does.
struct Lest {
    explicit Lest(size_t mo) : octets(mo << 20) { std::memset(octets.data(), 1, octets.size()); }
    std::vector<unsigned char> octets;
};

void BM_ModelImportInProcess(benchmark::State& state)
{
    platform::ImportedModel modele;
    for (auto _ : state) {
        double debut = processeur();
        if (!platform::importModel(fichier().c_str(), modele))
            state.SkipWithError("refused");
        state.SetIterationTime(processeur() - debut);
    }
    state.counters["faces"] = modele.faces;
}
BENCHMARK(BM_ModelImportInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

void BM_ModelImportIsolated(benchmark::State& state)
{
    Lest lest(size_t(state.range(0)));
    platform::ImportedModel modele;
    for (auto _ : state) {
        double debut = processeur();
        if (!platform::importModelIsolated(fichier().c_str(), modele))
            state.SkipWithError("refused");
        state.SetIterationTime(processeur() - debut);
    }
    state.counters["faces"] = modele.faces;
}
BENCHMARK(BM_ModelImportIsolated)->Arg(0)->Arg(128)->Arg(512)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", plusRapide);

// The loader as the engine calls it: faces checked, child, mesh built.
void BM_ModelLoad(benchmark::State& state)
{
    Lest lest(128);
    platform::RecordingDevice device;
    device.recording = false;
    for (auto _ : state) {
        double debut = processeur();
        ID3DXMesh* mesh = nullptr;
        ID3DXBuffer* materials = nullptr;
        DWORD count = 0;
        if (FAILED(D3DXLoadMeshFromXA(fichier().c_str(), 0, &device, nullptr, &materials, nullptr, &count, &mesh)))
            state.SkipWithError("refused");
        if (mesh)
            mesh->Release();
        if (materials)
            materials->Release();
        state.SetIterationTime(processeur() - debut);
    }
}
BENCHMARK(BM_ModelLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, {{"BM_ModelLoad", 20.0}},
                         {{"BM_ModelImportIsolated/128", "BM_ModelImportInProcess", 0}});
}
