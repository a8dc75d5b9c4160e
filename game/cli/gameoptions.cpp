#include "game/cli/gameoptions.h"

#include "game/cli/cmdline.h"

int parseGameOptions(int argc, char** argv, GameOptions& out)
{
    CommandLine line("plumfall", "[options]",
                     {
                         {"--data", "DIR", "read the game data from DIR"},
                         {"--scale", "N", "window N times 800x600 (1 to 8)"},
                         {"--fullscreen", nullptr, "fill the screen, picture kept at 4:3"},
                         {"--mute", nullptr, "start with no music and no sound effects"},
                         {"--volume", "0..100", "sound level"},
                         {"--demo", "1..10", "the game plays itself at that difficulty (default 1)", true},
                         {"--frames", "N", "play N frames, then exit 0"},
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
    if (status == -1)
        out = o;
    return status;
}
