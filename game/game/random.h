#pragma once
// The game's own generator: the classic 15-bit linear congruential one, so that
// values run from 0 to 32767 and a seed gives the same game on every machine.
#include <cstdint>

constexpr int GAME_RAND_MAX = 32767;

void gameSrand(uint32_t seed);
int gameRand();
