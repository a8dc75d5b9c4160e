// The per-frame paths made cheaper for the benchmarks must answer exactly as
// the library calls they stand for.
#include "engine/physics/physics.h"

#include <chipmunk/chipmunk_unsafe.h>

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
