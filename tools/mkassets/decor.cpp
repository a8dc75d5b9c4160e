// The belt pieces, the fire below it, the finish marker, the progress bar and the wall.
#include <algorithm>
#include <cmath>

#include "mkassets.h"

namespace {

// The belt pieces' rows: 0 to 400 are the running surface (y 200 to -200 in
// the game), 400 to 450 the side of the frame facing the viewer.
constexpr int SURFACE_ROWS = 400;
constexpr int BELT_ROWS = 450;
// A segment repeats every 285 columns (300 wide, 15 of overlap).
constexpr int SEGMENT_PITCH = 285;
// The stripe offset wraps by 32, so the stripes repeat every 32 columns.
constexpr int STRIPE_PERIOD = 32;

const Rgb INK = {26, 26, 30};

Rgb rubber(double x, double y)
{
    // Periodic along x with the segment pitch, so neighbouring segments meet seamlessly.
    const double grain = valueNoise(x / 5.0, y / 3.0, 3, SEGMENT_PITCH / 5);
    const double edge = std::min(y, SURFACE_ROWS - y) / 24.0;
    const double f = 0.8 + 0.2 * std::min(1.0, edge) + 0.06 * (grain - 0.5);
    return shade({70, 72, 80}, f);
}

Rgb frameSteel(double, double y)
{
    const double t = (y - SURFACE_ROWS) / (BELT_ROWS - SURFACE_ROWS);
    return mix({150, 154, 164}, {66, 68, 78}, t);
}

// The rails on either edge of the running surface and the frame below it.
void drawBeltFrame(Image& img, double x0, double x1)
{
    img.fill(rect(x0, SURFACE_ROWS, x1, BELT_ROWS), frameSteel);
    img.fill(rect(x0, SURFACE_ROWS, x1, SURFACE_ROWS + 3), {200, 204, 212});
    img.fill(rect(x0, BELT_ROWS - 3, x1, BELT_ROWS), INK);
    img.fill(rect(x0, 0, x1, 4), {150, 154, 164});
    img.fill(rect(x0, 4, x1, 6), INK);
    img.fill(rect(x0, SURFACE_ROWS - 6, x1, SURFACE_ROWS - 4), INK);
    img.fill(rect(x0, SURFACE_ROWS - 4, x1, SURFACE_ROWS), {150, 154, 164});
}

void drawRivet(Image& img, double x, double y)
{
    img.fill(circle(x, y, 4), INK);
    img.fill(circle(x, y, 3), radial({x - 1, y - 1}, 4, {226, 228, 234}, {110, 112, 120}));
}

Image drawSegment()
{
    Image img(300, BELT_ROWS);
    img.fill(rect(0, 6, 300, SURFACE_ROWS - 6), rubber);
    drawBeltFrame(img, 0, 300);
    // Rivets and a hazard band on the frame, away from the overlapping columns.
    for (double x = 40; x < SEGMENT_PITCH; x += 70)
        drawRivet(img, x, 425);
    img.fill(rect(60, 416, 120, 434), INK);
    img.fill(rect(61, 417, 119, 433), [](double x, double y) {
        return std::fmod(x + y, 12) < 6 ? Rgb{240, 200, 30} : Rgb{30, 30, 30};
    });
    img.fill(rect(200, 416, 260, 434), INK);
    img.fill(rect(201, 417, 259, 433), [](double x, double y) {
        return std::fmod(x + y, 12) < 6 ? Rgb{240, 200, 30} : Rgb{30, 30, 30};
    });
    return img;
}

// Chevron cleats pointing to -x, the way the belt runs. Mostly keyed: the
// piece is laid over the segments.
Image drawStripes()
{
    Image img(879, SURFACE_ROWS);
    const double mid = SURFACE_ROWS / 2.0;
    auto phase = [mid](double x, double y) {
        const double p = std::fmod(x - 0.3 * std::fabs(y - mid), STRIPE_PERIOD);
        return p < 0 ? p + STRIPE_PERIOD : p;
    };
    const Inside cleat = [&](double x, double y) { return y >= 12 && y < SURFACE_ROWS - 12 && phase(x, y) < 10; };
    img.fill(cleat, [&](double x, double y) -> Rgb {
        const double p = phase(x, y);
        if (p < 2)
            return {150, 152, 162}; // lit edge facing the light
        if (p < 8)
            return {104, 106, 116};
        return {36, 36, 42}; // shadow behind the cleat
    });
    return img;
}

Image drawStart()
{
    Image img(178, BELT_ROWS);
    // The stripes reach as far left as column 11; the piece hides them.
    const double left = 10, drum0 = 104, drum1 = 138;
    // A grate over the fire where things fall off the belt.
    img.fill(rect(left, 0, drum0, SURFACE_ROWS), [](double x, double y) {
        const bool bar = std::fmod(x, 16) < 4 || std::fmod(y, 16) < 4;
        if (bar)
            return Rgb{54, 54, 60};
        const double glow = 0.5 + 0.5 * valueNoise(x / 20.0, y / 20.0, 9);
        return mix({90, 10, 4}, {250, 130, 30}, glow);
    });
    img.fill(rect(left, 0, left + 4, SURFACE_ROWS), INK);
    // The drum the belt turns round: lit along its middle like a cylinder.
    img.fill(rect(drum0, 0, drum1, SURFACE_ROWS), [=](double x, double) {
        const double t = std::fabs(x - (drum0 + drum1) / 2) / ((drum1 - drum0) / 2);
        return mix({112, 114, 124}, {38, 38, 44}, t * t);
    });
    img.fill(rect(drum0 + 2, 0, drum0 + 3, SURFACE_ROWS), {150, 152, 160});
    img.fill(rect(drum1, 6, 178, SURFACE_ROWS - 6), rubber);
    drawBeltFrame(img, drum1, 178);
    img.fill(rect(left, SURFACE_ROWS, drum1, BELT_ROWS), frameSteel);
    img.fill(rect(left, BELT_ROWS - 3, drum1, BELT_ROWS), INK);
    img.fill(rect(left, SURFACE_ROWS, drum1, SURFACE_ROWS + 3), {200, 204, 212});
    // The drum's axle cap on the frame.
    const double axle = (drum0 + drum1) / 2;
    img.fill(circle(axle, 425, 21), INK);
    img.fill(circle(axle, 425, 19), radial({axle - 6, 419}, 24, {230, 232, 238}, {96, 98, 108}));
    img.fill(circle(axle, 425, 6), INK);
    for (int k = 0; k < 6; ++k) {
        const double a = k * 3.14159265 / 3;
        img.fill(circle(axle + std::cos(a) * 13, 425 + std::sin(a) * 13, 1.8), INK);
    }
    drawRivet(img, 40, 425);
    drawRivet(img, 160, 425);
    return img;
}

// Fire rising from below; kept dark so the sprites stand out against it.
Image drawFlames()
{
    Image img(800, 600);
    img.fill(rect(0, 0, 800, 600), [](double x, double y) {
        double n = 0, amp = 0.5, freq = 1;
        for (int o = 0; o < 4; ++o) {
            n += amp * valueNoise(x * freq / 34.0, y * freq / 95.0 + o * 7.0, 100 + o);
            amp *= 0.5;
            freq *= 2.1;
        }
        const double heat = 0.12 + 0.5 * (y / 600.0);
        const double v = std::clamp(heat + 0.9 * (n - 0.47), 0.0, 1.0);
        const Rgb stops[] = {{18, 2, 4}, {70, 6, 6}, {138, 20, 8}, {196, 62, 12}, {236, 128, 28}, {252, 196, 80}};
        const double s = v * 5;
        const int i = std::min(4, static_cast<int>(s));
        return mix(stops[i], stops[i + 1], s - i);
    });
    return img;
}

// A checkered flag band 100 wide, hanging the whole height of the view.
Image drawFinish()
{
    Image img(100, 600);
    img.fill(rect(0, 0, 100, 600), [](double x, double y) {
        const bool dark = (static_cast<int>(x / 25) + static_cast<int>(y / 25)) % 2 == 1;
        const double wave = 0.86 + 0.14 * std::sin(y / 37.0 + x / 23.0);
        return shade(dark ? Rgb{30, 30, 34} : Rgb{246, 246, 240}, wave);
    });
    img.fill(rect(0, 0, 3, 600), {200, 30, 30});
    img.fill(rect(97, 0, 100, 600), {200, 30, 30});
    return img;
}

Inside roundedRect(double x0, double y0, double x1, double y1, double r)
{
    return [=](double x, double y) {
        const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
        return x >= x0 && x < x1 && y >= y0 && y < y1 && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
}

// The track of the progress bar; the cursor (a chicken) runs from column 20 to 780.
Image drawProgressBar()
{
    Image img(800, 20);
    img.fill(roundedRect(0, 0, 800, 20, 9), INK);
    img.fill(roundedRect(2, 2, 798, 18, 7), linear({0, 2}, {96, 80, 60}, {0, 18}, {168, 140, 100}));
    img.fill(rect(20, 8, 780, 12), {58, 44, 30});
    for (int i = 0; i <= 10; ++i) {
        const double x = 20 + 76 * i;
        img.fill(rect(x - 1, 5, x + 1, 15), {240, 224, 180});
    }
    img.fill(rect(760, 3, 796, 17), [](double x, double y) {
        return (static_cast<int>(x / 4) + static_cast<int>(y / 4)) % 2 ? Rgb{20, 20, 20} : Rgb{250, 250, 250};
    });
    return img;
}

Image drawWall()
{
    Image img(64, 64);
    img.fill(rect(0, 0, 64, 64), {196, 186, 170});
    for (int row = 0; row < 4; ++row) {
        const double y = row * 16;
        const double shift = row % 2 ? 16 : 0;
        for (double x = -32 + shift; x < 64; x += 32) {
            const double tone = 0.85 + 0.15 * valueNoise(x, y, 4);
            img.fill(rect(x + 1, y + 1, x + 31, y + 15), linear({0, y}, shade({178, 74, 52}, tone * 1.1), {0, y + 15}, shade({178, 74, 52}, tone * 0.85)));
        }
    }
    return img;
}

} // namespace

bool drawDecor(const std::string& dir)
{
    bool ok = savePicture(drawStart(), dir, "tapis_debut.png");
    ok = savePicture(drawSegment(), dir, "tapis_troncon.png") && ok;
    ok = savePicture(drawStripes(), dir, "tapis_traits.png") && ok;
    ok = savePicture(drawFlames(), dir, "flammes.png") && ok;
    ok = savePicture(drawFinish(), dir, "fin.png") && ok;
    ok = savePicture(drawProgressBar(), dir, "progressbar.png") && ok;
    ok = savePicture(drawWall(), dir, "mur.png") && ok;
    return ok;
}
