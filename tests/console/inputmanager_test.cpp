#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/toviconsole9/commandeconsole.h"
#include "game/utils/inputmanager.h"
#include "tests/console/capture.h"

namespace {

SDL_Event keyDown(SDLKey sym, int mod = KMOD_NONE)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = SDLMod(mod);
    return e;
}

SDL_Event wheel(Uint8 button)
{
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    return e;
}

char typed(INPUTMANAGER& in, SDLKey sym, int mod = KMOD_NONE)
{
    SDL_keysym k{};
    k.sym = sym;
    k.mod = SDLMod(mod);
    testing::internal::CaptureStdout();
    char c = in.correspondance(&k);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(int(sym)) + "\n");
    return c;
}

TEST(KeyTable, FollowsTheFrenchLayout)
{
    INPUTMANAGER in;
    EXPECT_EQ(typed(in, SDLK_8, KMOD_LSHIFT), '_');
    EXPECT_EQ(typed(in, SDLK_8), '_');
    EXPECT_EQ(typed(in, SDLK_5, KMOD_RSHIFT), '5');
    EXPECT_EQ(typed(in, SDLK_5), '(');
    EXPECT_EQ(typed(in, SDLK_5, KMOD_MODE), '[');
    EXPECT_EQ(typed(in, SDLK_5, KMOD_RALT), '[');
    EXPECT_EQ(typed(in, SDLK_5, KMOD_LALT), '[');
    EXPECT_EQ(typed(in, SDLK_5, KMOD_SHIFT | KMOD_MODE), '5');
    EXPECT_EQ(typed(in, SDLK_LEFTBRACKET, KMOD_MODE), ']');
    EXPECT_EQ(typed(in, SDLK_LEFTBRACKET), ')');
    EXPECT_EQ(typed(in, SDLK_0), 0);
    EXPECT_EQ(typed(in, SDLK_1), 0);
    EXPECT_EQ(typed(in, SDLK_9, KMOD_LSHIFT), '9');
    EXPECT_EQ(typed(in, SDLK_0, KMOD_LSHIFT), '0');
}

TEST(KeyTable, LettersSpaceAndPunctuation)
{
    INPUTMANAGER in;
    EXPECT_EQ(typed(in, SDLK_a), 'a');
    EXPECT_EQ(typed(in, SDLK_a, KMOD_LSHIFT), 'A');
    EXPECT_EQ(typed(in, SDLK_z, KMOD_RSHIFT), 'Z');
    EXPECT_EQ(typed(in, SDLK_q, KMOD_CAPS), 'q');
    EXPECT_EQ(typed(in, SDLK_SPACE), ' ');
    EXPECT_EQ(typed(in, SDLK_PERIOD, KMOD_LSHIFT), '.');
    EXPECT_EQ(typed(in, SDLK_PERIOD), 0);
    EXPECT_EQ(typed(in, SDLK_KP_MULTIPLY), '*');
    EXPECT_EQ(typed(in, SDLK_KP_MINUS), '-');
    EXPECT_EQ(typed(in, SDLK_KP_PLUS), '+');
    EXPECT_EQ(typed(in, SDLK_SLASH), 0);
    EXPECT_EQ(typed(in, SDLK_F1), 0);
}

TEST(KeyTable, KeypadDigitsWithOrWithoutShift)
{
    INPUTMANAGER in;
    EXPECT_EQ(typed(in, SDLK_KP7), '7');
    EXPECT_EQ(typed(in, SDLK_KP7, KMOD_LSHIFT), '7');
    EXPECT_EQ(typed(in, SDLK_KP0), '0');
    EXPECT_EQ(typed(in, SDLK_KP9), '9');
}

char typedText(INPUTMANAGER& in, SDLKey sym, int mod, Uint16 unicode)
{
    SDL_keysym k{};
    k.sym = sym;
    k.mod = SDLMod(mod);
    k.unicode = unicode;
    testing::internal::CaptureStdout();
    char c = in.correspondance(&k);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::to_string(int(sym)) + "\n");
    return c;
}

// Key codes and characters as SDL gives them under X11 with a French layout.
TEST(KeyTable, TheLayoutsCharacterComesFirst)
{
    INPUTMANAGER in;
    EXPECT_EQ(typedText(in, SDLK_AMPERSAND, KMOD_LSHIFT, '1'), '1');
    EXPECT_EQ(typedText(in, SDLK_LEFTPAREN, KMOD_MODE, '['), '[');
    EXPECT_EQ(typedText(in, SDLK_8, KMOD_LSHIFT, '*'), '*');   // a US Shift+8, not the table's '_'
    EXPECT_EQ(typedText(in, SDLK_a, KMOD_CAPS, 'A'), 'A');
    EXPECT_EQ(typedText(in, SDLKey(233), KMOD_NONE, 0xE9), 0); // 'é': no glyph, no command takes it
    EXPECT_EQ(typedText(in, SDLK_e, KMOD_MODE, 0x20AC), 0);    // AltGr+E, the euro sign
    // No character: the table still answers.
    EXPECT_EQ(typedText(in, SDLK_KP7, KMOD_NONE, 0), '7');      // keypad with Num Lock off
    EXPECT_EQ(typedText(in, SDLK_c, KMOD_LCTRL, 3), 'c');
    EXPECT_EQ(typedText(in, SDLK_TAB, KMOD_NONE, 9), 0);
}

class Routing : public ::testing::Test {
protected:
    void SetUp() override
    {
        tovi = consoletest::makeTovi(dev);
        console = std::make_unique<COMMANDECONSOLE>(tovi.get());
        in.laconsole = console.get();
    }
    void TearDown() override
    {
        console.reset();
        tovi.reset();
    }
    std::string send(SDL_Event e)
    {
        testing::internal::CaptureStdout();
        in.reception(e);
        return testing::internal::GetCapturedStdout();
    }

    std::unique_ptr<TOVI3D> tovi;
    consoletest::CaptureDevice* dev = nullptr;
    std::unique_ptr<COMMANDECONSOLE> console;
    INPUTMANAGER in;
};

TEST_F(Routing, KeysEditRunAndBrowse)
{
    EXPECT_EQ(send(keyDown(SDLK_e)), "101\n");
    send(keyDown(SDLK_5, KMOD_MODE));
    EXPECT_EQ(send(keyDown(SDLK_1)), "49\n");  // passed on as 0: nothing typed
    send(keyDown(SDLK_1, KMOD_LSHIFT));
    EXPECT_STREQ(console->getcurrentcommande(), "e[1");
    EXPECT_EQ(send(keyDown(SDLK_BACKSPACE)), "");
    EXPECT_STREQ(console->getcurrentcommande(), "e[");
    EXPECT_EQ(send(keyDown(SDLK_RETURN)), "");
    EXPECT_STREQ(console->getcurrentcommande(), "");
    EXPECT_EQ(console->getlines().front().ligne, "e[");
    EXPECT_EQ(send(keyDown(SDLK_UP)), "");
    EXPECT_STREQ(console->getcurrentcommande(), "e[");
    EXPECT_EQ(send(keyDown(SDLK_DOWN)), "");
    EXPECT_STREQ(console->getcurrentcommande(), "");

    SDL_Event up{};
    up.type = SDL_KEYUP;
    up.key.keysym.sym = SDLK_a;
    EXPECT_EQ(send(up), "");
    EXPECT_STREQ(console->getcurrentcommande(), "");
}

TEST_F(Routing, WheelScrollsTenLines)
{
    for (int i = 1; i <= 15; ++i)
        console->push_line(std::to_string(i).c_str(), 0xFF000000u + DWORD(i));
    send(wheel(SDL_BUTTON_WHEELUP));
    dev->draws.clear();
    console->Mconsole::TOVICONSOLE::display();
    ASSERT_FALSE(dev->draws.empty());
    EXPECT_EQ(dev->draws.front().color & 0xFF, 5u);
    send(wheel(SDL_BUTTON_WHEELDOWN));
    send(wheel(SDL_BUTTON_LEFT));
    dev->draws.clear();
    console->Mconsole::TOVICONSOLE::display();
    ASSERT_FALSE(dev->draws.empty());
    EXPECT_EQ(dev->draws.front().color & 0xFF, 15u);
}

TEST_F(Routing, GameSideReceptionDrainsTheQueueAndOpensOnQuote)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(64, 64, 0, 0), nullptr) << SDL_GetError();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    console->setVisible(false);
    SDL_Event a = keyDown(SDLK_a);
    SDL_PushEvent(&a);
    in.receptionjeu(SDL_Event{});
    EXPECT_FALSE(console->isVisible());

    SDL_Event quote = keyDown(SDLK_QUOTE);
    SDL_PushEvent(&a);
    SDL_PushEvent(&quote);
    SDL_PushEvent(&a);
    in.receptionjeu(SDL_Event{});
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(SDL_PollEvent(&e), 0);
    EXPECT_STREQ(console->getcurrentcommande(), "");
    SDL_Quit();
}

} // namespace
