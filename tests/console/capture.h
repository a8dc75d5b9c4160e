#pragma once
// A recording device that also keeps, for every draw, where its text starts
// and in which colour, so that tests can read what the console drew.
#include <cstring>
#include <memory>
#include <vector>

#include "engine/platform/recording_device.h"
#include "engine/tovi3d/tovi3D.h"

namespace consoletest {

struct TextDraw {
    float top;        // y of the line's top edge, as given to DrawText
    DWORD color;
    UINT vertices;
};

class CaptureDevice : public platform::RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    std::vector<TextDraw> draws;

protected:
    void drawVertices(D3DPRIMITIVETYPE, UINT, const uint8_t* data, UINT count, UINT stride) override
    {
        // Pre-transformed text vertices: x, y, z, rhw, colour, u, v; quads
        // start half a pixel above and left of the given corner.
        float top = 1e30f;
        DWORD color = 0;
        for (UINT i = 0; i < count; ++i) {
            float y;
            std::memcpy(&y, data + i * stride + 4, sizeof y);
            top = y < top ? y : top;
            std::memcpy(&color, data + i * stride + 16, sizeof color);
        }
        draws.push_back(TextDraw{top + 0.5f, color, count});
    }
};

class CaptureDirect3D : public platform::RecordingDirect3D {
public:
    HRESULT CreateDevice(UINT, D3DDEVTYPE, HWND window, DWORD, D3DPRESENT_PARAMETERS* params,
                         IDirect3DDevice9** device) override
    {
        D3DPRESENT_PARAMETERS p = *params;
        if (!p.hDeviceWindow)
            p.hDeviceWindow = window;
        last = new CaptureDevice(p);
        *device = last;
        return D3D_OK;
    }
    static CaptureDevice* last;
};

inline CaptureDevice* CaptureDirect3D::last = nullptr;

inline IDirect3D9* makeCaptureDirect3D()
{
    return new CaptureDirect3D();
}

// A device wrapper whose device is a CaptureDevice.
inline std::unique_ptr<TOVI3D> makeTovi(CaptureDevice*& device)
{
    platformSetDirect3DFactory(&makeCaptureDirect3D);
    platform::RecordingDirect3D::checkResult = D3D_OK;
    auto t = std::make_unique<TOVI3D>(nullptr, 800, 600);
    device = static_cast<CaptureDevice*>(t->pD3dDevice);
    platformSetDirect3DFactory(nullptr);
    return t;
}

} // namespace consoletest
