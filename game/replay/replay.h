#pragma once
// A game kept as text: the seed of the world's generator, the F-key and the
// frame it was pressed in, the pointer in view pixels for each frame in which
// it moved, and what the game counted at its end. The world advances a fixed
// step per frame from that seed, so this is the whole game. The format is
// described in docs/replay-format.md.
#include "game/frame/frameinput.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

constexpr int REPLAY_FORMAT = 1;
// Beyond these a file is not one of ours (a game of about nine hours at 60
// frames a second): the reader stops there instead of running for hours.
constexpr int REPLAY_MAX_FRAMES = 2000000;
constexpr long long REPLAY_MAX_BYTES = 48LL << 20;

// What a game counted, in the words of the headless summary.
struct ReplayOutcome {
    int frames = 0;
    int made = 0;
    int finished = 0;
    int saw = 0;
    int fallen = 0;
    int overeaten = 0;
    int grains = 0;

    bool operator==(const ReplayOutcome& o) const;
    // "frames: 20000, chickens made: 12, …", one line.
    std::string line() const;
    // The first count that differs from `replayed`, as "chickens made: recorded
    // 12, replayed 13"; empty when all agree.
    std::string firstDifference(const ReplayOutcome& replayed) const;
};

struct ReplayMove {
    int frame;
    int x, y; // pixel of the 800 x 600 view
};

struct Replay {
    std::string program;   // the version of the program that played it
    uint32_t seed = 0;
    int fkey = 0;          // 1 to 10
    int fkeyFrame = 0;
    std::vector<ReplayMove> moves; // frames strictly increasing
    ReplayOutcome outcome;
};

struct ReplayError {
    int line = 0; // 0: not tied to a line
    std::string why;
};

// The text of a replay. Everything the reader accepts writes back the same.
std::string writeReplay(const Replay& replay);
// False with `error` set for anything that is not a whole, consistent replay of
// this format (never more than REPLAY_MAX_BYTES read).
bool readReplay(std::istream& in, Replay& out, ReplayError& error);
bool readReplayFile(const std::string& path, Replay& out, ReplayError& error);
// "PATH:LINE: why", or "PATH: why" for what is not tied to a line.
std::string describeReplayError(const std::string& path, const ReplayError& error);
// "PATH: recorded by plumfall A, this is plumfall B"; empty when A is this version.
std::string replayVersionNote(const std::string& path, const Replay& replay);
// Reads the replay to play; says on standard error, after "PROGRAM: ", why it
// cannot, or that another version of the program recorded it.
bool openReplay(const char* program, const std::string& path, Replay& out);

// The input of each frame of a replay, asked in increasing order of frames.
class ReplayCursor {
public:
    explicit ReplayCursor(const Replay& replay) : replay_(replay) {}
    FrameInput inputAt(int frame);
    // True once every frame of the game has been given.
    bool finished(int frame) const { return frame >= replay_.outcome.frames; }

private:
    const Replay& replay_;
    size_t next_ = 0;
};

// Builds the replay of a game as it is played, frame by frame.
class ReplayRecorder {
public:
    ReplayRecorder(const std::string& program, uint32_t seed);
    // Frame n ran with `in`; `chose` when its F-key chose the level.
    void frame(int n, const FrameInput& in, bool chose);
    // Whether an F-key chose: without one there is no game to keep.
    bool played() const { return replay_.fkey != 0; }
    // The replay, closed with what the game counted.
    const Replay& close(const ReplayOutcome& outcome);

private:
    Replay replay_;
};
