// The per-frame paths made cheaper for the benchmarks must answer exactly as
// the library calls they stand for.
#include "engine/physics/physics.h"

#include <chipmunk/chipmunk_unsafe.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class HotPath : public ::testing::Test {
protected:
    void SetUp() override { PhysicsManager::initChipmunk(); }
    void TearDown() override
    {
        for (cpShape* s : {ball, box})
            if (s)
                PhysicsManager::freeShape(s);
    }
    cpShape* ball = nullptr;
    cpShape* box = nullptr;
};

TEST_F(HotPath, CircleRadiusIsTheLibrarysRadiusAndZeroForBoxesAndNull)
{
    ball = PhysicsManager::make_ball(0, 0, 10, 1, 0.1, 0.5, 0.6);
    box = PhysicsManager::make_box(0, 0, 200, 10, INFINITY, 0, 1, 0.6);
    EXPECT_EQ(PhysicsManager::circleRadius(ball), cpCircleShapeGetRadius(ball));
    cpCircleShapeSetRadius(ball, 37.25);
    EXPECT_EQ(PhysicsManager::circleRadius(ball), 37.25);
    EXPECT_EQ(PhysicsManager::circleRadius(box), 0);
    EXPECT_EQ(PhysicsManager::circleRadius(nullptr), 0);
    EXPECT_TRUE(PhysicsManager::isCircle(ball));
    EXPECT_FALSE(PhysicsManager::isCircle(box));
}

TEST_F(HotPath, VelocityLimitKeepsTheDirectionAndLeavesSlowerBodiesAlone)
{
    ball = PhysicsManager::make_ball(0, 0, 10, 1, 0.1, 0.5, 0.6);
    PhysicsManager::addShapeToSpace(ball);
    cpBody* b = cpShapeGetBody(ball);
    cpBodySetVelLimit(b, 150);

    // Over the limit: the damped velocity scaled to the limit, same direction.
    cpBodySetVel(b, cpv(300, -400));
    PhysicsManager::update();
    cpVect v = cpBodyGetVel(b);
    EXPECT_NEAR(cpvlength(v), 150, 1e-9);
    EXPECT_NEAR(v.x / v.y, -0.75, 1e-12);

    // Under it: exactly the damped velocity, untouched by the limit.
    cpBodySetVel(b, cpv(30, -40));
    PhysicsManager::update();
    double keep = std::pow(0.95, double(1.0f / 60.0f));
    EXPECT_NEAR(cpBodyGetVel(b).x, 30 * keep, 1e-9);
    EXPECT_NEAR(cpBodyGetVel(b).y, -40 * keep, 1e-9);
    PhysicsManager::removeShapeFromSpace(ball);
}

TEST_F(HotPath, ImpulseIsTheLibrarysImpulseOffCentreOnARotatedBody)
{
    ball = PhysicsManager::make_ball(3, -2, 10, 2, 0.1, 0.5, 0.6);
    box = PhysicsManager::make_ball(3, -2, 10, 2, 0.1, 0.5, 0.6);
    cpBody* a = cpShapeGetBody(ball);
    cpBody* b = cpShapeGetBody(box);
    for (cpBody* body : {a, b}) {
        cpBodySetAngle(body, 0.7);
        cpBodySetVelocity(body, cpv(1.5, -4));
        cpBodySetAngularVelocity(body, -0.25);
    }
    cpBodyApplyImpulseAtWorldPoint(a, cpv(7, 3), cpv(8, 1));
    PhysicsManager::applyImpulse(b, cpv(7, 3), cpv(8, 1));
    EXPECT_EQ(cpBodyGetVelocity(a).x, cpBodyGetVelocity(b).x);
    EXPECT_EQ(cpBodyGetVelocity(a).y, cpBodyGetVelocity(b).y);
    EXPECT_EQ(cpBodyGetAngularVelocity(a), cpBodyGetAngularVelocity(b));
    EXPECT_NE(cpBodyGetAngularVelocity(a), -0.25);
}

// A crowd pushed together, a third of it removed after some steps, then stepped
// on: what is left, position and velocity, per body, then the separations counted.
std::vector<cpVect> crowdAfterRemoval(bool together)
{
    PhysicsManager::initChipmunk();
    double separations = 0;
    PhysicsManager::setDefaultCollisionFunc(
        nullptr, nullptr, nullptr, [](cpArbiter*, cpSpace*, void* n) { ++*static_cast<double*>(n); }, &separations);
    std::vector<cpShape*> crowd;
    for (int i = 0; i < 60; ++i) {
        crowd.push_back(PhysicsManager::make_ball((i % 10) * 15.0, (i / 10) * 15.0, 10, 1, 0.1, 0.5, 0.6));
        PhysicsManager::addShapeToSpace(crowd.back());
    }
    auto step = [&] {
        for (cpShape* s : crowd)
            if (PhysicsManager::inSpace(s)) {
                cpBody* b = cpShapeGetBody(s);
                cpBodyApplyImpulse(b, cpvmult(cpvnormalize(cpvsub(cpv(70, 40), cpBodyGetPos(b))), 3), cpvzero);
            }
        PhysicsManager::update();
    };
    for (int i = 0; i < 20; ++i)
        step();
    double before = separations;
    std::vector<cpShape*> gone;
    for (int i = 59; i >= 0; i -= 3)
        gone.push_back(crowd[i]);
    if (together) {
        PhysicsManager::removeShapesFromSpace(gone);
    } else {
        for (cpShape* s : gone)
            PhysicsManager::removeShapeFromSpace(s);
    }
    for (cpShape* s : gone)
        EXPECT_FALSE(PhysicsManager::inSpace(s) || cpSpaceContainsBody(space, cpShapeGetBody(s)));
    EXPECT_GT(separations, before);
    for (int i = 0; i < 40; ++i)
        step();
    std::vector<cpVect> state;
    for (cpShape* s : crowd) {
        if (!PhysicsManager::inSpace(s))
            continue;
        state.push_back(cpBodyGetPos(cpShapeGetBody(s)));
        state.push_back(cpBodyGetVel(cpShapeGetBody(s)));
    }
    state.push_back(cpv(separations, 0));
    for (cpShape* s : crowd)
        PhysicsManager::freeShape(s);
    return state;
}

TEST_F(HotPath, ShapesRemovedTogetherLeaveTheSpaceAsWhenRemovedOneByOne)
{
    std::vector<cpVect> one = crowdAfterRemoval(false), together = crowdAfterRemoval(true);
    ASSERT_EQ(one.size(), 81u);
    ASSERT_EQ(together.size(), one.size());
    for (size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(together[i].x, one[i].x) << i;
        EXPECT_EQ(together[i].y, one[i].y) << i;
    }
}

} // namespace
