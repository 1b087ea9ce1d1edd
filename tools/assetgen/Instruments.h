#pragma once
// The band: the voices and the track shorthands the music is written with.

#include "tools/assetgen/Synth.h"

#include <string>
#include <vector>

namespace zb::audio::band {

using synth::Drum;
using synth::Track;
using synth::Voice;

// Scales, semitones above the tonic.
inline const std::vector<int> kMajor{0, 2, 4, 5, 7, 9, 11};
inline const std::vector<int> kMinor{0, 2, 3, 5, 7, 8, 10};
inline const std::vector<int> kDorian{0, 2, 3, 5, 7, 9, 10};
inline const std::vector<int> kMixolydian{0, 2, 4, 5, 7, 9, 10};
inline const std::vector<int> kPhrygian{0, 1, 3, 5, 7, 8, 10};
inline const std::vector<int> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};
inline const std::vector<int> kLydian{0, 2, 4, 6, 7, 9, 11};

// Keyboards and mallets.
Voice piano();
Voice electricPiano();
Voice organ();
Voice clav();
Voice bell();
Voice musicBox();
Voice marimba();
Voice vibes();
Voice steelDrum();
Voice glockenspiel();
// Sustained.
Voice pad();
Voice strings();
Voice choir();
Voice brass();
Voice drone();
// Leads.
Voice sawLead();
Voice squareLead();
Voice superSaw();
Voice chip();
Voice flute();
Voice whistle();
Voice clarinet();
// Strings that are plucked.
Voice guitar();
Voice powerGuitar();
Voice pizzicato();
// Bass.
Voice synthBass();
Voice fingerBass();
Voice slapBass();
Voice tuba();
Voice pulseBass();

// A melodic track: `spb` steps per beat, playing in the listed sections.
Track notes(const Voice& voice, const std::string& sections, int octave, int spb, double gain,
            double pan, const std::string& pattern, double reverb = 0.2, double echo = 0.0);
// A drum track in sixteenths.
Track drums(Drum drum, const std::string& sections, double gain, double pan,
            const std::string& pattern, double reverb = 0.1);

// `text` written `n` times.
std::string rep(const std::string& text, int n);
// An accented hit on the first sixteenth, then rests to fill `bars` bars.
std::string once(int bars, int stepsPerBar = 16);
// `bars` - 1 bars of `bar` followed by `last` (a fill at the end of a phrase).
std::string ending(const std::string& bar, int bars, const std::string& last);

} // namespace zb::audio::band
