// Runs the game's world without a window: the level director, the factory, the
// entities and the physics, with the main loop's camera and group-of-four rules,
// drawn on a recording device, under a pointer that wanders or follows a script.
// Prints what happened to the flock.
#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>

namespace {

struct Options {
    int frames = 20000;
    int touche = 1;
    uint32_t graine = 1;
    int choix = 0;
    std::string pointeur = "wander";
    std::string script;
    std::string ressources;
    bool dessiner = true;
    int trace = 0;
    bool verifier = false;
    int maxEntites = 3000;
};

void usage()
{
    std::cerr << "usage: plumfall-headless [--frames N] [--difficulty 1..10] [--seed S] [--choose-at FRAME]\n"
                 "                         [--pointer wander|still|script] [--pointer-script FILE]\n"
                 "                         [--resources script.lua] [--no-render] [--trace EVERY]\n"
                 "                         [--check] [--max-entities N]\n"
                 "  --pointer-script: lines \"frame x y\", a mouse motion to window pixel (x, y) in that frame\n"
                 "  --check: after every frame, every position finite and within 100000 units, at most\n"
                 "           --max-entities (3000) entities; exit 1 at the first frame that breaks a rule\n";
}

bool lire(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto suivant = [&](const char*& v) {
            if (i + 1 >= argc)
                return false;
            v = argv[++i];
            return true;
        };
        const char* v = nullptr;
        static const char* avecValeur[] = {"--frames", "--difficulty", "--seed", "--choose-at", "--pointer",
                                           "--pointer-script", "--resources", "--trace", "--max-entities"};
        bool connue = false;
        for (const char* n : avecValeur)
            connue = connue || a == n;
        if (a == "--no-render") {
            o.dessiner = false;
        } else if (a == "--check") {
            o.verifier = true;
        } else if (a == "--help" || a == "-h") {
            return false;
        } else if (!connue) {
            std::cerr << "unknown option " << a << "\n";
            return false;
        } else if (!suivant(v)) {
            std::cerr << "missing value after " << a << "\n";
            return false;
        } else if (a == "--frames") {
            o.frames = std::atoi(v);
        } else if (a == "--difficulty") {
            o.touche = std::atoi(v);
        } else if (a == "--seed") {
            o.graine = static_cast<uint32_t>(std::strtoul(v, nullptr, 10));
        } else if (a == "--choose-at") {
            o.choix = std::atoi(v);
        } else if (a == "--pointer") {
            o.pointeur = v;
        } else if (a == "--pointer-script") {
            o.pointeur = "script";
            o.script = v;
        } else if (a == "--resources") {
            o.ressources = v;
        } else if (a == "--max-entities") {
            o.maxEntites = std::atoi(v);
        } else {
            o.trace = std::atoi(v);
        }
    }
    if (o.touche < 1 || o.touche > 10 || o.frames < 0) {
        std::cerr << "difficulty is an F-key number from 1 to 10\n";
        return false;
    }
    if (o.pointeur != "wander" && o.pointeur != "still" && o.pointeur != "script") {
        std::cerr << "unknown pointer mode " << o.pointeur << "\n";
        return false;
    }
    return true;
}

// Mouse motions in window pixels, as SDL would deliver them.
class Pointeur {
public:
    explicit Pointeur(const Options& o) : mode(o.pointeur), hasard(o.graine ^ 0x9E3779B9u)
    {
        if (mode == "script") {
            std::ifstream f(o.script);
            if (!f)
                std::cerr << "cannot read pointer script " << o.script << "\n";
            int frame, x, y;
            while (f >> frame >> x >> y)
                script.emplace(frame, std::make_pair(x, y));
        }
    }

    // True when the pointer moved in this frame; (x, y) is then where it is.
    bool bouger(int frame, int& x, int& y)
    {
        if (mode == "still") {
            x = 600;
            y = 300;
            return frame == 0;
        }
        if (mode == "script") {
            auto it = script.find(frame);
            if (it == script.end())
                return false;
            x = it->second.first;
            y = it->second.second;
            return true;
        }
        // A hand that mostly leads the flock forward and sweeps across the belt.
        if (frame % 10 == 0) {
            std::uniform_real_distribution<float> cx(440, 780), cy(150, 450);
            cibleX = cx(hasard);
            cibleY = cy(hasard);
        }
        float nx = px + (cibleX - px) * 0.2f, ny = py + (cibleY - py) * 0.2f;
        bool bouge = static_cast<int>(nx) != static_cast<int>(px) || static_cast<int>(ny) != static_cast<int>(py);
        px = nx;
        py = ny;
        x = static_cast<int>(px);
        y = static_cast<int>(py);
        return bouge || frame == 0;
    }

private:
    std::string mode;
    std::mt19937 hasard;
    std::multimap<int, std::pair<int, int>> script;
    float px = 600, py = 300, cibleX = 600, cibleY = 300;
};

// Like the game, the resources live until the process ends; held here they stay reachable.
platform::RecordingDevice* device = nullptr;
XMANAGER* manager = nullptr;

// What a long run must keep: finite positions on or near the belt, a bounded
// world. Empty when all holds, else what broke.
std::string verifier(Zeus& zeus, const CameraFollow& camera, int maxEntites)
{
    const double limite = 100000;
    char ligne[160];
    size_t n = zeus.rEntiteMap_.size() + zeus.rAInsererVec_.size();
    if (n > static_cast<size_t>(maxEntites)) {
        std::snprintf(ligne, sizeof ligne, "%zu entities, more than %d", n, maxEntites);
        return ligne;
    }
    if (!std::isfinite(camera.fCamCenterX) || !std::isfinite(zeus.fMousePosX_) || !std::isfinite(zeus.fMousePosY_))
        return "camera or pointer not finite";
    for (auto& e : zeus.rEntiteMap_) {
        cpVect p = e.second->position;
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > limite || std::fabs(p.y) > limite) {
            std::snprintf(ligne, sizeof ligne, "entity %d of kind %d at (%g, %g)", e.first,
                          static_cast<int>(e.second->type), p.x, p.y);
            return ligne;
        }
    }
    return std::string();
}

int compterPoulets(Zeus& zeus)
{
    int n = 0;
    for (auto& e : zeus.rEntiteMap_)
        n += e.second->type == ETYPE_POULET;
    return n;
}

}

int main(int argc, char** argv)
{
    Options o;
    if (!lire(argc, argv, o)) {
        usage();
        return 2;
    }

    device = new platform::RecordingDevice;
    device->recording = false;
    manager = new XMANAGER(device);
    chargerJeu(manager, device, o.ressources.empty() ? nullptr : o.ressources.c_str());

    gameSrand(o.graine);
    Zeus zeus;
    Gaya::init(&zeus, manager);
    GameFrame jeu(&zeus);
    const CameraFollow& camera = jeu.camera();
    Pointeur pointeur(o);

    int groupes = 0;
    for (int frame = 0; frame < o.frames; ++frame) {
        if (frame == o.choix)
            jeu.pressFKey(o.touche);
        int x, y;
        if (pointeur.bouger(frame, x, y))
            jeu.pointerAt(x, y);
        jeu.advance();
        groupes += camera.bGroupeCree;
        // Only the entities' row: the output counts the world's draws.
        if (o.dessiner)
            zeus.render();
        if (o.verifier) {
            std::string faute = verifier(zeus, camera, o.maxEntites);
            if (!faute.empty()) {
                std::fflush(stdout);
                std::fprintf(stderr, "check failed at frame %d: %s\n", frame, faute.c_str());
                return 1;
            }
        }
        if (o.trace > 0 && frame % o.trace == 0)
            std::printf("frame %d: camera x %.1f, chickens %d, entities %zu\n", frame, camera.fCamCenterX,
                        compterPoulets(zeus), zeus.rEntiteMap_.size());
    }

    const ZeusStats& s = zeus.stats;
    std::printf("frames: %d\n", o.frames);
    std::printf("difficulty: F%d (%.1f)\n", o.touche, double(difficultyForKey(o.touche)));
    std::printf("seed: %u\n", o.graine);
    std::printf("pointer: %s\n", o.pointeur.c_str());
    std::printf("live chickens: %d\n", compterPoulets(zeus));
    std::printf("chickens made: %d\n", s.iPouletsCrees);
    std::printf("groups of four: %d\n", groupes);
    std::printf("hatches: %d\n", s.iEclosions);
    std::printf("dead by saw: %d\n", s.iMortsScie);
    std::printf("dead by overeating: %d\n", s.iMortsGavage);
    std::printf("fallen: %d\n", s.iTombes);
    std::printf("finished at 8000: %d\n", s.iArrives);
    std::printf("grains eaten: %d\n", s.iGrainsManges);
    std::printf("saw sounds: %d\n", s.iSonsScie);
    std::printf("max entity count: %d\n", s.iMaxEntitees);
    std::printf("camera x: %.1f\n", camera.fCamCenterX);
    if (o.dessiner)
        std::printf("draw calls: %zu\n", device->drawCalls());
    return 0;
}
