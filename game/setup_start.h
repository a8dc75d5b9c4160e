#pragma once
// The start every program that shows the game's pictures shares: its
// resources and its view.
#include "engine/platform/d3d9.h"

struct JOURNALLUA;
class TOVI3D;
class XMANAGER;

// The game's view: 800 x 600 units, orthographic, the camera at the belt's start.
void preparerVue(TOVI3D* tovi);

// The game's resources on `device`: the shared device, the resource script
// (none when null), the shared meshes and every named element. The journal,
// when given, keeps what the script asked for and its error.
void chargerJeu(XMANAGER* manager, IDirect3DDevice9* device, const char* script, JOURNALLUA* journal = nullptr);
