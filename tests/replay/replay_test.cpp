#include "game/replay/replay.h"
#include "game/replay/replayfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

namespace {

Replay sample()
{
    Replay r;
    r.program = "1.0.0";
    r.seed = 4294967295u;
    r.fkey = 10;
    r.fkeyFrame = 3;
    r.moves = {{0, 0, 0}, {3, 799, 599}, {4, 400, 300}, {99, 12, 7}};
    r.outcome = {100, 8, 1, 2, 3, 1, 16};
    return r;
}

const char* const kHead = "plumfall-replay 1\nprogram 1.0.0\nseed 7\nfkey 3 2\n";

ReplayError readError(const std::string& text)
{
    std::istringstream in(text);
    Replay r;
    ReplayError e;
    EXPECT_FALSE(readReplay(in, r, e)) << text;
    return e;
}

// Endless text: `head`, then `fill` again and again.
class Endless : public std::streambuf {
public:
    Endless(std::string head, std::string fill) : head_(std::move(head)), fill_(std::move(fill)) {}

protected:
    int_type underflow() override
    {
        buffer_ = served_ ? fill_ : head_;
        served_ = true;
        setg(&buffer_[0], &buffer_[0], &buffer_[0] + buffer_.size());
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::string head_, fill_, buffer_;
    bool served_ = false;
};

} // namespace

TEST(ReplayText, WritesAndReadsBackTheSameGame)
{
    const Replay r = sample();
    const std::string text = writeReplay(r);
    EXPECT_EQ(text.substr(0, 63), "plumfall-replay 1\nprogram 1.0.0\nseed 4294967295\nfkey 10 3\n0 0 0");
    EXPECT_NE(text.find("\nend frames 100 made 8 finished 1 saw 2 fallen 3 overeaten 1 grains 16\n"), std::string::npos);

    std::istringstream in(text);
    Replay back;
    ReplayError e;
    ASSERT_TRUE(readReplay(in, back, e)) << e.line << ": " << e.why;
    EXPECT_EQ(writeReplay(back), text);
    EXPECT_EQ(back.seed, r.seed);
    EXPECT_EQ(back.fkeyFrame, 3);
    EXPECT_TRUE(back.outcome == r.outcome);

    // Another system's line ends read the same.
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::istringstream in2(crlf);
    ASSERT_TRUE(readReplay(in2, back, e)) << e.why;
    EXPECT_EQ(writeReplay(back), text);
}

TEST(ReplayText, BadFilesSayWhichLineAndWhy)
{
    struct Case {
        std::string text;
        int line;
        const char* why;
    };
    const std::string end = "end frames 50 made 4 finished 0 saw 0 fallen 0 overeaten 0 grains 0\n";
    const Case cases[] = {
        {"", 1, "empty file"},
        {"GIF89a\x01\x02\n", 1, "not a Plumfall replay"},
        {"plumfall-replay 2\nprogram 9\n", 1, "version 2 is unknown"},
        {"plumfall-replay 1\n", 2, "ends before its program line"},
        {std::string(kHead) + "10 20 30\n11 20", 6, "expected \"FRAME X Y\""},
        {std::string(kHead) + "10 20 30\n", 6, "ends before its end line"},
        {std::string(kHead) + "10 20 30\n10 21 30\n" + end, 6, "frame 10 after frame 10"},
        {std::string(kHead) + "10 20 30\n9 21 30\n" + end, 6, "frames must increase"},
        {std::string(kHead) + "10 800 30\n" + end, 5, "outside the 800 x 600 view"},
        {std::string(kHead) + "10 -1 30\n" + end, 5, "outside"},
        {std::string(kHead) + "x\xff\x00 y z\n" + end, 5, "expected \"FRAME X Y\""},
        {"plumfall-replay 1\nprogram 1.0.0\nseed 4294967296\nfkey 3 2\n" + end, 3, "seed"},
        {"plumfall-replay 1\nprogram 1.0.0\nseed -1\nfkey 3 2\n" + end, 3, "seed"},
        {"plumfall-replay 1\nprogram 1.0.0\nseed 7\nfkey 11 2\n" + end, 4, "K from 1 to 10"},
        {"plumfall-replay 1\nprogram 1.0.0\nseed 7\nfkey 0 2\n" + end, 4, "K from 1 to 10"},
        {std::string(kHead) + "60 1 1\n" + end, 6, "has 50 frames, yet input comes at frame 60"},
        {std::string(kHead) + "end frames 0 made 4 finished 0 saw 0 fallen 0 overeaten 0 grains 0\n", 5, "frames \"0\""},
        {std::string(kHead) + "end frames 50 made 4 finished 0 saw 0 fallen 0 grains 0 overeaten 0\n", 5,
         "should have \"overeaten\""},
        {std::string(kHead) + "end frames 50\n", 5, "wrong number of words"},
        {std::string(kHead) + end + "\n\n1 2 3\n", 8, "text after the end line"},
        {std::string(kHead) + std::string(300, '1') + "\n", 5, "longer than 200"},
    };
    for (const Case& c : cases) {
        ReplayError e = readError(c.text);
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_NE(e.why.find(c.why), std::string::npos) << c.text << " gave: " << e.why;
    }
    EXPECT_EQ(describeReplayError("a.replay", {3, "why"}), "a.replay:3: why");
    EXPECT_EQ(describeReplayError("a.replay", {0, "why"}), "a.replay: why");
}

TEST(ReplayText, EndlessOrHugeInputStopsAtTheSizeLimit)
{
    // A complete replay followed by blank lines without end: read up to the limit, then refused.
    Endless blank(std::string(kHead) + "end frames 50 made 4 finished 0 saw 0 fallen 0 overeaten 0 grains 0\n",
                  std::string(1 << 16, '\n'));
    std::istream in(&blank);
    Replay r;
    ReplayError e;
    EXPECT_FALSE(readReplay(in, r, e));
    EXPECT_NE(e.why.find("larger than 48 MiB"), std::string::npos) << e.why;

    // A 100 MB file is refused before it is read.
    {
        std::ofstream big("big.replay", std::ios::binary);
        big << kHead;
        big.seekp(100 << 20);
        big << "\n";
    }
    EXPECT_FALSE(readReplayFile("big.replay", r, e));
    EXPECT_NE(e.why.find("larger than 48 MiB"), std::string::npos) << e.why;
    EXPECT_FALSE(readReplayFile(".", r, e));
    EXPECT_EQ(e.why, "not a regular file");
    EXPECT_FALSE(readReplayFile("absent.replay", r, e));
    EXPECT_EQ(e.line, 0);
}

TEST(ReplayText, OutcomesNameTheirFirstDifferenceInTheSummarysWords)
{
    ReplayOutcome a{100, 8, 1, 2, 3, 1, 16};
    ReplayOutcome b = a;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(a.firstDifference(b), "");
    b.fallen = 4;
    b.grains = 0;
    EXPECT_FALSE(a == b);
    EXPECT_EQ(a.firstDifference(b), "fallen: recorded 3, replayed 4");
    EXPECT_EQ(a.line(), "frames: 100, chickens made: 8, finished at 8000: 1, dead by saw: 2, fallen: 3, "
                        "dead by overeating: 1, grains eaten: 16");

    Replay old = sample();
    EXPECT_EQ(replayVersionNote("a.replay", old), "");
    old.program = "0.9";
    EXPECT_EQ(replayVersionNote("a.replay", old), "a.replay: recorded by plumfall 0.9, this is plumfall 1.0.0");
}

TEST(ReplayCursorAndRecorder, GiveBackEachFramesInput)
{
    ReplayRecorder rec("1.0.0", 42);
    EXPECT_FALSE(rec.played());
    FrameInput none, f5{5, false, 0, 0}, move{0, true, 10, 20}, both{3, true, 1, 2};
    rec.frame(0, move, false);
    rec.frame(1, none, false);
    rec.frame(2, f5, true);
    rec.frame(3, both, false); // a later F-key chose nothing: not kept
    ASSERT_TRUE(rec.played());
    const Replay& r = rec.close({4, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.fkey, 5);
    EXPECT_EQ(r.fkeyFrame, 2);
    ASSERT_EQ(r.moves.size(), 2u);

    ReplayCursor cursor(r);
    FrameInput in = cursor.inputAt(0);
    EXPECT_TRUE(in.moved && in.x == 10 && in.y == 20 && in.fkey == 0);
    EXPECT_FALSE(cursor.inputAt(1).moved);
    in = cursor.inputAt(2);
    EXPECT_TRUE(!in.moved && in.fkey == 5);
    in = cursor.inputAt(3);
    EXPECT_TRUE(in.moved && in.x == 1 && in.y == 2 && in.fkey == 0);
    EXPECT_FALSE(cursor.finished(3));
    EXPECT_TRUE(cursor.finished(4));
}

TEST(ReplayFolder, KeepsTheNewestFiftyOfItsOwnAndSaysWhyItCannotWrite)
{
    namespace fs = std::filesystem;
    setenv("XDG_STATE_HOME", "/somewhere", 1);
    EXPECT_EQ(replayFolder(), "/somewhere/plumfall/replays");
    unsetenv("XDG_STATE_HOME");
    setenv("HOME", "/home/p", 1);
    EXPECT_EQ(replayFolder(), "/home/p/.local/state/plumfall/replays");

    const std::string folder = fs::current_path().string() + "/state/plumfall/replays";
    const std::time_t t0 = 1800000000;
    Replay r = sample();
    std::string first = keepReplay(r, folder, t0);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(fs::path(first).filename().string(), replayFileName(t0, 10));
    EXPECT_EQ(fs::path(first).filename().string().substr(19), "_F10.replay");
    // The same second again: a second file, not the first one replaced.
    std::string second = keepReplay(r, folder, t0);
    EXPECT_NE(second, first);
    Replay back;
    ReplayError e;
    EXPECT_TRUE(readReplayFile(second, back, e)) << e.why;

    std::ofstream(folder + "/notes.txt") << "mine";
    for (int i = 1; i <= 55; ++i)
        keepReplay(r, folder, t0 + 3600 * i);
    int ours = 0;
    for (const auto& f : fs::directory_iterator(folder))
        ours += f.path().extension() == ".replay";
    EXPECT_EQ(ours, REPLAYS_KEPT);
    EXPECT_TRUE(fs::exists(folder + "/notes.txt")) << "only the program's own names are removed";
    EXPECT_FALSE(fs::exists(first)) << "the oldest go first";
    EXPECT_TRUE(fs::exists(folder + "/" + replayFileName(t0 + 3600 * 55, 10)));

    // A folder that cannot be made: one line, no file, and the caller goes on.
    std::ofstream("plain") << "x";
    testing::internal::CaptureStderr();
    EXPECT_EQ(keepReplay(r, fs::current_path().string() + "/plain/replays", t0), "");
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot keep the replay in"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}
