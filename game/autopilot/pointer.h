#pragma once
// Where the pointer goes for a plan: the controller every plan shares, in the
// model's look-ahead as in the frame itself.
#include "game/autopilot/model.h"
#include "game/autopilot/plans.h"

#include <vector>

namespace pilote {

// A point of the belt kept inside the 800 x 600 view centred on camX.
cpVect dansVue(double x, double y, double camX);

// The speed from which a chicken of that mass still stops within `distance`.
double freinage(double distance, double masse);

// Each free chicken wants a velocity (along its lane, braking for the waiting
// line, not running away from the rearmost, stepping round grain), `j` frames
// ahead; the pointer goes where it serves their wishes best. Chickens too fat
// to pass a taser are left behind. `taille` is the flock's size; `pris` marks
// the items already taken.
cpVect pointeur(const std::vector<Poule>& poules, size_t taille, const Plan& plan, double camX, double libre, int j,
                const std::vector<Item>& items, const std::vector<char>& pris);

}
