#pragma once
// Text forms of matrices: one line of sixteen numbers, and five-line matrix files.
#include "engine/platform/d3dx9.h"

// Entries whose number cannot be read keep their value.
D3DXMATRIXA16* D3DXMatrixValues(D3DXMATRIXA16* m, const char* text);
bool loadmatrice(D3DXMATRIXA16* m, const char* fileName);
bool sauvegardematrice(D3DXMATRIXA16* m, const char* fileName);
// Rows 1 to 3 of out get the transposed 3x3 part of a 3x4 row-major block.
D3DXMATRIXA16* convertMatrix(D3DXMATRIXA16* out, const float* in);
// Angle of (x, y) in [0, 2pi); NaN for the null vector.
float conversion_polaire(float x, float y);
