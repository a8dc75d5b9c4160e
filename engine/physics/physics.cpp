#include "engine/physics/physics.h"

#include "engine/physics/chipmunk_private.h"

#include <chipmunk/chipmunk_unsafe.h>

#include <algorithm>
#include <cmath>

cpSpace* space = nullptr;

namespace {

// Chipmunk 7 keeps no velocity limit of its own: each body made here carries one in
// its user data, applied where the 5.3 library applied it.
struct BodyData {
    cpFloat velLimit = INFINITY;
};

BodyData* bodyData(const cpBody* body) { return static_cast<BodyData*>(cpBodyGetUserData(body)); }

void limitedVelocity(cpBody* body, cpVect gravity, cpFloat damping, cpFloat dt)
{
    cpBodyUpdateVelocity(body, gravity, damping, dt);
    // The body is in the middle of the step, awake: its velocity is written
    // directly, and only when the limit changes it.
    const BodyData* d = bodyData(body);
    cpVect& v = physics_private::velocity(body);
    if (d && d->velLimit < INFINITY && cpvlengthsq(v) > d->velLimit * d->velLimit)
        v = cpvclamp(v, d->velLimit);
}

// An infinite mass cannot be a dynamic body in Chipmunk 7: such a body is kinematic,
// never pushed by anything. A zero moment would stop the step, so a dynamic body
// gets the moment of its own shape instead.
cpBody* newBody(double fMass, double fIniertia, double fallbackMoment)
{
    cpBody* body;
    if (!(fMass < INFINITY) || !(fMass > 0)) {
        body = cpBodyNewKinematic();
    } else {
        double moment = fIniertia > 0 ? fIniertia : fallbackMoment;
        if (!(moment > 0))
            moment = 1.0;
        body = cpBodyNew(fMass, moment);
    }
    cpBodySetUserData(body, new BodyData);
    cpBodySetVelocityUpdateFunc(body, limitedVelocity);
    return body;
}

}

void PhysicsManager::initChipmunk()
{
    // A second call starts over with an empty space; whatever the old one held must
    // already be gone.
    if (space)
        cpSpaceFree(space);
    space = cpSpaceNew();
    cpSpaceUseSpatialHash(space, 20.0, 1000);
    cpSpaceSetIterations(space, 1);
    cpSpaceSetGravity(space, cpv(0, 0));
    cpSpaceSetDamping(space, AMORTI);
}

void PhysicsManager::setDefaultCollisionFunc(cpCollisionBeginFunc begin, cpCollisionPreSolveFunc preSolve,
                                             cpCollisionPostSolveFunc postSolve, cpCollisionSeparateFunc separate,
                                             void* data)
{
    // A null callback keeps the library's own (collide always, do nothing after).
    cpCollisionHandler* handlers[2] = {cpSpaceAddDefaultCollisionHandler(space),
                                       cpSpaceAddCollisionHandler(space, 0, 0)};
    for (cpCollisionHandler* h : handlers) {
        if (begin)
            h->beginFunc = begin;
        if (preSolve)
            h->preSolveFunc = preSolve;
        if (postSolve)
            h->postSolveFunc = postSolve;
        if (separate)
            h->separateFunc = separate;
        h->userData = data;
    }
}

cpShape* PhysicsManager::make_ball(double x, double y, double fRadius, double fMass, double fIniertia,
                                   double fElasticity, double fFriction)
{
    double fallback = fMass < INFINITY ? cpMomentForCircle(fMass, 0, fRadius, cpvzero) : 0;
    cpBody* body = newBody(fMass, fIniertia, fallback);
    cpBodySetPosition(body, cpv(x, y));
    cpShape* shape = cpCircleShapeNew(body, fRadius, cpvzero);
    cpShapeSetElasticity(shape, fElasticity);
    cpShapeSetFriction(shape, fFriction);
    cpShapeSetCollisionType(shape, 0);
    cpShapeSetFilter(shape, CP_SHAPE_FILTER_ALL);
    return shape;
}

cpShape* PhysicsManager::make_box(double x, double y, double height, double width, double fMass, double fIniertia,
                                  double fElasticity, double fFriction)
{
    double fallback = fMass < INFINITY ? cpMomentForBox(fMass, width, height) : 0;
    cpBody* body = newBody(fMass, fIniertia, fallback);
    cpBodySetPosition(body, cpv(x, y));
    cpShape* shape = cpBoxShapeNew(body, width, height, 0);
    cpShapeSetElasticity(shape, fElasticity);
    cpShapeSetFriction(shape, fFriction);
    return shape;
}

// Chipmunk 7 wants the body in the space before its shape.
void PhysicsManager::addShapeToSpace(cpShape* rShape)
{
    if (!rShape || !space)
        return;
    cpBody* body = cpShapeGetBody(rShape);
    if (!cpSpaceContainsBody(space, body))
        cpSpaceAddBody(space, body);
    if (!cpSpaceContainsShape(space, rShape))
        cpSpaceAddShape(space, rShape);
}

void PhysicsManager::addStaticShapeToSpace(cpShape* rShape) { addShapeToSpace(rShape); }

void PhysicsManager::removeShapeFromSpace(cpShape* rShape)
{
    if (!rShape || !space)
        return;
    if (cpSpaceContainsShape(space, rShape))
        cpSpaceRemoveShape(space, rShape);
    cpBody* body = cpShapeGetBody(rShape);
    if (body && cpSpaceContainsBody(space, body))
        cpSpaceRemoveBody(space, body);
}

void PhysicsManager::removeShapesFromSpace(const std::vector<cpShape*>& rShapes)
{
    if (!space || rShapes.empty())
        return;
    std::vector<const cpShape*> removed;
    for (cpShape* s : rShapes)
        if (s && cpSpaceContainsShape(space, s))
            removed.push_back(s);
    std::sort(removed.begin(), removed.end());
    physics_private::dropContacts(space, removed);
    // Nothing of theirs is left among the cached contacts: the library's removal,
    // shape by shape in the order given, walks an empty set instead.
    cpHashSet* empty = cpHashSetNew(0, [](const void*, const void*) -> cpBool { return cpFalse; });
    cpHashSet* cached = physics_private::cachedContacts(space);
    physics_private::cachedContacts(space) = empty;
    for (cpShape* s : rShapes)
        removeShapeFromSpace(s);
    physics_private::cachedContacts(space) = cached;
    cpHashSetFree(empty);
}

void PhysicsManager::freeShape(cpShape* rShape)
{
    if (!rShape)
        return;
    removeShapeFromSpace(rShape);
    cpBody* body = cpShapeGetBody(rShape);
    cpShapeFree(rShape);
    if (body) {
        delete bodyData(body);
        cpBodyFree(body);
    }
}

void PhysicsManager::update()
{
    const int steps = 1;
    const float dt = PAS;
    for (int i = 0; i < steps; ++i)
        cpSpaceStep(space, dt / steps);
}

void PhysicsManager::applyImpulse(cpBody* body, cpVect j, cpVect worldPoint)
{
    physics_private::applyImpulse(body, j, worldPoint);
}

void PhysicsManager::setVelLimit(cpBody* body, cpFloat limit)
{
    BodyData* d = bodyData(body);
    if (!d) {
        d = new BodyData;
        cpBodySetUserData(body, d);
        cpBodySetVelocityUpdateFunc(body, limitedVelocity);
    }
    d->velLimit = limit;
}

cpFloat PhysicsManager::getVelLimit(const cpBody* body)
{
    const BodyData* d = bodyData(body);
    return d ? d->velLimit : INFINITY;
}

bool PhysicsManager::isCircle(const cpShape* rShape) { return physics_private::isCircle(rShape); }

cpFloat PhysicsManager::circleRadius(const cpShape* rShape)
{
    return physics_private::isCircle(rShape) ? physics_private::circleRadius(rShape) : 0;
}

void PhysicsManager::setCircleRadius(cpShape* rShape, cpFloat radius)
{
    if (physics_private::isCircle(rShape))
        cpCircleShapeSetRadius(rShape, radius);
}

namespace {

void ajouterForme(cpShape* shape, void* data) { static_cast<std::vector<cpShape*>*>(data)->push_back(shape); }

}

void PhysicsManager::shapesInBox(cpFloat l, cpFloat b, cpFloat r, cpFloat t, std::vector<cpShape*>& out)
{
    // A query only reads the index: the next step finds the same pairs in the same order.
    if (space)
        cpSpaceBBQuery(space, cpBBNew(l, b, r, t), CP_SHAPE_FILTER_ALL, ajouterForme, &out);
}

bool PhysicsManager::indexState(const cpShape* rShape, cpBB& bb, cpVect& bodyPos, cpFloat& radius)
{
    if (!inSpace(rShape))
        return false;
    bb = physics_private::boundingBox(rShape);
    bodyPos = cpBodyGetPosition(cpShapeGetBody(rShape));
    radius = physics_private::isCircle(rShape) ? physics_private::circleRadius(rShape) : 0;
    return true;
}

bool PhysicsManager::inSpace(const cpShape* rShape)
{
    return rShape && space && cpSpaceContainsShape(space, const_cast<cpShape*>(rShape));
}
