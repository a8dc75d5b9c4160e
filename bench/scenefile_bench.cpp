// Loading XML scene files at the reader's limits: nested as deep as it takes
// (each level copies its subtree into its parent), and as large as it takes.
#include "bench/summary.h"
#include "engine/manager/xmanager.h"
#include "engine/scene/scenefile.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <fstream>
#include <iostream>
#include <string>

namespace {

// In a directory of its own under /tmp; returns the file's path.
std::string ecrire(const char* nom, const std::string& texte)
{
    static std::string dossier;
    if (dossier.empty()) {
        char modele[] = "/tmp/plumfall-bench-XXXXXX";
        dossier = mkdtemp(modele) ? modele : "/tmp";
    }
    std::string chemin = dossier + "/" + nom;
    std::ofstream(chemin, std::ios::binary) << texte;
    return chemin;
}

void charger(benchmark::State& state, const std::string& chemin)
{
    const char* nom = chemin.c_str();
    XMANAGER manager(nullptr);
    LOAD_FILE lecteur(&manager);
    std::streambuf* sortie = std::cout.rdbuf(nullptr); // each element traces its destruction
    for (auto _ : state)
        delete lecteur.chargersceneXML(nom);
    std::cout.rdbuf(sortie);
}

void BM_SceneAtDepthLimit(benchmark::State& state)
{
    std::string texte;
    for (int i = 0; i < LOAD_FILE::PROFONDEUR_MAX; ++i)
        texte += "<scene    matrice = \"1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\" >\n";
    for (int i = 0; i < LOAD_FILE::PROFONDEUR_MAX; ++i)
        texte += "</scene>\n";
    charger(state, ecrire("profonde.xml", texte));
}
BENCHMARK(BM_SceneAtDepthLimit)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

// Refused: the text is read, not parsed.
void BM_SceneTooDeep(benchmark::State& state)
{
    std::string texte;
    for (int i = 0; i < 100000; ++i)
        texte += "<scene>";
    for (int i = 0; i < 100000; ++i)
        texte += "</scene>";
    std::string chemin = ecrire("tropprofonde.xml", texte);
    std::streambuf* erreurs = std::cerr.rdbuf(nullptr);
    charger(state, chemin);
    std::cerr.rdbuf(erreurs);
}
BENCHMARK(BM_SceneTooDeep)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", plusRapide);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, {{"BM_SceneAtDepthLimit", 1000.0}, {"BM_SceneTooDeep", 1000.0}});
}
