#include "tests/support/xvfb.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

struct Server {
    pid_t pid = -1;
    bool ready = false;
    std::string error;

    Server()
    {
        const char* display = std::getenv("DISPLAY");
        if (display && *display) {
            ready = true;
            return;
        }
        if (access("/usr/bin/Xvfb", X_OK) != 0) {
            error = "no DISPLAY and Xvfb is not installed (apt-get install xvfb)";
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            error = "pipe failed";
            return;
        }
        pid = fork();
        if (pid == 0) {
            // The server dies with the tests, even when they crash; it does
            // not reset (and refuse clients for a moment) when one leaves.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            close(fds[0]);
            int devnull = open("/dev/null", O_WRONLY);
            if (devnull >= 0) {
                dup2(devnull, STDOUT_FILENO);
                dup2(devnull, STDERR_FILENO);
            }
            char fd[16];
            std::snprintf(fd, sizeof fd, "%d", fds[1]);
            execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid < 0) {
            close(fds[0]);
            error = "fork failed";
            return;
        }
        // Xvfb writes its display number once it accepts connections.
        char number[32] = {};
        size_t got = 0;
        pollfd p{fds[0], POLLIN, 0};
        while (got < sizeof number - 1 && poll(&p, 1, 10000) > 0) {
            ssize_t n = read(fds[0], number + got, sizeof number - 1 - got);
            if (n <= 0)
                break;
            got += size_t(n);
            if (std::strchr(number, '\n'))
                break;
        }
        close(fds[0]);
        int display_number = -1;
        if (got == 0 || std::sscanf(number, "%d", &display_number) != 1) {
            error = "Xvfb did not start";
            return;
        }
        std::string value = ":" + std::to_string(display_number);
        setenv("DISPLAY", value.c_str(), 1);
        ready = true;
    }

    ~Server()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

} // namespace

bool ensureDisplay(std::string* why)
{
    static Server server;
    if (!server.ready && why)
        *why = server.error;
    return server.ready;
}

} // namespace testsupport
