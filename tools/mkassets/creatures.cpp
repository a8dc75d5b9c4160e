// Chickens, grain, egg and blood: the small sprites that ride the belt.
#include <algorithm>
#include <cmath>
#include <vector>

#include "mkassets.h"

namespace {

const Rgb INK = {58, 44, 36};
const Rgb FEATHER = {252, 251, 244};
const Rgb FEATHER_SHADOW = {206, 204, 196};
const Rgb COMB = {222, 34, 38};
const Rgb BEAK = {250, 178, 40};
const Rgb LEG = {236, 146, 34};

// One leg from the hip to the foot, toes pointing to +x.
void drawLeg(Image& img, Pt hip, Pt knee, Pt foot)
{
    const Rgb legInk = {120, 60, 14};
    const std::vector<std::pair<Pt, Pt>> bones = {
        {hip, knee}, {knee, foot}, {foot, {foot.x + 3.4, foot.y + 0.3}}, {foot, {foot.x + 2.4, foot.y - 1.4}}, {foot, {foot.x - 1.8, foot.y + 0.2}}};
    for (const auto& b : bones)
        img.fill(capsule(b.first, b.second, 1.4), legInk);
    for (const auto& b : bones)
        img.fill(capsule(b.first, b.second, 0.7), LEG);
}

// A chicken seen from the side, facing +x. `frame` 1 or 2 is the step.
Image drawChicken(int frame)
{
    Image img(40, 40);
    const double bob = frame == 2 ? -1.0 : 0.0;

    if (frame == 1) {
        drawLeg(img, {15, 29 + bob}, {13, 33}, {11, 37});
        drawLeg(img, {21, 29 + bob}, {23, 33}, {25, 37});
    } else {
        drawLeg(img, {15, 29 + bob}, {13.5, 32}, {16, 35});
        drawLeg(img, {21, 29 + bob}, {20.5, 33}, {19.5, 37});
    }

    const double b = bob;
    auto tail = [b](double e) {
        return unite(unite(ellipse(8, 15 + b, 6.5 + e, 2.6 + e, 0.75), ellipse(7.5, 18.5 + b, 6 + e, 2.4 + e, 0.35)),
                     ellipse(9.5, 12 + b, 5.5 + e, 2.3 + e, 1.1));
    };
    auto body = [b](double e) { return ellipse(18, 22 + b, 11.5 + e, 8.8 + e, -0.15); };
    auto neck = [b](double e) { return ellipse(25, 17 + b, 5.2 + e, 7 + e, 0.35); };
    auto head = [b](double e) { return circle(28, 11 + b, 5.6 + e); };
    auto comb = [b](double e) {
        return unite(unite(circle(24.3, 6 + b, 2 + e), circle(27.3, 4.6 + b, 2.4 + e)), circle(30.4, 5.6 + b, 2 + e));
    };
    auto beak = [b](double e) { return polygon({{32.2 - e, 8.8 + b - e}, {38.6 + e, 11.8 + b}, {32.2 - e, 14.6 + b + e}}); };
    auto wattle = [b](double e) { return ellipse(32.6, 16.2 + b, 1.5 + e, 2.3 + e); };

    const double ink = 1.1;
    img.fill(tail(ink), INK);
    img.fill(body(ink), INK);
    img.fill(neck(ink), INK);
    img.fill(head(ink), INK);
    img.fill(comb(ink), INK);
    img.fill(wattle(ink), INK);
    img.fill(beak(ink), INK);

    const Shader plumage = linear({0, 10 + b}, FEATHER, {0, 31 + b}, FEATHER_SHADOW);
    img.fill(tail(0), linear({2, 8 + b}, FEATHER_SHADOW, {12, 18 + b}, FEATHER));
    img.fill(body(0), plumage);
    img.fill(neck(0), plumage);
    img.fill(head(0), solid(FEATHER));
    img.fill(comb(0), radial({27, 4 + b}, 4, {255, 80, 80}, COMB));
    img.fill(wattle(0), COMB);
    img.fill(beak(0), linear({32, 9 + b}, {255, 214, 90}, {32, 14 + b}, {224, 138, 20}));
    img.fill(capsule({32.6, 11.8 + b}, {37.5, 11.8 + b}, 0.35), {170, 96, 16});

    img.fill(circle(29.8, 10 + b, 1.45), {20, 16, 14});
    img.set(30, static_cast<int>(9 + b), {255, 255, 255});

    // The wing, with two feather lines so it reads as a wing and not a stain.
    img.fill(ellipse(15.2, 21.5 + b, 8 + ink * 0.8, 4.8 + ink * 0.8, 0.22), {150, 146, 138});
    img.fill(ellipse(15.2, 21.5 + b, 8, 4.8, 0.22), linear({0, 17 + b}, FEATHER, {0, 26 + b}, {222, 220, 212}));
    img.fill(capsule({9.5, 21 + b}, {18, 23.5 + b}, 0.5), {150, 146, 138});
    img.fill(capsule({10.5, 23.5 + b}, {17, 25.2 + b}, 0.5), {150, 146, 138});
    return img;
}

Image drawGrain()
{
    Image img(44, 20);
    Rng rng(7);
    const Rgb tones[] = {{236, 194, 96}, {216, 166, 66}, {244, 210, 124}, {200, 144, 54}};
    auto mound = [](double x, double y) {
        const double dx = (x - 22.0) / 21.0, dy = (y - 19.5) / 16.0;
        return y <= 19.5 && dx * dx + dy * dy <= 1.0;
    };
    img.fill(mound, {86, 56, 20});
    // Seeds from the back of the heap to its front, each inside the mound.
    for (int i = 0; i < 70; ++i) {
        const double y = 5.0 + 14.0 * i / 70.0;
        const double dy = (y - 19.5) / 16.0;
        const double half = 19.0 * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const double x = 22 + rng.range(-half, half);
        const double a = rng.range(0, 3.14159);
        const Rgb tone = tones[rng.next() % 4];
        img.fill(ellipse(x, y, 3.2, 2.0, a), {96, 62, 22});
        img.fill(ellipse(x, y, 2.4, 1.3, a), linear({x - 2, y - 2}, shade(tone, 1.15), {x + 2, y + 2}, shade(tone, 0.85)));
    }
    return img;
}

Image drawEgg()
{
    Image img(20, 28);
    // Narrower towards the top: the half-width shrinks with height.
    auto egg = [](double e) {
        return [e](double x, double y) {
            const double t = (y - 15.0) / (12.6 + e);
            if (t < -1 || t > 1)
                return false;
            const double half = (8.6 + e) * std::sqrt(1 - t * t) * (1.0 + 0.13 * t);
            return std::fabs(x - 10.0) <= half;
        };
    };
    img.fill(egg(1.0), {150, 118, 80});
    img.fill(egg(0.0), [](double x, double y) {
        const double d = std::hypot((x - 7.0) / 9.0, (y - 9.0) / 15.0);
        return mix({255, 251, 238}, {214, 192, 156}, std::min(1.0, d));
    });
    img.fill(ellipse(7, 9, 1.8, 3, 0.3), {255, 255, 252});
    return img;
}

Image drawBlood()
{
    Image img(20, 20);
    Rng rng(11);
    const Rgb dark = {112, 4, 8};
    std::vector<Pt> blobs = {{10, 10}};
    std::vector<double> radii = {3.8};
    for (int i = 0; i < 6; ++i) {
        const double a = i * 1.047 + rng.range(-0.3, 0.3);
        const double d = rng.range(5.0, 6.8);
        blobs.push_back({10 + std::cos(a) * d, 10 + std::sin(a) * d});
        radii.push_back(rng.range(1.2, 1.9));
    }
    for (int i = 0; i < 5; ++i) {
        const double a = rng.range(0, 6.283);
        const double d = rng.range(8.0, 8.8);
        blobs.push_back({10 + std::cos(a) * d, 10 + std::sin(a) * d});
        radii.push_back(rng.range(0.6, 0.9));
    }
    // Each arm is a streak from the centre ending in a drop; the far drops fly free.
    auto splat = [&](double grow) {
        Inside all = circle(blobs[0].x, blobs[0].y, radii[0] + grow);
        for (size_t i = 1; i < blobs.size(); ++i) {
            all = unite(all, circle(blobs[i].x, blobs[i].y, radii[i] + grow));
            if (i <= 6)
                all = unite(all, capsule({10, 10}, blobs[i], radii[i] * 0.5 + grow));
        }
        return all;
    };
    img.fill(splat(0.7), dark);
    img.fill(splat(0.0), radial({8, 8}, 9, {214, 30, 32}, {160, 12, 16}));
    img.fill(ellipse(8, 8, 1.6, 1.0, -0.6), {236, 96, 90});
    return img;
}

} // namespace

bool drawCreatures(const std::string& dir)
{
    bool ok = true;
    for (int frame = 1; frame <= 2; ++frame) {
        const Image right = drawChicken(frame);
        const std::string stem = "poulet" + std::to_string(frame) + "_";
        ok = savePicture(right, dir, stem + "2.png") && ok;
        ok = savePicture(right.mirrored(), dir, stem + "1.png") && ok;
    }
    ok = savePicture(drawGrain(), dir, "grain.png") && ok;
    ok = savePicture(drawEgg(), dir, "oeuf.png") && ok;
    ok = savePicture(drawBlood(), dir, "sang.png") && ok;
    return ok;
}
