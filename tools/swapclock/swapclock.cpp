// Preloaded into the real game by bench_pacing and the soak (LD_PRELOAD), never linked into it:
// notes the time each SDL_GL_SwapBuffers returns and writes the times, one per
// line in nanoseconds, to $PLUMFALL_SWAP_LOG when the process exits. With
// PLUMFALL_SWAP_KEY set (an SDLKey number) it also hands the game that key once,
// at its first event poll, as if the player had pressed it.
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <vector>

namespace {

std::vector<long long>& times()
{
    static std::vector<long long>* t = new std::vector<long long>;
    return *t;
}

bool keySent = false;

__attribute__((destructor)) void writeTimes()
{
    // A process forked before the first swap (a helper of a library) ends with
    // nothing noted: it must not overwrite the game's times.
    const char* path = std::getenv("PLUMFALL_SWAP_LOG");
    if (!path || times().empty())
        return;
    if (FILE* f = std::fopen(path, "w")) {
        for (long long t : times())
            std::fprintf(f, "%lld\n", t);
        std::fclose(f);
    }
}

} // namespace

extern "C" void SDL_GL_SwapBuffers(void)
{
    static auto real = reinterpret_cast<void (*)(void)>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    real();
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    times().push_back(static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
}

extern "C" int SDL_PollEvent(SDL_Event* event)
{
    static auto real = reinterpret_cast<int (*)(SDL_Event*)>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    const char* key = std::getenv("PLUMFALL_SWAP_KEY");
    if (!keySent && key && event) {
        keySent = true;
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = static_cast<SDLKey>(std::atoi(key));
        *event = e;
        return 1;
    }
    return real(event);
}
