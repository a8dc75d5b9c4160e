#pragma once
// A player that steers the flock by itself. It reads the world as the director
// holds it and answers, each frame, where the mouse pointer goes in the window;
// the caller moves the pointer there through the game's own mouse path.
//
// Every few frames it tries a handful of plans (in which lane to pass each of the
// next hazards, and before which one to wait) on a model of the next seconds:
// the saws' and tasers' own state machines run ahead, the chickens as bodies
// pushed towards the pointer. The plan that loses nothing and goes furthest
// steers until the next choice. Chickens too fat to pass a taser are left behind.
// At the hardest level it plays for one chicken and lets the others follow.
// Deterministic: the same world gives the same pointer.
#include "game/autopilot/plans.h"

class Zeus;

class Autopilot {
public:
    using Plan = pilote::Plan;

    // Window pixel (x, y) of the 800 x 600 view for this frame, the view being
    // centred on the director's fCamCenterX_.
    void piloter(const Zeus& zeus, int& x, int& y);

private:
    Plan plan_;
    int frame_ = 0;
    // The front of the flock at its furthest, and the frames since it got there.
    double record_ = 0;
    int attente_ = 0;
    // The chicken saved at the hardest level.
    int meneur_ = -1;
};
