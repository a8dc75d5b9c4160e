#pragma once
// The look of one subset: a material and eight texture stages, none owned.
#include "engine/platform/d3d9.h"

#include <cstdint>

class MATERIEL;
class TEXTURE;

class ASPECT {
public:
    static IDirect3DDevice9* device;

    ASPECT();
    ASPECT(MATERIEL* materiel, TEXTURE* t0, TEXTURE* t1, TEXTURE* t2, TEXTURE* t3, TEXTURE* t4, TEXTURE* t5,
           TEXTURE* t6, TEXTURE* t7);

    void setaspect(MATERIEL* materiel, TEXTURE* t0, TEXTURE* t1, TEXTURE* t2, TEXTURE* t3, TEXTURE* t4,
                   TEXTURE* t5, TEXTURE* t6, TEXTURE* t7);
    // Stages 0 to 7 only; null clears the stage.
    bool settexture(TEXTURE* texture, int8_t stage);
    bool setmateriel(MATERIEL* materiel);
    MATERIEL* getMateriel();
    TEXTURE* getTexture(int stage);

    // Sets the material when there is one, then binds stages 0 up to the highest used.
    void afficheaspect();

private:
    MATERIEL* materiel;
    TEXTURE* texture[8];
    uint32_t stage;
};
