#pragma once
// Screen text from a glyph atlas: the printable ASCII characters of a system
// font rasterised once into a texture, drawn as one textured quad per
// character, batched through a dynamic vertex buffer.
#include "engine/platform/d3d9.h"

// Creation flags.
#define D3DFONT_BOLD 0x0001
#define D3DFONT_ITALIC 0x0002
#define D3DFONT_ZENABLE 0x0004

// Drawing flags.
#define D3DFONT_CENTERED_X 0x0001
#define D3DFONT_CENTERED_Y 0x0002
#define D3DFONT_TWOSIDED 0x0004
#define D3DFONT_FILTERED 0x0008

class CD3DFont {
public:
    CD3DFont(const char* name, unsigned long height, unsigned long flags = 0);
    ~CD3DFont();
    CD3DFont(const CD3DFont&) = delete;
    CD3DFont& operator=(const CD3DFont&) = delete;

    HRESULT InitDeviceObjects(IDirect3DDevice9* device);
    HRESULT RestoreDeviceObjects();
    HRESULT InvalidateDeviceObjects();
    HRESULT DeleteDeviceObjects();

    HRESULT DrawTextA(float x, float y, unsigned long color, const char* text, unsigned long flags = 0);
    HRESULT DrawText(float x, float y, unsigned long color, const char* text, unsigned long flags = 0)
    {
        return DrawTextA(x, y, color, text, flags);
    }
    // x and y from -1 to 1 across the viewport; the scales are fractions of its height.
    HRESULT DrawTextScaled(float x, float y, float z, float xScale, float yScale, unsigned long color,
                           const char* text, unsigned long flags = 0);
    // The text as geometry in the current world space, one unit per ten pixels.
    HRESULT Render3DText(const char* text, unsigned long flags = 0);

    HRESULT GetTextExtent(const char* text, SIZE* size);
    int getHeight();

private:
    HRESULT drawScreenText(float sx, float sy, float fx, float fy, float spacing, DWORD color, float z,
                           const char* text);

    char m_strFontName[80];
    DWORD m_dwFontHeight;
    DWORD m_dwFontFlags;
    IDirect3DDevice9* m_pd3dDevice;
    IDirect3DTexture9* m_pTexture;
    IDirect3DVertexBuffer9* m_pVB;
    DWORD m_dwTexWidth, m_dwTexHeight;
    float m_fTextScale;
    float m_fTexCoords[128 - 32][4];
    DWORD m_dwSpacing;
    IDirect3DStateBlock9* m_pStateBlockSaved;
    IDirect3DStateBlock9* m_pStateBlockDrawText;
};
