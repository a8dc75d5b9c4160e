#pragma once
// Where finished games are kept: $XDG_STATE_HOME/plumfall/replays (or
// ~/.local/state/plumfall/replays), one file a game, named by its date, time
// and difficulty ("2026-12-08_21-04-59_F3.replay"), the newest 50 kept.
#include "game/replay/replay.h"

#include <ctime>
#include <string>

constexpr int REPLAYS_KEPT = 50;

// Empty when there is no home to keep them in.
std::string replayFolder();

// The file name of a game at difficulty F`fkey` that ended at `when`, local time.
std::string replayFileName(std::time_t when, int fkey);

// Writes the file whole (a half-written replay never stands under its name).
// On failure says why in one line on standard error and returns false.
bool saveReplay(const Replay& replay, const std::string& path);

// Saves into `folder` (made as needed) under the game's name, then removes the
// oldest of the folder's replays beyond REPLAYS_KEPT. The path written, or
// empty after the one line that says why not.
std::string keepReplay(const Replay& replay, const std::string& folder, std::time_t when);
