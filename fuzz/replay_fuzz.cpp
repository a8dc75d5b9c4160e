// Replay files come from anywhere (shared, cut, edited by hand): the reader
// must refuse what it does not understand without crashing or hanging, and
// what it accepts must write back as text that reads again to the same game.
#include "fuzz/support.h"
#include "game/replay/replay.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string relire(const std::string& texte, bool& lu)
{
    std::istringstream in(texte);
    Replay r;
    ReplayError e;
    lu = readReplay(in, r, e);
    if (!lu && e.why.empty()) {
        std::fprintf(stderr, "a refused replay without a reason\n");
        std::abort();
    }
    return lu ? writeReplay(r) : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::preparer();
    bool lu = false;
    std::string une = relire(std::string(reinterpret_cast<const char*>(data), size), lu);
    if (!lu)
        return 0;
    std::string deux = relire(une, lu);
    if (!lu || une != deux) {
        std::fprintf(stderr, "a replay does not read back:\n%s\n---\n%s\n", une.c_str(), deux.c_str());
        std::abort();
    }
    return 0;
}
