#include "engine/platform/glyphs.h"

#ifndef __EMSCRIPTEN__
#include <fontconfig/fontconfig.h>
#else
// fontconfig's weights and slants, for the one face the browser build carries.
enum { FC_WEIGHT_REGULAR = 80, FC_WEIGHT_DEMIBOLD = 180, FC_SLANT_ROMAN = 0 };
#endif
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    int64_t product = int64_t(number) * numerator;
    int64_t half = (denominator > 0 ? denominator : -int64_t(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t result = magnitude / (denominator < 0 ? -int64_t(denominator) : denominator);
    return int(negative ? -result : result);
}

namespace platform {

namespace {

FT_Library freetype()
{
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) {
            std::fprintf(stderr, "glyphs: FreeType could not start; text will not be drawn\n");
            return FT_Library(nullptr);
        }
        return l;
    }();
    return library;
}

struct FontFile {
    std::string path;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

#ifdef __EMSCRIPTEN__
// Liberation Sans (metric-compatible with Arial) is packed with the game's data
// for every face; bold and italic are drawn from it as for any face without them.
bool findFont(const char*, bool, bool, FontFile& out)
{
    out.path = "/fonts/LiberationSans-Regular.ttf";
    return true;
}
#else
bool findFont(const char* face, bool bold, bool italic, FontFile& out)
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternCreate();
    if (face && *face)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* file = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        out.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &out.weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &out.slant);
    }
    FcPatternDestroy(match);
    return found;
}
#endif

int roundedScale(long units, int pixels, int unitsPerEm)
{
    return int(std::lround(double(units) * pixels / unitsPerEm));
}

} // namespace

struct GlyphSurface::Impl {
    FT_Face face = nullptr;
    int ascent = 0;
    int descent = 0;
    bool embolden = false; // the face found is not bold enough: thicken its outlines
    bool oblique = false;  // no italic face: slant the upright one
    int advance[256] = {};
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;

    ~Impl() { release(); }
    void release()
    {
        if (face)
            FT_Done_Face(face);
        face = nullptr;
    }

    // Loads an outline glyph with the synthetic styles applied.
    bool load(unsigned char c)
    {
        if (FT_Load_Char(face, c, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
            return false;
        if (oblique)
            FT_GlyphSlot_Oblique(face->glyph);
        if (embolden)
            FT_GlyphSlot_Embolden(face->glyph);
        return true;
    }
};

GlyphSurface::GlyphSurface() : impl_(new Impl) {}

GlyphSurface::~GlyphSurface() = default;

bool GlyphSurface::selectFont(const char* face, int pixelHeight, bool bold, bool italic)
{
    Impl& s = *impl_;
    s.release();
    FT_Library library = freetype();
    FontFile file;
    if (!library || pixelHeight <= 0 || !findFont(face, bold, italic, file))
        return false;
    if (FT_New_Face(library, file.path.c_str(), file.index, &s.face) != 0) {
        s.face = nullptr;
        return false;
    }
    if (FT_Set_Pixel_Sizes(s.face, 0, FT_UInt(pixelHeight)) != 0) {
        s.release();
        return false;
    }
    s.embolden = bold && file.weight < FC_WEIGHT_DEMIBOLD;
    s.oblique = italic && file.slant == FC_SLANT_ROMAN;

    // Line height as GDI measures it: the Windows ascent and descent of the face.
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(s.face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0 && s.face->units_per_EM > 0) {
        s.ascent = roundedScale(os2->usWinAscent, pixelHeight, s.face->units_per_EM);
        s.descent = roundedScale(os2->usWinDescent, pixelHeight, s.face->units_per_EM);
    } else {
        s.ascent = int((s.face->size->metrics.ascender + 32) >> 6);
        s.descent = int((-s.face->size->metrics.descender + 32) >> 6);
    }

    for (int c = 0; c < 256; ++c)
        s.advance[c] = s.load((unsigned char)c) ? int((s.face->glyph->advance.x + 32) >> 6) : 0;
    return true;
}

SIZE GlyphSurface::textExtent(const char* text, int length) const
{
    SIZE size{0, lineHeight()};
    for (int i = 0; text && i < length; ++i)
        size.cx += impl_->advance[static_cast<unsigned char>(text[i])];
    return size;
}

int GlyphSurface::lineHeight() const
{
    return impl_->face ? impl_->ascent + impl_->descent : 0;
}

void GlyphSurface::createBitmap(int width, int height)
{
    Impl& s = *impl_;
    s.width = std::max(width, 0);
    s.height = std::max(height, 0);
    s.pixels.assign(size_t(s.width) * size_t(s.height), 0u);
}

void GlyphSurface::drawText(int x, int y, const char* text, int length)
{
    Impl& s = *impl_;
    if (!s.face || !text)
        return;
    int pen = x;
    int baseline = y + s.ascent;
    for (int i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (s.load(c) && FT_Render_Glyph(s.face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
            const FT_Bitmap& b = s.face->glyph->bitmap;
            int left = pen + s.face->glyph->bitmap_left;
            int top = baseline - s.face->glyph->bitmap_top;
            for (int r = 0; r < int(b.rows); ++r) {
                int py = top + r;
                if (py < 0 || py >= s.height)
                    continue;
                const unsigned char* row = b.buffer + ptrdiff_t(r) * b.pitch;
                for (int col = 0; col < int(b.width); ++col) {
                    int px = left + col;
                    if (px < 0 || px >= s.width)
                        continue;
                    uint32_t gray = row[col];
                    uint32_t& dst = s.pixels[size_t(py) * size_t(s.width) + size_t(px)];
                    if (gray > (dst & 0xFF))
                        dst = gray << 16 | gray << 8 | gray;
                }
            }
        }
        pen += s.advance[c];
    }
}

const uint32_t* GlyphSurface::bits() const
{
    return impl_->pixels.data();
}

int GlyphSurface::width() const
{
    return impl_->width;
}

int GlyphSurface::height() const
{
    return impl_->height;
}

} // namespace platform
