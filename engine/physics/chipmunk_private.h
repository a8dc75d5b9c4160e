#pragma once
// The few places where the physics manager reaches into Chipmunk's own structures,
// gathered here so that one test (tests/physics/layout_test.cpp) checks them against
// the library's public calls and its recorded layout. Only engine/physics and that
// test include this header: nothing above the physics manager sees these fields.
#include <chipmunk/chipmunk.h>
#include <chipmunk/chipmunk_structs.h>

namespace physics_private {

// The layout these accessors were written against (Chipmunk 7.0.3, 64-bit).
struct Layout {
    static constexpr size_t bodySize = 272, bodyVelocity = 80;
    static constexpr size_t shapeSize = 192, shapeClass = 0, shapeBox = 64;
    static constexpr size_t circleSize = 232, circleRadius = 224;
};

// Chipmunk 7 has no public query of a shape's kind.
inline bool isCircle(const cpShape* shape)
{
    return shape && shape->klass && shape->klass->type == CP_CIRCLE_SHAPE;
}

// Read without the library's call: the contact tests ask it of every candidate.
inline cpFloat circleRadius(const cpShape* shape)
{
    return reinterpret_cast<const cpCircleShape*>(shape)->r;
}

// The box the spatial index holds for the shape, as cpShapeGetBB gives it.
inline cpBB boundingBox(const cpShape* shape) { return shape->bb; }

// Inside the step the body is awake: its velocity is read and written in place,
// without the waking and checks of cpBodySetVelocity.
inline cpVect& velocity(cpBody* body) { return body->v; }

} // namespace physics_private
