// The game's sounds, synthesised: a cluck, a wet squelch and a looping tune.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mkassets.h"

namespace {

constexpr double PI = 3.14159265358979;

// Writes 16-bit PCM; `samples` interleaved when channels is 2.
bool writeWav(const std::string& path, const std::vector<float>& samples, int rate, int channels)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "mkassets: cannot write %s (does the directory exist and is it writable?)\n", path.c_str());
        return false;
    }
    auto u32 = [f](uint32_t v) {
        const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [f](uint16_t v) {
        const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(static_cast<uint16_t>(channels));
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate * channels * 2));
    u16(static_cast<uint16_t>(channels * 2));
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    for (float s : samples)
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
    const bool ok = std::fclose(f) == 0;
    if (!ok)
        std::fprintf(stderr, "mkassets: writing %s failed (disk full?)\n", path.c_str());
    return ok;
}

void normalise(std::vector<float>& s, float peak)
{
    float m = 0;
    for (float v : s)
        m = std::max(m, std::fabs(v));
    if (m > 0)
        for (float& v : s)
            v *= peak / m;
}

// Resonant band-pass (constant peak gain), the usual biquad.
class BandPass {
public:
    BandPass(double freq, double q, double rate) { tune(freq, q, rate); }
    void tune(double freq, double q, double rate)
    {
        const double w = 2 * PI * freq / rate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double run(double x)
    {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

std::vector<float> cluck()
{
    const int rate = 22050;
    std::vector<float> out(static_cast<size_t>(rate * 0.3));
    Rng rng(1);
    BandPass f1(950, 4, rate), f2(2300, 6, rate), f3(3400, 8, rate);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        // Two syllables: a short low "po", then a higher "ouk" falling away.
        double pitch, env;
        if (t < 0.075) {
            pitch = 520 + 900 * t;
            env = std::min(1.0, t / 0.004) * std::exp(-t * 30);
        } else if (t > 0.095) {
            const double u = t - 0.095;
            pitch = 820 - 1300 * u;
            env = std::min(1.0, u / 0.004) * std::exp(-u * 18);
        } else {
            pitch = 600;
            env = 0;
        }
        phase += pitch / rate;
        phase -= std::floor(phase);
        // A buzzy glottal pulse with some breath in it.
        const double source = (phase < 0.3 ? 1.0 - phase / 0.15 : -0.2) + 0.35 * (rng.uniform() - 0.5);
        const double voiced = f1.run(source) + 0.7 * f2.run(source) + 0.3 * f3.run(source);
        out[i] = static_cast<float>(voiced * env);
    }
    normalise(out, 0.85f);
    return out;
}

std::vector<float> squelch()
{
    const int rate = 22050;
    std::vector<float> out(static_cast<size_t>(rate * 0.4));
    Rng rng(2);
    // Wet noise whose brightness drops as the mess settles.
    double low = 0, lower = 0, thumpPhase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double cutoff = 250 + 2200 * std::exp(-t * 9);
        const double k = 1 - std::exp(-2 * PI * cutoff / rate);
        low += k * ((rng.uniform() - 0.5) - low);
        lower += k * (low - lower);
        const double noiseEnv = std::min(1.0, t / 0.006) * std::exp(-t * 7);
        thumpPhase += (45 + 90 * std::exp(-t * 20)) / rate;
        const double thump = std::sin(2 * PI * thumpPhase) * std::exp(-t * 16);
        out[i] = static_cast<float>(3.0 * lower * noiseEnv + 0.7 * thump);
    }
    // Bubbles popping: short rising blips.
    for (int b = 0; b < 9; ++b) {
        const double start = 0.02 + rng.range(0, 0.3);
        const double f0 = rng.range(250, 500), f1 = f0 * rng.range(1.8, 3.0), len = rng.range(0.02, 0.05);
        const double gain = rng.range(0.25, 0.5) * std::exp(-start * 3);
        double ph = 0;
        for (size_t i = static_cast<size_t>(start * rate); i < out.size(); ++i) {
            const double u = static_cast<double>(i) / rate - start;
            if (u > len)
                break;
            ph += (f0 + (f1 - f0) * u / len) / rate;
            out[i] += static_cast<float>(gain * std::sin(2 * PI * ph) * std::sin(PI * u / len));
        }
    }
    normalise(out, 0.85f);
    return out;
}

// ----- the tune -----

constexpr int MUSIC_RATE = 44100;
constexpr double BEAT = 60.0 / 160.0;
constexpr int BARS = 16;

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

class Track {
public:
    explicit Track(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    // Adds `voice(t)` from `start` for `length` seconds, wrapping past the
    // end so the loop point has no seam.
    template <typename Voice> void add(double start, double length, double pan, Voice voice)
    {
        const size_t n = left.size();
        const size_t first = static_cast<size_t>(start * MUSIC_RATE);
        const size_t count = static_cast<size_t>(length * MUSIC_RATE);
        const float gl = static_cast<float>(std::cos((pan + 1) * PI / 4)), gr = static_cast<float>(std::sin((pan + 1) * PI / 4));
        for (size_t i = 0; i < count; ++i) {
            const float v = static_cast<float>(voice(static_cast<double>(i) / MUSIC_RATE));
            left[(first + i) % n] += v * gl;
            right[(first + i) % n] += v * gr;
        }
    }

    std::vector<float> interleaved() const
    {
        std::vector<float> out;
        out.reserve(left.size() * 2);
        for (size_t i = 0; i < left.size(); ++i) {
            out.push_back(left[i]);
            out.push_back(right[i]);
        }
        return out;
    }

private:
    std::vector<float> left, right;
};

double adsr(double t, double length, double attack, double release)
{
    if (t < attack)
        return t / attack;
    if (t > length)
        return std::max(0.0, 1.0 - (t - length) / release);
    return 1.0 - 0.35 * std::min(1.0, (t - attack) / 0.12);
}

void addTune(Track& track)
{
    // Eighth notes, MIDI numbers; 0 is a rest, -1 holds the previous note.
    static const int melody[BARS][8] = {
        {72, 72, 67, 67, 64, 67, 72, -1}, {69, 69, 65, 69, 72, -1, 69, -1}, {71, 71, 67, 71, 74, -1, 71, 67},
        {72, -1, 67, -1, 64, -1, 0, 0},   {64, 64, 67, 64, 72, -1, 71, 72}, {74, 72, 69, 72, 65, -1, 69, -1},
        {67, 71, 74, 71, 79, -1, 77, 74}, {72, -1, 76, -1, 72, -1, 0, 0},   {76, 76, 72, 76, 81, -1, 76, 72},
        {77, 77, 72, 77, 81, -1, 77, 72}, {76, 79, 76, 72, 74, 72, 67, -1}, {71, 74, 79, -1, 77, 74, 71, -1},
        {72, 76, 79, 76, 84, -1, 79, 76}, {81, 79, 77, 76, 74, 72, 69, -1}, {67, 71, 74, 77, 79, 77, 74, 71},
        {72, -1, 67, -1, 72, -1, 0, 0}};
    // Chord roots (MIDI, bass octave) and whether the chord is minor.
    static const int roots[BARS] = {48, 53, 55, 48, 48, 53, 55, 48, 57, 53, 48, 55, 48, 53, 55, 48};
    const double eighth = BEAT / 2;

    for (int bar = 0; bar < BARS; ++bar) {
        const double barStart = bar * 4 * BEAT;
        for (int slot = 0; slot < 8; ++slot) {
            const int note = melody[bar][slot];
            if (note <= 0)
                continue;
            int held = 1;
            while (slot + held < 8 && melody[bar][slot + held] == -1)
                ++held;
            const double len = held * eighth * 0.8, hz = midiHz(note);
            double ph = 0, soft = 0;
            track.add(barStart + slot * eighth, len + 0.05, -0.25, [=](double t) mutable {
                ph += hz * (1 + 0.004 * std::sin(2 * PI * 5.5 * t)) / MUSIC_RATE;
                const double saw = 2 * (ph - std::floor(ph)) - 1;
                const double square = (ph - std::floor(ph)) < 0.3 ? 0.6 : -0.4;
                soft += 0.35 * (0.6 * square + 0.4 * saw - soft); // takes the fizz off the edges
                return 0.16 * soft * adsr(t, len, 0.006, 0.05);
            });
        }

        const int root = roots[bar];
        const bool minor = root == 57;
        const int third = root + (minor ? 3 : 4), fifth = root + 7;
        // Oom-pah bass: root, fifth, root, fifth.
        for (int beat = 0; beat < 4; ++beat) {
            const double hz = midiHz((beat % 2 ? fifth : root) - 12);
            track.add(barStart + beat * BEAT, BEAT * 0.7, 0.0, [=](double t) {
                const double p = hz * t - std::floor(hz * t);
                const double tri = 4 * std::fabs(p - 0.5) - 1;
                return 0.3 * tri * adsr(t, BEAT * 0.55, 0.004, 0.08);
            });
        }
        // Off-beat chord plucks.
        for (int beat = 0; beat < 4; ++beat) {
            for (int n : {root + 12, third + 12, fifth + 12}) {
                const double hz = midiHz(n);
                track.add(barStart + beat * BEAT + eighth, 0.2, 0.35, [=](double t) {
                    const double p = hz * t - std::floor(hz * t);
                    return 0.05 * (2 * p - 1) * std::exp(-t * 18) * std::min(1.0, t / 0.003);
                });
            }
        }
    }
}

void addDrums(Track& track)
{
    Rng rng(3);
    const int beats = BARS * 4;
    for (int beat = 0; beat < beats; ++beat) {
        const double t0 = beat * BEAT;
        if (beat % 2 == 0) {
            double ph = 0;
            track.add(t0, 0.18, 0.0, [ph](double t) mutable {
                ph += (48 + 110 * std::exp(-t * 30)) / MUSIC_RATE;
                return 0.5 * std::sin(2 * PI * ph) * std::exp(-t * 14);
            });
        } else {
            BandPass body(1800, 0.8, MUSIC_RATE);
            track.add(t0, 0.16, 0.1, [body, rng](double t) mutable {
                const double noise = body.run(rng.uniform() - 0.5);
                return (0.5 * noise + 0.12 * std::sin(2 * PI * 190 * t)) * std::exp(-t * 22);
            });
        }
        for (int half = 0; half < 2; ++half) {
            double prev = 0;
            track.add(t0 + half * BEAT / 2, 0.05, 0.3, [prev, rng](double t) mutable {
                const double n = rng.uniform() - 0.5;
                const double high = n - prev;
                prev = n;
                return 0.07 * high * std::exp(-t * 70);
            });
        }
    }
}

std::string shellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

bool makeMusic(const std::string& dir)
{
    if (std::system("command -v lame >/dev/null 2>&1") != 0) {
        std::fprintf(stderr,
                     "mkassets: warning: 'lame' not found, musique.mp3 not made (the game runs without music); "
                     "install it with scripts/install-deps.sh\n");
        return true;
    }
    Track track(static_cast<size_t>(BARS * 4 * BEAT * MUSIC_RATE));
    addTune(track);
    addDrums(track);
    std::vector<float> samples = track.interleaved();
    normalise(samples, 0.8f);
    const std::string wav = dir + "/musique.tmp.wav", mp3 = dir + "/musique.mp3";
    if (!writeWav(wav, samples, MUSIC_RATE, 2))
        return false;
    const std::string cmd = "lame --quiet -b 128 " + shellQuote(wav) + " " + shellQuote(mp3);
    const bool ok = std::system(cmd.c_str()) == 0;
    if (!ok)
        std::fprintf(stderr, "mkassets: lame could not encode %s\n", mp3.c_str());
    std::remove(wav.c_str());
    return ok;
}

} // namespace

bool makeSounds(const std::string& dir)
{
    bool ok = writeWav(dir + "/pou.wav", cluck(), 22050, 1);
    ok = writeWav(dir + "/sprouch.wav", squelch(), 22050, 1) && ok;
    ok = makeMusic(dir) && ok;
    return ok;
}
