#pragma once
// GDI-like text rasterising for the bitmap font: a font chosen by face name
// and pixel height, text extents from its glyph advances, and glyphs drawn
// antialiased, white on black, into a 32-bit bitmap.
#include "engine/platform/system.h"

#include <memory>

// number * numerator / denominator with a 64-bit product, rounded; -1 when
// the denominator is 0 (as Win32's MulDiv).
int MulDiv(int number, int numerator, int denominator);

namespace platform {

// Logical pixels per inch of the screen: 30 points are 40 pixels.
constexpr int kScreenDpi = 96;

class GlyphSurface {
public:
    GlyphSurface();
    ~GlyphSurface();
    GlyphSurface(const GlyphSurface&) = delete;
    GlyphSurface& operator=(const GlyphSurface&) = delete;

    // The face comes from fontconfig ("Arial" finds a metric-compatible
    // face); pixelHeight is the em height. False when no face can be loaded.
    bool selectFont(const char* face, int pixelHeight, bool bold, bool italic);

    // Width: sum of the advances of the characters; height: the line height.
    SIZE textExtent(const char* text, int length) const;
    int lineHeight() const;

    // A black bitmap of 32-bit pixels, 0x00RRGGBB.
    void createBitmap(int width, int height);
    // Draws text with the top of its line at y; pixels outside are clipped.
    void drawText(int x, int y, const char* text, int length);

    const uint32_t* bits() const;
    int width() const;
    int height() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
