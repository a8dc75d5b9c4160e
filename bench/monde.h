#pragma once
// The game's world for benchmarks: resources loaded as the game loads them,
// a level laid out at difficulty 1.0 and a flock of a chosen size.
#include "engine/platform/d3d9.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class XMANAGER;
class Zeus;

// Resources from "script.lua" and the pictures it names, in the working
// directory (the run directory), with the game's shared meshes and elements.
// The loaders' trace lines are kept off standard output.
XMANAGER* chargerRessources(IDirect3DDevice9* device);

// The folder of this benchmark program (<build>/bench/), with its final '/'.
std::string dossierDuBanc(const char* argv0);

// Plays the game `programme` for `frames` frames (--frames) in the working
// directory, output discarded, sound on SDL's dummy driver, with `variables`
// set; waitpid's status once it has ended.
int jouerLeJeu(const std::string& programme, int frames,
               const std::vector<std::pair<std::string, std::string>>& variables = {});

// Changes to the run directory: PLUMFALL_RUN_DIR, else "run" beside the program.
bool allerDansRun(const char* argv0);

// In the run directory with a display that takes SDL clients (a private Xvfb
// when DISPLAY is unset); false after a line on standard error.
bool preparerAffichage(const char* argv0);

class MondeBench {
public:
    enum class Disposition {
        Etalee, // over the belt, 24 units apart: no two chickens touch
        Serree  // all inside the 800 x 400 view around the camera, overlapping
    };

    explicit MondeBench(XMANAGER* manager);
    ~MondeBench();

    // A new director and physics space: saws and tasers at difficulty 1.0,
    // n chickens, the pointer ahead of the flock's centre.
    void construire(int n, Disposition disposition);
    int poulets() const;

    Zeus* zeus() { return zeus_.get(); }
    float centreX() const { return centreX_; }

private:
    XMANAGER* manager_;
    std::unique_ptr<Zeus> zeus_;
    float centreX_ = 0;
};
