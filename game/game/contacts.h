#pragma once
// The distance tests by which the hazards and items reach the chickens: the physics
// space keeps bodies apart but reports nothing to the game.
#include "engine/physics/physics.h"

// Touching counts; all in single precision, as the rules were tuned.
inline bool toucheCercle(cpVect acteur, cpVect poulet, double portee)
{
    float r = static_cast<float>(portee);
    float dx = static_cast<float>(poulet.x - acteur.x);
    float dy = static_cast<float>(poulet.y - acteur.y);
    return dx * dx + dy * dy <= r * r;
}

// The whole width of the belt: only the distance along it counts.
inline bool toucheLigne(cpVect acteur, cpVect poulet, double portee)
{
    float r = static_cast<float>(portee);
    float dx = static_cast<float>(poulet.x - acteur.x);
    return dx * dx <= r * r;
}
