#include "tests/resources/fixture.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstring>

bool writePng(const std::string& path, int w, int h, const std::vector<uint32_t>& argb)
{
    std::vector<unsigned char> rgba(argb.size() * 4);
    for (size_t i = 0; i < argb.size(); ++i) {
        rgba[4 * i + 0] = (unsigned char)(argb[i] >> 16);
        rgba[4 * i + 1] = (unsigned char)(argb[i] >> 8);
        rgba[4 * i + 2] = (unsigned char)argb[i];
        rgba[4 * i + 3] = (unsigned char)(argb[i] >> 24);
    }
    return stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4) != 0;
}

uint32_t texelOf(IDirect3DTexture9* texture, int x, int y)
{
    D3DLOCKED_RECT r{};
    if (FAILED(texture->LockRect(0, &r, nullptr, 0)))
        return 0xDEADBEEF;
    uint32_t v;
    std::memcpy(&v, static_cast<unsigned char*>(r.pBits) + y * r.Pitch + 4 * x, 4);
    texture->UnlockRect(0);
    return v;
}
