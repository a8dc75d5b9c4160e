#pragma once
// The game's asset set-up: the shared device, the two shared meshes, the
// materials and every named picture element the game looks up.
#include "engine/platform/d3d9.h"

#include <vector>

class MANAGER;
class VERTEXBUFFER;

void initall(IDirect3DDevice9* device);
void chargercube(MANAGER* m, IDirect3DDevice9* device);
void chargerElements3D(MANAGER* m);

// chargerElements3D's elements in the order it registers them, each with the
// name of the texture it starts with.
struct ElementJeu {
    const char* nom;
    const char* texture;
};
std::vector<ElementJeu> elementsJeu();

// A line-list grid of x by y cells of side pas in the z = 0 plane; z is unused.
// The caller owns the result.
VERTEXBUFFER* CREATEGRID(int x, int y, int z, float pas);
