#pragma once
// The few places where the physics manager reaches into Chipmunk's own structures,
// gathered here so that the build checks their layout and one test
// (tests/physics/layout_test.cpp) checks them against the library's public calls. Only engine/physics and that
// test include this header: nothing above the physics manager sees these fields.
#include <chipmunk/chipmunk.h>
// The library's private header declares its functions without C linkage.
extern "C" {
#include <chipmunk/chipmunk_private.h>
}
#include <chipmunk/chipmunk_structs.h>

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace physics_private {

// The layout these accessors were written against (Chipmunk 7.0.3, 64-bit): a
// Chipmunk whose structures differ fails the build here, naming the field. The
// library's own calls are compared with the accessors at run time by the test.
// 32-bit builds (WebAssembly) compile the same Debian source with other sizes.
#if UINTPTR_MAX > 0xFFFFFFFFu
#define PLUMFALL_CHIPMUNK_SIZE(type, bytes) \
    static_assert(sizeof(type) == (bytes), "Chipmunk layout changed: sizeof(" #type ")")
#define PLUMFALL_CHIPMUNK_FIELD(type, field, at) \
    static_assert(offsetof(type, field) == (at), "Chipmunk layout changed: " #type "::" #field)
#else
#define PLUMFALL_CHIPMUNK_SIZE(type, bytes) static_assert(true, "")
#define PLUMFALL_CHIPMUNK_FIELD(type, field, at) static_assert(true, "")
#endif
PLUMFALL_CHIPMUNK_SIZE(cpBody, 272);
PLUMFALL_CHIPMUNK_FIELD(cpBody, m_inv, 24);
PLUMFALL_CHIPMUNK_FIELD(cpBody, i_inv, 40);
PLUMFALL_CHIPMUNK_FIELD(cpBody, cog, 48);
PLUMFALL_CHIPMUNK_FIELD(cpBody, v, 80);
PLUMFALL_CHIPMUNK_FIELD(cpBody, w, 120);
PLUMFALL_CHIPMUNK_FIELD(cpBody, transform, 136);
PLUMFALL_CHIPMUNK_SIZE(cpShape, 192);
PLUMFALL_CHIPMUNK_FIELD(cpShape, klass, 0);
PLUMFALL_CHIPMUNK_FIELD(cpShape, bb, 64);
PLUMFALL_CHIPMUNK_FIELD(cpShapeClass, type, 0);
PLUMFALL_CHIPMUNK_SIZE(cpCircleShape, 232);
PLUMFALL_CHIPMUNK_FIELD(cpCircleShape, r, 224);
PLUMFALL_CHIPMUNK_SIZE(cpSpace, 568);
PLUMFALL_CHIPMUNK_FIELD(cpSpace, arbiters, 160);
PLUMFALL_CHIPMUNK_FIELD(cpSpace, cachedArbiters, 176);
PLUMFALL_CHIPMUNK_FIELD(cpSpace, pooledArbiters, 184);
PLUMFALL_CHIPMUNK_SIZE(cpArbiter, 176);
PLUMFALL_CHIPMUNK_FIELD(cpArbiter, a, 40);
PLUMFALL_CHIPMUNK_FIELD(cpArbiter, b, 48);
PLUMFALL_CHIPMUNK_FIELD(cpArbiter, handler, 136);
PLUMFALL_CHIPMUNK_FIELD(cpArbiter, state, 168);
PLUMFALL_CHIPMUNK_FIELD(cpArray, num, 0);
PLUMFALL_CHIPMUNK_FIELD(cpArray, arr, 8);
PLUMFALL_CHIPMUNK_FIELD(cpCollisionHandler, separateFunc, 40);
PLUMFALL_CHIPMUNK_FIELD(cpCollisionHandler, userData, 48);
#undef PLUMFALL_CHIPMUNK_SIZE
#undef PLUMFALL_CHIPMUNK_FIELD

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

// cpBodyApplyImpulseAtWorldPoint without its cpBodyActivate: the space never sleeps,
// and waking walks every contact of the body to reset idle times nothing reads.
inline void applyImpulse(cpBody* body, cpVect j, cpVect point)
{
    cpVect r = cpvsub(point, cpTransformPoint(body->transform, body->cog));
    body->v = cpvadd(body->v, cpvmult(j, body->m_inv));
    body->w += body->i_inv * cpvcross(r, j);
}

// Drops every contact the space keeps that involves one of `removed` (sorted), as
// cpSpaceRemoveShape drops those of its one shape: separated if it was touching,
// out of the step's list, unthreaded from its bodies and pooled. cpSpaceRemoveShape
// walks all the space's contacts for each shape; this walks them once for all.
inline void dropContacts(cpSpace* space, const std::vector<const cpShape*>& removed)
{
    struct Pass {
        cpSpace* space;
        const std::vector<const cpShape*>& removed;
        // Nearly every contact involves none of them: a bit per hashed address
        // answers that without a search.
        std::bitset<4096> marks;
        static size_t slot(const cpShape* s)
        {
            return size_t((uint64_t(reinterpret_cast<uintptr_t>(s)) * 0x9E3779B97F4A7C15ull) >> 52);
        }
        bool isRemoved(const cpShape* s) const
        {
            return marks[slot(s)] && std::binary_search(removed.begin(), removed.end(), s);
        }
        bool involves(const cpArbiter* arb) const { return isRemoved(arb->a) || isRemoved(arb->b); }
    } pass{space, removed, {}};
    for (const cpShape* s : removed)
        pass.marks.set(Pass::slot(s));
    cpSpaceLock(space);
    cpHashSetFilter(
        space->cachedArbiters,
        [](void* elt, void* data) -> cpBool {
            cpArbiter* arb = static_cast<cpArbiter*>(elt);
            const Pass& p = *static_cast<const Pass*>(data);
            if (!p.involves(arb))
                return cpTrue;
            if (arb->state != CP_ARBITER_STATE_CACHED) {
                arb->state = CP_ARBITER_STATE_INVALIDATED;
                arb->handler->separateFunc(arb, p.space, arb->handler->userData);
            }
            cpArbiterUnthread(arb);
            cpArrayPush(p.space->pooledArbiters, arb);
            return cpFalse;
        },
        &pass);
    // The step's list, emptied at the start of the next step, loses the same
    // contacts in one pass rather than a search for each.
    cpArray* list = space->arbiters;
    int kept = 0;
    for (int i = 0; i < list->num; ++i)
        if (!pass.involves(static_cast<cpArbiter*>(list->arr[i])))
            list->arr[kept++] = list->arr[i];
    for (int i = kept; i < list->num; ++i)
        list->arr[i] = nullptr;
    list->num = kept;
    cpSpaceUnlock(space, cpTrue);
}

// While cpSpaceRemoveShape runs, the space's cached contacts can be swapped for an
// empty set, once dropContacts has taken out all those it would look for.
inline cpHashSet*& cachedContacts(cpSpace* space) { return space->cachedArbiters; }

} // namespace physics_private
