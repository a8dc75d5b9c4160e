#pragma once
// A small deterministic drawing kit for the game's pictures.
//
// Pictures are RGB; opaque pure green is the colour key the texture loader
// turns transparent. Edges are smoothed only between opaque colours: a pixel
// over the key is either left keyed or painted fully, so no greenish fringe
// can ever appear around a sprite.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

constexpr Rgb KEY = {0, 255, 0};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Linear mix, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);
// Multiplies the colour by f (f > 1 lightens, clamped).
Rgb shade(Rgb c, double f);

struct Pt {
    double x, y;
};

// Point-in-shape test in pixel coordinates (pixel (i, j) covers [i, i+1) x [j, j+1)).
using Inside = std::function<bool(double x, double y)>;
// Colour of the shape at a point.
using Shader = std::function<Rgb(double x, double y)>;

Inside circle(double cx, double cy, double r);
Inside ellipse(double cx, double cy, double rx, double ry, double angle = 0.0);
Inside polygon(std::vector<Pt> points);
// A thick segment with round ends.
Inside capsule(Pt a, Pt b, double r);
Inside rect(double x0, double y0, double x1, double y1);
Inside unite(Inside a, Inside b);
Inside subtract(Inside a, Inside b);

Shader solid(Rgb c);
// From a at p0 to b at p1, constant beyond.
Shader linear(Pt p0, Rgb a, Pt p1, Rgb b);
// From a at the centre to b at radius r.
Shader radial(Pt centre, double r, Rgb a, Rgb b);

// Deterministic pseudo-random numbers, so every build draws the same pictures.
class Rng {
public:
    explicit Rng(uint32_t seed);
    uint32_t next();
    double uniform(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state;
};

// Smooth value noise in [0, 1], periodic with period `period` along x (0 = none).
double valueNoise(double x, double y, uint32_t seed, int period = 0);

class Image {
public:
    Image(int w, int h, Rgb background = KEY);

    int width() const { return w; }
    int height() const { return h; }
    Rgb get(int x, int y) const { return px[y * w + x]; }
    void set(int x, int y, Rgb c);

    // Paints the shape within the box [x0, x1) x [y0, y1), 4x4 samples a pixel.
    void fill(double x0, double y0, double x1, double y1, const Inside& in, const Shader& colour);
    // The same with the box taken as the whole picture.
    void fill(const Inside& in, const Shader& colour);
    void fill(const Inside& in, Rgb c) { fill(in, solid(c)); }

    // Every pixel not keyed gets f(x, y, current colour).
    void recolour(const std::function<Rgb(int x, int y, Rgb c)>& f);
    // Mirror image, left for right.
    Image mirrored() const;
    // Opaque pixels next to keyed ones (4-neighbourhood) that are inside the
    // picture become `c`: a crisp outline on the sprite's own edge.
    void outlineEdge(Rgb c);

    bool writePng(const std::string& path) const;

private:
    int w, h;
    std::vector<Rgb> px;
};
