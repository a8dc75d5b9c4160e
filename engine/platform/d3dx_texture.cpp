// Picture files into device textures, as D3DXCreateTextureFromFileEx does it
// for the engine: one level, A8R8G8B8, sizes rounded up to powers of two.
#include "engine/platform/d3dx9.h"
#include "engine/platform/window_icon.h"

#include <cmath>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace {

constexpr HRESULT D3DXERR_INVALIDDATA = (HRESULT)0x88760B59u;

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> argb; // row by row
};

UINT nextPowerOfTwo(UINT n)
{
    UINT p = 1;
    while (p < n && p < 0x80000000u)
        p <<= 1;
    return p;
}

uint32_t channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFFu; }

// Each channel: a × (1 − t) + b × t, rounded. The SSE2 form works the four
// channels in one go with the same single-precision steps, so both give the
// same texels.
uint32_t lerpTexel(uint32_t a, uint32_t b, float t)
{
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    __m128 fa = _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128((int)a), zero), zero));
    __m128 fb = _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128((int)b), zero), zero));
    __m128 v = _mm_add_ps(_mm_add_ps(_mm_mul_ps(fa, _mm_set1_ps(1.0f - t)), _mm_mul_ps(fb, _mm_set1_ps(t))),
                          _mm_set1_ps(0.5f));
    __m128i n = _mm_cvttps_epi32(v);
    n = _mm_packs_epi32(n, n);
    return (uint32_t)_mm_cvtsi128_si32(_mm_packus_epi16(n, n));
#else
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        float v = (float)channel(a, shift) * (1.0f - t) + (float)channel(b, shift) * t;
        out |= (uint32_t)(v + 0.5f) << shift;
    }
    return out;
#endif
}

uint32_t texelAt(const Picture& p, int x, int y)
{
    x = x < 0 ? 0 : (x >= p.width ? p.width - 1 : x);
    y = y < 0 ? 0 : (y >= p.height ? p.height - 1 : y);
    return p.argb[(size_t)y * (size_t)p.width + (size_t)x];
}

// The filter when the picture shrinks along either side: the average of the
// texels the destination texel covers. (Growing along both is agrandir's.)
uint32_t sampleShrunk(const Picture& p, UINT dx, UINT dy, UINT dw, UINT dh)
{
    float sx = (float)p.width / (float)dw, sy = (float)p.height / (float)dh;
    int x0 = (int)((float)dx * sx), x1 = (int)((float)(dx + 1) * sx);
    int y0 = (int)((float)dy * sy), y1 = (int)((float)(dy + 1) * sy);
    if (x1 <= x0)
        x1 = x0 + 1;
    if (y1 <= y0)
        y1 = y0 + 1;
    float sum[4] = {};
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++n)
            for (int c = 0; c < 4; ++c)
                sum[c] += (float)channel(texelAt(p, x, y), c * 8);
    uint32_t out = 0;
    for (int c = 0; c < 4; ++c)
        out |= (uint32_t)(sum[c] / (float)n + 0.5f) << (c * 8);
    return out;
}

// `mode`: the filter's low byte, D3DX_DEFAULT already resolved.
uint32_t sample(const Picture& p, UINT dx, UINT dy, UINT dw, UINT dh, DWORD mode)
{
    if ((int)dw == p.width && (int)dh == p.height)
        return p.argb[(size_t)dy * (size_t)p.width + dx];
    switch (mode) {
    case D3DX_FILTER_NONE:
        // No scaling: the picture sits in the top-left corner, the rest is black.
        return (int)dx < p.width && (int)dy < p.height ? p.argb[(size_t)dy * (size_t)p.width + dx] : 0u;
    case D3DX_FILTER_POINT:
        return texelAt(p, (int)((uint64_t)dx * (uint64_t)p.width / dw), (int)((uint64_t)dy * (uint64_t)p.height / dh));
    default:
        return sampleShrunk(p, dx, dy, dw, dh);
    }
}

// Where a destination column (or row) samples the picture when growing: the
// texel before it and the weight of the one after, between texel centres.
// They depend on that coordinate alone.
struct Poids {
    int i0;
    float t;
};

std::vector<Poids> poidsAgrandissement(int source, UINT dest)
{
    std::vector<Poids> out(dest);
    float s = (float)source / (float)dest;
    for (UINT d = 0; d < dest; ++d) {
        float f = ((float)d + 0.5f) * s - 0.5f;
        int i0 = (int)std::floor(f);
        out[d] = Poids{i0, f - (float)i0};
    }
    return out;
}

// The whole texture when it only grows, the usual case (a picture rounded up
// to powers of two), filtered bilinearly. A texel blends two texels
// of row y0 (top), two of row y0 + 1 (bottom), then top with bottom; top
// depends on y0 and the column alone, so each source row is blended across
// the columns once, and destination rows on the same y0 share it.
void agrandir(const Picture& p, UINT w, UINT h, unsigned char* bits, INT pitch)
{
    std::vector<Poids> colonnes = poidsAgrandissement(p.width, w), rangees = poidsAgrandissement(p.height, h);
    std::vector<uint32_t> haut(w), bas(w);
    int yHaut = INT32_MIN, yBas = INT32_MIN;
    auto melanger = [&](int ySource, std::vector<uint32_t>& out) {
        for (UINT x = 0; x < w; ++x) {
            const Poids& c = colonnes[x];
            out[x] = lerpTexel(texelAt(p, c.i0, ySource), texelAt(p, c.i0 + 1, ySource), c.t);
        }
    };
    for (UINT y = 0; y < h; ++y) {
        const Poids& r = rangees[y];
        if (yHaut != r.i0) {
            if (yBas == r.i0)
                haut.swap(bas);
            else
                melanger(r.i0, haut);
            yHaut = r.i0;
        }
        if (yBas != r.i0 + 1) {
            melanger(r.i0 + 1, bas);
            yBas = r.i0 + 1;
        }
        unsigned char* row = bits + (size_t)y * (size_t)pitch;
        for (UINT x = 0; x < w; ++x) {
            uint32_t texel = lerpTexel(haut[x], bas[x], r.t);
            std::memcpy(row + 4 * (size_t)x, &texel, 4);
        }
    }
}

bool readPicture(const char* file, D3DCOLOR colorKey, Picture& out, int& components)
{
    int w = 0, h = 0, n = 0;
    unsigned char* rgba = stbi_load(file, &w, &h, &n, 4);
    if (!rgba)
        return false;
    out.width = w;
    out.height = h;
    out.argb.resize((size_t)w * (size_t)h);
    for (size_t i = 0; i < out.argb.size(); ++i) {
        const unsigned char* s = rgba + 4 * i;
        uint32_t argb = (uint32_t)s[3] << 24 | (uint32_t)s[0] << 16 | (uint32_t)s[1] << 8 | s[2];
        // The key is compared with alpha included, before any scaling.
        out.argb[i] = colorKey != 0 && argb == colorKey ? 0u : argb;
    }
    stbi_image_free(rgba);
    components = n;
    return true;
}

} // namespace

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* file, UINT width, UINT height,
                                     UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                     DWORD mipFilter, D3DCOLOR colorKey, D3DXIMAGE_INFO* srcInfo,
                                     PALETTEENTRY* palette, IDirect3DTexture9** texture)
{
    (void)mipLevels; // one level only: the engine draws without mipmaps
    (void)usage;
    (void)format; // always A8R8G8B8, the one format the engine asks for
    (void)mipFilter;
    (void)palette;
    if (!device || !file || !texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;

    Picture picture;
    int components = 0;
    if (!readPicture(file, colorKey, picture, components))
        return D3DXERR_INVALIDDATA;
    if (srcInfo) {
        srcInfo->Width = (UINT)picture.width;
        srcInfo->Height = (UINT)picture.height;
        srcInfo->Depth = 1;
        srcInfo->MipLevels = 1;
        srcInfo->Format = components == 4 ? D3DFMT_A8R8G8B8 : D3DFMT_R8G8B8;
    }

    UINT w = width == D3DX_DEFAULT || width == 0 ? nextPowerOfTwo((UINT)picture.width) : width;
    UINT h = height == D3DX_DEFAULT || height == 0 ? nextPowerOfTwo((UINT)picture.height) : height;

    IDirect3DTexture9* created = nullptr;
    HRESULT hr = device->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, pool, &created, nullptr);
    if (FAILED(hr) || !created)
        return FAILED(hr) ? hr : E_FAIL;
    D3DLOCKED_RECT locked{};
    hr = created->LockRect(0, &locked, nullptr, 0);
    if (FAILED(hr) || !locked.pBits) {
        created->Release();
        return FAILED(hr) ? hr : E_FAIL;
    }
    DWORD mode = filter == D3DX_DEFAULT ? D3DX_FILTER_TRIANGLE : (filter & 0xFFu);
    bool filtre = mode != D3DX_FILTER_NONE && mode != D3DX_FILTER_POINT;
    bool grandit = (UINT)picture.width <= w && (UINT)picture.height <= h;
    bool pareil = (UINT)picture.width == w && (UINT)picture.height == h;
    if (filtre && grandit && !pareil) {
        agrandir(picture, w, h, static_cast<unsigned char*>(locked.pBits), locked.Pitch);
    } else {
        for (UINT y = 0; y < h; ++y) {
            unsigned char* row = static_cast<unsigned char*>(locked.pBits) + (size_t)y * (size_t)locked.Pitch;
            for (UINT x = 0; x < w; ++x) {
                uint32_t texel = sample(picture, x, y, w, h, mode);
                std::memcpy(row + 4 * (size_t)x, &texel, 4);
            }
        }
    }
    created->UnlockRect(0);
    *texture = created;
    return D3D_OK;
}

HRESULT D3DXCreateTextureFromFileA(IDirect3DDevice9* device, const char* file, IDirect3DTexture9** texture)
{
    return D3DXCreateTextureFromFileExA(device, file, D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
                                        D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr, texture);
}

namespace platform {

bool readRgbaPicture(const char* file, int& width, int& height, unsigned char*& rgba)
{
    int n = 0;
    rgba = stbi_load(file, &width, &height, &n, 4);
    return rgba != nullptr;
}

void freeRgbaPicture(unsigned char* rgba)
{
    stbi_image_free(rgba);
}

} // namespace platform
