// The physics manager reads and writes a few of Chipmunk's own fields
// (engine/physics/chipmunk_private.h). Their layout is checked when building; a
// Chipmunk built with other headers than the ones installed must fail here, not play on.
#include "engine/physics/chipmunk_private.h"
#include "engine/physics/physics.h"

#include <chipmunk/chipmunk_unsafe.h>

#include <gtest/gtest.h>

namespace {

TEST(ChipmunkLayout, AccessorsAgreeWithTheLibrarysOwnCalls)
{
    PhysicsManager::initChipmunk();
    cpShape* ball = PhysicsManager::make_ball(0, 0, 10, 1, 0.1, 0.5, 0.6);
    cpShape* box = PhysicsManager::make_box(0, 0, 200, 10, INFINITY, 0, 1, 0.6);
    cpBody* body = cpShapeGetBody(ball);
    cpShape* segment = cpSegmentShapeNew(body, cpv(0, 0), cpv(5, 0), 1);

    // The library compiled against other headers would answer otherwise.
    cpBodySetVelocity(body, cpv(3.5, -7.25));
    EXPECT_EQ(physics_private::velocity(body).x, 3.5);
    EXPECT_EQ(physics_private::velocity(body).y, -7.25);
    physics_private::velocity(body) = cpv(-1.5, 2);
    EXPECT_EQ(cpBodyGetVelocity(body).x, -1.5);
    EXPECT_EQ(cpBodyGetVelocity(body).y, 2);

    PhysicsManager::addShapeToSpace(ball);
    cpBB bb = physics_private::boundingBox(ball), attendue = cpShapeGetBB(ball);
    EXPECT_EQ(bb.l, attendue.l);
    EXPECT_EQ(bb.b, attendue.b);
    EXPECT_EQ(bb.r, attendue.r);
    EXPECT_EQ(bb.t, attendue.t);
    EXPECT_EQ(bb.r - bb.l, 20);

    cpCircleShapeSetRadius(ball, 42.5);
    EXPECT_EQ(physics_private::circleRadius(ball), cpCircleShapeGetRadius(ball));
    EXPECT_TRUE(physics_private::isCircle(ball));
    EXPECT_FALSE(physics_private::isCircle(box));
    EXPECT_FALSE(physics_private::isCircle(segment));
    EXPECT_FALSE(physics_private::isCircle(nullptr));

    cpShapeFree(segment);
    PhysicsManager::freeShape(box);
    PhysicsManager::freeShape(ball);
}

} // namespace
