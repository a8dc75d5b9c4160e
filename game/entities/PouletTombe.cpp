#include "game/entities/PouletTombe.h"

#include "engine/manager/element3d.h"

PouletTombe::PouletTombe(Zeus* deus, ELEMENT3D* e, ETYPE etype, cpShape* cpshape, bool bHaut)
    : Entitee(deus, e, etype, cpshape), tempsAnimation(0), tempsVie(0), haut(bHaut)
{
}

void PouletTombe::afficher()
{
    if (!elem)
        return;
    float s = getTaille() / 20.0f;
    D3DXMATRIXA16 echelle, translation, m;
    D3DXMatrixScaling(&echelle, s, s, 1);
    D3DXMatrixTranslation(&translation, static_cast<float>(position.x), static_cast<float>(position.y),
                          haut ? 3.0f : 0.0f);
    D3DXMatrixMultiply(&m, &echelle, &translation);
    elem->afficher(&m);
}

void PouletTombe::update(int t)
{
    tempsVie += t;
    setXY(static_cast<float>(position.x), static_cast<float>(position.y) - t / 10);
    if (tempsVie > 19999)
        aSupprimer = true;
}
