// The saw blade and its arm, and the taser: idle, charging and two lightning frames.
#include <algorithm>
#include <cmath>
#include <vector>

#include "mkassets.h"

namespace {

constexpr double PI = 3.14159265358979;

// Outline of a blade with hooked teeth, grown by `e`.
Inside sawOutline(double cx, double cy, int teeth, double rBody, double rTip, double e)
{
    std::vector<Pt> pts;
    const double step = 2 * PI / teeth;
    for (int k = 0; k < teeth; ++k) {
        const double a = k * step;
        auto at = [&](double r, double angle) { return Pt{cx + std::cos(angle) * (r + e), cy + std::sin(angle) * (r + e)}; };
        pts.push_back(at(rBody, a));
        pts.push_back(at(rBody + 1.5, a + step * 0.55));
        pts.push_back(at(rTip, a + step * 0.9));
        pts.push_back(at(rTip - 1, a + step));
    }
    return polygon(pts);
}

Image drawSaw()
{
    Image img(140, 140);
    const double c = 70;
    img.fill(sawOutline(c, c, 22, 58, 69, 1.0), {40, 42, 48});
    // Brushed steel: the sheen depends on the angle around the hub, so the
    // spinning blade visibly turns.
    img.fill(sawOutline(c, c, 22, 58, 69, 0.0), [c](double x, double y) {
        const double a = std::atan2(y - c, x - c);
        const double r = std::hypot(x - c, y - c);
        const double sheen = 0.5 + 0.5 * std::cos(2 * (a + 0.7));
        Rgb steel = mix({118, 124, 134}, {214, 220, 228}, sheen);
        if (r > 58)
            steel = mix(steel, {232, 236, 242}, 0.5);
        return steel;
    });
    // Tension ring and expansion slots.
    img.fill(subtract(circle(c, c, 41), circle(c, c, 38.5)), {96, 100, 110});
    for (int k = 0; k < 6; ++k) {
        const double a = k * PI / 3 + 0.3;
        const Pt in = {c + std::cos(a) * 44, c + std::sin(a) * 44};
        const Pt out = {c + std::cos(a + 0.12) * 55, c + std::sin(a + 0.12) * 55};
        img.fill(capsule(in, out, 1.3), {52, 54, 60});
        img.fill(circle(out.x, out.y, 2.2), {52, 54, 60});
    }
    // Hub with its bolts.
    img.fill(circle(c, c, 17), {46, 48, 54});
    img.fill(circle(c, c, 16), radial({c - 5, c - 5}, 20, {200, 204, 212}, {98, 102, 112}));
    for (int k = 0; k < 4; ++k) {
        const double a = k * PI / 2 + PI / 4;
        img.fill(circle(c + std::cos(a) * 10, c + std::sin(a) * 10, 2.4), {56, 58, 64});
        img.fill(circle(c + std::cos(a) * 10 - 0.6, c + std::sin(a) * 10 - 0.6, 1.1), {170, 174, 182});
    }
    img.fill(circle(c, c, 5), {30, 30, 34});
    // A red warning stripe on the body, readable even at speed.
    img.fill(subtract(circle(c, c, 33), circle(c, c, 28)), [c](double x, double y) {
        const double a = std::atan2(y - c, x - c);
        return std::fmod(a + 2 * PI, PI / 4) < PI / 8 ? Rgb{210, 40, 30} : Rgb{236, 196, 40};
    });
    return img;
}

// The saw's arm: a steel rod reaching away from the belt, its pivot 20
// pixels above the bottom edge where the blade's axle sits.
Image drawArm()
{
    Image img(30, 600);
    const Shader rod = [](double x, double) {
        const double t = std::fabs(x - 13.0) / 10.0;
        return mix({222, 226, 232}, {82, 86, 96}, std::min(1.0, t));
    };
    img.fill(rect(4, 0, 26, 570), {40, 42, 48});
    img.fill(rect(5, 0, 25, 570), rod);
    // Hydraulic joints every so often.
    for (int y = 60; y < 560; y += 120) {
        img.fill(rect(2, y, 28, y + 12), {40, 42, 48});
        img.fill(rect(3, y + 1, 27, y + 11), [](double x, double) {
            return mix({250, 196, 40}, {170, 120, 20}, std::fabs(x - 13) / 12.0);
        });
    }
    img.fill(circle(15, 580, 14.5), {40, 42, 48});
    img.fill(circle(15, 580, 13.5), radial({11, 575}, 16, {226, 230, 236}, {92, 96, 106}));
    img.fill(circle(15, 580, 5), {40, 42, 48});
    img.fill(circle(14, 579, 2), {150, 154, 162});
    return img;
}

enum class TaserLook { idle, charging, bolt1, bolt2 };

// One emitter post, its tip facing the belt (tipDown: the top post).
void drawPost(Image& img, double top, double bottom, bool tipDown, bool glowing)
{
    const Rgb ink = {30, 30, 36};
    img.fill(rect(9, top, 41, bottom), ink);
    img.fill(rect(10, top + 1, 40, bottom - 1), [](double x, double) {
        return mix({150, 154, 166}, {60, 62, 72}, std::fabs(x - 22) / 18.0);
    });
    // Insulator rings.
    for (double y = top + 10; y < bottom - 16; y += 12) {
        img.fill(rect(6, y, 44, y + 6), ink);
        img.fill(rect(7, y + 1, 43, y + 5), glowing ? Rgb{120, 210, 255} : Rgb{196, 120, 60});
    }
    const double tipY = tipDown ? bottom : top;
    const Rgb tipColour = glowing ? Rgb{230, 250, 255} : Rgb{90, 130, 170};
    img.fill(circle(25, tipY, 9.5), ink);
    img.fill(circle(25, tipY, 8.5), radial({22, tipY - 3}, 11, shade(tipColour, 1.2), shade(tipColour, 0.6)));
    // Yellow and black hazard band at the base.
    const double baseY = tipDown ? top + 2 : bottom - 10;
    img.fill(rect(10, baseY, 40, baseY + 8), [](double x, double y) {
        return std::fmod(x + y + 400, 10) < 5 ? Rgb{240, 200, 30} : Rgb{24, 24, 24};
    });
}

// A jagged bolt from (25, y0) to (25, y1), redrawn a few times as branches.
void drawBolt(Image& img, double y0, double y1, uint32_t seed)
{
    Rng rng(seed);
    std::vector<Pt> path;
    for (double y = y0; y < y1; y += rng.range(14, 30))
        path.push_back({25 + (path.empty() ? 0.0 : rng.range(-16, 16)), y});
    path.push_back({25, y1});
    auto along = [&](double radius) {
        Inside all = capsule(path[0], path[1], radius);
        for (size_t i = 1; i + 1 < path.size(); ++i)
            all = unite(all, capsule(path[i], path[i + 1], radius));
        return all;
    };
    img.fill(along(5.5), {40, 70, 200});
    img.fill(along(3.5), {110, 190, 255});
    img.fill(along(1.5), {250, 254, 255});
    // Short forks off some corners.
    for (size_t i = 1; i + 1 < path.size(); i += 3) {
        const Pt end = {std::clamp(path[i].x + rng.range(-18, 18), 3.0, 47.0), path[i].y + rng.range(10, 22)};
        img.fill(capsule(path[i], end, 2.2), {110, 190, 255});
        img.fill(capsule(path[i], end, 0.8), {250, 254, 255});
    }
}

Image drawTaser(TaserLook look)
{
    // Taser at y = 0: rows 100 to 500 span the belt, the posts stand beyond.
    Image img(50, 600);
    const bool glowing = look != TaserLook::idle;
    if (look == TaserLook::bolt1)
        drawBolt(img, 96, 504, 21);
    else if (look == TaserLook::bolt2)
        drawBolt(img, 96, 504, 58);
    else {
        // Marks across the belt show where the taser strikes.
        for (double y = 112; y < 492; y += 24) {
            img.fill(rect(21, y, 29, y + 10), look == TaserLook::charging ? Rgb{90, 170, 250} : Rgb{44, 44, 52});
            img.fill(rect(22, y + 1, 28, y + 9), look == TaserLook::charging ? Rgb{190, 236, 255} : Rgb{236, 200, 40});
        }
    }
    if (look == TaserLook::charging) {
        Rng rng(5);
        for (int i = 0; i < 14; ++i) {
            const bool topPost = i % 2 == 0;
            const double y = topPost ? 100 + rng.range(0, 30) : 500 - rng.range(0, 30);
            const Pt from = {25, topPost ? 92.0 : 508.0};
            const Pt to = {25 + rng.range(-20, 20), y};
            img.fill(capsule(from, to, 1.6), {110, 190, 255});
            img.fill(capsule(from, to, 0.6), {240, 250, 255});
        }
    }
    drawPost(img, 4, 90, true, glowing);
    drawPost(img, 510, 596, false, glowing);
    return img;
}

} // namespace

bool drawHazards(const std::string& dir)
{
    bool ok = savePicture(drawSaw(), dir, "scie.png");
    ok = savePicture(drawArm(), dir, "barre.png") && ok;
    ok = savePicture(drawTaser(TaserLook::idle), dir, "taser_inactif.png") && ok;
    ok = savePicture(drawTaser(TaserLook::charging), dir, "taser_charge.png") && ok;
    ok = savePicture(drawTaser(TaserLook::bolt1), dir, "taser_eclaire_1.png") && ok;
    ok = savePicture(drawTaser(TaserLook::bolt2), dir, "taser_eclaire_2.png") && ok;
    return ok;
}
