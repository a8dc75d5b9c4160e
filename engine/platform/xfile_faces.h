#pragma once
// What Assimp hides of a text .x model: it cuts a face short at an index past
// the mesh's vertices (a quad 0, 1, 2, 9 becomes the triangle 0, 1, 2), where
// D3DX refuses the file. Binary and compressed files are left to Assimp.
namespace platform {

// False when a text .x file has a Mesh with a face of fewer than 3 indices or
// an index past its vertex list. True otherwise, and for files that cannot
// be read or are not text .x files (the importer judges those).
bool xFileFacesValid(const char* path);

} // namespace platform
