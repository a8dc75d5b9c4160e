#include "game/config/folders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

std::string plumfallPath(const char* xdgVar, const char* homeFallback, const char* name)
{
    const char* xdg = std::getenv(xdgVar);
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/plumfall/" + name;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/" + homeFallback + "/plumfall/" + name;
    return std::string();
}

namespace {

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

} // namespace

bool makeFolders(const std::string& dir)
{
    for (size_t i = 1; i <= dir.size(); ++i) {
        if (i < dir.size() && dir[i] != '/')
            continue;
        std::string part = dir.substr(0, i);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    if (stat(dir.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

bool replaceFile(const std::string& path, const std::string& text, bool sync)
{
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, text) && (!sync || fsync(fd) == 0);
    int saved = errno;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        saved = errno ? errno : saved;
        unlink(temp.c_str());
        errno = saved;
    }
    return ok;
}
