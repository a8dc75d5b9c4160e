#pragma once
// Geometry an object draws subset by subset: a mesh or a vertex buffer.
#include <cstdint>
#include <iostream>
#include <string>

class CONTENEUR {
public:
    CONTENEUR();
    virtual ~CONTENEUR();
    CONTENEUR(const CONTENEUR&) = delete;
    CONTENEUR& operator=(const CONTENEUR&) = delete;

    // Draws with whatever material, textures and world transform the device holds.
    virtual void draw(int subset) = 0;
    virtual void print(std::ostream& os);

    void setName(const char* name);
    const char* getName();

    // Number of subsets: 1 for a vertex buffer, the model's material count for a mesh.
    int8_t dwNumMaterials;

protected:
    std::string name;
};

std::ostream& operator<<(std::ostream& os, CONTENEUR* conteneur);
