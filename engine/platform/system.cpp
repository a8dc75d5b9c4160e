#include "engine/platform/system.h"

#include <SDL/SDL.h>
#ifndef __EMSCRIPTEN__
#include <SDL/SDL_syswm.h>
#endif

#include <cstdio>
#include <string>

namespace {

bool validUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || i + n >= s.size() + (n == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += n + 1;
    }
    return true;
}

// The code points of Windows-1252's bytes 0x80 to 0x9F; the five it leaves
// undefined keep their own value, as Windows converts them.
const uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Texts written for Windows-1252 (è as 0xE8, € as 0x80) are shown as UTF-8;
// texts that already are UTF-8 pass unchanged.
std::string toUtf8(const char* text)
{
    std::string s = text ? text : "";
    if (validUtf8(s))
        return s;
    std::string out;
    for (unsigned char c : s) {
        unsigned code = (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c;
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

} // namespace

int MessageBoxA(HWND, const char* text, const char* caption, UINT)
{
    std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
    std::fflush(stderr);
    return IDOK;
}

HWND GetActiveWindow()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return nullptr;
#ifdef __EMSCRIPTEN__
    return reinterpret_cast<HWND>(uintptr_t(1)); // the page's one canvas
#else
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(info.info.x11.window));
#endif
}
