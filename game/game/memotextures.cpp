#include "game/game/memotextures.h"

#include "engine/manager/xmanager.h"

#include <cstring>

TEXTURE* MemoTextures::get(XMANAGER* manager, const char* nom)
{
    if (!ouvert_ || std::strlen(nom) >= sizeof entrees_[0].nom)
        return manager->gettexture(nom);
    for (int i = 0; i < n_; ++i)
        if (entrees_[i].manager == manager && std::strcmp(entrees_[i].nom, nom) == 0)
            return entrees_[i].texture;
    TEXTURE* texture = manager->gettexture(nom);
    if (n_ < int(sizeof entrees_ / sizeof entrees_[0])) {
        Entree& e = entrees_[n_++];
        e.manager = manager;
        std::strcpy(e.nom, nom);
        e.texture = texture;
    }
    return texture;
}

TEXTURE* MemoTextures::get(XMANAGER* manager, const char* nom, int cle)
{
    if (!ouvert_ || cle < 0 || cle >= CLES || !manager)
        return get(manager, nom);
    ParCle& c = parCle_[cle];
    if (c.manager != manager) {
        c.texture = get(manager, nom);
        c.manager = manager;
    }
    return c.texture;
}
