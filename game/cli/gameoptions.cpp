#include "game/cli/gameoptions.h"

#include "game/cli/cmdline.h"
#include "game/cli/datafolder.h"

int parseGameOptions(int argc, char** argv, GameOptions& out)
{
    CommandLine line("plumfall", "[options]",
                     {
                         {"--data", "DIR", "read the game data from DIR"},
                         {"--scale", "N", "a window N times 800x600 (1 to 8), lowered to the largest that fits the desktop"},
                         {"--fullscreen", nullptr, "fill the screen, picture kept at 4:3 (a desktop smaller than 800x600 gets the window)"},
                         {"--mute", nullptr, "start with no music and no sound effects"},
                         {"--volume", "0..100", "sound level"},
                         {"--demo", "1..10", "the game plays itself at that difficulty (default 1)", true},
                         {"--frames", "N", "play N frames, then exit 0"},
                         {"--record", "FILE", "keep the game's replay in FILE instead of the replays folder"},
                         {"--no-record", nullptr, "keep no replay of the game"},
                         {"--replay", "FILE", "play a replay back in the window; the mouse is not used"},
                     },
                     {
                         {"keys",
                          {
                              {"F1..F10", "choose the difficulty, F1 the easiest; the first key pressed holds for"
                                          " the whole run"},
                              {"F11", "full screen or window, remembered for the next start"},
                              {"M", "sound on or off, remembered for the next start"},
                              {"Esc", "in full screen, where the window manager sees no key: back to the window,"
                                      " remembered as F11's choice is"},
                              {"Alt+F4", "in full screen: end the game with status 0, as closing the window does"},
                              {"P", "pause or go on; losing the focus or being minimised pauses too, and a click"
                                    " in the window goes on"},
                              {".", "while paused: play one frame"},
                              {"Tab", "held while a replay plays: four frames for each frame shown"},
                          }},
                         {"files",
                          {
                              {"$XDG_CONFIG_HOME/plumfall/settings",
                               "what F11 and M last chose (~/.config/plumfall/settings when XDG_CONFIG_HOME is"
                               " unset or not absolute), written when one of them is pressed; games running"
                               " at once take turns through settings.lock beside it"},
                              {"$XDG_STATE_HOME/plumfall/replays",
                               "every game's replay, written when the window closes, the newest 50 kept"
                               " (~/.local/state/plumfall/replays when XDG_STATE_HOME is unset or not absolute)"},
                              kDataFolderHelp,
                          }},
                         {"environment",
                          {
                              kDataVariableHelp,
                              {"XDG_CONFIG_HOME", "the folder that holds plumfall/settings, when it is an absolute path"},
                              {"XDG_STATE_HOME", "the folder that holds plumfall/replays, when it is an absolute path"},
                              {"HOME", "the settings are in ~/.config otherwise, the replays in ~/.local/state"},
                              {"DISPLAY", "the X display the window opens on"},
                              {"SDL_VIDEODRIVER", "the SDL video driver (x11 unless another is named); it must give"
                                                  " OpenGL"},
                              {"SDL_AUDIODRIVER", "the SDL audio driver; without a working one the game is silent"},
                          }},
                         {"exit status",
                          {
                              {"0", "the window was closed, --frames ended the game, or --help or --version"},
                              {"1", "no readable game data, no X display, or SDL's video could not start; one"
                                    " line on standard error says which, and why"},
                              {"2", "the command line was refused (one line, then the usage, on standard error),"
                                    " the --replay file cannot be read, or no OpenGL window could be opened"},
                          }},
                     });
    GameOptions o;
    int status = line.parse(argc, argv, [&](const std::string& name, const char* v, std::string& error) {
        if (name == "--data") {
            o.dataDir = v;
            return true;
        }
        if (name == "--fullscreen")
            return o.fullscreen = true;
        if (name == "--mute")
            return o.mute = true;
        if (name == "--no-record")
            return o.noRecord = true;
        if (name == "--record" || name == "--replay") {
            (name == "--record" ? o.record : o.replay) = v;
            return true;
        }
        if (name == "--demo") {
            o.demo = 1;
            if (!v)
                return true;
            error = "--demo takes a difficulty from 1 to 10";
            return readIntArg(v, 1, 10, o.demo);
        }
        if (name == "--scale") {
            error = "--scale takes a whole number from 1 to 8";
            return readIntArg(v, 1, 8, o.scale);
        }
        if (name == "--volume") {
            error = "--volume takes a whole number from 0 to 100";
            return readIntArg(v, 0, 100, o.volume);
        }
        error = "--frames takes a whole number of frames, at least 1";
        return readIntArg(v, 1, 1 << 30, o.frames);
    });
    const char* conflict = nullptr;
    if (!o.replay.empty() && (o.demo || o.noRecord || !o.record.empty()))
        conflict = "--replay plays a recorded game: it takes no --demo, --record or --no-record";
    else if (o.noRecord && !o.record.empty())
        conflict = "--record and --no-record contradict each other";
    if (status == -1 && conflict) {
        std::fprintf(stderr, "plumfall: %s\n", conflict);
        line.printUsage(stderr);
        return 2;
    }
    if (status == -1)
        out = o;
    return status;
}
