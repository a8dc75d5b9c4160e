#include "engine/scene/lumiere.h"

#include <cstring>

IDirect3DDevice9* LUMIERE::device = nullptr;

static D3DLIGHT9* newZeroLight()
{
    D3DLIGHT9* l = new D3DLIGHT9;
    std::memset(l, 0, sizeof *l);
    return l;
}

LUMIERE::LUMIERE(int type, float r, float g, float b) : ELEMENT3D(nullptr), i(0), lumiere(newZeroLight())
{
    lumiere->Type = (D3DLIGHTTYPE)type;
    lumiere->Diffuse = {r, g, b, 0.0f};
    lumiere->Specular = {1.0f, 1.0f, 1.0f, 0.0f};
    lumiere->Range = 50.0f;
    lumiere->Attenuation0 = 0.0f;
    lumiere->Attenuation1 = 300.0f;
    lumiere->Attenuation2 = 0.0f;
}

LUMIERE::LUMIERE(LUMIERE* other) : ELEMENT3D(nullptr), i(0), lumiere(newZeroLight())
{
    if (other)
        *lumiere = *other->lumiere;
}

LUMIERE::~LUMIERE() { delete lumiere; }

void LUMIERE::afficher(D3DXMATRIXA16* parentWorld)
{
    D3DXMATRIXA16 world = monde(parentWorld);
    if (lumiere->Type == D3DLIGHT_POINT)
        lumiere->Position = {world._41, world._42, world._43};
}

ELEMENT3D* LUMIERE::copy() { return new LUMIERE(this); }

void LUMIERE::SetLight(int index)
{
    i = index;
    device->SetLight((DWORD)index, lumiere);
}

void LUMIERE::LightEnable(int index, bool on) { device->LightEnable((DWORD)index, on ? TRUE : FALSE); }

D3DLIGHT9* LUMIERE::getLumiere() { return lumiere; }
