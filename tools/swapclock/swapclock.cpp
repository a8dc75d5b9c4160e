// Preloaded into the real game by bench_pacing and the soak (LD_PRELOAD), never linked into it:
// notes the time each SDL_GL_SwapBuffers returns and writes the times, one per
// line in nanoseconds, to $PLUMFALL_SWAP_LOG when the process exits, and the
// processor time the process had used by then to $PLUMFALL_SWAP_CPU_LOG. With
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

std::vector<long long>& cpuTimes()
{
    static std::vector<long long>* t = new std::vector<long long>;
    return *t;
}

long long nanoseconds(clockid_t clock)
{
    timespec t;
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void write(const char* path, const std::vector<long long>& values)
{
    if (FILE* f = path ? std::fopen(path, "w") : nullptr) {
        for (long long v : values)
            std::fprintf(f, "%lld\n", v);
        std::fclose(f);
    }
}

bool keySent = false;

__attribute__((destructor)) void writeTimes()
{
    // A process forked before the first swap (a helper of a library) ends with
    // nothing noted: it must not overwrite the game's times.
    if (times().empty())
        return;
    write(std::getenv("PLUMFALL_SWAP_LOG"), times());
    write(std::getenv("PLUMFALL_SWAP_CPU_LOG"), cpuTimes());
}

} // namespace

extern "C" void SDL_GL_SwapBuffers(void)
{
    static auto real = reinterpret_cast<void (*)(void)>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    real();
    times().push_back(nanoseconds(CLOCK_MONOTONIC));
    cpuTimes().push_back(nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
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
