#pragma once
// The plans the player chooses among: in which lane to pass each of the next
// hazards, and before which one to wait.
#include <vector>

namespace pilote {

struct Monde;

// Hazards along the belt with the lane (y) in which to pass each, and the one
// before which to wait (-1: none). A hazard spans [debut, fin] in x, not
// counting the chicken's own radius.
struct Plan {
    static const int HAZARDS = 3;
    int n = 0;
    float debut[HAZARDS] = {};
    float centre[HAZARDS] = {};
    float fin[HAZARDS] = {};
    float voie[HAZARDS] = {};
    bool taser[HAZARDS] = {};
    int arret = -1;
    float voieLibre = 140;
};

// Whether a taser's box begins right behind hazard k, too close for a chicken
// `largeur` wide to change lanes between the two.
bool boiteDerriere(const Plan& plan, int k, double largeur);

// Every plan over the next hazards: a lane for each (two around a taser's box,
// three past a saw, two past a saw with a box right behind), waiting before
// none or before one of them.
std::vector<Plan> plans(const Monde& m);

// The plan that costs least over the model's horizon, the one followed so far
// being favoured.
Plan choisir(const Monde& m, const Plan& suivi);

}
