#include "game/cli/gameoptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int parse(std::vector<const char*> words, GameOptions& o)
{
    words.insert(words.begin(), "plumfall");
    return parseGameOptions(static_cast<int>(words.size()), const_cast<char**>(words.data()), o);
}

TEST(GameOptions, NoOptionKeepsTheGameAsItIs)
{
    GameOptions o;
    ASSERT_EQ(parse({}, o), -1);
    EXPECT_EQ(o.scale, 0);
    EXPECT_FALSE(o.fullscreen);
    EXPECT_FALSE(o.mute);
    EXPECT_EQ(o.volume, -1);
    EXPECT_EQ(o.demo, 0);
    EXPECT_EQ(o.frames, 0);
    EXPECT_TRUE(o.dataDir.empty());
}

TEST(GameOptions, HelpAndVersionEndWithZero)
{
    GameOptions o;
    testing::internal::CaptureStdout();
    EXPECT_EQ(parse({"--help"}, o), 0);
    EXPECT_EQ(parse({"--version"}, o), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("usage: plumfall"), std::string::npos);
    EXPECT_NE(out.find("--scale N"), std::string::npos);
    EXPECT_NE(out.find("\nkeys:\n  F1..F10 "), std::string::npos) << out;
    EXPECT_NE(out.find("plumfall 1."), std::string::npos);
}

TEST(GameOptions, BadLinesEndWithTwoAndTheReason)
{
    for (std::vector<const char*> bad : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"--scale", "9"}, {"--scale", "2x"}, {"--scale"}, {"--volume", "101"}, {"--demo", "0"},
             {"--frames", "-3"}, {"stray"}}) {
        GameOptions o;
        testing::internal::CaptureStderr();
        EXPECT_EQ(parse(bad, o), 2) << bad[0];
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.rfind("plumfall: ", 0), 0u) << err;
        EXPECT_NE(err.find("usage: plumfall"), std::string::npos);
        EXPECT_EQ(err.find("keys:"), std::string::npos) << "a refusal shows the options only";
    }
}

TEST(GameOptions, ValuesAndTheOptionalDemoLevel)
{
    GameOptions o;
    ASSERT_EQ(parse({"--demo", "--scale", "2", "--volume", "0", "--mute", "--data", "/d", "--frames", "30"}, o), -1);
    EXPECT_EQ(o.demo, 1);
    EXPECT_EQ(o.scale, 2);
    EXPECT_EQ(o.volume, 0);
    EXPECT_TRUE(o.mute);
    EXPECT_EQ(o.dataDir, "/d");
    EXPECT_EQ(o.frames, 30);
    ASSERT_EQ(parse({"--demo", "7", "--fullscreen"}, o), -1);
    EXPECT_EQ(o.demo, 7);
    EXPECT_TRUE(o.fullscreen);
}

}
