#pragma once
// A player that steers the flock by itself. It reads the world as the director
// holds it and answers, each frame, where the mouse pointer goes in the window;
// the caller moves the pointer there through the game's own mouse path.
//
// Every few frames it tries a handful of plans (in which lane to pass each of the
// next hazards, and before which one to wait) on a model of the next seconds:
// the saws' and tasers' state machines run ahead exactly, the chickens as bodies
// pushed towards the pointer. The plan that loses nothing and goes furthest
// steers until the next choice. Chickens too fat to pass a taser are left behind.
// At the hardest level it plays for one chicken and lets the others follow.
// Deterministic: the same world gives the same pointer.
class Zeus;

class Autopilot {
public:
    // Hazards along the belt with the lane (y) in which to pass each, and the
    // one before which to wait (-1: none). A hazard spans [debut, fin] in x,
    // not counting the chicken's own radius.
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
