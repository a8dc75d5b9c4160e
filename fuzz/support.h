#pragma once
// What every fuzz target shares: a scratch directory as working directory (so
// that any file an input names or writes stays there), standard output
// silenced (the engine traces freely), a recording device for the drawing
// classes, and a resource manager that frees what an input registered in it.
#include "engine/manager/xmanager.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Once per process: moves to PLUMFALL_FUZZ_SCRATCH, or a new directory of
// /tmp; returns the device every drawing class uses.
IDirect3DDevice9* preparer();

// True once the process holds 16 MiB more than when the input began
// (debutEntree). Shell commands and script functions can double a scene's
// size with each call; an input that goes that far only measures memory and
// time, and is stopped there instead.
void debutEntree();
bool tropDeMemoire();

// Writes the bytes to a file of the scratch directory and returns its name.
std::string ecrire(const char* nom, const uint8_t* data, size_t size);

// The game's registrations give inputs real names to find: the shared meshes
// "cube" and "carre", their materials, the game's elements, a texture "tex".
class ManagerJetable : public XMANAGER {
public:
    ManagerJetable();
    // The registry destroys nothing of its own; what an input left in it goes here.
    ~ManagerJetable();
};

} // namespace fuzz
