#include "monde.h"

#include "game/entities/Barre.h"
#include "game/entities/Poulet.h"
#include "game/entities/PouletTombe.h"
#include "game/entities/Sang.h"

#include <cmath>

namespace {

using Poulets = Monde;

bool fini(cpVect v) { return std::isfinite(v.x) && std::isfinite(v.y); }

TEST_F(Poulets, FreeChickenIsPushedTowardsTheMouseWithYReversed)
{
    Poulet* p = poser(Gaya::getPoulet(), 100, 0);
    zeus->setMousePosition(200, 50);
    p->update(30);
    cpVect v = cpBodyGetVel(cpShapeGetBody(p->shape));
    cpVect attendu = cpvmult(cpvnormalize(cpv(100, -50)), 3);
    EXPECT_NEAR(v.x, attendu.x, 1e-9);
    EXPECT_NEAR(v.y, attendu.y, 1e-9);
    EXPECT_EQ(PhysicsManager::getVelLimit(cpShapeGetBody(p->shape)), 150);
}

TEST_F(Poulets, ChickenOnTheSteeringPointGetsNoImpulse)
{
    Poulet* p = poser(Gaya::getPoulet(), 100, -50);
    zeus->setMousePosition(100, 50);
    p->update(30);
    cpVect v = cpBodyGetVel(cpShapeGetBody(p->shape));
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    // Standing still, it faces the positive direction.
    EXPECT_EQ(element("poulet")->texture, texture("poulet1_2_tex"));
}

TEST_F(Poulets, WalkingCycleTurnsOverAfterFourHundred)
{
    Poulet* p = poser(Gaya::getPoulet(), 100, 0);
    zeus->setMousePosition(200, 50);
    p->tempsAnimation = 390;
    p->update(30);
    EXPECT_EQ(element("poulet")->texture, texture("poulet2_2_tex"));
    EXPECT_EQ(p->tempsAnimation, 0);
    p->update(30);
    EXPECT_EQ(element("poulet")->texture, texture("poulet1_2_tex"));
    EXPECT_EQ(p->tempsAnimation, 30);

    zeus->setMousePosition(-500, 0);
    for (int i = 0; i < 5; ++i)
        p->update(30);
    EXPECT_EQ(element("poulet")->texture, texture("poulet1_1_tex"));
}

TEST_F(Poulets, StunLastsTwoSecondsFromTheLastTouch)
{
    Poulet* p = poser(Gaya::getPoulet(), 100, 0);
    zeus->setMousePosition(500, 0);
    cpBodySetVel(cpShapeGetBody(p->shape), cpv(40, 10));
    p->isTase = 1;
    for (int i = 0; i < 66; ++i) {
        p->update(30);
        ASSERT_GE(p->isTase, 0) << i;
        ASSERT_EQ(cpBodyGetVel(cpShapeGetBody(p->shape)).x, 0);
    }
    EXPECT_EQ(p->isTase, 1981);
    p->update(30);
    EXPECT_EQ(p->isTase, -1);
    EXPECT_EQ(cpBodyGetVel(cpShapeGetBody(p->shape)).x, 0);
    p->update(30);
    EXPECT_GT(cpBodyGetVel(cpShapeGetBody(p->shape)).x, 0);
}

TEST_F(Poulets, DrawnAtTheScaleOfItsRadius)
{
    Poulet* p = poser(Gaya::getPoulet(), 10, 20);
    p->setTaille(30);
    p->afficher();
    const D3DXMATRIXA16& m = element("poulet")->dessins.back();
    EXPECT_FLOAT_EQ(m._11, 3);
    EXPECT_FLOAT_EQ(m._22, 3);
    EXPECT_FLOAT_EQ(m._33, 1);
    EXPECT_FLOAT_EQ(m._41, 10);
    EXPECT_FLOAT_EQ(m._42, 20);
}

TEST_F(Poulets, FallingChickenKeepsTheRadiusAndIsDrawnAtHalf)
{
    Poulet* p = poser(Gaya::getPoulet(), 10, 250);
    p->setTaille(40);
    p->tombe(true);
    EXPECT_TRUE(p->aSupprimer);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 1u);
    auto* chute = static_cast<PouletTombe*>(zeus->rAInsererVec_[0]);
    EXPECT_EQ(chute->type, ETYPE_POULETTOMBE);
    EXPECT_EQ(chute->getTaille(), 40);
    EXPECT_TRUE(chute->haut);
    chute->afficher();
    const D3DXMATRIXA16& m = element("poulet")->dessins.back();
    EXPECT_FLOAT_EQ(m._11, 2);
    EXPECT_FLOAT_EQ(m._43, 3);
    EXPECT_FLOAT_EQ(m._42, 250);
    chute->update(30);
    EXPECT_EQ(chute->position.y, 247);
}

TEST_F(Poulets, FallingChickenGoesAfterTwentySeconds)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    PouletTombe* chute = poser(Gaya::getPouletTombe(false), 0, 1000);
    int id = chute->id;
    for (int i = 0; i < 666; ++i)
        zeus->update(30);
    EXPECT_EQ(zeus->rEntiteMap_.count(id), 1u);
    zeus->update(30);
    EXPECT_EQ(zeus->rEntiteMap_.count(id), 0u);
}

TEST_F(Poulets, DyingLeavesBloodWhereTheChickenWas)
{
    Poulet* p = poser(Gaya::getPoulet(), 33, -44);
    p->mourir();
    EXPECT_TRUE(p->aSupprimer);
    ASSERT_EQ(zeus->rAInsererVec_.size(), 1u);
    EXPECT_EQ(zeus->rAInsererVec_[0]->type, ETYPE_SANG);
    EXPECT_EQ(zeus->rAInsererVec_[0]->position.x, 33);
    EXPECT_EQ(zeus->rAInsererVec_[0]->position.y, -44);
}

TEST_F(Poulets, InfiniteMassIsNeverPushed)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    Barre* barre = poser(Gaya::getBarre(), 150, 0);
    Poulet* p = poser(Gaya::getPoulet(), 100, 0);
    zeus->setMousePosition(400, 0);
    for (int i = 0; i < 3000; ++i) {
        zeus->update(30);
        ASSERT_EQ(cpBodyGetPos(cpShapeGetBody(barre->shape)).x, 150);
        ASSERT_EQ(cpBodyGetPos(cpShapeGetBody(barre->shape)).y, 0);
        ASSERT_TRUE(fini(p->position));
    }
    EXPECT_LT(p->position.x, 150);
}

TEST_F(Poulets, ChickenPushedAgainstABodyOfInfiniteMassNeverGetsNaN)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    cpShape* grain = PhysicsManager::make_ball(130, 2, 10, INFINITY, 0, 1, 0.6);
    PhysicsManager::addShapeToSpace(grain);
    Poulet* p = poser(Gaya::getPoulet(), 100, 0);
    zeus->setMousePosition(400, 0);
    for (int i = 0; i < 10000; ++i) {
        zeus->update(30);
        ASSERT_TRUE(fini(p->position)) << i;
        ASSERT_TRUE(fini(cpBodyGetVel(cpShapeGetBody(p->shape)))) << i;
    }
    PhysicsManager::freeShape(grain);
}

TEST_F(Poulets, FallingChickenAmongLiveOnesNeitherAbortsNorMakesNaN)
{
    zeus->iNextGrainChrono_ = zeus->iNextOeufChrono_ = 100000000;
    std::vector<Poulet*> vivants;
    for (int i = 0; i < 4; ++i)
        vivants.push_back(poser(Gaya::getPoulet(), 100 + 12 * i, 150 - 8 * i));
    PouletTombe* chute = poser(Gaya::getPouletTombe(true), 110, 160);
    chute->setTaille(40);
    zeus->setMousePosition(120, -100);
    for (int i = 0; i < 600; ++i) {
        zeus->update(30);
        if (zeus->rEntiteMap_.count(chute->id)) {
            ASSERT_TRUE(fini(cpBodyGetPos(cpShapeGetBody(chute->shape))));
        }
        for (auto& e : zeus->rEntiteMap_)
            ASSERT_TRUE(fini(e.second->position));
    }
}

}
