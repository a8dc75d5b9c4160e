// mkassets <rundir> [<icon theme dir>]: draws every picture the game names and
// synthesises its sounds into <rundir>, with the game's icon. Deterministic:
// the same files on every build.
#include <cstdio>
#include <string>

#include "mkassets.h"

bool savePicture(const Image& img, const std::string& dir, const std::string& file)
{
    const std::string path = dir + "/" + file;
    if (!img.writePng(path)) {
        std::fprintf(stderr, "mkassets: cannot write %s (does the directory exist and is it writable?)\n", path.c_str());
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: mkassets <run directory> [<icon theme directory>]\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = drawCreatures(dir);
    ok = drawHazards(dir) && ok;
    ok = drawDecor(dir) && ok;
    ok = drawIcons(dir, argc == 3 ? argv[2] : "") && ok;
    ok = makeSounds(dir) && ok;
    return ok ? 0 : 1;
}
