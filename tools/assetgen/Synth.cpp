#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace zb::synth {

// ---------------------------------------------------------------- basics

std::uint64_t Rng::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::bipolar() {
    return uniform() * 2.0 - 1.0;
}

double Rng::real(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

int Rng::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(uniform() * n);
}

double noteHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

double expSweep(double f0, double f1, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return f0 * std::pow(f1 / f0, t);
}

// ---------------------------------------------------------------- oscillators

namespace {

// The polynomial correction that rounds off a jump at phase 0.
double blep(double t, double dt) {
    if (dt <= 0) return 0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0;
}

double wrap01(double p) {
    return p - std::floor(p);
}

} // namespace

double sine(double phase) {
    return std::sin(2.0 * kPi * phase);
}

double triangle(double phase) {
    const double p = wrap01(phase);
    return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
}

double saw(double phase, double dt) {
    const double p = wrap01(phase);
    return 2.0 * p - 1.0 - blep(p, dt);
}

double pulse(double phase, double dt, double width) {
    const double p = wrap01(phase);
    double v = p < width ? 1.0 : -1.0;
    v += blep(p, dt);
    v -= blep(wrap01(p + 1.0 - width), dt);
    return v;
}

double Osc::next(double hz, Rng& rng) {
    const double dt = hz / kRate;
    double v = 0;
    switch (wave) {
    case Wave::None:
        break;
    case Wave::Sine:
        v = sine(phase);
        break;
    case Wave::Triangle:
        v = triangle(phase);
        break;
    case Wave::Saw:
        v = saw(phase, dt);
        break;
    case Wave::Square:
        v = pulse(phase, dt, width);
        break;
    case Wave::Noise:
        v = rng.bipolar();
        break;
    }
    phase = wrap01(phase + dt);
    return v;
}

// ---------------------------------------------------------------- envelopes

double Adsr::at(double t, double held) const {
    if (t < 0) return 0;
    auto holding = [this](double u) {
        if (u < attack) return attack > 0 ? u / attack : 1.0;
        u -= attack;
        if (decay <= 0) return sustain;
        return sustain + (1.0 - sustain) * std::exp(-5.0 * u / decay);
    };
    if (t < held) return holding(t);
    const double level = holding(held);
    if (release <= 0) return 0;
    const double x = (t - held) / release;
    if (x >= 1) return 0;
    return level * (1.0 - x) * (1.0 - x);
}

double decayEnv(double t, double seconds) {
    if (t < 0) return 0;
    return std::exp(-6.9 * t / seconds);
}

// ---------------------------------------------------------------- filters

void OnePoleLowPass::set(double hz) {
    a = 1.0 - std::exp(-2.0 * kPi * std::min(hz, kRate * 0.49) / kRate);
}

void Svf::set(double hz, double quality) {
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    g = std::tan(kPi * hz / kRate);
    k = 1.0 / std::max(quality, 0.05);
}

void Svf::operator()(double x) {
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    low = v2;
    band = v1;
    high = x - k * v1 - v2;
}

// ---------------------------------------------------------------- whole-buffer helpers

void mixInto(Samples& dst, const Samples& src, std::ptrdiff_t offset, double gain, bool wrap) {
    const auto n = static_cast<std::ptrdiff_t>(dst.size());
    if (n == 0) return;
    for (std::size_t i = 0; i < src.size(); ++i) {
        std::ptrdiff_t j = offset + static_cast<std::ptrdiff_t>(i);
        if (wrap) {
            j %= n;
            if (j < 0) j += n;
        } else if (j < 0 || j >= n) {
            continue;
        }
        dst[static_cast<std::size_t>(j)] += gain * src[i];
    }
}

double peak(const Samples& s) {
    double p = 0;
    for (double v : s)
        p = std::max(p, std::fabs(v));
    return p;
}

double rms(const Samples& s, std::size_t from, std::size_t to) {
    to = std::min(to, s.size());
    if (from >= to) return 0;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

void scale(Samples& s, double gain) {
    for (double& v : s)
        v *= gain;
}

void normalize(Samples& s, double peakLevel) {
    const double p = peak(s);
    if (p > 0) scale(s, peakLevel / p);
}

void fadeIn(Samples& s, double seconds) {
    const std::size_t n = std::min(s.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i)
        s[i] *= static_cast<double>(i) / static_cast<double>(n);
}

void fadeOut(Samples& s, double seconds) {
    const std::size_t n = std::min(s.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n);
}

double softClip(double x, double knee) {
    const double a = std::fabs(x);
    if (a <= knee) return x;
    const double room = 1.0 - knee;
    const double y = knee + room * std::tanh((a - knee) / room);
    return x < 0 ? -y : y;
}

void lowPass(Samples& s, double hz) {
    OnePoleLowPass f;
    f.set(hz);
    for (double& v : s)
        v = f(v);
}

void highPass(Samples& s, double hz) {
    OnePoleHighPass f;
    f.set(hz);
    for (double& v : s)
        v = f(v);
}

namespace {

// Runs `process` over the input once, or for a loop twice in a row keeping the
// second pass, so the state that the end of the loop leaves behind (a ringing
// tail) is heard at its start.
// Runs `process` over the input. For a loop the effect first hears the last
// seconds of the piece, so the tail that the end leaves behind rings on at the
// start (tails die away long before `kWarmUp`).
template <typename Process> Stereo runEffect(const Stereo& in, bool loop, Process process) {
    constexpr double kWarmUp = 8.0;
    Stereo out;
    out.resize(in.size());
    double l = 0, r = 0;
    if (loop)
        for (std::size_t i = in.size() - std::min(in.size(), samplesFor(kWarmUp)); i < in.size();
             ++i)
            process(in.left[i], in.right[i], l, r);
    for (std::size_t i = 0; i < in.size(); ++i) {
        process(in.left[i], in.right[i], l, r);
        out.left[i] = l;
        out.right[i] = r;
    }
    return out;
}

struct DelayLine {
    std::vector<double> buf;
    std::size_t pos = 0;
    explicit DelayLine(std::size_t n) : buf(std::max<std::size_t>(n, 1), 0.0) {}
    double front() const { return buf[pos]; }
    void push(double v) {
        buf[pos] = v;
        pos = (pos + 1) % buf.size();
    }
};

struct Comb {
    DelayLine line;
    double feedback, damp, store = 0;
    Comb(std::size_t n, double fb, double d) : line(n), feedback(fb), damp(d) {}
    double operator()(double x) {
        const double y = line.front();
        store = y * (1.0 - damp) + store * damp;
        line.push(x + store * feedback);
        return y;
    }
};

struct AllPass {
    DelayLine line;
    explicit AllPass(std::size_t n) : line(n) {}
    double operator()(double x) {
        const double b = line.front();
        line.push(x + b * 0.5);
        return b - x;
    }
};

} // namespace

Stereo applyEcho(const Stereo& in, const Echo& echo, bool loop) {
    const std::size_t d = std::max<std::size_t>(1, samplesFor(echo.seconds));
    DelayLine l(d), r(d);
    OnePoleLowPass dampL, dampR;
    dampL.set(echo.damp);
    dampR.set(echo.damp);
    const double c = echo.crossfeed;
    return runEffect(in, loop, [&](double xl, double xr, double& yl, double& yr) {
        yl = l.front();
        yr = r.front();
        const double fl = dampL(yl), fr = dampR(yr);
        l.push(xl + echo.feedback * ((1 - c) * fl + c * fr));
        r.push(xr + echo.feedback * ((1 - c) * fr + c * fl));
    });
}

Stereo applyReverb(const Stereo& in, const Reverb& reverb, bool loop) {
    // Freeverb's tunings, halved for this rate; the right side is offset.
    static constexpr std::array<std::size_t, 8> kCombs = {558, 594, 638, 678, 711, 745, 778, 808};
    static constexpr std::array<std::size_t, 4> kAllPasses = {278, 220, 170, 112};
    const std::size_t spread = 12;
    const double feedback = 0.70 + 0.28 * std::clamp(reverb.size, 0.0, 1.0);
    const double damp = 0.1 + 0.6 * std::clamp(reverb.damp, 0.0, 1.0);
    std::vector<Comb> combL, combR;
    std::vector<AllPass> apL, apR;
    for (std::size_t n : kCombs) {
        combL.emplace_back(n, feedback, damp);
        combR.emplace_back(n + spread, feedback, damp);
    }
    for (std::size_t n : kAllPasses) {
        apL.emplace_back(n);
        apR.emplace_back(n + spread);
    }
    const double w = std::clamp(reverb.width, 0.0, 1.0);
    const double wet1 = 0.5 * (1 + w), wet2 = 0.5 * (1 - w);
    return runEffect(in, loop, [&](double xl, double xr, double& yl, double& yr) {
        const double x = (xl + xr) * 0.05;
        double sl = 0, sr = 0;
        for (std::size_t i = 0; i < combL.size(); ++i) {
            sl += combL[i](x);
            sr += combR[i](x);
        }
        for (std::size_t i = 0; i < apL.size(); ++i) {
            sl = apL[i](sl);
            sr = apR[i](sr);
        }
        yl = sl * wet1 + sr * wet2;
        yr = sr * wet1 + sl * wet2;
    });
}

// ---------------------------------------------------------------- drums

namespace {

// Sum of sine partials with their own decays (metal, bells, wood).
Samples partials(const std::vector<std::array<double, 3>>& hzLevelDecay, double seconds) {
    Samples s(samplesFor(seconds), 0.0);
    for (const auto& p : hzLevelDecay) {
        double phase = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            s[i] += p[1] * decayEnv(t, p[2]) * sine(phase);
            phase += p[0] / kRate;
        }
    }
    return s;
}

Samples noiseHit(std::uint64_t seed, double seconds, double decay, double hpHz, double lpHz,
                 double attack = 0.0) {
    Rng rng(seed);
    Samples s(samplesFor(seconds), 0.0);
    OnePoleHighPass hp;
    hp.set(hpHz);
    OnePoleLowPass lp;
    lp.set(lpHz);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        s[i] = a * decayEnv(t, decay) * lp(hp(rng.bipolar()));
    }
    return s;
}

// A sine whose pitch falls from f0 to f1 over `sweep` seconds.
Samples sweptSine(double f0, double f1, double sweep, double decay, double seconds) {
    Samples s(samplesFor(seconds), 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double hz = f1 + (f0 - f1) * std::exp(-t / sweep);
        s[i] = decayEnv(t, decay) * sine(phase);
        phase += hz / kRate;
    }
    return s;
}

} // namespace

Samples drumHit(Drum drum) {
    Samples s;
    switch (drum) {
    case Drum::Kick: {
        s = sweptSine(160, 48, 0.035, 0.42, 0.45);
        const Samples click = noiseHit(11, 0.01, 0.006, 800, 6000);
        mixInto(s, click, 0, 0.35, false);
        for (double& v : s)
            v = std::tanh(v * 1.6) / std::tanh(1.6);
        break;
    }
    case Drum::Snare: {
        s = sweptSine(240, 180, 0.02, 0.12, 0.26);
        scale(s, 0.55);
        Samples n = noiseHit(12, 0.26, 0.2, 900, 9000);
        mixInto(s, n, 0, 0.75, false);
        break;
    }
    case Drum::HatClosed:
        s = noiseHit(13, 0.06, 0.045, 6500, 11000);
        break;
    case Drum::HatOpen:
        s = noiseHit(14, 0.32, 0.28, 6000, 11000);
        break;
    case Drum::Clap: {
        s.assign(samplesFor(0.25), 0.0);
        for (int k = 0; k < 4; ++k) {
            const double len = k < 3 ? 0.012 : 0.2;
            Samples b =
                noiseHit(20 + static_cast<std::uint64_t>(k), len, k < 3 ? 0.01 : 0.14, 900, 3200);
            mixInto(s, b, static_cast<std::ptrdiff_t>(samplesFor(0.009 * k)), 1.0, false);
        }
        break;
    }
    case Drum::TomLow:
        s = sweptSine(140, 90, 0.06, 0.38, 0.42);
        break;
    case Drum::TomHigh:
        s = sweptSine(220, 150, 0.05, 0.3, 0.34);
        break;
    case Drum::Rim:
        s = partials({{{1700, 0.6, 0.025}, {830, 0.5, 0.035}}}, 0.06);
        mixInto(s, noiseHit(15, 0.01, 0.005, 2000, 9000), 0, 0.5, false);
        break;
    case Drum::Shaker:
        s = noiseHit(16, 0.09, 0.06, 4500, 10000, 0.02);
        break;
    case Drum::Ride: {
        s = partials({{{3120, 0.25, 0.9}, {4470, 0.2, 0.7}, {5390, 0.18, 0.6}, {2450, 0.12, 1.0}}},
                     1.0);
        mixInto(s, noiseHit(17, 0.6, 0.45, 5000, 11000), 0, 0.25, false);
        break;
    }
    case Drum::Crash: {
        s = noiseHit(18, 1.6, 1.4, 3000, 11000);
        Samples m = partials({{{3520, 0.2, 1.0}, {4680, 0.15, 0.8}, {6130, 0.12, 0.7}}}, 1.6);
        mixInto(s, m, 0, 0.6, false);
        break;
    }
    case Drum::Timpani: {
        s = sweptSine(98, 87, 0.15, 1.4, 1.5);
        Samples over = sweptSine(150, 131, 0.15, 0.6, 1.5);
        mixInto(s, over, 0, 0.35, false);
        mixInto(s, noiseHit(19, 0.05, 0.03, 100, 1500), 0, 0.4, false);
        break;
    }
    case Drum::WoodBlock:
        s = partials({{{1050, 0.8, 0.05}, {2700, 0.3, 0.02}}}, 0.12);
        break;
    case Drum::Brush:
        s = noiseHit(21, 0.22, 0.16, 1500, 7000, 0.03);
        break;
    case Drum::Cowbell:
        s = partials({{{562, 0.5, 0.18}, {845, 0.5, 0.15}}}, 0.3);
        for (double& v : s)
            v = std::tanh(v * 2.0) * 0.6;
        break;
    case Drum::Conga:
        s = sweptSine(330, 280, 0.02, 0.22, 0.3);
        break;
    }
    normalize(s, 1.0);
    return s;
}

// ---------------------------------------------------------------- instruments

namespace {

// A plucked string: a burst of noise circulating in a damped delay line.
struct PluckedString {
    std::vector<double> line;
    double delay;
    std::size_t pos = 0;
    double last = 0, brightness;

    PluckedString(double hz, double bright, Rng& rng)
        : line(static_cast<std::size_t>(kRate / std::max(hz, 20.0)) + 4, 0.0), brightness(bright) {
        // The averaging part of the loop filter adds half a sample of delay.
        delay = kRate / std::max(hz, 20.0) - 0.5 * (1.0 - bright);
        OnePoleLowPass colour;
        colour.set(1500 + 9000 * bright);
        const auto n = static_cast<std::size_t>(delay);
        for (std::size_t i = 0; i < line.size(); ++i)
            line[i] = i <= n ? colour(rng.bipolar()) : 0.0;
    }
    double next() {
        // Read `delay` samples back with linear interpolation.
        const std::size_t size = line.size();
        const double readPos = static_cast<double>(pos) + static_cast<double>(size) - delay;
        const auto i0 = static_cast<std::size_t>(readPos);
        const double frac = readPos - static_cast<double>(i0);
        const double a = line[i0 % size], b = line[(i0 + 1) % size];
        const double out = a + (b - a) * frac;
        const double avg = 0.5 * (out + last);
        last = out;
        const double fb = 0.996 * (brightness * out + (1.0 - brightness) * avg);
        line[pos] = fb;
        pos = (pos + 1) % size;
        return out;
    }
};

} // namespace

Samples renderNote(const Voice& v, double midi, double seconds, double velocity, Rng& rng) {
    const double held = std::max(0.01, seconds * v.gate);
    Samples out(samplesFor(held + v.amp.release) + 1, 0.0);
    const double base = noteHz(midi);
    std::vector<Osc> oscs(static_cast<std::size_t>(std::max(1, v.unison)));
    for (std::size_t u = 0; u < oscs.size(); ++u) {
        oscs[u].wave = v.wave;
        oscs[u].width = v.pulseWidth;
        oscs[u].phase = oscs.size() > 1 ? rng.uniform() : 0.0;
    }
    Osc osc2{v.wave2, 0.0, v.pulseWidth};
    double carrier = 0, modulator = 0;
    const bool filtered = v.cutoff < 10000 || v.envCutoff > 0 || v.q > 1.0;
    Svf filter;
    PluckedString* string = nullptr;
    std::vector<PluckedString> strings;
    if (v.pluck > 0) {
        strings.emplace_back(base, v.pluck, rng);
        string = &strings.back();
    }
    const double driveGain = 1.0 + v.drive * 5.0;
    const double driveNorm = 1.0 / std::tanh(driveGain);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double semis = 0;
        if (v.vibrato > 0 && t > v.vibratoDelay)
            semis += v.vibrato * std::min(1.0, (t - v.vibratoDelay) * 4.0) *
                     std::sin(2.0 * kPi * v.vibratoRate * t);
        if (v.pitchDrop != 0) semis += v.pitchDrop * std::exp(-t / v.pitchDropTime);
        const double hz = semis != 0 ? base * std::pow(2.0, semis / 12.0) : base;
        double x = 0;
        if (string) {
            x = string->next();
        } else if (v.fmIndex > 0) {
            const double index = v.fmIndex * std::exp(-t / v.fmDecay);
            x = std::sin(2.0 * kPi * carrier + index * sine(modulator));
            carrier = wrap01(carrier + hz / kRate);
            modulator = wrap01(modulator + hz * v.fmRatio / kRate);
        } else {
            for (std::size_t u = 0; u < oscs.size(); ++u) {
                const double cents = oscs.size() > 1
                                         ? v.spread * (static_cast<double>(u) -
                                                       0.5 * static_cast<double>(oscs.size() - 1))
                                         : 0.0;
                x += oscs[u].next(cents != 0 ? hz * std::pow(2.0, cents / 1200.0) : hz, rng);
            }
            if (oscs.size() > 1) x /= std::sqrt(static_cast<double>(oscs.size()));
        }
        if (v.wave2 != Wave::None)
            x += v.level2 * osc2.next(hz * std::pow(2.0, v.octave2 + v.detune / 1200.0), rng);
        if (v.noise > 0) x += v.noise * rng.bipolar();
        if (filtered) {
            if (i % 8 == 0) {
                double fc = v.cutoff + v.envCutoff * std::exp(-t / v.filterDecay);
                if (v.keyTrack > 0) fc *= std::pow(base / 261.63, v.keyTrack);
                filter.set(fc, v.q);
            }
            filter(x);
            x = filter.low;
        }
        if (v.drive > 0) x = std::tanh(x * driveGain) * driveNorm;
        out[i] = x * v.amp.at(t, held) * velocity * v.gain;
    }
    return out;
}

// ---------------------------------------------------------------- sequencer

namespace {

int scaleStep(const std::vector<int>& scale, int index) {
    const int n = static_cast<int>(scale.size());
    int octave = index >= 0 ? index / n : -((-index + n - 1) / n);
    const int i = index - octave * n;
    return scale[static_cast<std::size_t>(i)] + 12 * octave;
}

struct Chord {
    std::array<int, 5> tones{}; // root, third, fifth, seventh, ninth
    int count = 3;
};

Chord parseChord(const std::string& token, const std::vector<int>& scale) {
    Chord c;
    std::size_t i = 0;
    int shift = 0;
    while (i < token.size() && (token[i] == '#' || token[i] == '&')) {
        shift += token[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i >= token.size() || token[i] < '1' || token[i] > '7')
        throw std::runtime_error("bad chord '" + token + "'");
    const int degree = token[i] - '1';
    ++i;
    const int rootStep = scaleStep(scale, degree);
    for (int k = 0; k < 5; ++k)
        c.tones[static_cast<std::size_t>(k)] = scaleStep(scale, degree + 2 * k) - rootStep;
    for (; i < token.size(); ++i) {
        switch (token[i]) {
        case 'm':
            c.tones[1] = 3;
            break;
        case 'M':
            c.tones[1] = 4;
            break;
        case 'D': // dominant seventh
            c.tones[1] = 4;
            c.tones[2] = 7;
            c.tones[3] = 10;
            c.count = std::max(c.count, 4);
            break;
        case 'j': // major seventh
            c.tones[3] = 11;
            c.count = std::max(c.count, 4);
            break;
        case '7':
            c.count = std::max(c.count, 4);
            break;
        case '9':
            c.count = 5;
            break;
        case 's':
            c.tones[1] = 5;
            break;
        case 'd':
            c.tones[2] = 6;
            break;
        case '+':
            c.tones[2] = 8;
            break;
        case 'p': // perfect fifth
            c.tones[2] = 7;
            break;
        default:
            throw std::runtime_error("bad chord '" + token + "'");
        }
    }
    // The root lies within a fourth below to a fifth above the tonic.
    int root = rootStep + shift;
    while (root < -5)
        root += 12;
    while (root >= 7)
        root -= 12;
    for (int& t : c.tones)
        t += root;
    return c;
}

enum class StepKind { Rest, Hold, Note };

struct Step {
    StepKind kind = StepKind::Rest;
    char symbol = 0;
    int octave = 0, accidental = 0;
    double velocity = 0.8;
};

std::vector<Step> parsePattern(const std::string& text, TrackKind kind) {
    std::vector<Step> steps;
    Step pending;
    bool modified = false;
    for (char ch : text) {
        if (ch == ' ' || ch == '|' || ch == '\n') continue;
        if (kind == TrackKind::Drums) {
            Step s;
            if (ch == '.') {
                s.kind = StepKind::Rest;
            } else if (ch == '-') {
                s.kind = StepKind::Hold;
            } else {
                s.kind = StepKind::Note;
                s.velocity = ch == 'X' ? 1.0 : ch == 'o' ? 0.45 : 0.78;
            }
            steps.push_back(s);
            continue;
        }
        switch (ch) {
        case '\'':
            ++pending.octave;
            modified = true;
            continue;
        case ',':
            --pending.octave;
            modified = true;
            continue;
        case '#':
            ++pending.accidental;
            modified = true;
            continue;
        case '&':
            --pending.accidental;
            modified = true;
            continue;
        case '!':
            pending.velocity = 1.0;
            modified = true;
            continue;
        case '?':
            pending.velocity = 0.5;
            modified = true;
            continue;
        default:
            break;
        }
        Step s = pending;
        if (ch == '.') {
            s.kind = StepKind::Rest;
        } else if (ch == '-') {
            s.kind = StepKind::Hold;
        } else if ((ch >= '1' && ch <= '9') ||
                   std::string("rtfsnolc").find(ch) != std::string::npos) {
            s.kind = StepKind::Note;
            s.symbol = ch;
        } else {
            throw std::runtime_error(std::string("bad pattern character '") + ch + "'");
        }
        if (modified && s.kind != StepKind::Note)
            throw std::runtime_error("pattern modifier without a note");
        steps.push_back(s);
        pending = Step{};
        modified = false;
    }
    return steps;
}

// The chord token that sounds at a point of a bar.
std::string chordAt(const Section& section, int bar, double barFraction) {
    std::vector<std::string> bars;
    std::string cur;
    for (char ch : section.chords + " ") {
        if (ch == ' ') {
            if (!cur.empty()) bars.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (bars.empty()) return "1";
    const std::string& token = bars[static_cast<std::size_t>(bar) % bars.size()];
    std::vector<std::string> parts;
    cur.clear();
    for (char ch : token + ",") {
        if (ch == ',') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    const auto k =
        std::min(parts.size() - 1,
                 static_cast<std::size_t>(barFraction * static_cast<double>(parts.size())));
    return parts[k];
}

// MIDI notes that a note step of a track sounds.
std::vector<int> resolve(const Step& step, const Song& song, const Track& track,
                         const Chord& chord) {
    const int base = song.key + 12 * (track.octave + step.octave) + step.accidental;
    const char s = step.symbol;
    if (s >= '1' && s <= '9') return {base + scaleStep(song.scale, s - '1')};
    switch (s) {
    case 'r':
        return {base + chord.tones[0]};
    case 't':
        return {base + chord.tones[1]};
    case 'f':
        return {base + chord.tones[2]};
    case 's':
        return {base + chord.tones[3]};
    case 'n':
        return {base + chord.tones[4]};
    case 'o':
        return {base + chord.tones[0] + 12};
    case 'l':
        return {base + chord.tones[2] - 12};
    case 'c': {
        if (track.powerChord) {
            const int root = base + chord.tones[0];
            return {root, root + 7, root + 12};
        }
        // Close voicing within one octave above the floor: inversions follow
        // by themselves, so the chords move smoothly.
        const int floor = base + static_cast<int>(track.chordFloor < 0 ? -4 : track.chordFloor);
        std::vector<int> notes;
        for (int k = 0; k < chord.count; ++k) {
            int n = base + chord.tones[static_cast<std::size_t>(k)];
            while (n < floor)
                n += 12;
            while (n >= floor + 12)
                n -= 12;
            notes.push_back(n);
        }
        return notes;
    }
    default:
        return {};
    }
}

struct Placed {
    std::size_t sectionIndex;
    std::size_t start; // sample of the section's first bar
};

std::vector<Placed> layout(const Song& song, std::size_t barSamples) {
    std::vector<Placed> placed;
    std::size_t at = 0;
    for (char name : song.form) {
        std::size_t idx = song.sections.size();
        for (std::size_t i = 0; i < song.sections.size(); ++i)
            if (song.sections[i].name == name) idx = i;
        if (idx == song.sections.size())
            throw std::runtime_error(std::string("no section ") + name);
        placed.push_back({idx, at});
        at += barSamples * static_cast<std::size_t>(song.sections[idx].bars);
    }
    return placed;
}

void panInto(Stereo& dst, const Samples& mono, double pan, double gain) {
    const double a = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = std::cos(a) * std::sqrt(2.0) * gain, gr = std::sin(a) * std::sqrt(2.0) * gain;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        dst.left[i] += mono[i] * gl;
        dst.right[i] += mono[i] * gr;
    }
}

} // namespace

std::vector<int> chordTones(const std::string& token, const std::vector<int>& scale) {
    const Chord c = parseChord(token, scale);
    return std::vector<int>(c.tones.begin(), c.tones.begin() + c.count);
}

std::size_t sixteenthSamples(double bpm, std::size_t grain) {
    const double raw = kRate * 60.0 / bpm / 4.0;
    const auto g = static_cast<double>(grain);
    return std::max<std::size_t>(grain, static_cast<std::size_t>(std::round(raw / g)) * grain);
}

std::vector<std::size_t> sectionStarts(const Song& song) {
    const std::size_t bar =
        sixteenthSamples(song.bpm) * 4 * static_cast<std::size_t>(song.beatsPerBar);
    std::vector<std::size_t> starts;
    for (const Placed& p : layout(song, bar))
        starts.push_back(p.start);
    return starts;
}

Stereo render(const Song& song) {
    if (song.scale.size() != 7) throw std::runtime_error("scales have seven notes");
    const std::size_t sixteenth = sixteenthSamples(song.bpm);
    const std::size_t barSamples = sixteenth * 4 * static_cast<std::size_t>(song.beatsPerBar);
    const std::vector<Placed> placed = layout(song, barSamples);
    std::size_t bars = 0;
    for (const Placed& p : placed)
        bars += static_cast<std::size_t>(song.sections[p.sectionIndex].bars);
    const std::size_t body = bars * barSamples;
    const std::size_t length = body + (song.loop ? 0 : samplesFor(song.tail));

    Stereo dry, reverbSend, echoSend;
    dry.resize(length);
    reverbSend.resize(length);
    echoSend.resize(length);
    std::map<Drum, Samples> kit;
    Rng rng(song.seed);

    for (std::size_t ti = 0; ti < song.tracks.size(); ++ti) {
        const Track& track = song.tracks[ti];
        const std::vector<Step> steps = parsePattern(track.pattern, track.kind);
        if (steps.empty()) continue;
        const std::size_t stepSamples =
            sixteenth * 4 / static_cast<std::size_t>(track.stepsPerBeat);
        const std::size_t stepsPerBar =
            static_cast<std::size_t>(track.stepsPerBeat * song.beatsPerBar);
        // A pattern is whole bars long; anything else is a slip of the pen.
        if (steps.size() % stepsPerBar != 0)
            throw std::runtime_error("track " + std::to_string(ti) + " has " +
                                     std::to_string(steps.size()) + " steps, not whole bars of " +
                                     std::to_string(stepsPerBar));
        Samples mono(length, 0.0);
        Rng trackRng(song.seed * 7919u + ti * 104729u + 17u);
        std::map<std::pair<int, std::size_t>, Samples> cache;
        if (track.kind == TrackKind::Drums && !kit.count(track.drum))
            kit[track.drum] = drumHit(track.drum);

        for (const Placed& p : placed) {
            const Section& section = song.sections[p.sectionIndex];
            if (track.sections != "*" && track.sections.find(section.name) == std::string::npos)
                continue;
            const std::size_t total = stepsPerBar * static_cast<std::size_t>(section.bars);
            for (std::size_t k = 0; k < total; ++k) {
                const Step& step = steps[k % steps.size()];
                if (step.kind != StepKind::Note) continue;
                std::size_t len = 1;
                while (k + len < total && steps[(k + len) % steps.size()].kind == StepKind::Hold)
                    ++len;
                // Swing: eighths that fall off the beat come late.
                double offset = static_cast<double>(p.start + k * stepSamples);
                const auto spb = static_cast<std::size_t>(track.stepsPerBeat);
                if ((k * 4) % spb == 0 && (k * 4 / spb) % 4 == 2)
                    offset += song.swing * static_cast<double>(sixteenth);
                offset += track.humanize * 0.003 * kRate * trackRng.bipolar();
                const double velocity =
                    step.velocity * (1.0 + 0.07 * track.humanize * trackRng.bipolar());
                auto at = static_cast<std::ptrdiff_t>(std::llround(offset));
                if (!song.loop) at = std::max<std::ptrdiff_t>(at, 0);

                if (track.kind == TrackKind::Drums) {
                    mixInto(mono, kit[track.drum], at, velocity, song.loop);
                    continue;
                }
                const std::size_t barIndex = k / stepsPerBar;
                const double within =
                    static_cast<double>(k % stepsPerBar) / static_cast<double>(stepsPerBar);
                const Chord chord =
                    parseChord(chordAt(section, static_cast<int>(barIndex), within), song.scale);
                const double seconds =
                    static_cast<double>(len * stepSamples) / static_cast<double>(kRate);
                for (int note : resolve(step, song, track, chord)) {
                    const auto key = std::make_pair(note, len);
                    auto it = cache.find(key);
                    if (it == cache.end())
                        it =
                            cache
                                .emplace(key, renderNote(track.voice, note, seconds, 1.0, trackRng))
                                .first;
                    mixInto(mono, it->second, at, velocity, song.loop);
                }
            }
        }
        panInto(dry, mono, track.pan, track.gain);
        if (track.reverb > 0) panInto(reverbSend, mono, track.pan, track.gain * track.reverb);
        if (track.echo > 0) panInto(echoSend, mono, track.pan, track.gain * track.echo);
    }

    const Stereo echoed = applyEcho(echoSend, song.echo, song.loop);
    for (std::size_t i = 0; i < length; ++i) {
        reverbSend.left[i] += 0.3 * echoed.left[i];
        reverbSend.right[i] += 0.3 * echoed.right[i];
    }
    const Stereo room = applyReverb(reverbSend, song.reverb, song.loop);
    Stereo mix;
    mix.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        mix.left[i] = dry.left[i] + echoed.left[i] + room.left[i];
        mix.right[i] = dry.right[i] + echoed.right[i] + room.right[i];
    }
    // Master: take out any offset, bring the piece to its loudness and round
    // off the few peaks that would clip.
    for (Samples* ch : {&mix.left, &mix.right}) {
        OnePoleHighPass dc;
        dc.set(25);
        // For a loop, settle the filter on the end first so the start has no step.
        if (song.loop)
            for (std::size_t i = length - std::min<std::size_t>(length, samplesFor(0.5));
                 i < length; ++i)
                dc((*ch)[i]);
        for (double& v : *ch)
            v = dc(v);
    }
    const double level =
        std::sqrt(0.5 * (rms(mix.left) * rms(mix.left) + rms(mix.right) * rms(mix.right)));
    const double gain = level > 0 ? song.loudness / level : 1.0;
    for (Samples* ch : {&mix.left, &mix.right})
        for (double& v : *ch)
            v = softClip(v * gain, 0.75) * 0.97;
    if (!song.loop) {
        fadeOut(mix.left, std::min(song.tail, 2.0));
        fadeOut(mix.right, std::min(song.tail, 2.0));
    }
    // A lossy decoder lets the very last moment of a file fade away, so a loop
    // starts from silence too: no click where the end meets the start.
    fadeIn(mix.left, 0.003);
    fadeIn(mix.right, 0.003);
    return mix;
}

} // namespace zb::synth
