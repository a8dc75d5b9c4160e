#include "game/config/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

const char* const kFile = "settings";
const size_t kLargestFile = 4096; // anything bigger is not ours

std::string trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// Reads "yes"/"no" (or the words given); false when the value is neither.
bool readWord(const std::string& value, const char* on, const char* off, bool& out)
{
    if (value == on)
        out = true;
    else if (value == off)
        out = false;
    else
        return false;
    return true;
}

// mkdir -p, the folders it makes private to the user.
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
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::string settingsPath()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/plumfall/" + kFile;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/plumfall/" + kFile;
    return std::string();
}

Settings readSettings(const std::string& path)
{
    Settings s;
    if (path.empty())
        return s;
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || size_t(st.st_size) > kLargestFile)
        return s;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos)
            continue;
        std::string key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
        bool v = false;
        if (key == "fullscreen" && readWord(value, "yes", "no", v))
            s.fullscreen = v;
        else if (key == "sound" && readWord(value, "off", "on", v))
            s.mute = v;
    }
    return s;
}

bool writeSettings(const std::string& path, const Settings& settings)
{
    if (path.empty())
        return false;
    std::ostringstream text;
    text << "# Plumfall keeps here what was chosen while playing: F11 (full screen), M (sound).\n"
         << "fullscreen = " << (settings.fullscreen ? "yes" : "no") << "\n"
         << "sound = " << (settings.mute ? "off" : "on") << "\n";
    size_t slash = path.rfind('/');
    std::string temp = path + ".new";
    bool ok = (slash == std::string::npos || makeFolders(path.substr(0, slash)));
    if (ok) {
        std::FILE* f = std::fopen(temp.c_str(), "wb");
        const std::string t = text.str();
        ok = f && std::fwrite(t.data(), 1, t.size(), f) == t.size();
        ok = (f && std::fclose(f) == 0) && ok;
        // Renaming replaces the old file whole: never half a file.
        ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (ok)
        return true;
    std::fprintf(stderr, "plumfall: cannot keep the settings in %s: %s\n", path.c_str(), std::strerror(errno));
    std::remove(temp.c_str());
    return false;
}
