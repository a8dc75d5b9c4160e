#pragma once
// A recording device handed to every drawing class, and small file helpers.
#include "engine/manager/aspect.h"
#include "engine/manager/element3d.h"
#include "engine/manager/mesh.h"
#include "engine/manager/texture.h"
#include "engine/manager/vertexbuffer.h"
#include "engine/platform/recording_device.h"
#include "engine/scene/lumiere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class DeviceTest : public testing::Test {
protected:
    void SetUp() override { setDevice(&dev); }
    void TearDown() override { setDevice(nullptr); }

    static void setDevice(IDirect3DDevice9* d)
    {
        TEXTURE::device = d;
        ASPECT::device = d;
        ELEMENT3D::device = d;
        MESH::device = d;
        VERTEXBUFFER::device = d;
        LUMIERE::device = d;
    }

    platform::RecordingDevice dev;
};

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
}

inline std::string readText(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Writes an RGBA PNG; pixels are 0xAARRGGBB, row by row.
bool writePng(const std::string& path, int w, int h, const std::vector<uint32_t>& argb);

// Texel (x, y) of level 0 of a texture made by the recording device, as ARGB.
uint32_t texelOf(IDirect3DTexture9* texture, int x, int y);
