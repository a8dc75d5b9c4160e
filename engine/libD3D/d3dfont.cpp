#include "engine/libD3D/d3dfont.h"

#include "engine/platform/glyphs.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr UINT kBufferVertices = 300;
// Six vertices a character; a batch is drawn before the buffer could overflow.
constexpr UINT kBatchVertices = kBufferVertices - 6;
constexpr float kTextDepth = 0.9f;
constexpr DWORD kMaxAtlasSide = 1u << 16; // a runaway layout stops here

struct FontVertex {
    float x, y, z, rhw;
    DWORD color;
    float tu, tv;
};
static_assert(sizeof(FontVertex) == 28, "pre-transformed font vertex");
constexpr DWORD kFontFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct MeshVertex {
    float x, y, z;
    float nx, ny, nz;
    float tu, tv;
};
constexpr DWORD kMeshFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

enum class Layout { Fits, TooSmall };

bool selectFont(platform::GlyphSurface& surface, const char* name, DWORD points, DWORD flags, float scale)
{
    int dpi = int(std::lround(platform::kScreenDpi * scale));
    int pixels = MulDiv(int(points), dpi, 72);
    return pixels > 0 && surface.selectFont(name, pixels, flags & D3DFONT_BOLD, flags & D3DFONT_ITALIC);
}

// Places characters 32 to 126 row by row, each with the spacing on both
// sides; with `paint`, draws them and records their cells.
Layout layoutGlyphs(platform::GlyphSurface& surface, DWORD width, DWORD height, DWORD& spacing,
                    float (*coords)[4], bool paint)
{
    SIZE x = surface.textExtent("x", 1);
    spacing = DWORD(std::ceil(x.cy * 0.3f));
    LONG px = 0, py = 0;
    for (int c = 32; c < 127; ++c) {
        char ch = char(c);
        SIZE size = surface.textExtent(&ch, 1);
        LONG cell = size.cx + 2 * LONG(spacing);
        if (px + cell > LONG(width)) {
            px = 0;
            py += size.cy + 1;
        }
        if (py + size.cy > LONG(height))
            return Layout::TooSmall;
        if (paint) {
            surface.drawText(px + LONG(spacing), py, &ch, 1);
            float* tc = coords[c - 32];
            tc[0] = float(px) / float(width);
            tc[1] = float(py) / float(height);
            tc[2] = float(px + cell) / float(width);
            tc[3] = float(py + size.cy) / float(height);
        }
        px += cell;
    }
    return Layout::Fits;
}

void putQuad(FontVertex* v, float left, float top, float right, float bottom, DWORD color, float z, const float* tc)
{
    // Clockwise on screen: the front face under counter-clockwise culling.
    v[0] = {left, bottom, z, 1.0f, color, tc[0], tc[3]};
    v[1] = {left, top, z, 1.0f, color, tc[0], tc[1]};
    v[2] = {right, bottom, z, 1.0f, color, tc[2], tc[3]};
    v[3] = {right, top, z, 1.0f, color, tc[2], tc[1]};
    v[4] = {right, bottom, z, 1.0f, color, tc[2], tc[3]};
    v[5] = {left, top, z, 1.0f, color, tc[0], tc[1]};
}

bool printable(unsigned char c)
{
    // 127 has no glyph in the atlas.
    return c >= 32 && c < 127;
}

// Saves the device state, then sets the text state, the vertex format, the
// batching buffer and the atlas. The caller applies `saved` when done.
void beginText(IDirect3DDevice9* d, IDirect3DStateBlock9* saved, IDirect3DStateBlock9* text,
               IDirect3DVertexBuffer9* vb, IDirect3DTexture9* atlas, DWORD fvf, UINT stride, unsigned long flags)
{
    saved->Capture();
    text->Apply();
    d->SetFVF(fvf);
    d->SetPixelShader(nullptr);
    d->SetStreamSource(0, vb, 0, stride);
    d->SetTexture(0, atlas);
    if (flags & D3DFONT_FILTERED) {
        d->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
        d->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    }
}

// Fills the locked buffer six vertices at a time and draws a triangle list
// whenever the next character might not fit.
template <class Vertex>
class Batch {
public:
    Batch(IDirect3DDevice9* d, IDirect3DVertexBuffer9* vb, UINT limit) : device_(d), vb_(vb), limit_(limit)
    {
        lock();
    }
    bool ok() const { return SUCCEEDED(hr_); }
    Vertex* quad()
    {
        Vertex* v = vertices_ + written_;
        written_ += 6;
        return v;
    }
    void afterQuad()
    {
        if (written_ >= limit_) {
            draw();
            lock();
        }
    }
    HRESULT finish()
    {
        if (ok())
            draw();
        return hr_;
    }

private:
    void lock()
    {
        written_ = 0;
        hr_ = vb_->Lock(0, 0, reinterpret_cast<void**>(&vertices_), D3DLOCK_DISCARD);
    }
    void draw()
    {
        vb_->Unlock();
        if (written_ > 0)
            device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, written_ / 3);
        written_ = 0;
    }

    IDirect3DDevice9* device_;
    IDirect3DVertexBuffer9* vb_;
    UINT limit_;
    Vertex* vertices_ = nullptr;
    UINT written_ = 0;
    HRESULT hr_ = D3D_OK;
};

} // namespace

CD3DFont::CD3DFont(const char* name, unsigned long height, unsigned long flags)
    : m_dwFontHeight(DWORD(height)), m_dwFontFlags(DWORD(flags)), m_pd3dDevice(nullptr), m_pTexture(nullptr),
      m_pVB(nullptr), m_dwTexWidth(0), m_dwTexHeight(0), m_fTextScale(1.0f), m_dwSpacing(0),
      m_pStateBlockSaved(nullptr), m_pStateBlockDrawText(nullptr)
{
    std::strncpy(m_strFontName, name ? name : "", sizeof m_strFontName - 1);
    m_strFontName[sizeof m_strFontName - 1] = '\0';
    std::memset(m_fTexCoords, 0, sizeof m_fTexCoords);
}

CD3DFont::~CD3DFont()
{
    InvalidateDeviceObjects();
    DeleteDeviceObjects();
}

HRESULT CD3DFont::InitDeviceObjects(IDirect3DDevice9* device)
{
    m_pd3dDevice = device;
    if (!device)
        return D3DERR_INVALIDCALL;
    if (m_pTexture) {
        m_pTexture->Release();
        m_pTexture = nullptr;
    }
    m_fTextScale = 1.0f;
    m_dwTexWidth = m_dwTexHeight = 128;

    platform::GlyphSurface surface;
    if (!selectFont(surface, m_strFontName, m_dwFontHeight, m_dwFontFlags, m_fTextScale))
        return E_FAIL;
    while (layoutGlyphs(surface, m_dwTexWidth, m_dwTexHeight, m_dwSpacing, m_fTexCoords, false) ==
           Layout::TooSmall) {
        if (m_dwTexWidth >= kMaxAtlasSide)
            return E_FAIL;
        m_dwTexWidth *= 2;
        m_dwTexHeight *= 2;
    }

    D3DCAPS9 caps;
    std::memset(&caps, 0, sizeof caps);
    device->GetDeviceCaps(&caps);
    if (caps.MaxTextureWidth > 0 && m_dwTexWidth > caps.MaxTextureWidth) {
        // Too big for the device: shrink the font until the atlas fits.
        m_fTextScale = float(caps.MaxTextureWidth) / float(m_dwTexWidth);
        m_dwTexWidth = m_dwTexHeight = caps.MaxTextureWidth;
        for (;;) {
            if (!selectFont(surface, m_strFontName, m_dwFontHeight, m_dwFontFlags, m_fTextScale))
                return E_FAIL;
            if (layoutGlyphs(surface, m_dwTexWidth, m_dwTexHeight, m_dwSpacing, m_fTexCoords, false) ==
                Layout::Fits)
                break;
            m_fTextScale *= 0.9f;
        }
    }

    HRESULT hr = device->CreateTexture(m_dwTexWidth, m_dwTexHeight, 1, 0, D3DFMT_A4R4G4B4, D3DPOOL_MANAGED,
                                       &m_pTexture, nullptr);
    if (FAILED(hr))
        return hr;

    surface.createBitmap(int(m_dwTexWidth), int(m_dwTexHeight));
    layoutGlyphs(surface, m_dwTexWidth, m_dwTexHeight, m_dwSpacing, m_fTexCoords, true);

    D3DLOCKED_RECT locked;
    hr = m_pTexture->LockRect(0, &locked, nullptr, 0);
    if (FAILED(hr))
        return hr;
    const uint32_t* bits = surface.bits();
    for (DWORD y = 0; y < m_dwTexHeight; ++y) {
        auto* row = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch);
        for (DWORD x = 0; x < m_dwTexWidth; ++x) {
            uint16_t alpha = uint16_t((bits[size_t(y) * m_dwTexWidth + x] & 0xFF) >> 4);
            row[x] = alpha > 0 ? uint16_t(alpha << 12 | 0x0FFF) : 0;
        }
    }
    m_pTexture->UnlockRect(0);
    return D3D_OK;
}

HRESULT CD3DFont::RestoreDeviceObjects()
{
    if (!m_pd3dDevice)
        return D3DERR_INVALIDCALL;
    InvalidateDeviceObjects(); // restoring twice must not leak the first buffer and blocks
    IDirect3DDevice9* d = m_pd3dDevice;
    HRESULT hr = d->CreateVertexBuffer(kBufferVertices * sizeof(FontVertex), D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC,
                                       0, D3DPOOL_DEFAULT, &m_pVB, nullptr);
    if (FAILED(hr))
        return hr;

    hr = d->CreateStateBlock(D3DSBT_ALL, &m_pStateBlockSaved);
    if (FAILED(hr))
        return hr;

    hr = d->BeginStateBlock();
    if (FAILED(hr))
        return hr;
    d->SetRenderState(D3DRS_ZENABLE, (m_dwFontFlags & D3DFONT_ZENABLE) ? D3DZB_TRUE : D3DZB_FALSE);
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    d->SetRenderState(D3DRS_ALPHAREF, 0x08);
    d->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    d->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    d->SetRenderState(D3DRS_STENCILENABLE, FALSE);
    d->SetRenderState(D3DRS_CLIPPING, TRUE);
    d->SetRenderState(D3DRS_CLIPPLANEENABLE, FALSE);
    d->SetRenderState(D3DRS_VERTEXBLEND, D3DVBF_DISABLE);
    d->SetRenderState(D3DRS_FOGENABLE, FALSE);
    d->SetRenderState(D3DRS_COLORWRITEENABLE, 0xF);
    d->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    d->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    d->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    d->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    d->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
    d->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    d->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    d->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    d->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    d->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    return d->EndStateBlock(&m_pStateBlockDrawText);
}

HRESULT CD3DFont::InvalidateDeviceObjects()
{
    if (m_pVB)
        m_pVB->Release();
    if (m_pStateBlockSaved)
        m_pStateBlockSaved->Release();
    if (m_pStateBlockDrawText)
        m_pStateBlockDrawText->Release();
    m_pVB = nullptr;
    m_pStateBlockSaved = nullptr;
    m_pStateBlockDrawText = nullptr;
    return D3D_OK;
}

HRESULT CD3DFont::DeleteDeviceObjects()
{
    if (m_pTexture)
        m_pTexture->Release();
    m_pTexture = nullptr;
    m_pd3dDevice = nullptr;
    return D3D_OK;
}

HRESULT CD3DFont::GetTextExtent(const char* text, SIZE* size)
{
    if (!text || !size)
        return E_FAIL;
    float lineHeight = (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * float(m_dwTexHeight) / m_fTextScale;
    float rowWidth = 0.0f, width = 0.0f, height = lineHeight;
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            rowWidth = 0.0f;
            height += lineHeight;
            continue;
        }
        if (!printable(c))
            continue;
        const float* tc = m_fTexCoords[c - 32];
        rowWidth += (tc[2] - tc[0]) * float(m_dwTexWidth) / m_fTextScale - 2.0f * float(m_dwSpacing);
        if (rowWidth > width)
            width = rowWidth;
    }
    size->cx = LONG(width);
    size->cy = LONG(height);
    return D3D_OK;
}

int CD3DFont::getHeight()
{
    return int(m_dwFontHeight);
}

HRESULT CD3DFont::DrawTextA(float sx, float sy, unsigned long color, const char* text, unsigned long flags)
{
    if (!m_pd3dDevice || !m_pVB || !m_pStateBlockSaved || !m_pStateBlockDrawText || !text)
        return E_FAIL;
    beginText(m_pd3dDevice, m_pStateBlockSaved, m_pStateBlockDrawText, m_pVB, m_pTexture, kFontFvf,
              sizeof(FontVertex), flags);

    float lineHeight = (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * float(m_dwTexHeight) / m_fTextScale;
    if (flags & (D3DFONT_CENTERED_X | D3DFONT_CENTERED_Y)) {
        D3DVIEWPORT9 vp;
        m_pd3dDevice->GetViewport(&vp);
        if (flags & D3DFONT_CENTERED_X) {
            const char* end = std::strchr(text, '\n');
            std::string first(text, end ? size_t(end - text) : std::strlen(text));
            SIZE size;
            GetTextExtent(first.c_str(), &size);
            sx = (float(vp.Width) - float(size.cx)) / 2.0f;
        }
        if (flags & D3DFONT_CENTERED_Y)
            sy = (float(vp.Height) - lineHeight) / 2.0f;
    }

    // A scale other than 1 only when the atlas had to shrink.
    float f = 1.0f / m_fTextScale;
    return drawScreenText(sx - float(m_dwSpacing), sy, f, f, float(m_dwSpacing), DWORD(color), kTextDepth, text);
}

HRESULT CD3DFont::DrawTextScaled(float x, float y, float z, float xScale, float yScale, unsigned long color,
                                 const char* text, unsigned long flags)
{
    if (!m_pd3dDevice || !m_pVB || !m_pStateBlockSaved || !m_pStateBlockDrawText || !text)
        return E_FAIL;
    beginText(m_pd3dDevice, m_pStateBlockSaved, m_pStateBlockDrawText, m_pVB, m_pTexture, kFontFvf,
              sizeof(FontVertex), flags);

    D3DVIEWPORT9 vp;
    m_pd3dDevice->GetViewport(&vp);
    float lineHeight = (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * float(m_dwTexHeight);
    if (lineHeight <= 0.0f)
        lineHeight = 1.0f;
    // Glyph sizes as fractions of the viewport height.
    float fx = xScale * float(vp.Height) / lineHeight;
    float fy = yScale * float(vp.Height) / lineHeight;
    float sx = (x + 1.0f) * float(vp.Width) / 2.0f;
    float sy = (1.0f - y) * float(vp.Height) / 2.0f;
    if (flags & D3DFONT_CENTERED_X) {
        SIZE size;
        GetTextExtent(text, &size);
        sx -= float(size.cx) * m_fTextScale * fx / 2.0f;
    }
    if (flags & D3DFONT_CENTERED_Y)
        sy -= lineHeight * fy / 2.0f;
    return drawScreenText(sx - float(m_dwSpacing) * fx, sy, fx, fy, float(m_dwSpacing) * fx, DWORD(color), z, text);
}

// One quad per printable character from (sx, sy), glyph sizes times (fx, fy),
// in the text state beginText applied; restores the caller's state after.
HRESULT CD3DFont::drawScreenText(float sx, float sy, float fx, float fy, float spacing, DWORD color, float z,
                                 const char* text)
{
    float lineHeight = (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * float(m_dwTexHeight) * fy;
    float startX = sx;
    Batch<FontVertex> batch(m_pd3dDevice, m_pVB, kBatchVertices);
    for (const char* p = text; batch.ok() && *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            sx = startX;
            sy += lineHeight;
            continue;
        }
        if (!printable(c))
            continue;
        const float* tc = m_fTexCoords[c - 32];
        float w = (tc[2] - tc[0]) * float(m_dwTexWidth) * fx;
        float h = (tc[3] - tc[1]) * float(m_dwTexHeight) * fy;
        if (c != ' ') {
            putQuad(batch.quad(), sx - 0.5f, sy - 0.5f, sx + w - 0.5f, sy + h - 0.5f, color, z, tc);
            batch.afterQuad();
        }
        sx += w - 2.0f * spacing;
    }
    HRESULT hr = batch.finish();
    m_pStateBlockSaved->Apply();
    return hr;
}

HRESULT CD3DFont::Render3DText(const char* text, unsigned long flags)
{
    if (!m_pd3dDevice || !m_pVB || !m_pStateBlockSaved || !m_pStateBlockDrawText || !text)
        return E_FAIL;
    beginText(m_pd3dDevice, m_pStateBlockSaved, m_pStateBlockDrawText, m_pVB, m_pTexture, kMeshFvf,
              sizeof(MeshVertex), flags);
    if (flags & D3DFONT_TWOSIDED)
        m_pd3dDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);

    // Ten pixels of the atlas make one unit; the text starts at the origin.
    const float unit = 10.0f;
    float x = 0.0f, y = 0.0f;
    if (flags & (D3DFONT_CENTERED_X | D3DFONT_CENTERED_Y)) {
        SIZE size;
        GetTextExtent(text, &size);
        if (flags & D3DFONT_CENTERED_X)
            x = -float(size.cx) / unit / 2.0f;
        if (flags & D3DFONT_CENTERED_Y)
            y = float(size.cy) / unit / 2.0f;
    }
    float startX = x;
    const UINT capacity = (kBufferVertices * sizeof(FontVertex) / sizeof(MeshVertex)) / 6 * 6;

    Batch<MeshVertex> batch(m_pd3dDevice, m_pVB, capacity);
    for (const char* p = text; batch.ok() && *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            x = startX;
            y -= (m_fTexCoords[0][3] - m_fTexCoords[0][1]) * float(m_dwTexHeight) / unit;
            continue;
        }
        if (!printable(c))
            continue;
        const float* tc = m_fTexCoords[c - 32];
        float w = (tc[2] - tc[0]) * float(m_dwTexWidth) / unit;
        float h = (tc[3] - tc[1]) * float(m_dwTexHeight) / unit;
        if (c != ' ') {
            float l = x, r = x + w, t = y, b = y - h;
            // Clockwise seen from -z, the side the text is read from.
            MeshVertex* v = batch.quad();
            v[0] = {l, b, 0, 0, 0, -1, tc[0], tc[3]};
            v[1] = {l, t, 0, 0, 0, -1, tc[0], tc[1]};
            v[2] = {r, b, 0, 0, 0, -1, tc[2], tc[3]};
            v[3] = {r, t, 0, 0, 0, -1, tc[2], tc[1]};
            v[4] = {r, b, 0, 0, 0, -1, tc[2], tc[3]};
            v[5] = {l, t, 0, 0, 0, -1, tc[0], tc[1]};
            batch.afterQuad();
        }
        x += w - 2.0f * float(m_dwSpacing) / unit;
    }
    HRESULT hr = batch.finish();
    m_pStateBlockSaved->Apply();
    return hr;
}
