#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/bash/bash.h"
#include "engine/bash/tovibashapp.h"
#include "engine/libD3D/d3dfont.h"
#include "engine/toviconsole9/commandeconsole.h"
#include "tests/console/capture.h"
#include "tests/support/fake_clock.h"

using consoletest::CaptureDevice;
using consoletest::TextDraw;

namespace {

DWORD g_now = 0;
DWORD fakeClock()
{
    return g_now;
}

class Console : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_now = 0;
        platformSetClock(&fakeClock);
        tovi = consoletest::makeTovi(dev);
        ASSERT_NE(dev, nullptr);
        console = std::make_unique<COMMANDECONSOLE>(tovi.get());
    }
    void TearDown() override
    {
        console.reset();
        tovi.reset();
        platformSetClock(nullptr);
    }

    // Draws the scroll-back only and returns its draws.
    std::vector<TextDraw> drawList()
    {
        dev->draws.clear();
        console->Mconsole::TOVICONSOLE::display();
        return dev->draws;
    }

    void pushNumbered(int n)
    {
        for (int i = 1; i <= n; ++i)
            console->push_line(("ligne " + std::to_string(i)).c_str(), 0xFF000000u + DWORD(i));
    }

    // The numbers of the drawn lines (colours carry them), bottom row first.
    static std::vector<int> numbersBottomUp(const std::vector<TextDraw>& draws)
    {
        std::vector<int> n;
        for (const auto& d : draws)
            n.push_back(int(d.color & 0xFFFFFF));
        return n;
    }

    std::unique_ptr<TOVI3D> tovi;
    CaptureDevice* dev = nullptr;
    std::unique_ptr<COMMANDECONSOLE> console;
};

TEST_F(Console, ShowsTheTwentyNewestLinesNewestAtTheBottom)
{
    pushNumbered(25);
    auto draws = drawList();
    ASSERT_EQ(draws.size(), 20u);
    for (size_t k = 0; k < draws.size(); ++k) {
        EXPECT_EQ(int(draws[k].color & 0xFF), 25 - int(k));
        EXPECT_NEAR(draws[k].top, (200 - 10 * (int(k) + 1)) * 1.47f, 1e-3f) << k;
    }
    EXPECT_NEAR(draws.front().top, 279.3f, 1e-3f);
    EXPECT_NEAR(draws.back().top, 0.0f, 1e-3f);
}

TEST_F(Console, ScrollingStopsPastTheOldestAndAtTheNewest)
{
    pushNumbered(15);
    console->move_cursor(10);
    auto draws = drawList();
    EXPECT_EQ(numbersBottomUp(draws), (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_NEAR(draws.front().top, 279.3f, 1e-3f);

    console->move_cursor(10);
    EXPECT_TRUE(drawList().empty());

    console->move_cursor(-10);
    draws = drawList();
    ASSERT_EQ(draws.size(), 10u);
    EXPECT_EQ(draws.front().color & 0xFF, 10u);

    console->move_cursor(-100);
    EXPECT_EQ(drawList().front().color & 0xFF, 15u);
    console->move_cursor(0);
    EXPECT_EQ(drawList().front().color & 0xFF, 15u);

    // A new line brings the view back to the newest.
    console->move_cursor(7);
    console->push_line("neuf", 0xFF0000FFu);
    EXPECT_EQ(drawList().front().color, 0xFF0000FFu);
}

TEST_F(Console, FlushCutsTheStreamIntoYellowLines)
{
    *console->getStream() << "a\nb\n";
    console->flush();
    const auto& lines = console->getlines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.front().ligne, "b");
    EXPECT_EQ(lines.back().ligne, "a");
    EXPECT_EQ(lines.front().color, 0xFFFFFF00u);

    console->flush();
    EXPECT_EQ(console->getlines().size(), 2u);

    *console->getStream() << "\nreste";
    console->flush();
    ASSERT_EQ(console->getlines().size(), 4u);
    EXPECT_EQ(console->getlines().front().ligne, "reste");
    EXPECT_EQ(std::next(console->getlines().begin())->ligne, "");
}

TEST_F(Console, HiddenConsoleDrawsNothingAndKeepsItsStream)
{
    *console->getStream() << "plus tard\n";
    console->setVisible(false);
    dev->draws.clear();
    console->display();
    EXPECT_TRUE(dev->draws.empty());
    EXPECT_TRUE(console->getlines().empty());
    console->setVisible(true);
    console->display();
    EXPECT_EQ(console->getlines().front().ligne, "plus tard");
}

TEST_F(Console, HistoryBrowsesOlderThenNewerThenEmpties)
{
    for (const char* c : {"un", "deux", "trois"}) {
        for (const char* p = c; *p; ++p)
            console->addchar(*p);
        console->execcommande();
    }
    EXPECT_STREQ(console->getcurrentcommande(), "");
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "trois");
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "deux");
    console->getpreviouscommande();
    EXPECT_STREQ(console->getcurrentcommande(), "trois");
    console->getpreviouscommande();
    EXPECT_STREQ(console->getcurrentcommande(), "");

    // Past the oldest: stays on it, the line is left as it is.
    for (int i = 0; i < 3; ++i)
        console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "un");
    console->removechar();
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "u");
    console->getpreviouscommande();
    EXPECT_STREQ(console->getcurrentcommande(), "deux");
    // Typing after a history copy appends to it.
    console->addchar('x');
    EXPECT_STREQ(console->getcurrentcommande(), "deuxx");
}

TEST_F(Console, HistoryKeepsEmptyAndRepeatedLinesAndIgnoresBrowsingWhenEmpty)
{
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "");
    console->addchar('a');
    console->getpreviouscommande();
    EXPECT_STREQ(console->getcurrentcommande(), "");

    console->execcommande();
    console->addchar('a');
    console->execcommande();
    console->addchar('a');
    console->execcommande();
    console->getnextcommande();
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "a");
    console->getnextcommande();
    EXPECT_STREQ(console->getcurrentcommande(), "");
}

TEST_F(Console, EditingRespectsTheLineLimits)
{
    console->removechar();
    EXPECT_STREQ(console->getcurrentcommande(), "");
    console->addchar(0);
    EXPECT_STREQ(console->getcurrentcommande(), "");
    for (int i = 0; i < 1100; ++i)
        console->addchar(char('a' + i % 26));
    std::string line = console->getcurrentcommande();
    EXPECT_EQ(line.size(), 1023u);
    EXPECT_EQ(line.back(), char('a' + 1022 % 26));
    console->removechar();
    console->addchar('!');
    EXPECT_EQ(std::string(console->getcurrentcommande()).back(), '!');
    // The full line with its cursor still draws.
    g_now = 700;
    dev->draws.clear();
    console->display();
    EXPECT_FALSE(dev->draws.empty());
}

TEST_F(Console, EnteredLineRunsThroughTheShellAndItsOutputShowsBelowTheEcho)
{
    BASH bash;
    bash.setStream(console->getStream());
    bash.add("echo", new ECHO);
    bash.add("calcul", new CALCUL);
    console->setBash(&bash);
    for (char c : std::string("echo [ calcul 1 + 2 ]"))
        console->addchar(c);
    console->execcommande();
    ASSERT_EQ(console->getlines().size(), 1u);
    EXPECT_EQ(console->getlines().front().ligne, "echo [ calcul 1 + 2 ]");
    EXPECT_EQ(console->getlines().front().color, 0xFFFF0000u);

    console->flush();
    bash.setStream(&std::cout);
    std::vector<std::string> lines;
    for (const auto& l : console->getlines())
        lines.push_back(l.ligne);
    EXPECT_EQ(lines, (std::vector<std::string>{"3 ", "", "echo [ calcul 1 + 2 ]"}));
}

TEST_F(Console, WithoutShellEnteredLinesAreOnlyEchoed)
{
    console->addchar('x');
    console->execcommande();
    console->flush();
    ASSERT_EQ(console->getlines().size(), 1u);
    EXPECT_EQ(console->getlines().front().ligne, "x");
}

TEST_F(Console, ScriptLinesRunThroughTheShellOrAreShown)
{
    const char* path = "console_script.txt";
    {
        std::ofstream f(path);
        f << "echo un\r\necho deux\n";
    }
    console->callscript(path);
    std::vector<std::string> lines;
    for (const auto& l : console->getlines())
        lines.push_back(l.ligne);
    EXPECT_EQ(lines, (std::vector<std::string>{"echo deux", "echo un", "loading file console_script.txt"}));

    BASH bash;
    bash.setStream(console->getStream());
    bash.add("echo", new ECHO);
    console->setBash(&bash);
    console->callscript(path);
    console->flush();
    bash.setStream(&std::cout);
    EXPECT_EQ(console->getlines().front().ligne, "deux ");
    EXPECT_EQ(std::next(console->getlines().begin())->ligne, "un ");

    size_t before = console->getlines().size();
    console->callscript("pas_de_fichier.txt");
    console->flush();
    EXPECT_EQ(console->getlines().size(), before);
    std::remove(path);
}

TEST_F(Console, CursorBlinksEveryHalfSecondBelowTheScrollBack)
{
    console->addchar('a');
    console->addchar('b');
    auto editedLine = [&](DWORD now) {
        g_now = now;
        dev->draws.clear();
        console->display();
        EXPECT_EQ(dev->draws.size(), 1u);
        return dev->draws.empty() ? TextDraw{} : dev->draws.back();
    };
    TextDraw d = editedLine(0);
    EXPECT_EQ(d.vertices, 12u);
    EXPECT_NEAR(d.top, 201 * 1.47f, 1e-3f);
    EXPECT_EQ(d.color, 0xFFFFFF00u);
    EXPECT_EQ(editedLine(500).vertices, 12u);
    EXPECT_EQ(editedLine(501).vertices, 18u);
    EXPECT_EQ(editedLine(999).vertices, 18u);
    EXPECT_EQ(editedLine(1000).vertices, 12u);
    EXPECT_EQ(editedLine(123456789).vertices, 18u);
}

TEST(ConsoleLook, GivenFontSetsLineHeightSpacingAndColour)
{
    CaptureDevice* dev = nullptr;
    auto tovi = consoletest::makeTovi(dev);
    CD3DFont font("Arial", 20, 0);
    {
        COMMANDECONSOLE console(tovi.get(), &font, 0xFF00FF00u, 5, 2.0f);
        for (int i = 0; i < 8; ++i)
            console.push_line("ligne", 0xFFFFFFFFu);
        console.addchar('z');
        dev->draws.clear();
        console.display();
        ASSERT_EQ(dev->draws.size(), 6u);
        EXPECT_NEAR(dev->draws[0].top, (100 - 20) * 2.0f, 1e-3f);
        EXPECT_NEAR(dev->draws[4].top, 0.0f, 1e-3f);
        EXPECT_NEAR(dev->draws[5].top, 101 * 2.0f, 1e-3f);
        EXPECT_EQ(dev->draws[5].color, 0xFF00FF00u);
    }
    // The given font outlives the console.
    dev->draws.clear();
    font.DrawTextA(0, 0, 0xFFFFFFFFu, "x", 0);
    EXPECT_EQ(dev->draws.size(), 1u);
}

} // namespace
