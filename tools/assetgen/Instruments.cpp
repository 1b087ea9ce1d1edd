#include "tools/assetgen/Instruments.h"

namespace zb::audio::band {

using synth::Adsr;
using synth::Wave;

Voice piano() {
    Voice v;
    v.fmRatio = 1.0;
    v.fmIndex = 1.6;
    v.fmDecay = 0.35;
    v.wave2 = Wave::Sine;
    v.octave2 = 1;
    v.level2 = 0.25;
    v.amp = Adsr{0.002, 1.6, 0.0, 0.35};
    v.cutoff = 5000;
    v.keyTrack = 0.5;
    v.gate = 1.0;
    return v;
}

Voice electricPiano() {
    Voice v;
    v.fmRatio = 1.0;
    v.fmIndex = 1.1;
    v.fmDecay = 0.25;
    v.amp = Adsr{0.003, 1.8, 0.25, 0.3};
    v.gate = 0.95;
    return v;
}

Voice organ() {
    Voice v;
    v.wave = Wave::Sine;
    v.wave2 = Wave::Sine;
    v.octave2 = 1;
    v.level2 = 0.55;
    v.noise = 0.01;
    v.amp = Adsr{0.008, 0.05, 1.0, 0.06};
    v.drive = 0.2;
    v.vibrato = 0.06;
    v.vibratoRate = 6.5;
    v.vibratoDelay = 0;
    return v;
}

Voice clav() {
    Voice v;
    v.wave = Wave::Square;
    v.pulseWidth = 0.22;
    v.cutoff = 900;
    v.envCutoff = 3500;
    v.filterDecay = 0.05;
    v.q = 2.2;
    v.amp = Adsr{0.001, 0.18, 0.25, 0.04};
    v.gate = 0.6;
    return v;
}

Voice bell() {
    Voice v;
    v.fmRatio = 3.5;
    v.fmIndex = 2.4;
    v.fmDecay = 0.7;
    v.amp = Adsr{0.002, 2.2, 0.0, 0.9};
    v.gate = 1.0;
    return v;
}

Voice musicBox() {
    Voice v;
    v.fmRatio = 5.0;
    v.fmIndex = 1.2;
    v.fmDecay = 0.15;
    v.amp = Adsr{0.001, 1.4, 0.0, 0.6};
    v.gate = 1.0;
    return v;
}

Voice marimba() {
    Voice v;
    v.fmRatio = 4.0;
    v.fmIndex = 1.4;
    v.fmDecay = 0.04;
    v.amp = Adsr{0.001, 0.55, 0.0, 0.12};
    v.gate = 1.0;
    return v;
}

Voice vibes() {
    Voice v;
    v.fmRatio = 4.0;
    v.fmIndex = 0.6;
    v.fmDecay = 0.3;
    v.amp = Adsr{0.002, 2.0, 0.1, 0.5};
    v.vibrato = 0.05;
    v.vibratoRate = 5.0;
    v.vibratoDelay = 0.0;
    v.gate = 1.0;
    return v;
}

Voice steelDrum() {
    Voice v;
    v.fmRatio = 2.0;
    v.fmIndex = 1.8;
    v.fmDecay = 0.12;
    v.wave2 = Wave::Sine;
    v.octave2 = 1.585; // a twelfth-ish partial that gives the pan its ring
    v.level2 = 0.15;
    v.amp = Adsr{0.002, 0.9, 0.0, 0.2};
    v.gate = 1.0;
    return v;
}

Voice glockenspiel() {
    Voice v;
    v.fmRatio = 2.76;
    v.fmIndex = 1.0;
    v.fmDecay = 0.2;
    v.amp = Adsr{0.001, 1.1, 0.0, 0.5};
    v.gate = 1.0;
    return v;
}

Voice pad() {
    Voice v;
    v.wave = Wave::Saw;
    v.unison = 3;
    v.spread = 14;
    v.cutoff = 1300;
    v.q = 0.7;
    v.amp = Adsr{0.45, 0.6, 0.8, 0.9};
    v.gate = 1.0;
    return v;
}

Voice strings() {
    Voice v;
    v.wave = Wave::Saw;
    v.unison = 3;
    v.spread = 10;
    v.cutoff = 2600;
    v.keyTrack = 0.3;
    v.vibrato = 0.08;
    v.vibratoRate = 5.2;
    v.amp = Adsr{0.22, 0.4, 0.9, 0.5};
    v.gate = 1.0;
    return v;
}

Voice choir() {
    Voice v;
    v.wave = Wave::Triangle;
    v.unison = 3;
    v.spread = 16;
    v.wave2 = Wave::Saw;
    v.level2 = 0.3;
    v.cutoff = 1500;
    v.q = 1.5;
    v.vibrato = 0.1;
    v.vibratoRate = 4.8;
    v.amp = Adsr{0.35, 0.4, 0.85, 0.7};
    v.gate = 1.0;
    return v;
}

Voice brass() {
    Voice v;
    v.wave = Wave::Saw;
    v.unison = 2;
    v.spread = 8;
    v.cutoff = 900;
    v.envCutoff = 2600;
    v.filterDecay = 0.16;
    v.keyTrack = 0.4;
    v.amp = Adsr{0.025, 0.25, 0.75, 0.14};
    v.pitchDrop = -0.6;
    v.pitchDropTime = 0.03;
    v.drive = 0.15;
    v.vibrato = 0.08;
    v.vibratoDelay = 0.3;
    return v;
}

Voice drone() {
    Voice v;
    v.wave = Wave::Saw;
    v.wave2 = Wave::Square;
    v.octave2 = -1;
    v.level2 = 0.6;
    v.unison = 2;
    v.spread = 9;
    v.cutoff = 420;
    v.q = 1.8;
    v.amp = Adsr{0.8, 1.0, 0.9, 1.2};
    v.gate = 1.0;
    return v;
}

Voice sawLead() {
    Voice v;
    v.wave = Wave::Saw;
    v.wave2 = Wave::Saw;
    v.detune = 9;
    v.level2 = 0.7;
    v.cutoff = 2800;
    v.envCutoff = 2500;
    v.filterDecay = 0.2;
    v.q = 1.1;
    v.vibrato = 0.18;
    v.vibratoDelay = 0.28;
    v.amp = Adsr{0.008, 0.2, 0.8, 0.12};
    return v;
}

Voice squareLead() {
    Voice v;
    v.wave = Wave::Square;
    v.pulseWidth = 0.5;
    v.cutoff = 3600;
    v.vibrato = 0.14;
    v.vibratoDelay = 0.22;
    v.amp = Adsr{0.006, 0.15, 0.75, 0.1};
    return v;
}

Voice superSaw() {
    Voice v;
    v.wave = Wave::Saw;
    v.unison = 5;
    v.spread = 11;
    v.cutoff = 4200;
    v.envCutoff = 3000;
    v.filterDecay = 0.15;
    v.vibrato = 0.12;
    v.vibratoDelay = 0.3;
    v.amp = Adsr{0.01, 0.2, 0.85, 0.15};
    return v;
}

Voice chip() {
    Voice v;
    v.wave = Wave::Square;
    v.pulseWidth = 0.25;
    v.amp = Adsr{0.002, 0.12, 0.55, 0.05};
    v.gate = 0.8;
    return v;
}

Voice flute() {
    Voice v;
    v.wave = Wave::Sine;
    v.wave2 = Wave::Triangle;
    v.octave2 = 1;
    v.level2 = 0.12;
    v.noise = 0.05;
    v.cutoff = 3200;
    v.vibrato = 0.16;
    v.vibratoRate = 5.0;
    v.vibratoDelay = 0.2;
    v.amp = Adsr{0.05, 0.2, 0.85, 0.12};
    return v;
}

Voice whistle() {
    Voice v;
    v.wave = Wave::Sine;
    v.noise = 0.02;
    v.cutoff = 5000;
    v.vibrato = 0.22;
    v.vibratoRate = 5.5;
    v.vibratoDelay = 0.12;
    v.pitchDrop = -1.0;
    v.pitchDropTime = 0.04;
    v.amp = Adsr{0.03, 0.1, 0.9, 0.1};
    return v;
}

Voice clarinet() {
    Voice v;
    v.wave = Wave::Square;
    v.cutoff = 1100;
    v.keyTrack = 0.6;
    v.q = 0.9;
    v.noise = 0.02;
    v.vibrato = 0.05;
    v.amp = Adsr{0.025, 0.1, 0.85, 0.07};
    return v;
}

Voice guitar() {
    Voice v;
    v.pluck = 0.55;
    v.cutoff = 5200;
    v.amp = Adsr{0.001, 3.0, 0.6, 0.25};
    v.gate = 1.0;
    return v;
}

Voice powerGuitar() {
    Voice v;
    v.wave = Wave::Saw;
    v.unison = 2;
    v.spread = 7;
    v.cutoff = 2100;
    v.q = 1.0;
    v.drive = 0.9;
    v.amp = Adsr{0.004, 0.3, 0.75, 0.07};
    v.gate = 0.9;
    return v;
}

Voice pizzicato() {
    Voice v;
    v.pluck = 0.35;
    v.cutoff = 3000;
    v.amp = Adsr{0.001, 0.35, 0.0, 0.08};
    v.gate = 1.0;
    return v;
}

Voice synthBass() {
    Voice v;
    v.wave = Wave::Saw;
    v.wave2 = Wave::Square;
    v.octave2 = -1;
    v.level2 = 0.5;
    v.cutoff = 380;
    v.envCutoff = 1400;
    v.filterDecay = 0.11;
    v.q = 1.3;
    v.amp = Adsr{0.003, 0.3, 0.65, 0.06};
    v.gate = 0.85;
    return v;
}

Voice fingerBass() {
    Voice v;
    v.pluck = 0.25;
    v.wave2 = Wave::Sine;
    v.level2 = 0.35;
    v.cutoff = 1100;
    v.amp = Adsr{0.002, 0.8, 0.55, 0.08};
    v.gate = 0.95;
    return v;
}

Voice slapBass() {
    Voice v;
    v.wave = Wave::Saw;
    v.wave2 = Wave::Sine;
    v.level2 = 0.8;
    v.cutoff = 450;
    v.envCutoff = 4200;
    v.filterDecay = 0.05;
    v.q = 2.0;
    v.drive = 0.35;
    v.pitchDrop = 0.7;
    v.pitchDropTime = 0.012;
    v.amp = Adsr{0.001, 0.25, 0.45, 0.05};
    v.gate = 0.8;
    return v;
}

Voice tuba() {
    Voice v;
    v.wave = Wave::Saw;
    v.cutoff = 420;
    v.envCutoff = 700;
    v.filterDecay = 0.08;
    v.amp = Adsr{0.03, 0.2, 0.7, 0.08};
    v.gate = 0.7;
    return v;
}

Voice pulseBass() {
    Voice v;
    v.wave = Wave::Square;
    v.pulseWidth = 0.35;
    v.cutoff = 520;
    v.envCutoff = 900;
    v.filterDecay = 0.08;
    v.q = 1.6;
    v.amp = Adsr{0.002, 0.15, 0.6, 0.04};
    v.gate = 0.55;
    return v;
}

Track notes(const Voice& voice, const std::string& sections, int octave, int spb, double gain,
            double pan, const std::string& pattern, double reverb, double echo) {
    Track t;
    t.kind = synth::TrackKind::Notes;
    t.voice = voice;
    t.sections = sections;
    t.octave = octave;
    t.stepsPerBeat = spb;
    t.gain = gain;
    t.pan = pan;
    t.pattern = pattern;
    t.reverb = reverb;
    t.echo = echo;
    return t;
}

Track drums(Drum drum, const std::string& sections, double gain, double pan,
            const std::string& pattern, double reverb) {
    Track t;
    t.kind = synth::TrackKind::Drums;
    t.drum = drum;
    t.sections = sections;
    t.gain = gain;
    t.pan = pan;
    t.pattern = pattern;
    t.reverb = reverb;
    t.stepsPerBeat = 4;
    return t;
}

std::string rep(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

std::string once(int bars, int stepsPerBar) {
    return "X" + std::string(static_cast<std::size_t>(bars * stepsPerBar - 1), '.');
}

std::string ending(const std::string& bar, int bars, const std::string& last) {
    return rep(bar, bars - 1) + last;
}

} // namespace zb::audio::band
