#include "engine/platform/system.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

DWORD (*g_clock)() = nullptr;
void (*g_sleep)(DWORD) = nullptr;

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

// Texts written for Windows-1252 (è as 0xE8) are shown as UTF-8; texts that
// already are UTF-8 pass unchanged.
std::string toUtf8(const char* text)
{
    std::string s = text ? text : "";
    if (validUtf8(s))
        return s;
    std::string out;
    for (unsigned char c : s) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
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

DWORD timeGetTime()
{
    if (g_clock)
        return g_clock();
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return DWORD(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

void Sleep(DWORD milliseconds)
{
    if (g_sleep) {
        g_sleep(milliseconds);
        return;
    }
    timespec ts{time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

HWND GetActiveWindow()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return nullptr;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(info.info.x11.window));
}

void platformSetClock(DWORD (*clock)())
{
    g_clock = clock;
}

void platformSetSleep(void (*sleeper)(DWORD))
{
    g_sleep = sleeper;
}
