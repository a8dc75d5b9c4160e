#include "game/config/choices.h"
#include "game/config/settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Settings, AnythingButAGoodFileGivesTheDefaults)
{
    const std::string junk("\x7f" "ELF\x01\x02\0\0 fullscreen = yes", 25);
    for (const std::string& text : {std::string(), junk, std::string("fullscreen = 1\nsound = maybe\n"),
                                    std::string("fullscreen\nsound off\n=\n")}) {
        writeFile("settings", text);
        Settings s = readSettings("settings");
        EXPECT_FALSE(s.fullscreen) << text;
        EXPECT_FALSE(s.mute) << text;
    }
    EXPECT_FALSE(readSettings("absent").fullscreen);
    EXPECT_FALSE(readSettings("").mute);
    mkdir("folder", 0700);
    EXPECT_FALSE(readSettings("folder").fullscreen);

    // A damaged line costs only its own setting.
    writeFile("settings", "# note\r\nfullscreen = perhaps\r\n  sound=off  \r\n");
    Settings s = readSettings("settings");
    EXPECT_FALSE(s.fullscreen);
    EXPECT_TRUE(s.mute);
}

TEST(Settings, WrittenInNewFoldersAndReadBack)
{
    std::string path = "a/b/settings";
    ASSERT_TRUE(writeSetting(path, Setting::Fullscreen, true));
    ASSERT_TRUE(writeSetting(path, Setting::Mute, true));
    Settings s = readSettings(path);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_TRUE(s.mute);
    ASSERT_TRUE(writeSetting(path, Setting::Fullscreen, false));
    EXPECT_FALSE(readSettings(path).fullscreen);
    EXPECT_EQ(readFile(path).find("fullscreen = yes"), std::string::npos);

    writeFile("plain", "x");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeSetting("plain/settings", Setting::Fullscreen, true));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("plain/settings"), std::string::npos);
}

TEST(Settings, AWriteChangesOnlyItsKey)
{
    // A note, a key of a later version, a damaged line and the same key twice
    // (the last would win on reading): only the key's own lines change.
    writeFile("settings", "# mine\r\nsound = off\r\nzoom = 3\nfullscreen = no\nnonsense\nfullscreen = no");
    ASSERT_TRUE(writeSetting("settings", Setting::Fullscreen, true));
    EXPECT_EQ(readFile("settings"), "# mine\r\nsound = off\r\nzoom = 3\nfullscreen = yes\nnonsense\n");
    Settings s = readSettings("settings");
    EXPECT_TRUE(s.fullscreen);
    EXPECT_TRUE(s.mute);
}

// Two games, each switching its own setting many times at once: the file
// ends with both last choices, and no write failed.
TEST(Settings, TwoProcessesKeepEachOthersChoices)
{
    const std::string path = "together/settings";
    const int kTimes = 200;
    std::remove(path.c_str());
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            std::string errors = "errors" + std::to_string(c);
            if (!std::freopen(errors.c_str(), "w", stderr))
                _exit(3);
            GameOptions none;
            PlayerChoices game(none, path);
            int lost = 0;
            for (int i = 0; i < kTimes; ++i) {
                // The last round leaves full screen on and the sound off.
                bool on = i % 2 == 1;
                if (c == 0)
                    game.chooseFullscreen(on);
                else
                    game.chooseMute(on);
                // Only this process writes its key: the file must hold its last choice at every moment.
                Settings now = readSettings(path);
                lost += (c == 0 ? now.fullscreen : now.mute) != on;
            }
            std::fflush(stderr);
            _exit(lost ? 2 : 0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a choice was lost (status " << status << ")";
    }
    EXPECT_EQ(readFile("errors0") + readFile("errors1"), "");
    Settings s = readSettings(path);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_TRUE(s.mute);
}

TEST(Settings, PathFollowsXdgThenHome)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string saved = xdg ? xdg : "";
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_CONFIG_HOME", "/tmp/conf", 1);
    EXPECT_EQ(settingsPath(), "/tmp/conf/plumfall/settings");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(settingsPath(), "/home/someone/.config/plumfall/settings");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsPath(), "/home/someone/.config/plumfall/settings");
    if (xdg)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(PlayerChoices, CommandLineWinsForItsRunAndIsNeverSaved)
{
    GameOptions none;
    PlayerChoices plain(none, "absent/settings");
    EXPECT_EQ(plain.scale(), 1);
    EXPECT_FALSE(plain.fullscreen());
    EXPECT_FALSE(plain.mute());
    EXPECT_EQ(plain.volume(), 100);

    writeFile("settings", "fullscreen = yes\nsound = off\n");
    PlayerChoices remembered(none, "settings");
    EXPECT_TRUE(remembered.fullscreen());
    EXPECT_TRUE(remembered.mute());

    GameOptions scaled;
    scaled.scale = 2;
    scaled.volume = 30;
    PlayerChoices window(scaled, "settings");
    EXPECT_FALSE(window.fullscreen());
    EXPECT_EQ(window.scale(), 2);
    EXPECT_EQ(window.volume(), 30);

    // Started full screen and muted from the command line; M is a choice and is kept,
    // the command line's full screen is not.
    writeFile("settings", "fullscreen = no\nsound = on\n");
    GameOptions asked;
    asked.fullscreen = true;
    asked.mute = true;
    PlayerChoices run(asked, "settings");
    EXPECT_TRUE(run.fullscreen());
    run.chooseMute(false);
    EXPECT_FALSE(run.mute());
    Settings kept = readSettings("settings");
    EXPECT_FALSE(kept.fullscreen);
    EXPECT_FALSE(kept.mute);
    run.chooseMute(true);
    EXPECT_TRUE(readSettings("settings").mute);
    run.chooseFullscreen(false);
    EXPECT_FALSE(run.fullscreen());
    EXPECT_TRUE(readSettings("settings").mute);
}

TEST(PlayerChoices, FittedToTheDesktopWithOneLinePerChange)
{
    writeFile("settings", "fullscreen = yes\n");
    struct Case {
        int scale;
        bool fullscreen;
        int deskWidth, deskHeight;
        int scaleAfter;
        bool fullscreenAfter;
        const char* line; // what the one line says, or "" for none
    } cases[] = {
        {3, false, 2048, 1536, 2, false, "--scale 3 would open a 2400x1800 window; using --scale 2 (1600x1200)"},
        {2, false, 1600, 1200, 2, false, ""},
        {8, false, 640, 480, 1, false, "using --scale 1 (800x600), the smallest there is on the 640x480 desktop"},
        {0, false, 640, 480, 1, false, "the 640x480 desktop is smaller than the game's 800x600: playing in a window"},
        {0, false, 1024, 768, 1, true, ""},
        {2, true, 1920, 1080, 1, true, "full screen ignores --scale 2; F11 or Esc goes back to a 800x600 window"},
    };
    for (const Case& c : cases) {
        GameOptions asked;
        asked.scale = c.scale;
        asked.fullscreen = c.fullscreen;
        PlayerChoices run(asked, "settings"); // remembers full screen
        testing::internal::CaptureStderr();
        run.fitDesktop(800, 600, c.deskWidth, c.deskHeight);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(run.scale(), c.scaleAfter) << c.line;
        EXPECT_EQ(run.fullscreen(), c.fullscreenAfter) << c.line;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.line[0] ? 1 : 0) << err;
        EXPECT_NE(err.find(c.line), std::string::npos) << err;
    }
    EXPECT_TRUE(readSettings("settings").fullscreen) << "a small desktop is no choice of the player's";
}

} // namespace
