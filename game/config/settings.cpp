#include "game/config/settings.h"

#include "game/config/folders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kFile = "settings";
const size_t kLargestFile = 4096; // anything bigger is not ours

// Each setting's key and its words for on and off.
struct Key {
    const char* name;
    const char* on;
    const char* off;
};
const Key kKeys[] = {{"fullscreen", "yes", "no"}, {"sound", "off", "on"}};

const Key& keyOf(Setting s)
{
    return kKeys[s == Setting::Fullscreen ? 0 : 1];
}

std::string trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The key of a "key = value" line, with its value; false for comments and other lines.
bool splitLine(const std::string& line, std::string& key, std::string& value)
{
    size_t eq = line.find('=');
    if (line.empty() || line[0] == '#' || eq == std::string::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return true;
}

// The file's text when it is one of ours (a regular file of sane size); empty otherwise.
std::string readText(const std::string& path)
{
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || size_t(st.st_size) > kLargestFile)
        return std::string();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `text` with the key's line set to `line`: the first one replaced, any later
// one dropped (the last would win on reading), or the line added at the end.
std::string withLine(const std::string& text, const char* key, const std::string& line)
{
    std::istringstream in(text);
    std::string out, l, k, v;
    bool done = false;
    while (std::getline(in, l)) {
        if (splitLine(l, k, v) && k == key) {
            if (done)
                continue;
            l = line;
            done = true;
        }
        out += l + "\n";
    }
    if (out.empty())
        out = "# Plumfall keeps here what was chosen while playing: F11 (full screen), M (sound).\n";
    return done ? out : out + line + "\n";
}

} // namespace

std::string settingsPath()
{
    return plumfallPath("XDG_CONFIG_HOME", ".config", kFile);
}

Settings readSettings(const std::string& path)
{
    Settings s;
    std::istringstream in(readText(path));
    std::string line, key, value;
    while (std::getline(in, line)) {
        if (!splitLine(line, key, value))
            continue;
        for (Setting which : {Setting::Fullscreen, Setting::Mute}) {
            const Key& k = keyOf(which);
            bool& field = which == Setting::Fullscreen ? s.fullscreen : s.mute;
            if (key == k.name && (value == k.on || value == k.off))
                field = value == k.on;
        }
    }
    return s;
}

bool writeSetting(const std::string& path, Setting which, bool on)
{
    if (path.empty())
        return false;
    const Key& k = keyOf(which);
    size_t slash = path.rfind('/');
    bool ok = slash == std::string::npos || makeFolders(path.substr(0, slash));
    int lock = ok ? open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600) : -1;
    ok = lock >= 0;
    while (ok && flock(lock, LOCK_EX) != 0)
        ok = errno == EINTR;
    // No fsync: it would stall the frame loop 4 to 80 ms on a key press, and a
    // system crash could cost one choice, the damaged file reading as the defaults.
    ok = ok && replaceFile(path, withLine(readText(path), k.name, std::string(k.name) + " = " + (on ? k.on : k.off)),
                           false);
    int saved = errno;
    if (lock >= 0)
        close(lock); // and with it the lock
    if (ok)
        return true;
    std::fprintf(stderr, "plumfall: cannot keep the settings in %s: %s\n", path.c_str(), std::strerror(saved));
    return false;
}
