#pragma once
// A scene element carrying one device light; a point light follows its world position.
#include "engine/manager/element3d.h"
#include "engine/platform/d3d9.h"

class LUMIERE : public ELEMENT3D {
public:
    LUMIERE(int type, float r, float g, float b);
    // Copies the light parameters only: identity matrix, no index.
    explicit LUMIERE(LUMIERE* other);
    ~LUMIERE() override;

    void afficher(D3DXMATRIXA16* parentWorld) override;
    ELEMENT3D* copy() override;

    void SetLight(int index);
    static void LightEnable(int index, bool on);
    D3DLIGHT9* getLumiere();

    static IDirect3DDevice9* device;

private:
    int i;
    D3DLIGHT9* lumiere;
};
