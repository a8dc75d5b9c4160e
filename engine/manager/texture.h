#pragma once
// A device texture loaded from a picture file, known by the name the manager gave it.
#include "engine/platform/d3d9.h"

#include <iostream>
#include <string>

class TEXTURE {
public:
    static IDirect3DDevice9* device;

    // Null when the picture cannot be read; nothing is written then.
    static TEXTURE* loadtexture(const char* file);

    explicit TEXTURE(IDirect3DTexture9* texture);
    ~TEXTURE();
    TEXTURE(const TEXTURE&) = delete;
    TEXTURE& operator=(const TEXTURE&) = delete;

    IDirect3DTexture9* gettexture();
    void setName(const char* name);
    const char* getName();
    // Level 0 as the device holds it (after the power-of-two rounding).
    int getWidth();
    int getHeigth();

private:
    std::string name;
    IDirect3DTexture9* texture;
};

std::ostream& operator<<(std::ostream& os, TEXTURE* texture);
