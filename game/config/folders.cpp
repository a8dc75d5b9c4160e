#include "game/config/folders.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>

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
