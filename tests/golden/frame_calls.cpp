// Plays the game's frame for 300 frames on a recording device, under a fixed
// script of key presses and pointer motions, and writes what the device saw:
// one digest line a frame (every call, its arguments, the vertices drawn) and
// the full text of a few frames. frame_calls.sh compares both with a recording.
#include "engine/libD3D/d3dfont.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/frame/gameframe.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/session/playsession.h"
#include "game/setup_decor.h"

#include <SDL/SDL.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const int kFrames = 300;
const int kSampled[] = {0, 1, 29, 30, 31, 120, 200, 299};

uint64_t fnv(const void* data, size_t n, uint64_t h = 14695981039346656037ull)
{
    auto* p = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < n; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

// A recording device that also keeps a digest of the vertices of every draw.
class LoggingDevice : public platform::RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    std::map<size_t, uint64_t> vertices; // call index -> digest of what it drew

protected:
    void drawVertices(D3DPRIMITIVETYPE, UINT, const uint8_t* v, UINT n, UINT stride) override
    {
        if (recording && !calls.empty())
            vertices[calls.size() - 1] = fnv(v, size_t(n) * stride);
    }
};

LoggingDevice* g_device = nullptr;

class LoggingDirect3D : public platform::RefCounted<IDirect3D9> {
public:
    HRESULT CheckDeviceType(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, BOOL) override { return D3D_OK; }
    HRESULT CreateDevice(UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS* params,
                         IDirect3DDevice9** device) override
    {
        g_device = new LoggingDevice(*params);
        *device = g_device;
        return D3D_OK;
    }
};

IDirect3D9* makeLoggingDirect3D()
{
    return new LoggingDirect3D;
}

// An SDL event, reduced to what the frame reads.
struct Event {
    Uint8 type;
    SDLKey key;
    int x, y;
};

// The input of frame f, in the order SDL would deliver it: the pointer sweeps
// the window, a stray key before the choice, F5 at frame 30 between two
// motions, F10 later (too late to count), key releases.
std::vector<Event> eventsOf(int f)
{
    std::vector<Event> e;
    auto motion = [&](int g) {
        int x = 560 + int(200 * std::sin(g * 0.05)), y = 300 + int(220 * std::sin(g * 0.037));
        e.push_back({SDL_MOUSEMOTION, SDLK_UNKNOWN, x, y});
    };
    if (f == 10)
        e.push_back({SDL_KEYDOWN, SDLK_SPACE, 0, 0});
    if (f == 12)
        e.push_back({SDL_KEYUP, SDLK_SPACE, 0, 0});
    if (f % 3 == 0)
        motion(f);
    if (f == 30) {
        e.push_back({SDL_KEYDOWN, SDLK_F5, 0, 0});
        motion(f + 1);
    }
    if (f == 33)
        e.push_back({SDL_KEYUP, SDLK_F5, 0, 0});
    if (f == 120)
        e.push_back({SDL_KEYDOWN, SDLK_F10, 0, 0});
    if (f == 200) {
        motion(f);
        motion(f + 2);
    }
    return e;
}

// The game's frame, fed as game/main.cpp feeds it.
void play(PlaySession& session, GameFrame& frame, TOVI3D* tovi, DecorTapis& decor, CD3DFont& prompt,
          const std::vector<Event>& events)
{
    for (const Event& event : events) {
        if (event.type == SDL_KEYDOWN)
            session.keyDown(event.key);
        if (event.type == SDL_KEYUP)
            session.keyUp(event.key);
        if (event.type == SDL_MOUSEMOTION)
            session.pointer(event.x, event.y);
    }
    session.run();
    frame.draw(tovi, decor, prompt);
}

// Pointers become numbers in the order they first appear, so that the text
// does not depend on where objects were allocated.
std::map<const void*, int> g_ids;
int idOf(const void* p)
{
    if (!p)
        return 0;
    auto it = g_ids.find(p);
    if (it != g_ids.end())
        return it->second;
    int id = int(g_ids.size()) + 1;
    g_ids[p] = id;
    return id;
}

void floats(std::string& out, const float* f, size_t n)
{
    char b[32];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, " %.9g", double(f[i]));
        out += b;
    }
}

std::string text(const LoggingDevice& d)
{
    std::string out;
    char b[64];
    for (size_t i = 0; i < d.calls.size(); ++i) {
        const platform::RecordedCall& c = d.calls[i];
        out += c.name;
        for (double a : c.args) {
            std::snprintf(b, sizeof b, " %.17g", a);
            out += b;
        }
        for (const void* p : c.ptrs) {
            // Objects by identity; argument structures (logged by value) only as given or not.
            bool object = c.name == "SetTexture" || c.name == "SetStreamSource" || c.name == "SetPixelShader" ||
                          c.name == "SetVertexShader";
            if (object)
                std::snprintf(b, sizeof b, " #%d", idOf(p));
            else
                std::snprintf(b, sizeof b, " %s", p ? "ptr" : "null");
            out += b;
        }
        if (c.name == "SetTransform")
            floats(out, &c.matrix._11, 16);
        if (c.name == "SetMaterial")
            floats(out, &c.material.Diffuse.r, sizeof c.material / sizeof(float));
        if (c.name == "SetLight") {
            std::snprintf(b, sizeof b, " light %016" PRIx64, fnv(&c.light, sizeof c.light));
            out += b;
        }
        auto v = d.vertices.find(i);
        if (v != d.vertices.end()) {
            std::snprintf(b, sizeof b, " vertices %016" PRIx64, v->second);
            out += b;
        }
        out += '\n';
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR (run in the run directory)\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    platformSetDirect3DFactory(&makeLoggingDirect3D);

    // The game's set-up, with a fixed seed and no window.
    TOVI3D* tovi = new TOVI3D(nullptr, 800, 600);
    IDirect3DDevice9* device = tovi->pD3dDevice;
    XMANAGER* manager = new XMANAGER(device);
    chargerJeu(manager, device, "script.lua");
    preparerVue(tovi);
    CD3DFont* afficheurscore = creerInvite(device);
    Zeus* zeus = new Zeus();
    Gaya::init(zeus, manager);
    DecorTapis decor(manager);
    gameSrand(7);
    std::fflush(stdout);

    GameFrame frame(zeus);
    PlaySession session(frame, *zeus, PlaySession::Mode::Player, 7);
    std::set<int> sampled(std::begin(kSampled), std::end(kSampled));
    std::ofstream digests(dir + "/digests.txt"), sample(dir + "/sample.txt");
    for (int f = 0; f < kFrames; ++f) {
        g_device->clearCalls();
        g_device->vertices.clear();
        play(session, frame, tovi, decor, *afficheurscore, eventsOf(f));
        std::string t = text(*g_device);
        char line[96];
        std::snprintf(line, sizeof line, "frame %d calls %zu digest %016" PRIx64 "\n", f, g_device->calls.size(),
                      fnv(t.data(), t.size()));
        digests << line;
        if (sampled.count(f))
            sample << "frame " << f << "\n" << t;
    }
    return digests && sample ? 0 : 1;
}
