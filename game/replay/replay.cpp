#include "game/replay/replay.h"

#include "game/cli/cmdline.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

const char* const kMagic = "plumfall-replay";
const size_t kLongestLine = 200;

// The counts of an outcome: their key in the file and their words in the
// headless summary, in the order both are written.
struct Count {
    const char* key;
    const char* words;
    int ReplayOutcome::*value;
};
const Count kCounts[] = {
    {"frames", "frames", &ReplayOutcome::frames},
    {"made", "chickens made", &ReplayOutcome::made},
    {"finished", "finished at 8000", &ReplayOutcome::finished},
    {"saw", "dead by saw", &ReplayOutcome::saw},
    {"fallen", "fallen", &ReplayOutcome::fallen},
    {"overeaten", "dead by overeating", &ReplayOutcome::overeaten},
    {"grains", "grains eaten", &ReplayOutcome::grains},
};

std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        size_t b = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > b)
            out.push_back(line.substr(b, i - b));
    }
    return out;
}

// A whole decimal word in [lo, hi]: digits, an optional leading '-', nothing else.
bool number(const std::string& w, long long lo, long long hi, long long& out)
{
    size_t digits = w.size() - (!w.empty() && w[0] == '-');
    if (digits == 0 || digits > 12)
        return false;
    for (size_t i = w.size() - digits; i < w.size(); ++i)
        if (w[i] < '0' || w[i] > '9')
            return false;
    out = std::strtoll(w.c_str(), nullptr, 10);
    return out >= lo && out <= hi;
}

// Reads lines, never more than REPLAY_MAX_BYTES in all nor kLongestLine in one.
class Lines {
public:
    explicit Lines(std::istream& in) : in_(*in.rdbuf()) {}

    // False at the end of the text, or with `error` set.
    bool next(std::string& line, ReplayError& error)
    {
        line.clear();
        ++number_;
        int c;
        while ((c = in_.sbumpc()) != EOF) {
            if (++bytes_ > REPLAY_MAX_BYTES)
                return fail(error, 0, "larger than 48 MiB: not a replay");
            if (c == '\n')
                break;
            if (line.size() == kLongestLine)
                return fail(error, number_, "line longer than 200 characters");
            line += static_cast<char>(c);
        }
        if (c == EOF && line.empty())
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
    int number() const { return number_; }

    static bool fail(ReplayError& error, int line, const std::string& why)
    {
        error.line = line;
        error.why = why;
        return false;
    }

private:
    std::streambuf& in_;
    int number_ = 0;
    long long bytes_ = 0;
};

// "NAME VALUE": the value of a header line with that name, in range.
bool header(const std::string& line, const char* name, long long lo, long long hi, long long& out)
{
    std::vector<std::string> w = words(line);
    return w.size() == 2 && w[0] == name && number(w[1], lo, hi, out);
}

bool readEnd(const std::vector<std::string>& w, ReplayOutcome& out, std::string& why)
{
    const size_t n = sizeof kCounts / sizeof kCounts[0];
    if (w.size() != 1 + 2 * n) {
        why = "the end line has the wrong number of words";
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        const Count& c = kCounts[i];
        long long v = 0;
        long long lo = c.value == &ReplayOutcome::frames ? 1 : 0;
        long long hi = c.value == &ReplayOutcome::frames ? REPLAY_MAX_FRAMES : 1000000000;
        if (w[1 + 2 * i] != c.key) {
            why = std::string("the end line should have \"") + c.key + "\" where it has \"" + w[1 + 2 * i] + "\"";
            return false;
        }
        if (!number(w[2 + 2 * i], lo, hi, v)) {
            why = std::string(c.key) + " \"" + w[2 + 2 * i] + "\" is not a count from " + std::to_string(lo) +
                  " to " + std::to_string(hi);
            return false;
        }
        out.*(c.value) = static_cast<int>(v);
    }
    return true;
}

bool readBody(Lines& lines, Replay& r, ReplayError& error)
{
    std::string line;
    if (!lines.next(line, error))
        return error.why.empty() ? Lines::fail(error, 1, "empty file: not a Plumfall replay") : false;
    std::vector<std::string> w = words(line);
    long long v = 0;
    if (w.size() != 2 || w[0] != kMagic)
        return Lines::fail(error, 1, "not a Plumfall replay (the first line should be \"plumfall-replay 1\")");
    if (!number(w[1], 0, 1000000, v) || v != REPLAY_FORMAT)
        return Lines::fail(error, 1, "replay format version " + w[1] + " is unknown to this program (it reads version " +
                                         std::to_string(REPLAY_FORMAT) + ")");

    auto expect = [&](const char* what) {
        if (!error.why.empty())
            return false;
        return Lines::fail(error, lines.number(), std::string("the file ends before ") + what + " (truncated?)");
    };
    if (!lines.next(line, error))
        return expect("its program line");
    w = words(line);
    // A version is printable: a stray carriage return would not survive being written back.
    if (w.size() != 2 || w[0] != "program" || w[1].size() > 40 ||
        std::any_of(w[1].begin(), w[1].end(), [](char c) { return c < '!' || c > '~'; }))
        return Lines::fail(error, lines.number(), "expected \"program VERSION\"");
    r.program = w[1];

    if (!lines.next(line, error))
        return expect("its seed line");
    if (!header(line, "seed", 0, UINT32_MAX, v))
        return Lines::fail(error, lines.number(), "expected \"seed S\" with S from 0 to 4294967295");
    r.seed = static_cast<uint32_t>(v);

    if (!lines.next(line, error))
        return expect("its F-key line");
    w = words(line);
    long long key = 0, at = 0;
    if (w.size() != 3 || w[0] != "fkey" || !number(w[1], 1, 10, key) || !number(w[2], 0, REPLAY_MAX_FRAMES - 1, at))
        return Lines::fail(error, lines.number(), "expected \"fkey K FRAME\" with K from 1 to 10");
    r.fkey = static_cast<int>(key);
    r.fkeyFrame = static_cast<int>(at);

    // The pointer's lines, then the end line.
    for (;;) {
        if (!lines.next(line, error))
            return expect("its end line");
        w = words(line);
        if (!w.empty() && w[0] == "end")
            break;
        long long f = 0, x = 0, y = 0;
        if (w.size() != 3 || !number(w[0], 0, REPLAY_MAX_FRAMES - 1, f))
            return Lines::fail(error, lines.number(), "expected \"FRAME X Y\" or the end line");
        if (!number(w[1], 0, 799, x) || !number(w[2], 0, 599, y))
            return Lines::fail(error, lines.number(), "the pointer is outside the 800 x 600 view");
        if (!r.moves.empty() && f <= r.moves.back().frame)
            return Lines::fail(error, lines.number(),
                               "frame " + w[0] + " after frame " + std::to_string(r.moves.back().frame) +
                                   ": frames must increase");
        r.moves.push_back({static_cast<int>(f), static_cast<int>(x), static_cast<int>(y)});
    }
    std::string why;
    if (!readEnd(w, r.outcome, why))
        return Lines::fail(error, lines.number(), why);
    int last = r.outcome.frames - 1;
    if (r.fkeyFrame > last || (!r.moves.empty() && r.moves.back().frame > last))
        return Lines::fail(error, lines.number(),
                           "the game has " + std::to_string(r.outcome.frames) + " frames, yet input comes at frame " +
                               std::to_string(std::max(r.fkeyFrame, r.moves.empty() ? 0 : r.moves.back().frame)));
    int end = lines.number();
    while (lines.next(line, error))
        if (!words(line).empty())
            return Lines::fail(error, lines.number(), "text after the end line (line " + std::to_string(end) + ")");
    return error.why.empty();
}

} // namespace

bool ReplayOutcome::operator==(const ReplayOutcome& o) const
{
    for (const Count& c : kCounts)
        if (this->*(c.value) != o.*(c.value))
            return false;
    return true;
}

std::string ReplayOutcome::line() const
{
    std::string out;
    for (const Count& c : kCounts)
        out += (out.empty() ? "" : ", ") + std::string(c.words) + ": " + std::to_string(this->*(c.value));
    return out;
}

std::string ReplayOutcome::firstDifference(const ReplayOutcome& replayed) const
{
    for (const Count& c : kCounts)
        if (this->*(c.value) != replayed.*(c.value))
            return std::string(c.words) + ": recorded " + std::to_string(this->*(c.value)) + ", replayed " +
                   std::to_string(replayed.*(c.value));
    return std::string();
}

std::string writeReplay(const Replay& r)
{
    std::string out;
    out.reserve(64 + r.moves.size() * 16);
    out += std::string(kMagic) + " " + std::to_string(REPLAY_FORMAT) + "\n";
    out += "program " + r.program + "\n";
    out += "seed " + std::to_string(r.seed) + "\n";
    out += "fkey " + std::to_string(r.fkey) + " " + std::to_string(r.fkeyFrame) + "\n";
    for (const ReplayMove& m : r.moves)
        out += std::to_string(m.frame) + " " + std::to_string(m.x) + " " + std::to_string(m.y) + "\n";
    out += "end";
    for (const Count& c : kCounts)
        out += std::string(" ") + c.key + " " + std::to_string(r.outcome.*(c.value));
    out += "\n";
    return out;
}

bool readReplay(std::istream& in, Replay& out, ReplayError& error)
{
    error = ReplayError();
    Replay r;
    Lines lines(in);
    if (!readBody(lines, r, error))
        return false;
    out = std::move(r);
    return true;
}

bool readReplayFile(const std::string& path, Replay& out, ReplayError& error)
{
    // A device, a pipe or a huge file would be read for ever; none is a replay.
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return Lines::fail(error, 0, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return Lines::fail(error, 0, "not a regular file");
    if (st.st_size > REPLAY_MAX_BYTES)
        return Lines::fail(error, 0, "larger than 48 MiB: not a replay");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Lines::fail(error, 0, std::strerror(errno));
    return readReplay(in, out, error);
}

std::string describeReplayError(const std::string& path, const ReplayError& error)
{
    return path + (error.line > 0 ? ":" + std::to_string(error.line) : std::string()) + ": " + error.why;
}

std::string replayVersionNote(const std::string& path, const Replay& replay)
{
    if (replay.program == plumfallVersion())
        return std::string();
    return path + ": recorded by plumfall " + replay.program + ", this is plumfall " + plumfallVersion();
}

bool openReplay(const char* program, const std::string& path, Replay& out)
{
    ReplayError error;
    if (!readReplayFile(path, out, error)) {
        std::fprintf(stderr, "%s: %s\n", program, describeReplayError(path, error).c_str());
        return false;
    }
    std::string note = replayVersionNote(path, out);
    if (!note.empty())
        std::fprintf(stderr, "%s: %s\n", program, note.c_str());
    return true;
}

FrameInput ReplayCursor::inputAt(int frame)
{
    FrameInput in;
    in.fkey = frame == replay_.fkeyFrame ? replay_.fkey : 0;
    while (next_ < replay_.moves.size() && replay_.moves[next_].frame < frame)
        ++next_;
    if (next_ < replay_.moves.size() && replay_.moves[next_].frame == frame) {
        in.moved = true;
        in.x = replay_.moves[next_].x;
        in.y = replay_.moves[next_].y;
    }
    return in;
}

ReplayRecorder::ReplayRecorder(const std::string& program, uint32_t seed)
{
    replay_.program = program;
    replay_.seed = seed;
}

void ReplayRecorder::frame(int n, const FrameInput& in, bool chose)
{
    if (chose) {
        replay_.fkey = in.fkey;
        replay_.fkeyFrame = n;
    }
    if (in.moved)
        replay_.moves.push_back({n, in.x, in.y});
}

const Replay& ReplayRecorder::close(const ReplayOutcome& outcome)
{
    replay_.outcome = outcome;
    return replay_;
}
