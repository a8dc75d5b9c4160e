// Runs the game's world without a window: the level director, the factory, the
// entities and the physics, with the main loop's camera and group-of-four rules,
// drawn on a recording device, under a pointer that wanders or follows a script.
// Prints what happened to the flock. Plays a replay back the same way, and
// verifies replays against the outcome they recorded.
#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "game/autopilot/autopilot.h"
#include "game/cli/cmdline.h"
#include "game/cli/datafolder.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/replay/replay.h"
#include "game/replay/replayfolder.h"
#include "game/replay/worldoutcome.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace {

struct Options {
    int frames = 20000;
    int touche = 1;
    uint32_t graine = 1;
    int choix = 0;
    std::string pointeur = "wander";
    std::string script;
    std::string ressources;
    std::string donnees;
    bool dessiner = true;
    int trace = 0;
    bool verifier = false;
    int maxEntites = 3000;
    std::string rejouer;              // --replay FILE
    std::string enregistrer;          // --record FILE
    std::vector<std::string> aVerifier; // --verify FILE...
    bool verification = false;
};

// -1: go on; otherwise the exit status (0 after --help or --version, 2 after a bad line).
int lire(int argc, char** argv, Options& o)
{
    CommandLine ligne(
        "plumfall-headless", "[options]",
        {
            {"--frames", "N", "frames to run, 30 ms of play each (20000)"},
            {"--difficulty", "1..10", "the F-key chosen (1)"},
            {"--seed", "S", "seed of the game's random generator (1)"},
            {"--choose-at", "FRAME", "frame in which the F-key is pressed (0)"},
            {"--pointer", "MODE", "wander, still, script or autopilot (a skilled player's hand): how the pointer moves (wander)"},
            {"--pointer-script", "FILE", "lines \"frame x y\": a mouse motion to window pixel (x, y) in that frame"},
            {"--resources", "script.lua", "load this resource script from the game data"},
            {"--data", "DIR", "the game data's folder, for --resources"},
            {"--no-render", nullptr, "do not draw on the recording device"},
            {"--trace", "EVERY", "a line of state every EVERY frames"},
            {"--check", nullptr,
             "after every frame: positions finite and within 100000 units, at most --max-entities entities;"
             " exit 1 at the first frame that breaks a rule"},
            {"--max-entities", "N", "entity bound of --check (3000)"},
            {"--replay", "FILE", "play a replay recorded by plumfall (its seed, F-key, pointer and length)"},
            {"--record", "FILE", "write the run as a replay that plumfall --replay plays back"},
            {"--verify", "FILE...",
             "play each replay and compare what it counts with the outcome the file recorded"},
        },
        {
            {"files",
             {
                 kDataFolderHelp,
                 {"FILE", "the pointer script and the replays, found from the directory the program was started"
                          " in"},
             }},
            {"environment", {kDataVariableHelp}},
            {"exit status",
             {
                 {"0", "the run ended, every --verify replay holds, or --help or --version"},
                 {"1", "a rule of --check broke, --resources was given and no game data was found, or the"
                       " first --verify replay that failed does not hold (its first differing count is named)"},
                 {"2", "the command line was refused, or a replay cannot be read (its line and why are named)"},
             }},
        });
    int status = ligne.parse(argc, argv, [&](const std::string& a, const char* v, std::string&) {
        if (a == "--replay")
            o.rejouer = v;
        else if (a == "--record")
            o.enregistrer = v;
        else if (a == "--verify") {
            o.verification = true;
            o.aVerifier.push_back(v);
        } else if (a == "--no-render")
            o.dessiner = false;
        else if (a == "--check")
            o.verifier = true;
        else if (a == "--frames")
            o.frames = std::atoi(v);
        else if (a == "--difficulty")
            o.touche = std::atoi(v);
        else if (a == "--seed")
            o.graine = static_cast<uint32_t>(std::strtoul(v, nullptr, 10));
        else if (a == "--choose-at")
            o.choix = std::atoi(v);
        else if (a == "--pointer")
            o.pointeur = v;
        else if (a == "--pointer-script") {
            o.pointeur = "script";
            o.script = v;
        } else if (a == "--resources")
            o.ressources = v;
        else if (a == "--data")
            o.donnees = v;
        else if (a == "--max-entities")
            o.maxEntites = std::atoi(v);
        else
            o.trace = std::atoi(v);
        return true;
    }, &o.aVerifier);
    if (status != -1)
        return status;
    const char* faute = nullptr;
    if (!o.aVerifier.empty() && !o.verification)
        faute = "files are given only to --verify";
    else if (o.verification && (o.aVerifier.empty() || !o.rejouer.empty()))
        faute = "--verify takes one or more replay files, and no --replay";
    else if (o.touche < 1 || o.touche > 10 || o.frames < 0)
        faute = "difficulty is an F-key number from 1 to 10";
    else if (o.pointeur != "wander" && o.pointeur != "still" && o.pointeur != "script" &&
             o.pointeur != "autopilot" && o.pointeur != "replay")
        faute = "unknown pointer mode";
    if (!faute)
        return -1;
    std::fprintf(stderr, "plumfall-headless: %s\n", faute);
    ligne.printUsage(stderr);
    return 2;
}

// Mouse motions in window pixels, as SDL would deliver them.
class Pointeur {
public:
    Pointeur(const Options& o, const Zeus& monde, const Replay* replay)
        : mode(o.pointeur), zeus(monde), curseur(replay ? *replay : sansReplay), hasard(o.graine ^ 0x9E3779B9u)
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
        if (mode == "autopilot") {
            pilote.piloter(zeus, x, y);
            return true;
        }
        if (mode == "replay") {
            FrameInput in = curseur.inputAt(frame);
            x = in.x;
            y = in.y;
            return in.moved;
        }
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
    const Zeus& zeus;
    Autopilot pilote;
    static const Replay sansReplay;
    ReplayCursor curseur;
    std::mt19937 hasard;
    std::multimap<int, std::pair<int, int>> script;
    float px = 600, py = 300, cibleX = 600, cibleY = 300;
};

const Replay Pointeur::sansReplay;

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

// One game from a fresh world, as a new process would play it. Prints the
// summary when `resume`; `outcome` is what it counted. The exit status of a
// failed --check, else 0.
int jouer(const Options& o, const Replay* replay, bool resume, ReplayOutcome& outcome)
{
    Entitee::idCount = 0;
    gameSrand(o.graine);
    Zeus zeus;
    Gaya::init(&zeus, manager);
    GameFrame jeu(&zeus);
    const CameraFollow& camera = jeu.camera();
    Pointeur pointeur(o, zeus, replay);

    ReplayRecorder enregistreur(plumfallVersion(), o.graine);

    int groupes = 0;
    int premiere = -1;
    for (int frame = 0; frame < o.frames; ++frame) {
        FrameInput in;
        in.fkey = frame == o.choix ? o.touche : 0;
        in.moved = pointeur.bouger(frame, in.x, in.y);
        bool choisi = jeu.step(in);
        // Kept only when asked: a long game would otherwise hold every move for nothing.
        if (!o.enregistrer.empty())
            enregistreur.frame(frame, in, choisi);
        groupes += camera.bGroupeCree;
        if (premiere < 0 && zeus.stats.iArrives > 0)
            premiere = frame;
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
    outcome = outcomeOf(zeus.stats, o.frames);
    if (!o.enregistrer.empty() && enregistreur.played() && !saveReplay(enregistreur.close(outcome), o.enregistrer))
        return 1;
    if (!resume)
        return 0;

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
    // Only here: the other modes' output stays as recorded.
    if (o.pointeur == "autopilot")
        std::printf("first finish at frame: %d\n", premiere);
    if (o.dessiner)
        std::printf("draw calls: %zu\n", device->drawCalls());
    return 0;
}

// The options of a replay's game.
void selonReplay(const Replay& r, Options& o)
{
    o.frames = r.outcome.frames;
    o.touche = r.fkey;
    o.choix = r.fkeyFrame;
    o.graine = r.seed;
    o.pointeur = "replay";
}

// Each file in turn: "FILE: holds: …", "FILE: does not hold: …" or
// "FILE:LINE: why". The status is that of the first file that failed.
int verifierTout(Options o)
{
    o.dessiner = false;
    o.trace = 0;
    o.enregistrer.clear();
    int status = 0;
    for (const std::string& fichier : o.aVerifier) {
        Replay r;
        ReplayError erreur;
        int celui = 0;
        if (!readReplayFile(fichier, r, erreur)) {
            std::printf("%s\n", describeReplayError(fichier, erreur).c_str());
            celui = 2;
        } else {
            std::string note = replayVersionNote(fichier, r);
            if (!note.empty())
                std::printf("%s\n", note.c_str());
            selonReplay(r, o);
            ReplayOutcome rejoue;
            celui = jouer(o, &r, false, rejoue);
            std::string ecart = r.outcome.firstDifference(rejoue);
            if (celui == 0 && ecart.empty())
                std::printf("%s: holds: %s\n", fichier.c_str(), rejoue.line().c_str());
            else if (celui == 0) {
                std::printf("%s: does not hold: %s\n", fichier.c_str(), ecart.c_str());
                celui = 1;
            }
        }
        std::fflush(stdout);
        if (status == 0)
            status = celui;
    }
    return status;
}

}

int main(int argc, char** argv)
{
    Options o;
    int status = lire(argc, argv, o);
    if (status != -1)
        return status;
    Replay replay;
    if (!o.rejouer.empty()) {
        if (!openReplay("plumfall-headless", o.rejouer, replay))
            return 2;
        selonReplay(replay, o);
    }

    device = new platform::RecordingDevice;
    device->recording = false;
    manager = new XMANAGER(device);
    // The script and its pictures load from the game data; the pointer
    // script is the user's, read from where the tool was started.
    const bool avecDonnees = !o.ressources.empty();
    char ici[PATH_MAX];
    DataFolder data;
    if (avecDonnees &&
        (!getcwd(ici, sizeof ici) || !enterDataFolder("plumfall-headless", o.donnees, PLUMFALL_RUN_FROM_BIN, data)))
        return 1;
    chargerJeu(manager, device, avecDonnees ? o.ressources.c_str() : nullptr);
    if (avecDonnees && chdir(ici) != 0)
        return 1;

    if (o.verification)
        return verifierTout(o);
    ReplayOutcome outcome;
    return jouer(o, o.rejouer.empty() ? nullptr : &replay, true, outcome);
}
