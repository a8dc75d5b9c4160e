// The game's icon: a chicken's head on a round badge, which still reads at
// 32 pixels. Drawn four times larger than wanted, then each 4 x 4 block
// becomes one pixel whose alpha is the share of the block that is drawn:
// smooth edges over any desktop background, with no colour key.
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include "mkassets.h"

namespace {

const int kDesign = 64; // the drawing's own units
const int kSub = 4;     // design pixels per icon pixel, each way

const Rgb INK = {58, 44, 36};
const Rgb FEATHER = {252, 251, 244};
const Rgb FEATHER_SHADOW = {214, 212, 204};
const Rgb COMB = {222, 34, 38};

Image drawIcon(int size)
{
    const int big = size * kSub;
    const double k = static_cast<double>(big) / kDesign;
    Image img(big, big);
    auto P = [k](double x, double y) { return Pt{x * k, y * k}; };
    auto C = [k](double x, double y, double r) { return circle(x * k, y * k, r * k); };
    auto E = [k](double x, double y, double rx, double ry, double a) { return ellipse(x * k, y * k, rx * k, ry * k, a); };
    auto within = [](Inside a, Inside b) { return subtract(a, subtract(a, b)); };

    // The badge: the game's dusk blue, lighter behind the head.
    const Inside badge = C(32, 32, 31);
    img.fill(C(32, 32, 31.8), INK);
    img.fill(badge, radial(P(30, 28), 34 * k, {150, 150, 200}, {70, 70, 112}));

    auto head = [&](double e) { return within(unite(C(29, 35, 17 + e), E(24, 58, 15 + e, 14 + e, 0)), badge); };
    auto comb = [&](double e) { return unite(unite(C(19, 18, 6 + e), C(28, 13, 7 + e)), C(37, 16, 6 + e)); };
    auto beak = [&](double e) { return polygon({P(43 - e, 27 - e), P(59 + e, 35), P(43 - e, 43 + e)}); };
    auto wattle = [&](double e) { return E(45, 48, 3.8 + e, 5.5 + e, 0.2); };

    const double ink = 1.6;
    img.fill(comb(ink), INK);
    img.fill(comb(0), radial(P(27, 12), 10 * k, {255, 96, 96}, COMB));
    img.fill(head(ink), INK);
    img.fill(head(0), radial(P(26, 28), 30 * k, FEATHER, FEATHER_SHADOW));
    img.fill(wattle(ink), INK);
    img.fill(wattle(0), COMB);
    img.fill(beak(ink), INK);
    img.fill(beak(0), linear(P(0, 28), {255, 214, 90}, P(0, 42), {224, 138, 20}));
    img.fill(capsule(P(44, 35), P(56, 35), 0.7 * k), {170, 96, 16});
    img.fill(C(36, 30, 3.6), {20, 16, 14});
    img.fill(C(37.2, 28.8, 1.2), {255, 255, 255});
    return img;
}

bool writeIcon(const Image& big, const std::string& path)
{
    const int w = big.width() / kSub, h = big.height() / kSub;
    std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int n = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    Rgb c = big.get(x * kSub + sx, y * kSub + sy);
                    if (c == KEY)
                        continue;
                    ++n, r += c.r, g += c.g, b += c.b;
                }
            unsigned char* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            if (n) {
                p[0] = static_cast<unsigned char>(r / n);
                p[1] = static_cast<unsigned char>(g / n);
                p[2] = static_cast<unsigned char>(b / n);
            }
            p[3] = static_cast<unsigned char>(n * 255 / (kSub * kSub));
        }
    if (stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4))
        return true;
    std::fprintf(stderr, "mkassets: cannot write %s (does the directory exist and is it writable?)\n", path.c_str());
    return false;
}

} // namespace

bool drawIcons(const std::string& dataDir, const std::string& themeDir)
{
    bool ok = writeIcon(drawIcon(64), dataDir + "/plumfall.png");
    if (themeDir.empty())
        return ok;
    for (int size : {32, 48, 64, 128, 256}) {
        std::string dir = themeDir + "/" + std::to_string(size) + "x" + std::to_string(size);
        mkdir(themeDir.c_str(), 0755);
        mkdir(dir.c_str(), 0755);
        mkdir((dir + "/apps").c_str(), 0755);
        ok = writeIcon(drawIcon(size), dir + "/apps/plumfall.png") && ok;
    }
    return ok;
}
