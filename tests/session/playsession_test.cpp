#include "game/session/playsession.h"

#include "tests/game/monde.h"

#include <cstring>

namespace {

class Session : public Monde {
protected:
    // Where the chickens stand: two worlds that played the same are at the same places.
    std::vector<cpVect> flock()
    {
        std::vector<cpVect> out;
        for (auto& e : zeus->rEntiteMap_)
            if (e.second->type == ETYPE_POULET)
                out.push_back(e.second->position);
        return out;
    }
    static bool same(const std::vector<cpVect>& a, const std::vector<cpVect>& b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].x != b[i].x || a[i].y != b[i].y)
                return false;
        return true;
    }
    // A new world from the same seed, as a new process would start it.
    void freshWorld(uint32_t seed)
    {
        zeus.reset();
        Entitee::idCount = 0;
        gameSrand(seed);
        zeus = std::make_unique<Zeus>();
        Gaya::init(zeus.get(), manager.get());
    }
    static std::string caption(const GameFrame& f) { return f.caption() ? f.caption() : ""; }
};

} // namespace

TEST_F(Session, PauseHoldsTheWorldStepsOneFrameAndIsNotAFrameOfTheGame)
{
    GameFrame frame(zeus.get());
    PlaySession s(frame, *zeus, PlaySession::Mode::Player, 1);
    s.keyDown(SDLK_p);
    EXPECT_FALSE(s.paused()) << "no game under way before an F-key";
    s.run();
    EXPECT_EQ(caption(frame), "") << "the difficulty prompt stands";

    s.keyDown(SDLK_F2);
    s.pointer(700, 300);
    for (int i = 0; i < 20; ++i)
        s.run();
    s.keyDown(SDLK_p);
    ASSERT_TRUE(s.paused());
    EXPECT_EQ(caption(frame), "PAUSE");
    const std::vector<cpVect> before = flock();
    ASSERT_EQ(before.size(), 4u);
    s.pointer(100, 100); // moves while paused count in the next frame played
    for (int i = 0; i < 30; ++i)
        s.run();
    EXPECT_EQ(s.framesPlayed(), 21);
    EXPECT_TRUE(same(flock(), before)) << "the world held still";

    s.keyDown(SDLK_PERIOD);
    s.run();
    s.run();
    EXPECT_EQ(s.framesPlayed(), 22) << "'.' plays exactly one frame";
    EXPECT_FALSE(same(flock(), before));
    EXPECT_TRUE(s.paused());

    s.keyDown(SDLK_p);
    EXPECT_FALSE(s.paused());
    EXPECT_EQ(caption(frame), "");
    s.run();
    EXPECT_EQ(s.framesPlayed(), 23);

    const Replay* r = s.recorded();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->fkey, 2);
    EXPECT_EQ(r->fkeyFrame, 1);
    ASSERT_EQ(r->moves.size(), 2u);
    EXPECT_EQ(r->moves[1].frame, 21) << "the move made while paused belongs to the frame that played it";
    EXPECT_EQ(r->outcome.frames, 23);
}

TEST_F(Session, FocusLostPausesOnlyAWindowThatHadItAndAClickResumes)
{
    GameFrame frame(zeus.get());
    PlaySession s(frame, *zeus, PlaySession::Mode::Player, 1);
    s.activity(true, SDL_APPINPUTFOCUS);
    s.activity(false, SDL_APPINPUTFOCUS);
    EXPECT_FALSE(s.paused()) << "no game under way yet";
    s.keyDown(SDLK_F1);
    s.run();
    s.activity(false, SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS);
    EXPECT_TRUE(s.paused());
    s.click();
    EXPECT_FALSE(s.paused());

    GameFrame bare(zeus.get());
    PlaySession never(bare, *zeus, PlaySession::Mode::Player, 1);
    never.keyDown(SDLK_F1);
    never.run();
    never.activity(false, SDL_APPINPUTFOCUS);
    EXPECT_FALSE(never.paused()) << "a window that never had the focus";
    never.activity(false, SDL_APPACTIVE);
    EXPECT_TRUE(never.paused()) << "minimised";
}

TEST_F(Session, AReplayPlaysTheRecordedGameAgainWithTheMouseIgnored)
{
    freshWorld(77);
    Replay recorded;
    std::vector<cpVect> end;
    {
        GameFrame frame(zeus.get());
        PlaySession s(frame, *zeus, PlaySession::Mode::Player, 77);
        for (int f = 0; f < 400; ++f) {
            if (f == 5)
                s.keyDown(SDLK_F6);
            if (f % 7 == 0)
                s.pointer(500 + f % 300, 100 + (f * 13) % 400);
            if (f == 100)
                s.keyDown(SDLK_p);
            if (f == 130)
                s.keyDown(SDLK_p);
            s.run();
        }
        recorded = *s.recorded();
        end = flock();
        EXPECT_EQ(recorded.outcome.frames, 370);
    }

    freshWorld(77);
    GameFrame frame(zeus.get());
    PlaySession s(frame, *zeus, PlaySession::Mode::Replay, 0, 0, &recorded);
    EXPECT_EQ(caption(frame), "REPLAY");
    s.keyDown(SDLK_F1);
    s.pointer(0, 0);
    s.keyDown(SDLK_TAB);
    s.run();
    EXPECT_EQ(s.framesPlayed(), 4) << "Tab held: four frames a shown frame";
    s.keyUp(SDLK_TAB);
    for (int i = 0; i < 500; ++i)
        s.run();
    EXPECT_EQ(s.framesPlayed(), 370) << "a replay stops at its end";
    EXPECT_TRUE(s.outcome() == recorded.outcome) << s.outcome().line() << " / " << recorded.outcome.line();
    EXPECT_TRUE(same(flock(), end));
    EXPECT_EQ(frame.difficulty(), 0.5f);
    EXPECT_EQ(s.recorded(), nullptr) << "a replay is not recorded again";
}

TEST_F(Session, TheDemoChoosesInItsFirstFrameAndRecordsThePointerOfEveryFrame)
{
    GameFrame frame(zeus.get());
    PlaySession s(frame, *zeus, PlaySession::Mode::Demo, 9, 4);
    EXPECT_EQ(caption(frame), "DEMO");
    s.pointer(1, 1);
    s.keyDown(SDLK_F9);
    for (int i = 0; i < 10; ++i)
        s.run();
    const Replay* r = s.recorded();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->fkey, 4);
    EXPECT_EQ(r->fkeyFrame, 0);
    EXPECT_EQ(r->seed, 9u);
    EXPECT_EQ(r->moves.size(), 10u);
}
