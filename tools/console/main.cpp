// The console program: the game's window and resources, a small scene to look
// at and the in-game console with the standard commands.
//
//   plumfall-console [--data DIR] [command-script-file] [lua-file]
//
// The game data loads from its folder (found as the game finds it); the
// program then goes back to the directory it was started in, where the
// command script, the Lua file and the shell's file names are read.
// The command script runs once at start ("-" for none); the Lua file's
// function "frame" is called once per frame inside the scene, where it can
// draw elements with afficherobjet(x, y, z, name). With
// PLUMFALL_CONSOLE_TRACE=1 every scroll-back line is also written to the
// standard output, after "console| ".
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <unistd.h>

#include <SDL/SDL.h>

#include "engine/lua3d/wrapper3Dlua.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/d3dx9.h"
#include "engine/scene/scene.h"
#include "engine/sdl/fenetresdl.h"
#include "engine/sdl/videodriver.h"
#include "engine/toviconsole9/commandeconsole.h"
#include "engine/tovi3d/tovi3D.h"
#include "engine/tovi3d/tovi3dbashapp.h"
#include "game/bashsetup.h"
#include "game/cli/cmdline.h"
#include "game/cli/datafolder.h"
#include "game/setup_check.h"
#include "game/setup_start.h"
#include "game/utils/m_console.h"
#include "game/utils/m_fenetre.h"

namespace {

const char* const kFrameFunction = "frame";

// Scenes 11, 12 and 13 under the root: the flames, a chicken, a saw. The
// flames come first: the pictures' transparent corners still write depth.
SCENE* makeDemoScene(MANAGER* manager)
{
    SCENE* racine = new SCENE(nullptr);
    D3DXMATRIXA16 m;
    D3DXMatrixIdentity(&m);
    racine->addscene(manager->getelement3d("flammes"), &m);
    D3DXMatrixTranslation(&m, -150, 0, 0);
    racine->addscene(manager->getelement3d("poulet"), &m);
    D3DXMatrixTranslation(&m, 150, 0, 0);
    racine->addscene(manager->getelement3d("scie"), &m);
    return racine;
}

bool traceWanted()
{
    const char* v = std::getenv("PLUMFALL_CONSOLE_TRACE");
    return v && std::strcmp(v, "1") == 0;
}

// The scroll-back only grows at its newest end: write what came since last time.
void traceNewLines(const COMMANDECONSOLE* console, size_t& seen)
{
    const auto& lines = console->getlines();
    if (lines.size() == seen)
        return;
    auto it = lines.begin();
    std::advance(it, lines.size() - seen);
    while (it != lines.begin()) {
        --it;
        std::cout << "console| " << it->ligne << '\n';
    }
    std::cout.flush();
    seen = lines.size();
}

} // namespace

int main(int argc, char** argv)
{
    CommandLine line(
        "plumfall-console", "[options] [commands.txt|-] [script.lua]", {{"--data", "DIR", "read the game data from DIR"}},
        {
            {"keys",
             {
                 {"Return", "run the command line"},
                 {"Backspace", "erase the last character"},
                 {"Up, Down", "walk the history of command lines"},
             }},
            {"files",
             {
                 kDataFolderHelp,
                 {"commands.txt", "commands run line by line at start (- for none); it, the Lua file and the files"
                                  " the commands read and write are found from the directory the program was started in"},
                 {"script.lua", "a Lua file whose function frame is called every frame"},
             }},
            {"environment",
             {
                 kDataVariableHelp,
                 {"PLUMFALL_CONSOLE_TRACE", "when 1, every scroll-back line is also written to standard output"},
                 {"DISPLAY", "the X display the window opens on"},
                 {"SDL_VIDEODRIVER", "the SDL video driver (x11 unless another is named); it must give OpenGL"},
             }},
            {"exit status",
             {
                 {"0", "the window was closed, or --help or --version"},
                 {"1", "no game data, no X display, or SDL's video could not start"},
                 {"2", "the command line was refused, or no OpenGL window could be opened"},
             }},
        });
    std::string dataOption;
    std::vector<std::string> fichiers;
    int status = line.parse(
        argc, argv,
        [&](const std::string&, const char* v, std::string&) {
            dataOption = v;
            return true;
        },
        &fichiers);
    if (status == -1 && fichiers.size() > 2) {
        std::fprintf(stderr, "plumfall-console: unexpected argument '%s'\n", fichiers[2].c_str());
        line.printUsage(stderr);
        status = 2;
    }
    if (status != -1)
        return status;
    const char* commandes = !fichiers.empty() && fichiers[0] != "-" ? fichiers[0].c_str() : nullptr;
    const char* luafile = fichiers.size() > 1 ? fichiers[1].c_str() : nullptr;
    const bool trace = traceWanted();

    char ici[PATH_MAX];
    if (!getcwd(ici, sizeof ici)) {
        std::perror("plumfall-console: the current directory");
        return 1;
    }
    DataFolder data;
    if (!enterDataFolder("plumfall-console", dataOption, PLUMFALL_RUN_FROM_BIN, data))
        return 1;
    chooseVideoDriver();

    M_FENETRE* fenetre = new M_FENETRE(800, 600, false);
    fenetre->getFenetre()->setrts();
    SDL_WM_SetCaption("Plumfall console", nullptr);
    IDirect3DDevice9* device = fenetre->getDevice();
    TOVI3D* tovi = fenetre->getTovi3D();

    XMANAGER* manager = new XMANAGER(device);
    chargerJeu(manager, device, "script.lua");
    preparerVue(tovi);
    std::vector<std::string> manquants = donneesManquantes(manager);
    if (!manquants.empty())
        std::fprintf(stderr, "plumfall-console: warning: %s\n", messageDonneesManquantes(manquants, data.path).c_str());
    if (chdir(ici) != 0) {
        std::perror("plumfall-console: back to the start directory");
        return 1;
    }

    SCENE* racine = makeDemoScene(manager);
    M_CONSOLE* hote = new M_CONSOLE(fenetre);
    loaddefaultbashapp(hote->getBash());
    loadtovi3Ddefaultbashapp(hote->getBash(), manager);
    TOVI3DBASHAPP::setRootScene(racine);

    WRAPPEROBJ* script = luafile ? new WRAPPEROBJ(manager, luafile) : nullptr;
    COMMANDECONSOLE* console = hote->getConsole();
    if (commandes)
        console->callscript(commandes);

    size_t seen = 0;
    bool boucle = true;
    while (boucle) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT)
                boucle = false;
            hote->input(event);
        }
        if (!tovi->debutscene(115, 115, 155))
            continue;
        D3DXMATRIXA16 identite;
        D3DXMatrixIdentity(&identite);
        racine->afficher(&identite);
        if (script)
            script->callfunc(kFrameFunction);
        hote->display();
        if (trace)
            traceNewLines(console, seen);
        tovi->afficherscene();
    }
    delete script;
    return 0;
}
