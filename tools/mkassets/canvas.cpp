#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "canvas.h"

#include <algorithm>
#include <cmath>

// The library's own code is not ours to keep warning-free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

uint8_t clampByte(double v)
{
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

// Never let a drawn colour collide with the key.
Rgb unkeyed(Rgb c)
{
    if (c == KEY)
        c.g = 254;
    return c;
}

uint32_t hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

Rgb mix(Rgb a, Rgb b, double t)
{
    return {clampByte(a.r + (b.r - a.r) * t), clampByte(a.g + (b.g - a.g) * t), clampByte(a.b + (b.b - a.b) * t)};
}

Rgb shade(Rgb c, double f) { return {clampByte(c.r * f), clampByte(c.g * f), clampByte(c.b * f)}; }

Inside circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Inside ellipse(double cx, double cy, double rx, double ry, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return [=](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double u = dx * c + dy * s, v = -dx * s + dy * c;
        return (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.0;
    };
}

Inside polygon(std::vector<Pt> points)
{
    return [points = std::move(points)](double x, double y) {
        bool in = false;
        const size_t n = points.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Pt& a = points[i];
            const Pt& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    };
}

Inside capsule(Pt a, Pt b, double r)
{
    return [=](double x, double y) {
        const double vx = b.x - a.x, vy = b.y - a.y;
        const double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (a.x + t * vx), dy = y - (a.y + t * vy);
        return dx * dx + dy * dy <= r * r;
    };
}

Inside rect(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Inside unite(Inside a, Inside b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Inside subtract(Inside a, Inside b)
{
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shader solid(Rgb c)
{
    return [=](double, double) { return c; };
}

Shader linear(Pt p0, Rgb a, Pt p1, Rgb b)
{
    const double vx = p1.x - p0.x, vy = p1.y - p0.y;
    const double len2 = std::max(vx * vx + vy * vy, 1e-9);
    return [=](double x, double y) {
        const double t = std::clamp(((x - p0.x) * vx + (y - p0.y) * vy) / len2, 0.0, 1.0);
        return mix(a, b, t);
    };
}

Shader radial(Pt centre, double r, Rgb a, Rgb b)
{
    return [=](double x, double y) {
        const double d = std::hypot(x - centre.x, y - centre.y) / r;
        return mix(a, b, std::clamp(d, 0.0, 1.0));
    };
}

// Small seeds would start xorshift on a run of tiny numbers: scramble them first.
Rng::Rng(uint32_t seed) : state(hash(static_cast<int>(seed), 0, 0x5EEDu) | 1u) {}

uint32_t Rng::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double Rng::uniform() { return (next() >> 8) / 16777216.0; }

double valueNoise(double x, double y, uint32_t seed, int period)
{
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const double fx = smooth(x - xi), fy = smooth(y - yi);
    auto corner = [&](int cx, int cy) {
        if (period > 0)
            cx = ((cx % period) + period) % period;
        return (hash(cx, cy, seed) & 0xFFFF) / 65535.0;
    };
    const double top = corner(xi, yi) + (corner(xi + 1, yi) - corner(xi, yi)) * fx;
    const double bottom = corner(xi, yi + 1) + (corner(xi + 1, yi + 1) - corner(xi, yi + 1)) * fx;
    return top + (bottom - top) * fy;
}

Image::Image(int width, int height, Rgb background) : w(width), h(height), px(static_cast<size_t>(width) * height, background) {}

void Image::set(int x, int y, Rgb c)
{
    if (x >= 0 && y >= 0 && x < w && y < h)
        px[y * w + x] = c;
}

void Image::fill(double x0, double y0, double x1, double y1, const Inside& in, const Shader& colour)
{
    constexpr int SS = 4;
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(w, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(h, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < SS; ++sy)
                for (int sx = 0; sx < SS; ++sx)
                    hits += in(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS);
            if (hits == 0)
                continue;
            const double cover = static_cast<double>(hits) / (SS * SS);
            const Rgb c = unkeyed(colour(x + 0.5, y + 0.5));
            Rgb& dst = px[y * w + x];
            if (dst == KEY) {
                if (cover >= 0.5)
                    dst = c;
            } else {
                dst = unkeyed(mix(dst, c, cover));
            }
        }
    }
}

void Image::fill(const Inside& in, const Shader& colour) { fill(0, 0, w, h, in, colour); }

void Image::recolour(const std::function<Rgb(int x, int y, Rgb c)>& f)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb& c = px[y * w + x];
            if (!(c == KEY))
                c = unkeyed(f(x, y, c));
        }
}

Image Image::mirrored() const
{
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.px[y * w + x] = px[y * w + (w - 1 - x)];
    return out;
}

void Image::outlineEdge(Rgb c)
{
    std::vector<Rgb> out = px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (px[y * w + x] == KEY)
                continue;
            const bool edge = (x > 0 && px[y * w + x - 1] == KEY) || (x + 1 < w && px[y * w + x + 1] == KEY) ||
                              (y > 0 && px[(y - 1) * w + x] == KEY) || (y + 1 < h && px[(y + 1) * w + x] == KEY);
            if (edge)
                out[y * w + x] = c;
        }
    px = std::move(out);
}

bool Image::writePng(const std::string& path) const
{
    static_assert(sizeof(Rgb) == 3, "pixels are written as packed RGB");
    return stbi_write_png(path.c_str(), w, h, 3, px.data(), w * 3) != 0;
}
