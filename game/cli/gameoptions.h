#pragma once
// What the game's command line asks for. With no option given every field keeps
// the game as it always plays: an 800 by 600 window, sound on, F1 to F10 chosen
// by the player, until the window is closed.
#include <string>

struct GameOptions {
    std::string dataDir;      // --data DIR: where script.lua and the pictures are
    int frames = 0;           // --frames N: play N frames, then exit 0 (0: until closed)
    int scale = 0;            // --scale N (1..8); 0: not given
    bool fullscreen = false;  // --fullscreen
    bool mute = false;        // --mute
    int volume = -1;          // --volume 0..100; -1: not given
    int demo = 0;             // --demo [1..10]: the game plays itself at that difficulty; 0: off
    std::string record;       // --record FILE: the game's replay goes there, not to the replays folder
    bool noRecord = false;    // --no-record
    std::string replay;       // --replay FILE: plays that replay back
};

// -1: run with `out`; otherwise the exit status (0 after --help/--version, 2 after a bad line).
int parseGameOptions(int argc, char** argv, GameOptions& out);
