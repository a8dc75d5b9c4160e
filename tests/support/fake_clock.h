#pragma once
// Every test program links tests/support/fake_clock.cpp: its timeGetTime and
// Sleep take the place of the platform's, and a test can replace them.
#include "engine/platform/system.h"

// Null restores the real clock or sleep.
void platformSetClock(DWORD (*clock)());
void platformSetSleep(void (*sleeper)(DWORD));
