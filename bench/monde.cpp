#include "bench/monde.h"

#include "engine/manager/xmanager.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "tests/support/xvfb.h"

#include <SDL/SDL.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Standard output goes nowhere while it lives: the loaders' and the
// destructors' trace lines would bury the benchmarks' table.
class Silence {
public:
    Silence()
    {
        std::cout.flush();
        std::fflush(stdout);
        sortie_ = dup(STDOUT_FILENO);
        int rien = open("/dev/null", O_WRONLY);
        if (rien >= 0) {
            dup2(rien, STDOUT_FILENO);
            close(rien);
        }
    }
    ~Silence()
    {
        std::cout.flush();
        std::fflush(stdout);
        if (sortie_ >= 0) {
            dup2(sortie_, STDOUT_FILENO);
            close(sortie_);
        }
    }
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

private:
    int sortie_;
};

} // namespace

XMANAGER* chargerRessources(IDirect3DDevice9* device)
{
    Silence silence;
    XMANAGER* manager = new XMANAGER(device);
    chargerJeu(manager, device, "script.lua");
    return manager;
}

std::string dossierDuBanc(const char* argv0)
{
    char chemin[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    std::string exe = n > 0 ? std::string(chemin, size_t(n)) : std::string(argv0);
    std::string::size_type barre = exe.rfind('/');
    return barre == std::string::npos ? std::string("./") : exe.substr(0, barre + 1);
}

int jouerLeJeu(const std::string& programme, int frames,
               const std::vector<std::pair<std::string, std::string>>& variables)
{
    pid_t pid = fork();
    if (pid == 0) {
        int rien = open("/dev/null", O_WRONLY);
        if (rien >= 0) {
            dup2(rien, STDOUT_FILENO);
            dup2(rien, STDERR_FILENO);
        }
        for (const auto& v : variables)
            setenv(v.first.c_str(), v.second.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string n = std::to_string(frames);
        execl(programme.c_str(), programme.c_str(), "--frames", n.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int statut = 0;
    if (pid < 0 || waitpid(pid, &statut, 0) < 0)
        return -1;
    return statut;
}

bool allerDansRun(const char* argv0)
{
    std::string dossier;
    if (const char* env = std::getenv("PLUMFALL_RUN_DIR")) {
        dossier = env;
    } else {
        dossier = dossierDuBanc(argv0) + "../run";
    }
    if (chdir(dossier.c_str()) != 0 || access("script.lua", R_OK) != 0) {
        std::fprintf(stderr, "no game data in %s: build the gamedata target or set PLUMFALL_RUN_DIR\n",
                     dossier.c_str());
        return false;
    }
    return true;
}

namespace {

// An X server that was just started may refuse SDL clients for a moment.
bool attendreAffichage()
{
    for (int essai = 0; essai < 50; ++essai) {
        if (SDL_Init(SDL_INIT_VIDEO) == 0) {
            SDL_Quit();
            return true;
        }
        SDL_Delay(100);
    }
    return false;
}

} // namespace

bool preparerAffichage(const char* argv0)
{
    if (!allerDansRun(argv0))
        return false;
    std::string pourquoi;
    if (!testsupport::ensureDisplay(&pourquoi) || !attendreAffichage()) {
        std::fprintf(stderr, "no display: %s\n", pourquoi.c_str());
        return false;
    }
    return true;
}

MondeBench::MondeBench(XMANAGER* manager) : manager_(manager) {}

MondeBench::~MondeBench()
{
    Silence silence;
    zeus_.reset();
}

void MondeBench::construire(int n, Disposition disposition)
{
    Silence silence;
    // The old space must be empty before the new director makes its own.
    zeus_.reset();
    gameSrand(1);
    zeus_ = std::make_unique<Zeus>();
    Gaya::init(zeus_.get(), manager_);
    zeus_->initLevel(difficultyForKey(10));

    const int rangees = 16;
    int colonnes = (n + rangees - 1) / rangees;
    float pasX = 24, pasY = 24, x0 = 100;
    if (disposition == Disposition::Serree) {
        x0 = 3620;
        pasX = colonnes > 1 ? 760.0f / float(colonnes - 1) : 0.0f;
        pasY = 360.0f / float(rangees - 1);
    }
    double somme = 0;
    for (int i = 0; i < n; ++i) {
        Poulet* p = Gaya::getPoulet();
        float x = x0 + pasX * float(i / rangees);
        p->setXY(x, -180.0f + pasY * float(i % rangees));
        zeus_->addEntiteeToWorld(p);
        somme += x;
    }
    centreX_ = n ? float(somme / n) : 0.0f;
    if (disposition == Disposition::Serree)
        centreX_ = 4000;
    zeus_->fCamCenterX_ = centreX_;
    // The pointer a little ahead of the flock, on the belt's middle line.
    zeus_->setMousePosition(centreX_ + 150, 0);
    zeus_->update(GameFrame::PAS);
}

int MondeBench::poulets() const
{
    int n = 0;
    for (auto& e : zeus_->rEntiteMap_)
        n += e.second->type == ETYPE_POULET;
    return n;
}
