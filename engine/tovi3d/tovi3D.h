#pragma once
// The device wrapper: owns the Direct3D device, the camera and the projection,
// and runs each frame around the game's drawing.
#include "engine/platform/d3dx9.h"
#include "engine/tovi3d/camera.h"
#include "engine/tovi3d/matproj.h"

class TOVI3D {
public:
    IDirect3DDevice9* pD3dDevice;

    TOVI3D(HWND window, int width, int height);
    ~TOVI3D();

    // Clears to (r, g, b) (low byte of each) and begins the scene; false when
    // the frame cannot be drawn.
    bool debutscene(int r, int g, int b);
    void afficherscene();

    CAMERA* getpCamera() { return pCamera; }
    MATPROJ* getpMatproj() { return pMatproj; }

    void detruire();
    [[noreturn]] void erreur(const char* message);

    void registering(void*) {}
    void unregistering(void*) {}
    void render() {}

private:
    void initD3D();
    void initD3DPP(int width, int height);
    void initDevice();
    bool checkCooperative();

    IDirect3D9* g_pD3D;
    D3DPRESENT_PARAMETERS d3dpp;
    CAMERA* pCamera;
    MATPROJ* pMatproj;
    D3DXMATRIXA16 matview;
    D3DXMATRIXA16 matproj;
    D3DXMATRIXA16 matWorld;
    HWND hWnd;
};
