#include "game/utils/son.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A plain tone as 16-bit mono PCM, long enough to still sound while a test looks.
void writeTone(const std::string& path, double seconds, double hz)
{
    const int rate = 22050;
    const uint32_t n = static_cast<uint32_t>(seconds * rate);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    auto u32 = [f](uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto u16 = [f](uint16_t v) { std::fwrite(&v, 2, 1, f); };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + n * 2);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(n * 2);
    for (uint32_t i = 0; i < n; ++i)
        u16(static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * hz * i / rate))));
    std::fclose(f);
}

bool haveLame() { return std::system("command -v lame >/dev/null 2>&1") == 0; }

// Each test runs in its own folder, so the three sound files are exactly the ones it made.
class SonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(getcwd(home, sizeof home), nullptr);
        const std::string dir = std::string("son_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mkdir(dir.c_str(), 0755);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        for (const char* f : {"musique.mp3", "pou.wav", "sprouch.wav"})
            std::remove(f);
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        savedDriver = driver ? driver : "";
        hadDriver = driver != nullptr;
    }

    void TearDown() override
    {
        FMOD_System_Release(SON::system);
        SON::system = nullptr;
        SON::musique = nullptr;
        if (hadDriver)
            setenv("SDL_AUDIODRIVER", savedDriver.c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        ASSERT_EQ(chdir(home), 0);
    }

    void writeEffects()
    {
        writeTone("pou.wav", 2.0, 660);
        writeTone("sprouch.wav", 2.0, 220);
    }

    bool writeMusic()
    {
        if (!haveLame())
            return false;
        writeTone("musique.wav", 2.0, 440);
        const bool ok = std::system("lame --quiet musique.wav musique.mp3") == 0;
        std::remove("musique.wav");
        return ok;
    }

    char home[4096] = {};
    std::string savedDriver;
    bool hadDriver = false;
};

TEST_F(SonTest, InitLoopsTheMusicAndEffectsOverlap)
{
    writeEffects();
    const bool music = writeMusic();
    SON::init();
    ASSERT_NE(SON::system, nullptr);
    if (music) {
        EXPECT_NE(SON::musique, nullptr);
        EXPECT_TRUE(platformSoundMusicPlaying());
    }
    EXPECT_EQ(platformSoundChannelsPlaying(), 0) << "the music must not take an effect channel";

    // Several kills in one frame: one sound each, all at once.
    SON::jouerSprotch();
    SON::jouerSprotch();
    SON::jouerPondre();
    EXPECT_EQ(platformSoundChannelsPlaying(), 3);
}

TEST_F(SonTest, PauseHoldsTheMusicUntilResumed)
{
    if (!writeMusic())
        GTEST_SKIP() << "lame is needed to make the music";
    SON::init();
    SON::setPause(true);
    EXPECT_FALSE(platformSoundMusicPlaying());
    SON::setPause(false);
    EXPECT_TRUE(platformSoundMusicPlaying());
}

TEST_F(SonTest, EffectsBeyondThirtyTwoAreDroppedNotCut)
{
    writeEffects();
    SON::init();
    for (int i = 0; i < 40; ++i)
        SON::jouerPondre();
    EXPECT_EQ(platformSoundChannelsPlaying(), 32);
}

TEST_F(SonTest, MissingFilesGiveSilence)
{
    SON::init();
    EXPECT_NE(SON::system, nullptr);
    EXPECT_EQ(SON::musique, nullptr);
    SON::jouerPondre();
    SON::jouerSprotch();
    SON::jouer(SON::musique);
    EXPECT_EQ(platformSoundChannelsPlaying(), 0);
    EXPECT_FALSE(platformSoundMusicPlaying());
}

TEST_F(SonTest, UnreadableFilesGiveSilence)
{
    for (const char* name : {"pou.wav", "sprouch.wav", "musique.mp3"}) {
        std::FILE* f = std::fopen(name, "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("RIFF\x10\0\0\0WAVEjunk", f);
        std::fclose(f);
    }
    SON::init();
    SON::jouerPondre();
    SON::jouerSprotch();
    EXPECT_EQ(platformSoundChannelsPlaying(), 0);
}

TEST_F(SonTest, NoAudioDeviceGivesSilence)
{
    writeEffects();
    writeMusic();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SON::init();
    EXPECT_NE(SON::system, nullptr);
    EXPECT_EQ(SON::musique, nullptr);
    SON::jouerPondre();
    SON::jouerSprotch();
    EXPECT_EQ(platformSoundChannelsPlaying(), 0);
    EXPECT_FALSE(platformSoundMusicPlaying());
}

TEST(FmodStandIn, RejectsNullHandlesAndReleasesCleanly)
{
    FMOD_SOUND* sound = reinterpret_cast<FMOD_SOUND*>(1);
    EXPECT_NE(FMOD_System_CreateSound(nullptr, "pou.wav", FMOD_CREATESAMPLE, nullptr, &sound), FMOD_OK);
    EXPECT_EQ(sound, nullptr);
    EXPECT_NE(FMOD_System_PlaySound(nullptr, FMOD_CHANNEL_FREE, nullptr, false, nullptr), FMOD_OK);

    FMOD_SYSTEM* system = nullptr;
    ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
    EXPECT_EQ(FMOD_System_CreateSound(system, "pou.wav", FMOD_CREATESAMPLE, nullptr, &sound), FMOD_ERR_UNINITIALIZED);
    ASSERT_EQ(FMOD_System_Init(system, 32, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system, 32, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_CreateSound(system, "absent.wav", FMOD_CREATESAMPLE, nullptr, &sound), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, nullptr, false, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_Release(system), FMOD_OK);
    EXPECT_EQ(platformSoundChannelsPlaying(), 0);
}

} // namespace
