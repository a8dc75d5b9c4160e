#include "engine/manager/aspect.h"

#include "engine/manager/materiel.h"
#include "engine/manager/texture.h"

#include <iostream>

IDirect3DDevice9* ASPECT::device = nullptr;

ASPECT::ASPECT() : materiel(nullptr), texture{}, stage(0) {}

ASPECT::ASPECT(MATERIEL* m, TEXTURE* t0, TEXTURE* t1, TEXTURE* t2, TEXTURE* t3, TEXTURE* t4, TEXTURE* t5,
               TEXTURE* t6, TEXTURE* t7)
    : materiel(m), texture{t0, t1, t2, t3, t4, t5, t6, t7}, stage(0)
{
}

void ASPECT::setaspect(MATERIEL* m, TEXTURE* t0, TEXTURE* t1, TEXTURE* t2, TEXTURE* t3, TEXTURE* t4, TEXTURE* t5,
                       TEXTURE* t6, TEXTURE* t7)
{
    std::cout << "mat " << static_cast<void*>(m) << std::endl;
    std::cout << "tex " << static_cast<void*>(t0) << std::endl;
    materiel = m;
    TEXTURE* t[8] = {t0, t1, t2, t3, t4, t5, t6, t7};
    for (int i = 0; i < 8; ++i)
        texture[i] = t[i];
    stage = 0;
}

bool ASPECT::settexture(TEXTURE* t, int8_t s)
{
    if (s < 0 || s > 7)
        return false;
    texture[s] = t;
    if ((uint32_t)s > stage)
        stage = (uint32_t)s;
    return true;
}

bool ASPECT::setmateriel(MATERIEL* m)
{
    materiel = m;
    return true;
}

MATERIEL* ASPECT::getMateriel() { return materiel; }

TEXTURE* ASPECT::getTexture(int s)
{
    if (s < 0 || s > 7)
        return nullptr;
    return texture[s];
}

void ASPECT::afficheaspect()
{
    if (materiel)
        device->SetMaterial(materiel->getmateriel());
    // Stages above the highest used are left as the last draw set them.
    for (uint32_t s = 0; s <= stage && s < 8; ++s)
        device->SetTexture(s, texture[s] ? texture[s]->gettexture() : nullptr);
}
