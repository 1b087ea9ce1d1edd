// The game's sound effects, each built from oscillators, noise and filters.
// Clicks and beeps for the interface, the machine's gearbox and the race
// signal, and the noises of the story: doors, telephones, engines, crowds,
// sirens, the sea and explosions.
#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace zb::audio {

using namespace synth;

namespace {

double timeOf(std::size_t i) {
    return static_cast<double>(i) / kRate;
}

std::ptrdiff_t at(double seconds) {
    return static_cast<std::ptrdiff_t>(samplesFor(seconds));
}

// A buffer of `seconds` filled by f(t) for each sample.
Samples generate(double seconds, const std::function<double(double)>& f) {
    Samples s(samplesFor(seconds), 0.0);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = f(timeOf(i));
    return s;
}

// An oscillator whose frequency follows hz(t) and whose level follows env(t).
Samples tone(Wave wave, double seconds, const std::function<double(double)>& hz,
             const std::function<double(double)>& env, std::uint64_t seed = 1) {
    Rng rng(seed);
    Osc osc;
    osc.wave = wave;
    return generate(seconds, [&](double t) { return env(t) * osc.next(hz(t), rng); });
}

// Struck metal or wood: sine partials (Hz, level, seconds to die away).
Samples struck(const std::vector<std::array<double, 3>>& parts, double seconds) {
    Samples s(samplesFor(seconds), 0.0);
    for (const auto& p : parts) {
        double phase = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            s[i] += p[1] * decayEnv(timeOf(i), p[2]) * sine(phase);
            phase += p[0] / kRate;
        }
    }
    return s;
}

// Noise through a band-pass whose centre follows hz(t), shaped by env(t).
Samples bandNoise(double seconds, double q, const std::function<double(double)>& hz,
                  const std::function<double(double)>& env, std::uint64_t seed) {
    Rng rng(seed);
    Svf f;
    Samples s(samplesFor(seconds), 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        if (i % 16 == 0) f.set(hz(t), q);
        f(rng.bipolar());
        s[i] = env(t) * f.band;
    }
    return s;
}

// Noise through a low-pass whose cutoff follows hz(t).
Samples lowNoise(double seconds, const std::function<double(double)>& hz,
                 const std::function<double(double)>& env, std::uint64_t seed, double q = 0.7) {
    Rng rng(seed);
    Svf f;
    Samples s(samplesFor(seconds), 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        if (i % 16 == 0) f.set(hz(t), q);
        f(rng.bipolar());
        s[i] = env(t) * f.low;
    }
    return s;
}

// A short thud: a sine falling in pitch.
Samples thud(double f0, double f1, double fall, double decay, double seconds) {
    double phase = 0;
    return generate(seconds, [&](double t) {
        const double hz = f1 + (f0 - f1) * std::exp(-t / fall);
        const double v = decayEnv(t, decay) * sine(phase);
        phase += hz / kRate;
        return v;
    });
}

void add(Samples& dst, const Samples& src, double atSeconds, double gain) {
    if (dst.size() < static_cast<std::size_t>(at(atSeconds)) + src.size())
        dst.resize(static_cast<std::size_t>(at(atSeconds)) + src.size(), 0.0);
    mixInto(dst, src, at(atSeconds), gain, false);
}

// Evens out the level of a busy sound: the loud moments are rounded off so the
// body of it comes forward.
Samples squeeze(Samples s, double drive) {
    normalize(s, 1.0);
    for (double& v : s)
        v = std::tanh(v * drive);
    return s;
}

// Rising to 1 over `a` seconds, then falling away over `d`.
double swell(double t, double a, double d) {
    if (t < a) return std::sin(0.5 * kPi * t / a);
    return decayEnv(t - a, d);
}

Samples finish(Samples s, double level, bool loop = false) {
    // Smooth the very ends so nothing clicks when the effect starts or stops
    // (a loop is left whole: its end runs on into its start).
    if (!loop) {
        fadeIn(s, 0.001);
        fadeOut(s, 0.004);
    }
    normalize(s, level);
    return s;
}

// Makes a buffer that loops without a seam: the part past `length` is folded
// back over the start with an equal-power crossfade.
Samples loopable(const Samples& s, std::size_t length) {
    Samples out(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(length));
    const std::size_t fold = s.size() - length;
    for (std::size_t i = 0; i < fold && i < length; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(fold);
        out[i] = out[i] * std::sin(0.5 * kPi * x) + s[length + i] * std::cos(0.5 * kPi * x);
    }
    return out;
}

// ---------------------------------------------------------------- the effects

// 1: a wrench ratchets a part tight.
Samples ratchet() {
    Samples s;
    for (int k = 0; k < 7; ++k) {
        const double shift = 1.0 + 0.04 * (k % 2);
        Samples click = struck(
            {{{3100 * shift, 0.5, 0.02}, {4700 * shift, 0.35, 0.012}, {2200 * shift, 0.3, 0.03}}},
            0.05);
        add(click,
            bandNoise(
                0.015, 1.5, [](double) { return 3500.0; },
                [](double t) { return decayEnv(t, 0.008); }, 30 + static_cast<std::uint64_t>(k)),
            0, 1.2);
        add(s, click, 0.045 * k, 0.8 + 0.05 * k);
    }
    Samples clunk = struck({{{880, 0.6, 0.09}, {1390, 0.4, 0.06}, {2650, 0.2, 0.03}}}, 0.2);
    add(clunk, thud(180, 90, 0.02, 0.08, 0.12), 0, 0.7);
    add(s, clunk, 0.34, 1.0);
    return finish(s, 0.8);
}

// 2: a part comes off / a charge of power: a bright rising sweep.
Samples powerUp() {
    const std::array<double, 7> steps = {523, 659, 784, 1047, 1319, 1568, 2093};
    Samples s = tone(
        Wave::Square, 0.6,
        [&](double t) {
            const auto k = std::min<std::size_t>(6, static_cast<std::size_t>(t / 0.05));
            return steps[k] * (1.0 + 0.01 * std::sin(2 * kPi * 18 * t));
        },
        [](double t) { return t < 0.35 ? 1.0 : decayEnv(t - 0.35, 0.25); });
    lowPass(s, 5000);
    Samples sweep = tone(
        Wave::Sine, 0.6, [](double t) { return expSweep(400, 2400, t / 0.4); },
        [](double t) { return swell(t, 0.3, 0.3); });
    add(s, sweep, 0, 0.6);
    return finish(s, 0.55);
}

// 3: a heavy thump in a scene.
Samples sceneThump() {
    Samples s = thud(110, 38, 0.05, 0.35, 0.45);
    add(s,
        lowNoise(
            0.2, [](double t) { return 1800 * std::exp(-t * 12) + 200; },
            [](double t) { return decayEnv(t, 0.1); }, 31),
        0, 0.6);
    for (double& v : s)
        v = std::tanh(v * 1.5);
    return finish(s, 0.9);
}

// 4: the gear lever clunks into place.
Samples gearClunk() {
    Samples s = struck(
        {{{380, 0.6, 0.05}, {1020, 0.45, 0.03}, {1870, 0.3, 0.02}, {2950, 0.15, 0.012}}}, 0.16);
    add(s,
        lowNoise(
            0.05, [](double) { return 2500.0; }, [](double t) { return decayEnv(t, 0.03); }, 32),
        0, 0.8);
    add(s, thud(120, 70, 0.015, 0.06, 0.1), 0, 0.9);
    return finish(s, 0.75);
}

// 5 and 6: the start signal's beeps; the last one is higher and longer.
Samples signalBeep(double hz, double held) {
    Samples s = tone(
        Wave::Square, held + 0.04, [hz](double) { return hz; },
        [held](double t) {
            if (t < 0.004) return t / 0.004;
            if (t < held) return 1.0;
            return std::max(0.0, 1.0 - (t - held) / 0.04);
        });
    lowPass(s, 3500);
    add(s,
        tone(
            Wave::Sine, held + 0.04, [hz](double) { return hz; },
            [held](double t) { return t < held ? 1.0 : std::max(0.0, 1 - (t - held) / 0.04); }),
        0, 0.5);
    return finish(s, 0.45);
}

// 7: a short brass fanfare for the result.
Samples fanfare() {
    Rng rng(77);
    const band::Voice horn = band::brass();
    Samples s;
    const double beat = 0.13;
    const std::array<double, 4> tune = {67, 67, 67, 72};
    for (std::size_t k = 0; k < 3; ++k)
        add(s, renderNote(horn, tune[k], beat * 0.9, 0.9, rng), beat * static_cast<double>(k), 1.0);
    for (double n : {72.0, 64.0, 67.0, 60.0})
        add(s, renderNote(horn, n, 0.9, n == 72 ? 1.0 : 0.7, rng), beat * 3, 0.8);
    add(s, drumHit(Drum::Crash), beat * 3, 0.35);
    add(s, drumHit(Drum::Timpani), beat * 3, 0.5);
    Stereo st;
    st.left = s;
    st.right = s;
    const Stereo room = applyReverb(st, Reverb{0.6, 0.5, 1.0}, false);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] += room.left[i] * 0.6;
    return finish(s, 0.85);
}

// 8: a button click: crisp and short.
Samples buttonClick() {
    Samples s = struck({{{1400, 0.7, 0.02}, {2800, 0.35, 0.01}, {5200, 0.15, 0.005}}}, 0.06);
    add(s,
        bandNoise(
            0.006, 1.0, [](double) { return 4000.0; }, [](double) { return 1.0; }, 33),
        0, 0.6);
    return finish(s, 0.55);
}

// 9: a page turns in a scene: a soft, dry tick.
Samples pageClick() {
    Samples s = tone(
        Wave::Sine, 0.07, [](double t) { return 2400 - 6000 * t; },
        [](double t) { return decayEnv(t, 0.03); });
    add(s,
        bandNoise(
            0.03, 0.8, [](double t) { return 6000 - 60000 * t; },
            [](double t) { return decayEnv(t, 0.02); }, 34),
        0, 0.5);
    return finish(s, 0.45);
}

// 10: a door creaks open and slams.
Samples door() {
    Samples creak(samplesFor(0.75), 0.0);
    {
        Osc osc;
        osc.wave = Wave::Saw;
        Svf f;
        f.set(1100, 4.0);
        Rng r2(36);
        double wander = 0;
        for (std::size_t i = 0; i < creak.size(); ++i) {
            const double t = timeOf(i);
            wander += (r2.bipolar() - wander) * 0.001;
            const double hz = 70 + 40 * std::sin(2 * kPi * 1.3 * t) + 25 * wander;
            f(osc.next(hz, r2));
            // The hinge groans on while the door swings, then lets go.
            const double swing = std::min(1.0, t / 0.12) * std::min(1.0, (0.75 - t) / 0.15);
            creak[i] = f.band * swing * (0.7 + 0.3 * std::sin(2 * kPi * 9 * t));
        }
    }
    Samples s = creak;
    Samples slam = thud(85, 45, 0.03, 0.3, 0.45);
    add(slam, struck({{{180, 0.7, 0.12}, {410, 0.5, 0.08}, {730, 0.3, 0.05}}}, 0.3), 0, 0.8);
    add(slam,
        lowNoise(
            0.2, [](double) { return 1500.0; }, [](double t) { return decayEnv(t, 0.08); }, 37),
        0, 0.9);
    add(s, slam, 0.8, 1.6);
    return finish(s, 0.85);
}

// 11: a telephone rings twice.
Samples telephone() {
    Samples s(samplesFor(2.5), 0.0);
    for (int ring = 0; ring < 2; ++ring) {
        const double start = ring * 1.35;
        for (int k = 0; k < 18; ++k) {
            Samples strike =
                struck({{{1450, 0.5, 0.09}, {1820, 0.4, 0.08}, {2900, 0.15, 0.04}}}, 0.12);
            add(s, strike, start + k * 0.05, 1.0);
        }
    }
    return finish(s, 0.7);
}

// 12: a swish as a tab or view changes.
Samples swish() {
    Samples s = bandNoise(
        0.22, 2.0, [](double t) { return expSweep(600, 4500, t / 0.22); },
        [](double t) { return swell(t, 0.07, 0.1); }, 38);
    return finish(s, 0.6);
}

// 13: the cash register: a drawer's clatter and a bright ding.
Samples register_() {
    Samples s = struck(
        {{{2093, 0.6, 0.9}, {2093 * 2.76, 0.25, 0.4}, {2093 * 5.4, 0.1, 0.2}, {1568, 0.3, 0.7}}},
        1.0);
    Samples drawer = bandNoise(
        0.08, 1.2, [](double) { return 2500.0; }, [](double t) { return decayEnv(t, 0.05); }, 39);
    add(drawer, struck({{{620, 0.5, 0.05}, {1300, 0.3, 0.04}}}, 0.08), 0, 0.8);
    Samples out = drawer;
    add(out, s, 0.05, 1.0);
    return finish(out, 0.7);
}

// 14: a tick for a number stepping or a distance passing.
Samples tick() {
    Samples s = struck({{{1900, 0.7, 0.02}, {3800, 0.3, 0.012}, {950, 0.25, 0.025}}}, 0.06);
    return finish(s, 0.5);
}

// 15: an engine is cranked, catches and revs.
Samples engineStart() {
    Rng rng(40);
    Samples s(samplesFor(3.0), 0.0);
    Osc crank, whine, fire, sub;
    crank.wave = Wave::Saw;
    whine.wave = Wave::Saw;
    fire.wave = Wave::Saw;
    sub.wave = Wave::Square;
    sub.width = 0.2;
    Svf body;
    OnePoleLowPass starter; // the starter motor heard through the bodywork
    starter.set(1800);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double v = 0;
        if (t < 0.95) { // the starter motor turning the engine over
            const double chug = 0.5 + 0.5 * std::sin(2 * kPi * 7 * t);
            starter(0.6 * chug * crank.next(48, rng) + 0.15 * whine.next(320 + 60 * t, rng));
            v += starter.y * std::min(1.0, t / 0.05) * std::min(1.0, (0.95 - t) / 0.05);
        }
        if (t >= 0.9) { // it catches: idle, a rev, back to idle
            const double u = t - 0.9;
            double rpm = 32;
            if (u < 0.15)
                rpm = 32 + 60 * u / 0.15;
            else if (u < 0.6)
                rpm = 92 + 28 * std::sin(kPi * (u - 0.15) / 0.45);
            else
                rpm = 40 + 52 * std::exp(-(u - 0.6) * 3.0);
            rpm *= 1.0 + 0.02 * rng.bipolar();
            if (i % 16 == 0) body.set(300 + rpm * 8, 1.2);
            body(fire.next(rpm, rng) + 0.7 * sub.next(rpm / 2, rng) + 0.15 * rng.bipolar());
            v += std::tanh(body.low * 2.5) * std::min(1.0, u / 0.03);
        }
        s[i] = v;
    }
    fadeOut(s, 0.4);
    return finish(s, 0.6);
}

// 16: a hammer rings on metal.
Samples clang() {
    const double f = 523;
    Samples s = struck({{{f, 0.5, 1.2},
                         {f * 1.59, 0.4, 0.9},
                         {f * 2.14, 0.35, 0.7},
                         {f * 2.65, 0.3, 0.5},
                         {f * 3.5, 0.2, 0.3},
                         {f * 4.7, 0.1, 0.2}}},
                       1.4);
    add(s,
        bandNoise(
            0.03, 1.0, [](double) { return 3000.0; }, [](double t) { return decayEnv(t, 0.02); },
            41),
        0, 0.8);
    return finish(s, 0.8);
}

// 17: a dramatic sting: low brass, timpani and a cymbal.
Samples sting() {
    Rng rng(42);
    band::Voice horn = band::brass();
    horn.amp = Adsr{0.01, 0.4, 0.6, 0.5};
    Samples s;
    for (double n : {36.0, 43.0, 48.0, 51.0, 55.0})
        add(s, renderNote(horn, n, 0.8, 0.9, rng), 0, 0.6);
    add(s, drumHit(Drum::Timpani), 0, 0.9);
    add(s, drumHit(Drum::Crash), 0, 0.4);
    return finish(s, 0.9);
}

// 18: a punch lands.
Samples punch() {
    Samples s = thud(140, 55, 0.03, 0.15, 0.3);
    add(s,
        lowNoise(
            0.08, [](double) { return 3000.0; }, [](double t) { return decayEnv(t, 0.03); }, 43),
        0, 0.9);
    Samples whoosh = bandNoise(
        0.12, 1.5, [](double t) { return expSweep(800, 2500, t / 0.12); },
        [](double t) { return swell(t, 0.1, 0.02); }, 44);
    Samples out = whoosh;
    add(out, s, 0.1, 1.2);
    for (double& v : out)
        v = std::tanh(v * 1.3);
    return finish(out, 0.9);
}

// 19: the television's chime before an announcement.
Samples tvChime() {
    Rng rng(45);
    const band::Voice chime = band::bell();
    Samples s;
    const std::array<double, 4> tune = {79, 76, 72, 67};
    for (std::size_t k = 0; k < tune.size(); ++k)
        add(s, renderNote(chime, tune[k], 0.5, 0.9, rng), 0.28 * static_cast<double>(k), 1.0);
    return finish(s, 0.7);
}

// One hand clap: a tiny burst of band-passed noise.
Samples clapHit(Rng& rng) {
    const double hz = rng.real(900, 2600);
    return bandNoise(
        0.03, 1.2, [hz](double) { return hz; }, [](double t) { return decayEnv(t, 0.012); },
        rng.next());
}

// 20: applause.
Samples applause() {
    Rng rng(46);
    const double length = 2.8;
    Samples s(samplesFor(length), 0.0);
    for (int k = 0; k < 700; ++k) {
        const double t = rng.real(0, length - 0.05);
        add(s, clapHit(rng), t, swell(t, 0.2, 1.8) * rng.real(0.4, 1.0));
    }
    lowPass(s, 6000);
    return finish(squeeze(s, 3.0), 0.75);
}

// A crowd: noise through the vowels of many voices, with cheers on top.
Samples crowd(double seconds, std::uint64_t seed, int cheers, int claps) {
    Rng rng(seed);
    Samples s(samplesFor(seconds), 0.0);
    const std::array<std::pair<double, double>, 3> formants = {
        {{650, 1.0}, {1150, 0.6}, {2500, 0.3}}};
    for (std::size_t f = 0; f < formants.size(); ++f) {
        Rng local(seed + f + 1);
        double mood = 0;
        Samples band = bandNoise(
            seconds, 2.5, [&](double) { return formants[f].first; },
            [&](double) {
                mood += (local.bipolar() - mood) * 0.0005;
                return formants[f].second * (0.8 + 0.4 * mood);
            },
            seed * 10 + f);
        add(s, band, 0, 1.0);
    }
    // Single voices rising in a "woo".
    band::Voice voice = band::choir();
    voice.amp = Adsr{0.08, 0.2, 0.8, 0.2};
    voice.vibrato = 0.4;
    voice.vibratoDelay = 0.05;
    voice.cutoff = 1800;
    for (int k = 0; k < cheers; ++k) {
        const double t = rng.real(0, seconds - 0.5);
        Samples woo = renderNote(voice, rng.real(55, 67), rng.real(0.25, 0.5), 1.0, rng);
        add(s, woo, t, rng.real(0.15, 0.35));
    }
    for (int k = 0; k < claps; ++k)
        add(s, clapHit(rng), rng.real(0, seconds - 0.05), rng.real(0.2, 0.5));
    return s;
}

// 21: the crowd gets excited; loops seamlessly.
Samples crowdLoop() {
    const double length = 3.0;
    Samples s = crowd(length + 0.5, 47, 14, 120);
    return finish(loopable(s, samplesFor(length)), 0.7, true);
}

// 22: the crowd roars.
Samples crowdCheer() {
    Samples s = crowd(2.8, 48, 22, 160);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= swell(timeOf(i), 0.35, 2.2);
    Rng rng(49);
    for (int k = 0; k < 3; ++k) { // whistles
        const double t0 = rng.real(0.2, 1.0);
        add(s,
            tone(
                Wave::Sine, 0.5, [](double t) { return expSweep(1800, 2900, t / 0.25); },
                [](double t) { return swell(t, 0.05, 0.3); }),
            t0, 0.12);
    }
    return finish(squeeze(s, 2.0), 0.8);
}

// 23: a police siren wails past.
Samples siren() {
    const double length = 3.2;
    Samples s = tone(
        Wave::Square, length,
        [](double t) {
            const double cycle = std::fmod(t, 1.6) / 1.6;
            const double up = cycle < 0.7 ? cycle / 0.7 : 1.0 - (cycle - 0.7) / 0.3;
            return 620 + 720 * up;
        },
        [length](double t) { return std::min(1.0, t / 0.3) * std::min(1.0, (length - t) / 0.4); });
    lowPass(s, 2500);
    highPass(s, 400);
    return finish(s, 0.45);
}

// 24: a gust of wind swells and dies away.
Samples wind() {
    const double length = 2.6;
    // Up over a second, down over a second and a half.
    auto gust = [length](double t) {
        const double x = t < 1.0 ? t : 1.0 + (t - 1.0) * 1.0 / (length - 1.0);
        return std::pow(std::sin(0.5 * kPi * x), 1.5);
    };
    Samples s = lowNoise(
        length, [](double t) { return 350 + 650 * std::sin(kPi * t / 2.6); }, gust, 50, 1.2);
    Samples whistle = bandNoise(
        length, 12.0, [](double t) { return 700 + 300 * std::sin(2 * kPi * 0.6 * t); }, gust, 51);
    add(s, whistle, 0, 0.5);
    return finish(s, 0.75);
}

// 25: a ship's horn over the harbour.
Samples shipHorn() {
    Rng rng(52);
    band::Voice horn;
    horn.wave = Wave::Saw;
    horn.unison = 2;
    horn.spread = 6;
    horn.cutoff = 520;
    horn.q = 1.2;
    horn.amp = Adsr{0.15, 0.3, 0.9, 0.6};
    horn.vibrato = 0.03;
    horn.vibratoDelay = 0.2;
    horn.gate = 1.0;
    Samples s = renderNote(horn, 43, 1.9, 1.0, rng);
    add(s, renderNote(horn, 47, 1.9, 0.8, rng), 0, 0.7);
    Stereo st;
    st.left = s;
    st.right = s;
    const Stereo echo = applyEcho(st, Echo{0.45, 0.3, 1200, 0.0}, false);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] += 0.5 * echo.left[i];
    s.resize(s.size() + samplesFor(0.4), 0.0);
    return finish(s, 0.8);
}

// 26: water splashes.
Samples splash() {
    Samples s = lowNoise(
        1.3, [](double t) { return 800 + 5500 * std::exp(-t * 5); },
        [](double t) { return swell(t, 0.02, 0.8); }, 53);
    Rng rng(54);
    for (int k = 0; k < 24; ++k) { // bubbles
        const double f0 = rng.real(400, 900);
        const double len = rng.real(0.02, 0.05);
        add(s,
            tone(
                Wave::Sine, len, [f0, len](double t) { return f0 * (1 + 1.5 * t / len); },
                [len](double t) { return std::sin(kPi * t / len); }),
            rng.real(0.1, 1.1), rng.real(0.1, 0.3));
    }
    return finish(s, 0.8);
}

// 27: an explosion: a crack, a boom and a long rumble.
Samples explosion() {
    const double length = 2.8;
    Samples s = thud(90, 28, 0.15, 1.3, length);
    add(s,
        lowNoise(
            length, [](double t) { return 200 + 3000 * std::exp(-t * 6); },
            [](double t) { return swell(t, 0.01, 3.2); }, 55),
        0, 1.2);
    add(s,
        bandNoise(
            0.05, 0.7, [](double) { return 3000.0; }, [](double t) { return decayEnv(t, 0.03); },
            56),
        0, 1.0);
    Rng rng(57);
    for (int k = 0; k < 40; ++k) { // debris crackling
        const double t = rng.real(0.1, 2.0);
        add(s,
            bandNoise(
                0.01, 1.0, [](double) { return 2000.0; },
                [](double u) { return decayEnv(u, 0.005); }, rng.next()),
            t, 0.4 * decayEnv(t, 2.0));
    }
    for (double& v : s)
        v = std::tanh(v * 1.8);
    return finish(s, 0.95);
}

// 28: a new part is in hand: a bright little jingle.
Samples itemJingle() {
    Rng rng(58);
    band::Voice v = band::chip();
    v.gate = 0.9;
    Samples s;
    const std::array<double, 4> run = {72, 76, 79, 84};
    for (std::size_t k = 0; k < run.size(); ++k)
        add(s, renderNote(v, run[k], 0.09, 0.9, rng), 0.09 * static_cast<double>(k), 0.8);
    for (int k = 0; k < 6; ++k) // a trill on the top
        add(s, renderNote(v, k % 2 ? 91 : 88, 0.06, 0.7, rng), 0.36 + 0.06 * k, 0.5);
    const band::Voice shine = band::glockenspiel();
    for (double n : {84.0, 88.0, 91.0})
        add(s, renderNote(shine, n, 0.5, 0.8, rng), 0.36, 0.4);
    return finish(s, 0.7);
}

// 29: a gunshot-like crack that echoes off the harbour walls.
Samples crack() {
    Samples shot = bandNoise(
        0.12, 0.6, [](double) { return 2500.0; }, [](double t) { return decayEnv(t, 0.05); }, 59);
    add(shot, thud(150, 60, 0.02, 0.15, 0.2), 0, 0.9);
    Samples s = shot;
    double delay = 0.18, gain = 0.45;
    for (int k = 0; k < 3; ++k) {
        Samples echo = shot;
        lowPass(echo, 2000 - 500 * k);
        add(s, echo, delay, gain);
        delay += 0.17 + 0.03 * k;
        gain *= 0.55;
    }
    for (double& v : s)
        v = std::tanh(v * 2.0);
    return finish(s, 0.9);
}

// 30: something charges up, faster and higher.
Samples chargeUp() {
    const double length = 2.0;
    Rng rng(60);
    Osc a, b;
    a.wave = Wave::Saw;
    b.wave = Wave::Sine;
    Svf f;
    double trem = 0;
    Samples s = generate(length, [&](double t) {
        const double u = t / 1.8;
        const double hz = expSweep(150, 1800, u);
        trem += (6 + 30 * u) / kRate;
        const double level = std::min(1.0, t / 0.1) * (0.55 + 0.45 * sine(trem));
        f.set(hz * 3, 2.0);
        f(a.next(hz, rng) * 0.6 + b.next(hz * 2, rng) + 0.2 * u * rng.bipolar());
        return level * f.low * (t < 1.85 ? 1.0 : std::max(0.0, 1 - (t - 1.85) / 0.15));
    });
    return finish(s, 0.75);
}

// 31: a blast: a rushing whoosh into a deep boom.
Samples blast() {
    const double length = 2.9;
    Samples s = bandNoise(
        0.5, 1.2, [](double t) { return expSweep(5000, 500, t / 0.5); },
        [](double t) { return swell(t, 0.4, 0.05); }, 61);
    Samples boom = thud(120, 26, 0.2, 1.6, length - 0.4);
    add(boom,
        lowNoise(
            length - 0.4, [](double t) { return 150 + 4000 * std::exp(-t * 5); },
            [](double t) { return swell(t, 0.005, 2.0); }, 62),
        0, 1.3);
    add(boom, drumHit(Drum::Crash), 0, 0.4);
    add(s, boom, 0.4, 1.0);
    for (double& v : s)
        v = std::tanh(v * 2.2);
    return finish(s, 0.95);
}

} // namespace

Samples soundEffect(int n) {
    switch (n) {
    case 1:
        return ratchet();
    case 2:
        return powerUp();
    case 3:
        return sceneThump();
    case 4:
        return gearClunk();
    case 5:
        return signalBeep(880, 0.28);
    case 6:
        return signalBeep(1760, 0.7);
    case 7:
        return fanfare();
    case 8:
        return buttonClick();
    case 9:
        return pageClick();
    case 10:
        return door();
    case 11:
        return telephone();
    case 12:
        return swish();
    case 13:
        return register_();
    case 14:
        return tick();
    case 15:
        return engineStart();
    case 16:
        return clang();
    case 17:
        return sting();
    case 18:
        return punch();
    case 19:
        return tvChime();
    case 20:
        return applause();
    case 21:
        return crowdLoop();
    case 22:
        return crowdCheer();
    case 23:
        return siren();
    case 24:
        return wind();
    case 25:
        return shipHorn();
    case 26:
        return splash();
    case 27:
        return explosion();
    case 28:
        return itemJingle();
    case 29:
        return crack();
    case 30:
        return chargeUp();
    case 31:
        return blast();
    default:
        throw std::out_of_range("no sound effect " + std::to_string(n));
    }
}

} // namespace zb::audio
