#include "game/cli/datafolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A data folder under the test's own directory: a "script.lua" makes it one.
std::string makeFolder(const std::string& name, bool withScript)
{
    fs::create_directories(name);
    if (withScript)
        std::ofstream(name + "/script.lua") << "-- data\n";
    return fs::absolute(name).lexically_normal().string();
}

struct DataFolderTest : testing::Test {
    void SetUp() override { unsetenv("PLUMFALL_DATA"); }
    void TearDown() override { unsetenv("PLUMFALL_DATA"); }
};

TEST_F(DataFolderTest, TheUsersChoiceComesFirstAndIsNeverReplaced)
{
    std::string a = makeFolder("a", true), b = makeFolder("b", true), empty = makeFolder("empty", false);
    setenv("PLUMFALL_DATA", b.c_str(), 1);
    EXPECT_EQ(findDataFolder("a", nullptr).path, a);  // relative names come back absolute
    EXPECT_EQ(findDataFolder("", nullptr).path, b);

    // A wrong folder named by the user is reported, not swapped for a good one.
    DataFolder wrong = findDataFolder(empty, nullptr);
    EXPECT_TRUE(wrong.path.empty());
    EXPECT_EQ(wrong.tried, std::vector<std::string>{empty});
    setenv("PLUMFALL_DATA", empty.c_str(), 1);
    EXPECT_TRUE(findDataFolder("", nullptr).path.empty());
}

TEST_F(DataFolderTest, ThenTheInstalledFolderAndTheBuildsRunFolderNextToTheProgram)
{
    // The test program has neither next to it: both are tried, in that order,
    // and the one line names them as a person can look them up.
    DataFolder none = findDataFolder("", "no-such-run");
    ASSERT_TRUE(none.path.empty());
    ASSERT_EQ(none.tried.size(), 2u);
    std::string bin = executableFolder();
    EXPECT_EQ(none.tried[1], bin + "/no-such-run");
    std::string line = dataFolderProblem("plumfall", none);
    EXPECT_EQ(line.rfind("plumfall: no game data (script.lua) in ", 0), 0u) << line;
    EXPECT_NE(line.find(fs::path(bin).parent_path().string() + "/share/games/plumfall, "), std::string::npos) << line;
    EXPECT_NE(line.find("--data DIR"), std::string::npos);
    EXPECT_EQ(line.find('\n'), std::string::npos);

    fs::path here = fs::current_path();
    std::string run = fs::relative(makeFolder("run", true), bin).string();
    EXPECT_EQ(findDataFolder("", run.c_str()).path, (here / "run").string());
}

TEST_F(DataFolderTest, EnteringMovesTheWorkingDirectory)
{
    fs::path here = fs::current_path();
    std::string d = makeFolder("d", true);
    DataFolder found;
    ASSERT_TRUE(enterDataFolder("plumfall", "d", nullptr, found));
    EXPECT_EQ(fs::current_path().string(), d);
    fs::current_path(here);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(enterDataFolder("plumfall", "nowhere", nullptr, found));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(fs::current_path(), here);
    EXPECT_NE(err.find((here / "nowhere").string()), std::string::npos) << err;
}

} // namespace
