#pragma once
// Fill a shell with the standard commands.
#include "engine/bash/bash.h"
#include "engine/manager/xmanager.h"

void loaddefaultbashapp(BASH* lebash);
// Also sets the scene commands' manager and clears their current scene.
void loadtovi3Ddefaultbashapp(BASH* lebash, XMANAGER* manager);
