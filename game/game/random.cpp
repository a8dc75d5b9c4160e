#include "game/game/random.h"

namespace {
uint32_t etat = 1;
}

void gameSrand(uint32_t seed) { etat = seed; }

int gameRand()
{
    etat = etat * 214013u + 2531011u;
    return static_cast<int>((etat >> 16) & 0x7FFF);
}
