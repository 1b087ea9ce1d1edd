#pragma once
// The sound generator's toolkit: oscillators, envelopes, filters, drum hits,
// echo and reverb, and a small step sequencer that plays songs written as
// pattern strings. Everything is deterministic: noise comes from fixed seeds and
// no clock or global state is read, so a song renders to the same samples on
// every run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zb::synth {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRate = 22050; // every effect and piece of music is made at this rate

// ---------------------------------------------------------------- basics

// xorshift64*: small, fast and the same everywhere.
class Rng {
  public:
    explicit Rng(std::uint64_t seed)
        : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
        if (state_ == 0) state_ = 1;
    }
    std::uint64_t next();
    double uniform();                  // 0 <= u < 1
    double bipolar();                  // -1 <= v < 1
    double real(double lo, double hi); // lo <= v < hi
    int below(int n);                  // 0..n-1

  private:
    std::uint64_t state_;
};

using Samples = std::vector<double>;

// Two channels of the same length.
struct Stereo {
    Samples left, right;
    std::size_t size() const { return left.size(); }
    void resize(std::size_t n) {
        left.assign(n, 0.0);
        right.assign(n, 0.0);
    }
};

inline std::size_t samplesFor(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(seconds * kRate + 0.5);
}
// Frequency of a MIDI note (69 = A 440 Hz).
double noteHz(double midi);
// Exponential glide from f0 to f1 as t runs 0..1.
double expSweep(double f0, double f1, double t);

// ---------------------------------------------------------------- oscillators

enum class Wave { None, Sine, Triangle, Saw, Square, Noise };

// Band-limited (polyBLEP) saw and pulse; phase in cycles 0..1, dt = Hz / rate.
double sine(double phase);
double triangle(double phase);
double saw(double phase, double dt);
double pulse(double phase, double dt, double width = 0.5);

// A running oscillator: call next() with the frequency of each sample.
struct Osc {
    Wave wave = Wave::Sine;
    double phase = 0;
    double width = 0.5;
    double next(double hz, Rng& rng);
};

// ---------------------------------------------------------------- envelopes

struct Adsr {
    double attack = 0.005, decay = 0.1, sustain = 0.8, release = 0.1;
    // Level t seconds after the note started; the note is held for `held` seconds.
    double at(double t, double held) const;
};

// Exponential decay to 1/1000 in `seconds`.
double decayEnv(double t, double seconds);

// ---------------------------------------------------------------- filters

struct OnePoleLowPass {
    double a = 1, y = 0;
    void set(double hz);
    double operator()(double x) { return y += a * (x - y); }
};

struct OnePoleHighPass {
    OnePoleLowPass lp;
    void set(double hz) { lp.set(hz); }
    double operator()(double x) { return x - lp(x); }
};

// State-variable filter (trapezoidal): low, band and high outputs at once.
struct Svf {
    double g = 0, k = 2, ic1 = 0, ic2 = 0;
    double low = 0, band = 0, high = 0;
    // q of 0.5..20; cutoff is clamped below Nyquist.
    void set(double hz, double q);
    void operator()(double x);
};

// ---------------------------------------------------------------- whole-buffer helpers

// Adds src into dst from `offset`; samples past the end wrap to the start when
// `wrap` is set (for loops), else they are dropped.
void mixInto(Samples& dst, const Samples& src, std::ptrdiff_t offset, double gain, bool wrap);
double peak(const Samples& s);
double rms(const Samples& s, std::size_t from = 0, std::size_t to = SIZE_MAX);
void scale(Samples& s, double gain);
void normalize(Samples& s, double peakLevel);
void fadeIn(Samples& s, double seconds);
void fadeOut(Samples& s, double seconds);
// Soft limiter: unchanged below `knee`, rounded towards 1.0 above it.
double softClip(double x, double knee = 0.8);
// Runs a low- or high-pass over the buffer in place.
void lowPass(Samples& s, double hz);
void highPass(Samples& s, double hz);

// Feedback echo, separately for each channel with the given delays.
struct Echo {
    double seconds = 0.3, feedback = 0.35, damp = 3000; // damp: low-pass in the loop
    double crossfeed = 0.3;                             // ping-pong share
};
// Schroeder-style room: parallel combs into series all-passes.
struct Reverb {
    double size = 0.7;  // 0..1, longer tails when larger
    double damp = 0.4;  // 0..1, darker tails when larger
    double width = 1.0; // stereo spread of the tail
};
// Effects read the buffer as a loop when `loop` is set (the tail that runs past
// the end comes back in at the start), so a looping piece has no seam.
Stereo applyEcho(const Stereo& in, const Echo& echo, bool loop);
Stereo applyReverb(const Stereo& in, const Reverb& reverb, bool loop);

// ---------------------------------------------------------------- drums

enum class Drum {
    Kick,
    Snare,
    HatClosed,
    HatOpen,
    Clap,
    TomLow,
    TomHigh,
    Rim,
    Shaker,
    Ride,
    Crash,
    Timpani,
    WoodBlock,
    Brush,
    Cowbell,
    Conga,
};
// One hit at full strength.
Samples drumHit(Drum drum);

// ---------------------------------------------------------------- instruments

struct Voice {
    Wave wave = Wave::Saw;
    Wave wave2 = Wave::None;
    double detune = 0;   // cents of the second oscillator
    double level2 = 0.5; // level of the second oscillator
    double octave2 = 0;  // octaves above (or below) the first
    double pulseWidth = 0.5;
    int unison = 1;     // stacked, slightly detuned copies of the first oscillator
    double spread = 12; // cents between the unison copies
    double noise = 0;   // breath
    // Sine FM: the carrier is a sine when fmIndex > 0, modulated at fmRatio.
    double fmRatio = 0, fmIndex = 0, fmDecay = 1.0; // the index decays over fmDecay s
    Adsr amp{0.005, 0.15, 0.7, 0.12};
    double cutoff = 12000, q = 0.7;
    double envCutoff = 0, filterDecay = 0.25;                   // extra cutoff at the attack
    double keyTrack = 0;                                        // cutoff rises with the note (0..1)
    double vibrato = 0, vibratoRate = 5.5, vibratoDelay = 0.25; // semitones
    double pitchDrop = 0, pitchDropTime = 0.03; // semitones the note falls into place
    double drive = 0;                           // saturation
    double pluck = 0;   // > 0: plucked string (Karplus-Strong) with this brightness 0..1
    double gate = 0.92; // share of the written length that is held
    double gain = 1.0;
};

// One note, mono, including its release tail.
Samples renderNote(const Voice& voice, double midi, double seconds, double velocity, Rng& rng);

// ---------------------------------------------------------------- sequencer

// A track plays a pattern string, one character per step (spaces and '|' are
// only for reading):
//   '.' rest   '-' hold the previous note one more step
//   '1'..'9'   scale degree of the key (8 and 9 are the octave and the ninth)
//   'r' 't' 'f' 's' 'n' 'o' 'l'  root, third, fifth, seventh, ninth, octave
//              and low fifth of the bar's chord;  'c' the whole chord
//   prefixes: '\'' octave up, ',' octave down, '#' sharp, '&' flat,
//             '!' accent, '?' soft
// Drum tracks hit on any of 'x' 'X' (accent) 'o' (ghost).
enum class TrackKind { Notes, Drums };

struct Track {
    TrackKind kind = TrackKind::Notes;
    std::string sections = "*"; // section letters it plays in ("*" for all)
    std::string pattern;        // cycled over the bars of each section
    int stepsPerBeat = 4;       // 4: sixteenths, 2: eighths, 1: quarters
    Voice voice;
    Drum drum = Drum::Kick;
    int octave = 0;             // relative to the key's octave
    double gain = 0.5, pan = 0; // pan -1..1
    double reverb = 0.2, echo = 0;
    double humanize = 1.0;   // scale of the small timing and level wobble
    double chordFloor = -1;  // lowest note of 'c' chords in semitones above the key
    bool powerChord = false; // 'c' plays root, fifth and octave only
};

struct Section {
    char name = 'A';
    int bars = 4;
    std::string chords; // one token per bar, e.g. "1 6m 4 5D"; "2,5" splits a bar
};

struct Song {
    double bpm = 120;
    int key = 60; // MIDI note of the tonic
    std::vector<int> scale{0, 2, 4, 5, 7, 9, 11};
    int beatsPerBar = 4;
    double swing = 0; // share of a sixteenth that the off-beat eighths are late
    std::string form; // section letters in order, e.g. "AABA"
    std::vector<Section> sections;
    std::vector<Track> tracks;
    Reverb reverb;
    Echo echo;
    bool loop = true;       // tails wrap to the start; the piece ends on its bar line
    double tail = 3.0;      // seconds of ring-out kept after the last bar when not looping
    double loudness = 0.16; // RMS of the finished piece
    std::uint64_t seed = 1;
};

// Samples in one sixteenth: a whole multiple of `grain` so that every bar (and
// so the whole loop) is a whole number of encoder frames long.
std::size_t sixteenthSamples(double bpm, std::size_t grain = 64);
// Lays every track out and mixes the piece; the result is mastered to its
// loudness and lies in -1..1.
Stereo render(const Song& song);
// Start (in samples) of every section in the form.
std::vector<std::size_t> sectionStarts(const Song& song);

// Parses a chord token: a scale degree with an optional '#' or '&' before it,
// then flags: 'm' minor or 'M' major third, '7' seventh, 'j' major seventh,
// 'D' dominant seventh, '9' ninth, 's' suspended fourth, 'd' diminished,
// '+' augmented or 'p' perfect fifth ("1", "6m", "&7", "5D", "2m7"). Semitones of
// its tones above the key's tonic, root first. Exposed for tests of the
// sequencer.
std::vector<int> chordTones(const std::string& token, const std::vector<int>& scale);

} // namespace zb::synth
