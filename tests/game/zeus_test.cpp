#include "monde.h"

#include "game/entities/EntiteeTombe.h"
#include "game/entities/Grain.h"
#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"

namespace {

using Directeur = Monde;

// Hands a grain over in the middle of the director's walk.
struct Semeur : public Entitee {
    Semeur(Zeus* z) : Entitee(z, nullptr, ETYPE_BARRE, nullptr) {}
    void update(int) override
    {
        if (!seme) {
            seme = Gaya::getGrain();
            seme->setXY(300, 20);
            zeus->addEntiteeToWorld(seme);
        }
    }
    Entitee* seme = nullptr;
};

// Records the order of destruction.
struct Temoin : public Entitee {
    Temoin(Zeus* z, std::vector<int>* j) : Entitee(z, nullptr, ETYPE_BARRE, nullptr), journal(j) {}
    ~Temoin() override { journal->push_back(id); }
    std::vector<int>* journal;
};

TEST_F(Directeur, EntityHandedOverDuringUpdateWaitsForTheNextFrame)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 1000000;
    Semeur* semeur = poser(new Semeur(zeus.get()), 0, 0);
    zeus->update(30);
    ASSERT_NE(semeur->seme, nullptr);
    EXPECT_EQ(zeus->rEntiteMap_.count(semeur->seme->id), 0u);
    EXPECT_EQ(semeur->seme->position.x, 300); // the belt did not move it
    zeus->render();
    EXPECT_TRUE(element("grain")->dessins.empty());

    zeus->update(30);
    EXPECT_EQ(zeus->rEntiteMap_.count(semeur->seme->id), 1u);
    EXPECT_FLOAT_EQ(semeur->seme->position.x, 298.5f);
    zeus->render();
    EXPECT_EQ(element("grain")->dessins.size(), 2u);
    EXPECT_FLOAT_EQ(element("grain")->dessins[0]._41, 298.5f);
    EXPECT_FLOAT_EQ(element("grain")->dessins[0]._42, 20.0f);
}

TEST_F(Directeur, MarkedEntitiesAreDestroyedLargestIdFirst)
{
    std::vector<int> journal;
    Temoin* a = poser(new Temoin(zeus.get(), &journal), 0, 0);
    Temoin* garde = poser(new Temoin(zeus.get(), &journal), 0, 0);
    Temoin* b = poser(new Temoin(zeus.get(), &journal), 0, 0);
    int ia = a->id, ib = b->id;
    a->aSupprimer = b->aSupprimer = true;
    zeus->nettoyer();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0], ib);
    EXPECT_EQ(journal[1], ia);
    EXPECT_EQ(zeus->rEntiteMap_.size(), 1u);
    EXPECT_EQ(zeus->rEntiteMap_.begin()->second, garde);
    garde->aSupprimer = true;
    zeus->nettoyer();
}

TEST_F(Directeur, GrainFallsOnlyPastTheStartEdge)
{
    Entitee* reste = poser(Gaya::getGrain(), -40.0f, 12);
    zeus->choirEntitee();
    EXPECT_FALSE(reste->aSupprimer);
    EXPECT_TRUE(zeus->rAInsererVec_.empty());

    Entitee* tombe = poser(Gaya::getGrain(), -40.1f, 12);
    zeus->choirEntitee();
    EXPECT_TRUE(tombe->aSupprimer);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 1u);
    Entitee* copie = zeus->rAInsererVec_[0];
    EXPECT_EQ(copie->type, ETYPE_TOMBE);
    EXPECT_EQ(copie->shape, nullptr);
    EXPECT_EQ(copie->elem, element("grain"));
    EXPECT_FLOAT_EQ(static_cast<float>(copie->position.x), -40.1f);
    EXPECT_EQ(copie->position.y, 12);
}

TEST_F(Directeur, ChickenEdgesAndFinish)
{
    Poulet* bord = poser(Gaya::getPoulet(), 100, 200);
    Poulet* haut = poser(Gaya::getPoulet(), 200, 200.5f);
    Poulet* bas = poser(Gaya::getPoulet(), 300, -200.5f);
    Poulet* fini = poser(Gaya::getPoulet(), 8000, 0);
    // Over a side and past the start in one frame: one falling chicken only.
    Poulet* coin = poser(Gaya::getPoulet(), -50, 250);
    zeus->choirEntitee();
    EXPECT_FALSE(bord->aSupprimer);
    EXPECT_TRUE(haut->aSupprimer);
    EXPECT_TRUE(bas->aSupprimer);
    EXPECT_TRUE(fini->aSupprimer);
    EXPECT_TRUE(coin->aSupprimer);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 3u);
    for (Entitee* e : zeus->rAInsererVec_)
        ASSERT_EQ(e->type, ETYPE_POULETTOMBE);
    EXPECT_TRUE(static_cast<PouletTombe*>(zeus->rAInsererVec_[0])->haut);
    EXPECT_FALSE(static_cast<PouletTombe*>(zeus->rAInsererVec_[1])->haut);
    EXPECT_TRUE(static_cast<PouletTombe*>(zeus->rAInsererVec_[2])->haut);
    EXPECT_EQ(zeus->stats.iTombes, 3);
    EXPECT_EQ(zeus->stats.iArrives, 1);
}

TEST_F(Directeur, FallingCopySinksAndGoesAfterTwentySeconds)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    Entitee* copie = Gaya::getEntiteeTombante(ETYPE_GRAIN);
    copie->setXY(100, 50);
    zeus->addEntiteeToWorld(copie);
    int id = copie->id;
    zeus->update(30);
    EXPECT_EQ(copie->position.x, 100);
    EXPECT_EQ(copie->position.y, 47);
    for (int i = 2; i <= 666; ++i)
        zeus->update(30);
    ASSERT_EQ(zeus->rEntiteMap_.count(id), 1u);
    EXPECT_EQ(static_cast<EntiteeTombe*>(copie)->tempsVie, 19980);
    zeus->update(30);
    EXPECT_EQ(zeus->rEntiteMap_.count(id), 0u);
}

TEST_F(Directeur, GrainTimerOvershootIsLost)
{
    zeus->iNextGrainChrono_ = 10;
    zeus->iNextOeufChrono_ = 1000000;
    gameSrand(77);
    int y = gameRand() % 400 - 200;
    int attendu = 3000 + gameRand() % 2000;
    gameSrand(77);
    zeus->fCamCenterX_ = 1000;
    zeus->creerObstacles(30);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 1u);
    Entitee* g = zeus->rAInsererVec_[0];
    EXPECT_EQ(g->type, ETYPE_GRAIN);
    EXPECT_EQ(g->position.x, 1500);
    EXPECT_EQ(g->position.y, y);
    EXPECT_EQ(zeus->iNextGrainChrono_, attendu);
    EXPECT_EQ(zeus->iNextOeufChrono_, 1000000 - 30);
}

TEST_F(Directeur, BeltCarriesItemsOnly)
{
    Entitee* g = poser(Gaya::getGrain(), 500, 0);
    Entitee* o = poser(Gaya::getOeuf(), 500, 50);
    Entitee* s = poser(Gaya::getSang(), 500, 100);
    Entitee* p = poser(Gaya::getPoulet(), 500, -100);
    Entitee* t = poser(Gaya::getEntiteeTombante(ETYPE_GRAIN), 500, 150);
    zeus->deplacerTapis(30);
    EXPECT_FLOAT_EQ(static_cast<float>(g->position.x), 498.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(o->position.x), 498.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(s->position.x), 498.5f);
    EXPECT_EQ(p->position.x, 500);
    EXPECT_EQ(t->position.x, 500);
    EXPECT_EQ(cpBodyGetPos(cpShapeGetBody(g->shape)).x, g->position.x);
}

TEST_F(Directeur, GrainLeavesTheBeltOnItsThreeHundredAndSixtyFirstFrame)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    Entitee* g = poser(Gaya::getGrain(), 500, 0);
    int id = g->id;
    for (int i = 0; i < 360; ++i)
        zeus->update(30);
    ASSERT_EQ(zeus->rEntiteMap_.count(id), 1u);
    EXPECT_FLOAT_EQ(static_cast<float>(g->position.x), -40.0f);
    zeus->update(30);
    EXPECT_EQ(zeus->rEntiteMap_.count(id), 0u);
    EXPECT_EQ(enFile(ETYPE_TOMBE), 1);
}

TEST_F(Directeur, RenderDrawsByLayersThenEverything)
{
    poser(Gaya::getOeuf(), 0, 0);
    poser(Gaya::getGrain(), 0, 0);
    poser(Gaya::getEntiteeTombante(ETYPE_SANG), 0, 0);
    poser(Gaya::getSang(), 0, 0);
    zeus->render();
    EXPECT_EQ(element("oeuf")->dessins.size(), 3u);
    EXPECT_EQ(element("grain")->dessins.size(), 2u);
    EXPECT_EQ(element("sang")->dessins.size(), 3u); // blood twice, its falling copy once
}

}
