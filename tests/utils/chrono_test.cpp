#include "game/utils/chrono.h"
#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

namespace {

DWORD g_now = 0;
DWORD fakeClock()
{
    return g_now;
}

class ChronoTest : public ::testing::Test {
protected:
    void SetUp() override { platformSetClock(&fakeClock); }
    void TearDown() override { platformSetClock(nullptr); }
};

TEST_F(ChronoTest, FrameLengthsAndWholeSeconds)
{
    g_now = 1000;
    TIME_MANAGER tm;
    g_now = 1999;
    tm.update();
    EXPECT_EQ(tm.getTempsEcouleMS(), 999);
    EXPECT_EQ(tm.getTempsEcouleS(), 0);
    g_now = 2999;
    tm.update();
    EXPECT_EQ(tm.getTempsEcouleS(), 1);
    EXPECT_EQ(tm.getTempsDepuisLeDebutMS(), 1999);
    EXPECT_EQ(tm.getTempsDepuisLeDebutS(), 1);
    tm.update(); // same millisecond
    EXPECT_EQ(tm.getTempsEcouleMS(), 0);
}

TEST_F(ChronoTest, ClockWrapIsHandledIn32Bits)
{
    g_now = 0xFFFFFFF0u;
    TIME_MANAGER tm;
    g_now = 0x10u;
    tm.update();
    EXPECT_EQ(tm.getTempsEcouleMS(), 0x20);
    EXPECT_EQ(tm.getTempsDepuisLeDebutMS(), 0x20);
}

TEST_F(ChronoTest, CountdownFinishesStrictlyAfterItsDeadline)
{
    g_now = 500;
    TIME_MANAGER tm;
    tm.update();
    CRONOMETRE c(&tm, 2000);
    g_now = 2500;
    tm.update();
    EXPECT_FALSE(c.isFini());
    EXPECT_EQ(c.timeLeftMS(), 0);
    g_now = 2501;
    tm.update();
    EXPECT_TRUE(c.isFini());

    g_now = 501;
    tm.update();
    EXPECT_EQ(c.timeLeftS(), 1); // 1999 ms left
    g_now = 4000;
    tm.update();
    EXPECT_EQ(c.timeLeftMS(), -1500);
    EXPECT_EQ(c.timeLeftS(), -1);

    CRONOMETRE now(&tm, 0);
    EXPECT_FALSE(now.isFini());
    g_now = 4001;
    tm.update();
    EXPECT_TRUE(now.isFini());
}

} // namespace
