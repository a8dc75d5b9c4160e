// Plays the game's frame for 300 frames on a recording device, under a fixed
// script of key presses and pointer motions, and writes what the device saw:
// one digest line a frame (every call, its arguments, the vertices drawn) and
// the full text of a few frames. frame_calls.sh compares both with a recording.
#include "engine/platform/recording_device.h"
#include "tests/golden/frame_script.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

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

    ScriptedGame game; // no window: the device records
    std::set<int> sampled(std::begin(kSampled), std::end(kSampled));
    std::ofstream digests(dir + "/digests.txt"), sample(dir + "/sample.txt");
    for (int f = 0; f < ScriptedGame::kFrames; ++f) {
        g_device->clearCalls();
        g_device->vertices.clear();
        game.play(f);
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
