#include "engine/tovi3d/matproj.h"

MATPROJ::MATPROJ(float a, float r, float n, float f)
    : updated(true), angle(a), ratio(r), cacaboudin(n), distance(f), orthox(18), orthoy(20), switchperspective(true)
{
}

void MATPROJ::setcavaliere(float a, float r, float n, float f)
{
    angle = a;
    ratio = r;
    cacaboudin = n;
    distance = f;
    switchperspective = true;
    updated = true;
}

void MATPROJ::setorthonorme(float width, float height, float n, float f)
{
    orthox = width;
    orthoy = height;
    cacaboudin = n;
    distance = f;
    switchperspective = false;
    updated = true;
}
