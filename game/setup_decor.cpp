#include "game/setup_decor.h"

#include "engine/manager/element3d.h"
#include "engine/manager/manager.h"
#include "engine/platform/d3dx9.h"
#include "game/game/world.h"

namespace {

// Belt layout: segments overlap by 15, stripe pieces by 143.
const float fTailleDebut = 178;
const float fOffsetDebutX = fTailleDebut / -2;
const float fOffsetDebutY = -25;
const float fTailleTroncon = 300;
const float fOffsetTronconX = fTailleTroncon / 2;
const float fOffsetTronconY = -25;
const float fTailleTraits = 879;
const float fOffsetTraitsX = (30 - fTailleDebut) + fTailleTraits / 2;
const float fOffsetTraitsY = 0;

// One scratch matrix serves every draw of the frame.
D3DXMATRIXA16 g_matrice;

void dessiner(ELEMENT3D* element, float x, float y, float z)
{
    D3DXMatrixIdentity(&g_matrice);
    D3DXMatrixTranslation(&g_matrice, x, y, z);
    if (element)
        element->afficher(&g_matrice);
}

} // namespace

DecorTapis::DecorTapis(MANAGER* m)
    : rTapisDebut(m->getelement3d("tapis_debut")), rTapisTroncon(m->getelement3d("tapis_troncon")),
      rTapisTraits(m->getelement3d("tapis_traits")), rBG(m->getelement3d("flammes")), rFin(m->getelement3d("fin")),
      rProgressBar(m->getelement3d("progressbar")), rProgressCursor(m->getelement3d("progresscursor"))
{
}

void DecorTapis::afficherFond(float cx, float offsetTraits)
{
    dessiner(rBG, cx, 0, 10);
    dessiner(rProgressBar, cx, 280, 10);
    dessiner(rProgressCursor, cx + (cx / static_cast<float>(world::ARRIVEE) - 0.5f) * 760, 280, 10);
    dessiner(rTapisDebut, fOffsetDebutX + 2, fOffsetDebutY, 1);
    for (int i = 0; i < 30; ++i)
        dessiner(rTapisTroncon, fOffsetTronconX + (fTailleTroncon - 15) * i, fOffsetTronconY, 1);
    for (int i = 0; i < 12; ++i)
        dessiner(rTapisTraits, fOffsetTraitsX + (fTailleTraits - 143) * i + offsetTraits, fOffsetTraitsY, 1);
}

void DecorTapis::afficherFin()
{
    dessiner(rFin, static_cast<float>(world::ARRIVEE), 0, -10);
}

float DecorTapis::avancerTraits(float offset, int pas)
{
    offset += TRAITS_VITESSE * pas;
    while (offset < TRAITS_FIN)
        offset += TRAITS_DEBUT - TRAITS_FIN;
    return offset;
}
