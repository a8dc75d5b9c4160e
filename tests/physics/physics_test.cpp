#include "engine/physics/physics.h"

#include <chipmunk/chipmunk_unsafe.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class Physics : public ::testing::Test {
protected:
    void SetUp() override
    {
        PhysicsManager::initChipmunk();
        PhysicsManager::setDefaultCollisionFunc(nullptr, nullptr, nullptr, nullptr, this);
    }
    void TearDown() override
    {
        for (cpShape* s : made)
            PhysicsManager::freeShape(s);
    }
    cpShape* keep(cpShape* s)
    {
        made.push_back(s);
        return s;
    }
    cpShape* chicken(double x, double y)
    {
        return keep(PhysicsManager::make_ball(x, y, 10, 1, 0.1, 0.5, 0.6));
    }
    std::vector<cpShape*> made;
};

bool finite(cpVect v) { return std::isfinite(v.x) && std::isfinite(v.y); }

TEST_F(Physics, SpaceHasTheGameParameters)
{
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(cpSpaceGetIterations(space), 1);
    EXPECT_EQ(cpSpaceGetGravity(space).x, 0);
    EXPECT_EQ(cpSpaceGetGravity(space).y, 0);
    EXPECT_DOUBLE_EQ(cpSpaceGetDamping(space), 0.95);
}

TEST_F(Physics, BallAndBoxAreMadeWhereAskedAndOutsideTheSpace)
{
    cpShape* b = chicken(12, -7);
    cpShape* box = keep(PhysicsManager::make_box(3, 4, 200, 10, INFINITY, 0, 1, 0.6));
    EXPECT_EQ(cpBodyGetPos(cpShapeGetBody(b)).x, 12);
    EXPECT_EQ(cpBodyGetPos(cpShapeGetBody(b)).y, -7);
    EXPECT_EQ(cpCircleShapeGetRadius(b), 10);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(cpShapeGetBody(b)), 1);
    EXPECT_DOUBLE_EQ(cpBodyGetMoment(cpShapeGetBody(b)), 0.1);
    EXPECT_DOUBLE_EQ(cpShapeGetElasticity(b), 0.5);
    EXPECT_DOUBLE_EQ(cpShapeGetFriction(b), 0.6);
    EXPECT_FALSE(cpSpaceContainsShape(space, b));
    EXPECT_FALSE(cpSpaceContainsBody(space, cpShapeGetBody(b)));

    // Height is across the belt (y), width along it (x).
    cpBB bb = cpShapeCacheBB(box);
    EXPECT_DOUBLE_EQ(bb.r - bb.l, 10);
    EXPECT_DOUBLE_EQ(bb.t - bb.b, 200);
    EXPECT_EQ(cpBodyGetType(cpShapeGetBody(box)), CP_BODY_TYPE_KINEMATIC);
}

TEST_F(Physics, AddRemoveAndFreeInAnyOrderAreSafe)
{
    cpShape* s = PhysicsManager::make_ball(0, 0, 50, INFINITY, 0, 1, 0.6);
    PhysicsManager::addShapeToSpace(s);
    PhysicsManager::addShapeToSpace(s);
    EXPECT_TRUE(cpSpaceContainsShape(space, s));
    EXPECT_TRUE(cpSpaceContainsBody(space, cpShapeGetBody(s)));
    PhysicsManager::removeShapeFromSpace(s);
    PhysicsManager::removeShapeFromSpace(s);
    EXPECT_FALSE(cpSpaceContainsShape(space, s));
    EXPECT_FALSE(cpSpaceContainsBody(space, cpShapeGetBody(s)));
    PhysicsManager::addStaticShapeToSpace(s);
    PhysicsManager::update();
    PhysicsManager::freeShape(s); // still in the space: taken out first
    PhysicsManager::update();
    PhysicsManager::freeShape(nullptr);
    PhysicsManager::removeShapeFromSpace(nullptr);
}

TEST_F(Physics, InfiniteMassIsNeverPushedByAChicken)
{
    cpShape* wall = keep(PhysicsManager::make_ball(30, 0, 10, INFINITY, 0, 1, 0.6));
    cpShape* c = chicken(0, 0);
    PhysicsManager::addShapeToSpace(wall);
    PhysicsManager::addShapeToSpace(c);
    cpBody* cb = cpShapeGetBody(c);
    cpBodySetVelLimit(cb, 150);
    for (int i = 0; i < 2000; ++i) {
        cpBodyApplyImpulse(cb, cpv(3, 0), cpvzero);
        PhysicsManager::update();
        ASSERT_EQ(cpBodyGetPos(cpShapeGetBody(wall)).x, 30);
        ASSERT_EQ(cpBodyGetPos(cpShapeGetBody(wall)).y, 0);
    }
    // The chicken is held back by the grain-like ball, not passed through it.
    EXPECT_LT(cpBodyGetPos(cb).x, 30);
    EXPECT_TRUE(finite(cpBodyGetPos(cb)));
}

TEST_F(Physics, ChickenPushedAgainstAGrainNeverGetsNaN)
{
    cpShape* grain = keep(PhysicsManager::make_ball(20, 3, 10, INFINITY, 0, 1, 0.6));
    cpShape* c = chicken(0, 0);
    PhysicsManager::addShapeToSpace(c);
    PhysicsManager::addShapeToSpace(grain);
    cpBody* cb = cpShapeGetBody(c);
    for (int i = 0; i < 10000; ++i) {
        cpVect d = cpvsub(cpv(200, -50), cpBodyGetPos(cb));
        if (cpvlength(d) > 0)
            cpBodyApplyImpulse(cb, cpvmult(cpvnormalize(d), 3), cpvzero);
        cpBodySetVelLimit(cb, 150);
        // The belt carries the grain under the chicken.
        cpVect g = cpBodyGetPos(cpShapeGetBody(grain));
        cpBodySetPos(cpShapeGetBody(grain), cpv(g.x < -300 ? 300 : g.x - 1.5, g.y));
        PhysicsManager::update();
        ASSERT_TRUE(finite(cpBodyGetPos(cb))) << "step " << i;
        ASSERT_TRUE(finite(cpBodyGetVelocity(cb))) << "step " << i;
    }
}

TEST_F(Physics, ZeroMomentBodyCollidesWithoutAbortOrNaN)
{
    cpShape* falling = keep(PhysicsManager::make_ball(0, 0, 20, 1, 0, 1, 0.6));
    EXPECT_GT(cpBodyGetMoment(cpShapeGetBody(falling)), 0);
    PhysicsManager::addShapeToSpace(falling);
    std::vector<cpShape*> live;
    for (int i = 0; i < 4; ++i) {
        live.push_back(chicken(-15 + 10 * i, 5 - 3 * i));
        PhysicsManager::addShapeToSpace(live.back());
    }
    cpBody* fb = cpShapeGetBody(falling);
    for (int i = 0; i < 700; ++i) {
        cpVect p = cpBodyGetPos(fb);
        cpBodySetPos(fb, cpv(p.x, p.y - 3));
        for (cpShape* s : live)
            cpBodyApplyImpulse(cpShapeGetBody(s), cpv(0, -3), cpvzero);
        PhysicsManager::update();
        ASSERT_TRUE(finite(cpBodyGetPos(fb)));
        for (cpShape* s : live)
            ASSERT_TRUE(finite(cpBodyGetPos(cpShapeGetBody(s))));
    }
}

TEST_F(Physics, VelocityLimitHoldsAfterTheStep)
{
    cpShape* c = chicken(0, 0);
    PhysicsManager::addShapeToSpace(c);
    cpBody* b = cpShapeGetBody(c);
    cpBodySetVelLimit(b, 150);
    EXPECT_EQ(PhysicsManager::getVelLimit(b), 150);
    cpBodyApplyImpulse(b, cpv(1000, 1000), cpvzero);
    PhysicsManager::update();
    EXPECT_NEAR(cpvlength(cpBodyGetVelocity(b)), 150, 1e-9);
    // Damping keeps 0.95 of the speed per second.
    cpBodySetVel(b, cpv(100, 0));
    PhysicsManager::update();
    EXPECT_NEAR(cpBodyGetVelocity(b).x, 100 * std::pow(0.95, 1.0f / 60.0f), 1e-4);
}

TEST_F(Physics, ImpulseIsInWorldAxesOnARotatedBody)
{
    cpShape* c = chicken(5, 5);
    cpBody* b = cpShapeGetBody(c);
    cpBodySetAngle(b, 1.0);
    cpBodyApplyImpulse(b, cpv(3, 0), cpvzero);
    EXPECT_DOUBLE_EQ(cpBodyGetVelocity(b).x, 3);
    EXPECT_DOUBLE_EQ(cpBodyGetVelocity(b).y, 0);
    EXPECT_DOUBLE_EQ(cpBodyGetAngularVelocity(b), 0);
}

TEST_F(Physics, CircleRadiusCanChangeInTheSpace)
{
    cpShape* c = chicken(0, 0);
    PhysicsManager::addShapeToSpace(c);
    cpCircleShapeSetRadius(c, 40);
    PhysicsManager::update();
    EXPECT_EQ(cpCircleShapeGetRadius(c), 40);
}

}
