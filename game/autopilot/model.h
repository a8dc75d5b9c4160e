#pragma once
// The player's model of the next seconds: the chickens as bodies pushed towards
// the pointer, the saws and tasers run ahead by their own state machines.
#include "game/autopilot/tuning.h"

#include <chipmunk/chipmunk.h>

#include <vector>

class Scie;
class Taser;
class Zeus;

namespace pilote {

struct Plan;

struct Poule {
    double x, y, vx, vy, r, m;
    // -1, or the ms it has stood stunned.
    int tase;
    int grains;
    int etat; // 0 on the belt, 1 lost, 2 finished
    int id;
};

struct Danger {
    double x;
    bool scie;
    // Per frame from now: the saw's y when it cuts, or whether the taser fires.
    std::vector<double> y;
    std::vector<char> actif;
};

struct Item {
    double x, y;
    bool oeuf;
};

struct Monde {
    int horizon = HORIZON;
    // What losing a chicken costs: less after a long wait, as a player who
    // has waited long enough takes a chance.
    double perte = COUT_PERTE;
    std::vector<Poule> poules;
    // The chickens the plans are tried on: all of a small flock, a few spread
    // along a big one, each standing for `poids` chickens.
    std::vector<Poule> modele;
    double poids = 1;
    std::vector<Danger> dangers;
    std::vector<Item> items;
    double camX = 0;
    // Past this x no hazard stands: a chicken there runs for the finish.
    double libre = 0;
};

// y[j]: where the saw stands in the j-th frame from now, when it cuts, over
// horizon + 1 frames.
Danger prevoirScie(const Scie& s, int horizon);
// actif[j]: whether the taser is firing after j + 1 frames.
Danger prevoirTaser(const Taser& t, int horizon);

// The world as the director holds it, within what the flock meets in `horizon` frames.
Monde observer(const Zeus& zeus, int horizon);

// One frame of a chicken pushed towards `cible`.
void pousser(Poule& p, cpVect cible);

// What the plan costs over the horizon: chickens lost, stunned, blocked or fed,
// eggs taken, against the ground the flock covers.
double evaluer(const Monde& m, const Plan& plan);

}
