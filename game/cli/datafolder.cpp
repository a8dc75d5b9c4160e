#include "game/cli/datafolder.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#ifndef PLUMFALL_DATA_FROM_BIN
#define PLUMFALL_DATA_FROM_BIN "../share/games/plumfall"
#endif

namespace {

const char* const kScript = "script.lua";

// 0 when the folder's script can be read; else why not (an errno value).
int scriptError(const std::string& folder)
{
    std::string script = folder + "/" + kScript;
    struct stat st;
    if (stat(script.c_str(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return ENOENT;
    return access(script.c_str(), R_OK) == 0 ? 0 : errno;
}

// The real path when it exists, else the path with "." and ".." folded away,
// so that a message names places a person can look at.
std::string absolute(const std::string& path)
{
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf))
        return buf;
    std::string full = path;
    if (path.empty() || path[0] != '/')
        full = (getcwd(buf, sizeof buf) ? std::string(buf) : std::string()) + "/" + path;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find('/', start);
        if (end == std::string::npos)
            end = full.size();
        std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string tidy;
    for (const std::string& part : parts)
        tidy += "/" + part;
    return tidy.empty() ? "/" : tidy;
}

bool tryFolder(const std::string& folder, DataFolder& out)
{
    out.tried.push_back(folder);
    int error = scriptError(folder);
    if (error == 0) {
        out.path = absolute(folder);
        return true;
    }
    // A script that is there but cannot be read is named with its cause, not called missing.
    if (error != ENOENT && error != ENOTDIR && !out.error) {
        out.error = error;
        out.blocked = absolute(folder);
        if (access(folder.c_str(), X_OK) == 0)
            out.blocked += std::string("/") + kScript;
    }
    return false;
}

} // namespace

const std::pair<const char*, const char*> kDataFolderHelp = {
    "/usr/share/games/plumfall",
    "the game data (script.lua, its pictures and sounds): share/games/plumfall beside the program's folder, this one"
    " for /usr/games; else the build's run folder, for a program started where it was built. A folder given with"
    " --data or PLUMFALL_DATA is the only one tried"};
const std::pair<const char*, const char*> kDataVariableHelp = {"PLUMFALL_DATA",
                                                               "the data folder, when --data is not given"};

std::string executableFolder()
{
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return std::string();
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash == 0 ? 1 : slash);
}

DataFolder findDataFolder(const std::string& option, const char* runFromExe)
{
    DataFolder found;
    if (!option.empty()) {
        tryFolder(option, found);
        return found;
    }
    const char* env = std::getenv("PLUMFALL_DATA");
    if (env && *env) {
        tryFolder(env, found);
        return found;
    }
    std::string bin = executableFolder();
    if (bin.empty())
        return found;
    if (tryFolder(bin + "/" + PLUMFALL_DATA_FROM_BIN, found))
        return found;
    if (runFromExe && *runFromExe)
        tryFolder(bin + "/" + runFromExe, found);
    return found;
}

std::string dataFolderProblem(const char* program, const DataFolder& found)
{
    if (found.error)
        return std::string(program) + ": cannot read the game data: " + found.blocked + ": " +
               std::strerror(found.error);
    std::string line = std::string(program) + ": no game data (" + kScript + ") in ";
    for (size_t i = 0; i < found.tried.size(); ++i)
        line += (i ? ", " : "") + absolute(found.tried[i]);
    if (found.tried.empty())
        line += "any folder (the program's own folder is unknown)";
    return line + "; give --data DIR or set PLUMFALL_DATA";
}

bool enterDataFolder(const char* program, const std::string& option, const char* runFromExe, DataFolder& out)
{
    out = findDataFolder(option, runFromExe);
    if (!out.path.empty() && chdir(out.path.c_str()) == 0)
        return true;
    if (!out.path.empty() && !out.error) {
        out.error = errno;
        out.blocked = out.path;
    }
    out.path.clear();
    std::fprintf(stderr, "%s\n", dataFolderProblem(program, out).c_str());
    return false;
}
