// Plays the game's frame for 300 frames on a recording device, under a fixed
// script of key presses and pointer motions, and writes what the device saw:
// one digest line a frame (every call, its arguments, the vertices drawn) and
// the full text of a few frames. frame_calls.sh compares both with a recording.
#include "engine/libD3D/d3dfont.h"
#include "engine/lua3d/managerlua.h"
#include "engine/manager/xmanager.h"
#include "engine/platform/recording_device.h"
#include "engine/tovi3d/tovi3D.h"
#include "game/game/camerafollow.h"
#include "game/game/gaya.h"
#include "game/game/random.h"
#include "game/game/zeus.h"
#include "game/setup.h"
#include "game/setup_decor.h"
#include "game/utils/mathutils.h"

#include <SDL/SDL.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
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

// Today's frame, as game/main.cpp runs it.
float difficultyForKey(SDLKey key)
{
    static const float kValues[10] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 1.0f};
    if (key >= SDLK_F1 && key <= SDLK_F10)
        return kValues[key - SDLK_F1];
    return -1.0f;
}

const int kPas = 30;

struct Game {
    TOVI3D* tovi;
    Zeus* zeus;
    DecorTapis* decor;
    CD3DFont* afficheurscore;
    float fDifficultee = -1.0f;
    CameraFollow suivi;
    float fOffsetAnimTraits = DecorTapis::TRAITS_DEBUT;

    void frame(const std::vector<Event>& events)
    {
        CAMERA* camera = tovi->getpCamera();
        for (const Event& event : events) {
            switch (event.type) {
            case SDL_KEYDOWN: {
                float d = difficultyForKey(event.key);
                if (fDifficultee == -1.0f && d >= 0.0f) {
                    zeus->initLevel(d);
                    fDifficultee = d;
                }
                break;
            }
            case SDL_MOUSEMOTION: {
                D3DXVECTOR3 eye = camera->getEye();
                float fPosX = 0, fPosY = 0;
                getGameCoordFromScreenCoord(800, 600, 800, 600, eye.x, eye.y, float(event.x) - 400,
                                            float(event.y) - 300, &fPosX, &fPosY);
                zeus->setMousePosition(fPosX, fPosY);
                break;
            }
            default:
                break;
            }
        }

        zeus->update(kPas);
        suivi.suivre(zeus, fDifficultee);
        float cx = suivi.fCamCenterX;
        camera->setEye(cx, 0, -30);
        camera->setLookat(cx, 0, 0);
        camera->setUp(0, 1, 0);

        fOffsetAnimTraits = DecorTapis::avancerTraits(fOffsetAnimTraits, kPas);

        if (!tovi->debutscene(115, 115, 155))
            return;

        decor->afficherFond(cx, fOffsetAnimTraits);
        zeus->render();
        decor->afficherFin();
        if (fDifficultee == -1.0f) {
            afficheurscore->DrawTextA(20, 100, 0xFFFFFFFF, "SELECTIONNEZ UNE DIFFICULTEE", 0);
            afficheurscore->DrawTextA(20, 150, 0xFFFFFFFF, "DE F1 A F10", 0);
        }
        tovi->afficherscene();
    }
};

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
    initall(device);
    LUALOADER::loadfromlua(manager, "script.lua");
    CAMERA* camera = tovi->getpCamera();
    tovi->getpMatproj()->setorthonorme(800, 600, 1, 100);
    chargercube(manager, device);
    chargerElements3D(manager);
    camera->setEye(0, 0, -30);
    camera->setLookat(0, 0, 0);
    camera->setUp(0, 1, 0);
    CD3DFont* afficheurscore = new CD3DFont("Arial", 30, 0);
    afficheurscore->InitDeviceObjects(device);
    afficheurscore->RestoreDeviceObjects();
    Zeus* zeus = new Zeus();
    Gaya::init(zeus, manager);
    DecorTapis decor(manager);
    gameSrand(7);
    std::fflush(stdout);

    Game game;
    game.tovi = tovi;
    game.zeus = zeus;
    game.decor = &decor;
    game.afficheurscore = afficheurscore;
    std::set<int> sampled(std::begin(kSampled), std::end(kSampled));
    std::ofstream digests(dir + "/digests.txt"), sample(dir + "/sample.txt");
    for (int f = 0; f < kFrames; ++f) {
        g_device->clearCalls();
        g_device->vertices.clear();
        game.frame(eventsOf(f));
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
