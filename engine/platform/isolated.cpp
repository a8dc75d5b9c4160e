#include "engine/platform/isolated.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <new>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Set by a sanitizer's runtime, when the program has one.
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace platform {

namespace {

// Exit codes of the child; a signal or any other code is a crash.
constexpr int kDone = 0, kRefused = 10, kOutOfMemory = 11;

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The address space the process holds now (mapped, touched or not).
size_t mappedBytes()
{
    unsigned long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    return size_t(pages) * size_t(sysconf(_SC_PAGESIZE));
}

bool writeAll(int fd, const unsigned char* p, size_t n)
{
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= size_t(w);
    }
    return true;
}

[[noreturn]] void child(const std::function<bool(std::vector<unsigned char>&)>& job, const IsolationLimits& limits,
                        int fd)
{
    // A crash ends the child quietly: not through the handlers it inherited (a
    // sanitizer's, a fuzzer's, which would report the parent's input as theirs),
    // and without a core file.
    for (int s = 1; s < NSIG; ++s)
        if (s != SIGKILL && s != SIGSTOP)
            std::signal(s, SIG_DFL);
    std::signal(SIGPIPE, SIG_IGN);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(nullptr);
    rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    // Relative to what the child inherits: a sanitizer's runtime maps terabytes.
    rlim_t memoryCap = mappedBytes() + limits.memoryBytes;
    rlimit memory;
    if (getrlimit(RLIMIT_AS, &memory) == 0 && (memory.rlim_max == RLIM_INFINITY || memoryCap <= memory.rlim_max)) {
        memory.rlim_cur = memoryCap;
        setrlimit(RLIMIT_AS, &memory);
    }
    // A hang is the parent's to stop; this is the backstop should it be gone.
    rlim_t cpu = rlim_t(limits.seconds) + 2;
    rlimit time{cpu, cpu};
    setrlimit(RLIMIT_CPU, &time);
    int code = kRefused;
    try {
        std::vector<unsigned char> bytes;
        if (job(bytes))
            code = writeAll(fd, bytes.data(), bytes.size()) ? kDone : kRefused;
    } catch (const std::bad_alloc&) {
        code = kOutOfMemory;
    } catch (...) {
        code = kRefused;
    }
    // _exit: the parent's buffered output and exit handlers stay the parent's.
    _exit(code);
}

} // namespace

IsolatedOutcome runIsolated(const std::function<bool(std::vector<unsigned char>&)>& job,
                            const IsolationLimits& limits, std::vector<unsigned char>& out)
{
    out.clear();
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return IsolatedOutcome::Crashed;
    pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return IsolatedOutcome::Crashed;
    }
    if (pid == 0) {
        close(fds[0]);
        child(job, limits, fds[1]);
    }
    close(fds[1]);

    // Read until the child closes its end, within the time limit; a child that
    // sends more than its memory limit could hold is not believed.
    const double deadline = now() + limits.seconds;
    bool timedOut = false, tooMuch = false;
    unsigned char chunk[65536];
    for (;;) {
        double left = deadline - now();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        int ready = poll(&p, 1, int(left * 1000) + 1);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        ssize_t n = read(fds[0], chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (out.size() + size_t(n) > limits.memoryBytes) {
            tooMuch = true;
            break;
        }
        out.insert(out.end(), chunk, chunk + n);
    }
    close(fds[0]);
    if (timedOut || tooMuch)
        kill(pid, SIGKILL);

    int status = 0;
    pid_t waited;
    do
        waited = waitpid(pid, &status, 0);
    while (waited < 0 && errno == EINTR);

    IsolatedOutcome outcome = IsolatedOutcome::Crashed;
    if (timedOut)
        outcome = IsolatedOutcome::TimedOut;
    else if (waited == pid && WIFEXITED(status)) {
        switch (WEXITSTATUS(status)) {
        case kDone:
            outcome = tooMuch ? IsolatedOutcome::OutOfMemory : IsolatedOutcome::Done;
            break;
        case kRefused:
            outcome = IsolatedOutcome::Refused;
            break;
        case kOutOfMemory:
            outcome = IsolatedOutcome::OutOfMemory;
            break;
        default:
            break;
        }
    } else if (tooMuch)
        outcome = IsolatedOutcome::OutOfMemory;
    if (outcome != IsolatedOutcome::Done)
        out.clear();
    return outcome;
}

} // namespace platform
