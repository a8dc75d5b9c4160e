#include "engine/tovi3d/tovi3D.h"

#include <cstdlib>
#include <cstring>

namespace {
const char* const kCaption = "ERREUR";
void report(const char* text)
{
    MessageBoxA(nullptr, text, kCaption, MB_ICONINFORMATION);
}
} // namespace

TOVI3D::TOVI3D(HWND window, int width, int height)
    : pD3dDevice(nullptr), g_pD3D(nullptr), pCamera(nullptr), pMatproj(nullptr), hWnd(window)
{
    pCamera = new CAMERA(0, 5, -5, 0, 0, 0, 0, 1, 0);
    pMatproj = new MATPROJ(0.7853982f, 1.0f, 1.0f, 100.0f);
    D3DXMatrixIdentity(&matview);
    D3DXMatrixIdentity(&matproj);
    D3DXMatrixIdentity(&matWorld);
    initD3D();
    initD3DPP(width, height);
    initDevice();
    checkCooperative();
}

TOVI3D::~TOVI3D()
{
    detruire();
    delete pMatproj;
    pMatproj = nullptr;
}

void TOVI3D::initD3D()
{
    g_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (!g_pD3D)
        report("Problème initialisation D3D");
}

void TOVI3D::initD3DPP(int width, int height)
{
    // Without a Direct3D object the format cannot be checked: report it as unsupported.
    if (!g_pD3D || FAILED(g_pD3D->CheckDeviceType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_R5G6B5,
                                                   D3DFMT_R5G6B5, TRUE)))
        report("Format d'affichage non adapté");
    std::memset(&d3dpp, 0, sizeof d3dpp);
    d3dpp.BackBufferWidth = UINT(width);
    d3dpp.BackBufferHeight = UINT(height);
    d3dpp.BackBufferFormat = D3DFMT_UNKNOWN;
    d3dpp.Windowed = TRUE;
    d3dpp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    d3dpp.EnableAutoDepthStencil = TRUE;
    d3dpp.AutoDepthStencilFormat = D3DFMT_D16;
}

void TOVI3D::initDevice()
{
    if (!g_pD3D || FAILED(g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hWnd,
                                                D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE,
                                                &d3dpp, &pD3dDevice))) {
        pD3dDevice = nullptr;
        report("Problème lors de la création du device");
        return;
    }
    IDirect3DDevice9* d = pD3dDevice;
    d->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    d->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
    d->SetRenderState(D3DRS_LIGHTING, TRUE);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFFu);
    d->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_NONE);
    d->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_NONE);
}

bool TOVI3D::checkCooperative()
{
    if (!pD3dDevice)
        return false;
    HRESULT hr = pD3dDevice->TestCooperativeLevel();
    if (hr == D3DERR_DEVICELOST) {
        Sleep(500);
        return true;
    }
    if (hr == D3DERR_DEVICENOTRESET) {
        pD3dDevice->Reset(&d3dpp);
        return true;
    }
    return SUCCEEDED(hr);
}

bool TOVI3D::debutscene(int r, int g, int b)
{
    if (!pD3dDevice)
        return false;
    if (pCamera && pCamera->updated) {
        D3DXVECTOR3 eye = pCamera->eye, at = pCamera->lookat, up = pCamera->up;
        D3DXMatrixLookAtLH(&matview, &eye, &at, &up);
        pD3dDevice->SetTransform(D3DTS_VIEW, &matview);
        pCamera->updated = false;
    }
    if (pMatproj && pMatproj->updated) {
        if (pMatproj->switchperspective)
            D3DXMatrixPerspectiveFovLH(&matproj, pMatproj->angle, pMatproj->ratio, pMatproj->cacaboudin,
                                       pMatproj->distance);
        else
            D3DXMatrixOrthoLH(&matproj, pMatproj->orthox, pMatproj->orthoy, pMatproj->cacaboudin,
                              pMatproj->distance);
        pD3dDevice->SetTransform(D3DTS_PROJECTION, &matproj);
        pMatproj->updated = false;
    }
    checkCooperative();
    bool ok = true;
    D3DCOLOR colour = 0xFF000000u | (DWORD(r & 0xFF) << 16) | (DWORD(g & 0xFF) << 8) | DWORD(b & 0xFF);
    if (FAILED(pD3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, colour, 1.0f, 0))) {
        report("Problème de nettoyage du buffer");
        ok = false;
    }
    if (FAILED(pD3dDevice->BeginScene())) {
        report("Problème de début de scene");
        ok = false;
    }
    return ok;
}

void TOVI3D::afficherscene()
{
    if (!pD3dDevice)
        return;
    pD3dDevice->EndScene();
    pD3dDevice->Present(nullptr, nullptr, nullptr, nullptr);
}

void TOVI3D::detruire()
{
    if (pD3dDevice) {
        pD3dDevice->Release();
        pD3dDevice = nullptr;
    }
    delete pCamera;
    pCamera = nullptr;
    if (g_pD3D) {
        g_pD3D->Release();
        g_pD3D = nullptr;
    }
}

void TOVI3D::erreur(const char* message)
{
    MessageBoxA(nullptr, message, kCaption, MB_OK);
    detruire();
    std::exit(5);
}
