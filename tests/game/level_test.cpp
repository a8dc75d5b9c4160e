#include "monde.h"

#include "game/entities/Scie.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace {

struct Bornes {
    float d;
    int oeuf[2], grain[2], scie[2], taser[2];
};

// What the ten difficulty keys give, truncation included.
const Bornes TABLE[] = {
    {0.0f, {3000, 10000}, {3000, 5000}, {300, 1200}, {300, 2000}},
    {0.1f, {3200, 11000}, {2729, 4599}, {279, 1119}, {279, 1859}},
    {0.2f, {3400, 12000}, {2459, 4199}, {259, 1039}, {259, 1719}},
    {0.3f, {3600, 13000}, {2189, 3799}, {239, 959}, {239, 1579}},
    {0.4f, {3800, 14000}, {1919, 3399}, {219, 879}, {219, 1439}},
    {0.5f, {4000, 15000}, {1650, 3000}, {200, 800}, {200, 1300}},
    {0.6f, {4200, 16000}, {1379, 2599}, {179, 719}, {179, 1159}},
    {0.7f, {4399, 16999}, {1110, 2200}, {160, 640}, {160, 1020}},
    {0.8f, {4600, 18000}, {839, 1799}, {139, 559}, {139, 879}},
    {1.0f, {5000, 20000}, {300, 1000}, {100, 400}, {100, 600}},
};

void observer(const std::function<int()>& tirage, const int attendu[2], float d, const char* quoi)
{
    int mini = INT_MAX, maxi = INT_MIN;
    for (int i = 0; i < 200000; ++i) {
        int v = tirage();
        mini = std::min(mini, v);
        maxi = std::max(maxi, v);
    }
    EXPECT_EQ(mini, attendu[0]) << quoi << " d=" << d;
    EXPECT_EQ(maxi, attendu[1] - 1) << quoi << " d=" << d;
}

using Niveau = Monde;

TEST_F(Niveau, GeneratorsSpanTheirTableForEveryDifficulty)
{
    for (const Bornes& b : TABLE) {
        zeus->fDifficultee_ = b.d;
        observer([&] { return zeus->generateNextOeufChrono(); }, b.oeuf, b.d, "oeuf");
        observer([&] { return zeus->generateNextGrainChrono(); }, b.grain, b.d, "grain");
        observer([&] { return zeus->generateNextScieDistance(); }, b.scie, b.d, "scie");
        observer([&] { return zeus->generateNextTaserDistance(); }, b.taser, b.d, "taser");
    }
}

TEST_F(Niveau, RandomIsTheFifteenBitGenerator)
{
    gameSrand(0);
    EXPECT_EQ(gameRand(), 38);
    EXPECT_EQ(gameRand(), 7719);
    EXPECT_EQ(gameRand(), 21238);
    gameSrand(1);
    EXPECT_EQ(gameRand(), 41);
    EXPECT_EQ(gameRand(), 18467);
    for (int i = 0; i < 100000; ++i) {
        int v = gameRand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, GAME_RAND_MAX);
    }
}

TEST_F(Niveau, EasyLevelPlacesSawsAndTasersWithinTheBelt)
{
    for (uint32_t graine : {1u, 7u, 99u, 123456u}) {
        gameSrand(graine);
        zeus->initLevel(0.0f);
        zeus->inserer();
        float premiereScie = 1e9f;
        int scies = 0, tasers = 0;
        for (auto& e : zeus->rEntiteMap_) {
            Entitee* x = e.second;
            if (x->type == ETYPE_SCIE) {
                ++scies;
                premiereScie = std::min(premiereScie, static_cast<float>(x->position.x));
                Scie* s = static_cast<Scie*>(x);
                EXPECT_EQ(x->position.y, s->iOrientation == -1 ? 250 : -250);
                EXPECT_TRUE(s->iOrientation == 1 || s->iOrientation == -1);
            } else if (x->type == ETYPE_TASER) {
                ++tasers;
                EXPECT_EQ(x->position.y, 0);
            }
            if (x->type == ETYPE_SCIE || x->type == ETYPE_TASER) {
                EXPECT_LE(x->position.x, 7500);
            }
        }
        EXPECT_GE(premiereScie, 600);
        EXPECT_LE(premiereScie, 1499);
        EXPECT_GT(scies, 4);
        EXPECT_GT(tasers, 3);
    }
}

TEST_F(Niveau, InitLevelEmptiesTheMapButNotTheQueue)
{
    zeus->update(30); // spawns a grain and an egg at once: both timers start at 0
    zeus->update(30);
    EXPECT_EQ(compter(ETYPE_GRAIN), 1);
    EXPECT_EQ(compter(ETYPE_OEUF), 1);
    Entitee* attente = Gaya::getGrain();
    zeus->addEntiteeToWorld(attente);
    zeus->initLevel(0.5f);
    EXPECT_EQ(compter(ETYPE_GRAIN), 0);
    EXPECT_EQ(compter(ETYPE_OEUF), 0);
    EXPECT_EQ(zeus->rAInsererVec_.front(), attente);
    EXPECT_FLOAT_EQ(zeus->fDifficultee_, 0.5f);
}

TEST_F(Niveau, SawReceivesTheDifficultyForItsSpeed)
{
    for (float d : {0.0f, 1.0f}) {
        zeus->fDifficultee_ = d;
        for (int i = 0; i < 200; ++i) {
            std::unique_ptr<Scie> s(Gaya::getScie());
            float vMin = static_cast<float>(d * 0.15 + 0.05), vMax = static_cast<float>(d * 0.3 + 0.1);
            EXPECT_GE(s->vitesse, vMin);
            EXPECT_LE(s->vitesse, vMax);
            EXPECT_GE(s->longueur, 100);
            EXPECT_LE(s->longueur, 399);
            EXPECT_EQ(s->rBarre, element("barre"));
            PhysicsManager::freeShape(s->shape);
        }
    }
}

TEST_F(Niveau, IdsGrowAcrossLevels)
{
    std::unique_ptr<Entitee> a(Gaya::getEntiteeTombante(ETYPE_SANG));
    std::unique_ptr<Entitee> b(Gaya::getEntiteeTombante(ETYPE_COUNT));
    EXPECT_EQ(b->id, a->id + 1);
    EXPECT_EQ(a->type, ETYPE_TOMBE);
    EXPECT_EQ(a->elem, element("sang"));
    EXPECT_EQ(a->shape, nullptr);
    EXPECT_EQ(b->elem, nullptr);
    zeus->initLevel(0.3f);
    std::unique_ptr<Entitee> c(Gaya::getEntiteeTombante(ETYPE_GRAIN));
    EXPECT_GT(c->id, b->id);
}

}
