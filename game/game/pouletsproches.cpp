#include "game/game/pouletsproches.h"

#include "game/entities/Poulet.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a chicken's position may stand from its box in the index and still be
// found through it. The box follows the body at each step; the position follows the
// body in the chicken's own update (one step behind until then) and not at all while
// the chicken is stunned. Beyond this the chicken is tested by every query.
const double ECART = 8;
// Above the single-precision rounding of the contact tests.
const double MARGE = 1;

// A chicken's slot is kept in its shape's user data, tagged with the walk it belongs
// to, so that no stale value of an earlier walk, nor a shape outside the map, is read.
// Half the pointer's bits each: 32 and 32, or 16 and 16 where pointers are 32 bits
// (WebAssembly); a chicken whose slot does not fit is kept outside the index.
constexpr unsigned BITS_SLOT = sizeof(uintptr_t) * 4;
constexpr uintptr_t MASQUE = (uintptr_t(1) << BITS_SLOT) - 1;
void* marque(uint32_t epoque, size_t slot) { return reinterpret_cast<void*>((uintptr_t(epoque) << BITS_SLOT) | slot); }
bool deLaMarche(const void* tag, uint32_t epoque) { return (reinterpret_cast<uintptr_t>(tag) >> BITS_SLOT) == epoque; }
size_t slotDe(const void* tag) { return size_t(reinterpret_cast<uintptr_t>(tag) & MASQUE); }

}

void PouletsProches::ouvrir()
{
    ouvert_ = true;
    if (++epoque_ == 0 || epoque_ > MASQUE)
        epoque_ = 1;
    indexes_.clear();
    horsIndex_.clear();
    boite_ = cpBBNew(INFINITY, INFINITY, -INFINITY, -INFINITY);
    for (auto& entree : carte_) {
        Entitee* e = entree.second;
        if (e->type != ETYPE_POULET)
            continue;
        cpBB bb;
        cpVect corps;
        cpFloat rayon;
        if (!PhysicsManager::indexState(e->shape, bb, corps, rayon)) {
            horsIndex_.push_back(static_cast<Poulet*>(e));
            continue;
        }
        cpVect c = cpv((bb.l + bb.r) / 2, (bb.b + bb.t) / 2);
        // The position is the one stored or, once the chicken has updated, its body's.
        double ecart = std::max({std::fabs(e->position.x - c.x), std::fabs(e->position.y - c.y),
                                 std::fabs(corps.x - c.x), std::fabs(corps.y - c.y)}) +
                       std::max(0.0, rayon - (bb.r - bb.l) / 2);
        if (!(ecart <= ECART) || indexes_.size() > MASQUE) {
            cpShapeSetUserData(e->shape, nullptr);
            horsIndex_.push_back(static_cast<Poulet*>(e));
            continue;
        }
        cpShapeSetUserData(e->shape, marque(epoque_, indexes_.size()));
        indexes_.push_back(static_cast<Poulet*>(e));
        boite_ = cpBBMerge(boite_, bb);
    }
}

void PouletsProches::fermer() { ouvert_ = false; }

void PouletsProches::ajouterHorsIndex(Entitee* e)
{
    if (std::find(horsIndex_.begin(), horsIndex_.end(), e) == horsIndex_.end())
        horsIndex_.push_back(static_cast<Poulet*>(e));
}

void PouletsProches::tailleChangee(Entitee* e)
{
    if (!ouvert_ || e->type != ETYPE_POULET || !e->shape)
        return;
    if (!deLaMarche(cpShapeGetUserData(e->shape), epoque_))
        return;
    cpShapeSetUserData(e->shape, nullptr);
    ajouterHorsIndex(e);
}

const std::vector<Poulet*>& PouletsProches::candidats(cpVect centre, double portee, Forme forme)
{
    resultat_.clear();
    if (!ouvert_) {
        // Outside a walk: every chicken of the map, as the rules are written.
        for (auto& entree : carte_)
            if (entree.second->type == ETYPE_POULET)
                resultat_.push_back(static_cast<Poulet*>(entree.second));
        return resultat_;
    }
    formes_.clear();
    double d = portee + ECART + MARGE;
    cpBB zone = forme == Forme::Cercle ? cpBBNew(centre.x - d, centre.y - d, centre.x + d, centre.y + d)
                                       : cpBBNew(centre.x - d, boite_.b, centre.x + d, boite_.t);
    // Far from the whole flock, the index is not asked.
    if (cpBBIntersects(zone, boite_))
        PhysicsManager::shapesInBox(zone.l, zone.b, zone.r, zone.t, formes_);
    for (cpShape* s : formes_) {
        void* tag = cpShapeGetUserData(s);
        size_t slot = slotDe(tag);
        if (deLaMarche(tag, epoque_) && slot < indexes_.size() && indexes_[slot]->shape == s)
            resultat_.push_back(indexes_[slot]);
    }
    resultat_.insert(resultat_.end(), horsIndex_.begin(), horsIndex_.end());
    std::sort(resultat_.begin(), resultat_.end(), [](const Poulet* a, const Poulet* b) { return a->id < b->id; });
    return resultat_;
}
