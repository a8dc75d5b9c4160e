#include "game/replay/replayfolder.h"

#include "game/config/folders.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace {

const char* const kSuffix = ".replay";

// Only names this program gives are ever removed: "YYYY-MM-DD_hh-mm-ss_F<k>[-n].replay".
bool isOurName(const std::string& name)
{
    const char* shape = "dddd-dd-dd_dd-dd-dd_F";
    size_t n = std::strlen(shape), suffix = std::strlen(kSuffix);
    if (name.size() < n + 1 + suffix || name.compare(name.size() - suffix, suffix, kSuffix) != 0)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (shape[i] == 'd' ? !(name[i] >= '0' && name[i] <= '9') : name[i] != shape[i])
            return false;
    for (size_t i = n; i < name.size() - suffix; ++i)
        if (!(name[i] >= '0' && name[i] <= '9') && name[i] != '-')
            return false;
    return true;
}

bool exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

void pruneReplays(const std::string& folder, size_t keep)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (dirent* e = readdir(dir))
        if (isOurName(e->d_name))
            names.push_back(e->d_name);
    closedir(dir);
    if (names.size() <= keep)
        return;
    // The names sort as the games ended.
    std::sort(names.begin(), names.end());
    for (size_t i = 0; i + keep < names.size(); ++i)
        std::remove((folder + "/" + names[i]).c_str());
}

} // namespace

std::string replayFolder()
{
    return plumfallPath("XDG_STATE_HOME", ".local/state", "replays");
}

std::string replayFileName(std::time_t when, int fkey)
{
    std::tm t{};
    localtime_r(&when, &t);
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d_F%d%s", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, fkey, kSuffix);
    return name;
}

bool saveReplay(const Replay& replay, const std::string& path)
{
    if (replaceFile(path, writeReplay(replay)))
        return true;
    std::fprintf(stderr, "plumfall: cannot write the replay %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

std::string keepReplay(const Replay& replay, const std::string& folder, std::time_t when)
{
    if (folder.empty()) {
        std::fprintf(stderr, "plumfall: no home folder to keep the replay in\n");
        return std::string();
    }
    if (!makeFolders(folder)) {
        std::fprintf(stderr, "plumfall: cannot keep the replay in %s: %s\n", folder.c_str(), std::strerror(errno));
        return std::string();
    }
    // Two games ending in the same second keep both: the later one takes a number.
    std::string name = replayFileName(when, replay.fkey);
    std::string path = folder + "/" + name;
    for (int n = 2; exists(path) && n < 100; ++n)
        path = folder + "/" + name.substr(0, name.size() - std::strlen(kSuffix)) + "-" + std::to_string(n) + kSuffix;
    if (!saveReplay(replay, path))
        return std::string();
    pruneReplays(folder, REPLAYS_KEPT);
    return path;
}
