#pragma once
// Finds the chickens an actor (saw, taser, piston, grain, egg) may touch through the
// physics space's spatial index instead of a walk over the whole entity map. The
// candidates are a superset of the chickens in contact, in increasing id order, so
// that the unchanged contact rule applied to them gives what the walk gave.
#include "engine/physics/physics.h"

#include <cstdint>
#include <map>
#include <vector>

class Entitee;
class Poulet;

class PouletsProches {
public:
    enum class Forme {
        Cercle, // within the reach plus the chicken's radius
        Ligne   // the same along the belt, anywhere across it
    };

    explicit PouletsProches(const std::map<int, Entitee*>& carte) : carte_(carte) {}

    // Opens the index for one update walk: the map must not change until `fermer`.
    // Outside a walk every query walks the map, as the rules are written.
    void ouvrir();
    void fermer();

    // The chickens of the map that may be within `portee` (plus their own radius) of
    // `centre`, in increasing id order; the caller applies the contact rule to each.
    const std::vector<Poulet*>& candidats(cpVect centre, double portee, Forme forme);

    // A chicken's radius changed during the walk: its box in the index is stale.
    void tailleChangee(Entitee* e);

private:
    void ajouterHorsIndex(Entitee* e);

    const std::map<int, Entitee*>& carte_;
    bool ouvert_ = false;
    uint32_t epoque_ = 0;
    std::vector<Poulet*> indexes_;    // the chickens found through the index, by slot
    std::vector<Poulet*> horsIndex_;  // tested by every query: not in the space, or moved off their box
    cpBB boite_{};                    // around the indexed chickens' boxes
    std::vector<cpShape*> formes_;
    std::vector<Poulet*> resultat_;
};
