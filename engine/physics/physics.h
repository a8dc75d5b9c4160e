#pragma once
// The one physics space of the program and the bodies-with-shape the game uses.
// The entities reach their bodies through the small adapters at the end, which keep
// the names the game was written against, and through Chipmunk's public calls only:
// what touches the library's own structures stays in this folder's sources.
#include <chipmunk/chipmunk.h>

#include <vector>

extern cpSpace* space;

class PhysicsManager {
public:
    // The space's damping, and its one step per frame: 1/FREQUENCE s in single precision.
    static constexpr cpFloat AMORTI = 0.95;
    static constexpr int FREQUENCE = 60;
    static constexpr float PAS = 1.0f / FREQUENCE;

    static void initChipmunk();
    static void setDefaultCollisionFunc(cpCollisionBeginFunc begin, cpCollisionPreSolveFunc preSolve,
                                        cpCollisionPostSolveFunc postSolve, cpCollisionSeparateFunc separate,
                                        void* data);

    static cpShape* make_ball(double x, double y, double fRadius, double fMass, double fIniertia,
                              double fElasticity, double fFriction);
    static cpShape* make_box(double x, double y, double height, double width, double fMass, double fIniertia,
                             double fElasticity, double fFriction);

    static void addShapeToSpace(cpShape* rShape);
    static void addStaticShapeToSpace(cpShape* rShape);
    static void removeShapeFromSpace(cpShape* rShape);
    // As removeShapeFromSpace on each, in that order, with one pass over the
    // space's contacts for all of them rather than one per shape.
    static void removeShapesFromSpace(const std::vector<cpShape*>& rShapes);
    // Frees a shape and its body once they are out of the space (removes them first if not).
    static void freeShape(cpShape* rShape);

    static void update();

    // Only circles have a radius; asking a box for one would stop the program.
    static bool isCircle(const cpShape* rShape);
    // The radius of a circle, 0 for any other shape or none.
    static cpFloat circleRadius(const cpShape* rShape);
    // Changes a circle's radius in place (nothing else for other shapes); its box in
    // the spatial index follows at the next step.
    static void setCircleRadius(cpShape* rShape, cpFloat radius);

    // Appends every shape of the space whose bounding box meets the box [l, r] x [b, t]
    // (the space's spatial index; each shape once, in no set order).
    static void shapesInBox(cpFloat l, cpFloat b, cpFloat r, cpFloat t, std::vector<cpShape*>& out);
    static bool inSpace(const cpShape* rShape);
    // In one call, for a shape in the space: its box in the index, its body's position
    // and its radius (0 for shapes other than circles). False for a shape outside the space.
    static bool indexState(const cpShape* rShape, cpBB& bb, cpVect& bodyPos, cpFloat& radius);

    // As cpBodyApplyImpulseAtWorldPoint, on a body in this manager's space.
    static void applyImpulse(cpBody* body, cpVect j, cpVect worldPoint);
    static void setVelLimit(cpBody* body, cpFloat limit);
    static cpFloat getVelLimit(const cpBody* body);
};

inline cpVect cpBodyGetPos(const cpBody* body) { return cpBodyGetPosition(body); }
inline void cpBodySetPos(cpBody* body, cpVect p) { cpBodySetPosition(body, p); }
inline cpVect cpBodyGetVel(const cpBody* body) { return cpBodyGetVelocity(body); }
inline void cpBodySetVel(cpBody* body, cpVect v) { cpBodySetVelocity(body, v); }
inline void cpBodySetVelLimit(cpBody* body, cpFloat limit) { PhysicsManager::setVelLimit(body, limit); }

// The offset is relative to the body's centre in world axes, not rotated with the body.
inline void cpBodyApplyImpulse(cpBody* body, cpVect j, cpVect r)
{
    PhysicsManager::applyImpulse(body, j, cpvadd(cpBodyGetPosition(body), r));
}
