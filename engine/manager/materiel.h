#pragma once
// A fixed-function material. Its text and constructor take the colours as
// diffuse, ambient, emissive, specular, power; the D3DMATERIAL9 block keeps
// specular before emissive, so every conversion swaps those two.
#include "engine/platform/d3d9.h"

#include <iostream>
#include <string>

class MATERIEL {
public:
    static MATERIEL* loadmateriel(float diffuseR, float diffuseG, float diffuseB, float diffuseA,
                                  float ambientR, float ambientG, float ambientB, float ambientA,
                                  float emissiveR, float emissiveG, float emissiveB, float emissiveA,
                                  float specularR, float specularG, float specularB, float specularA,
                                  float power);
    // Seventeen numbers separated by any white space; missing ones read as 0.
    static MATERIEL* loadmateriel(const char* values);

    explicit MATERIEL(D3DMATERIAL9* block);
    // A copy of other's values, or all zeros when other is null.
    explicit MATERIEL(MATERIEL* other);
    ~MATERIEL();
    MATERIEL(const MATERIEL&) = delete;
    MATERIEL& operator=(const MATERIEL&) = delete;

    D3DMATERIAL9* getmateriel();
    std::string getValues();

private:
    D3DMATERIAL9* g_pMeshMaterials;
};

std::ostream& operator<<(std::ostream& os, MATERIEL* materiel);
