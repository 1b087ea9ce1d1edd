// The game's music: 24 pieces, each written as a small score for the sequencer.
// Pieces loop as a whole, so each ends on its bar line and its tails ring into
// its start; only the ending song plays once and rings out.
#include "data/UnitConst.h"
#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Instruments.h"

#include <stdexcept>

namespace zb::audio {

using namespace band;
using synth::Section;
using synth::Song;

namespace {

Voice gated(Voice v, double gate) {
    v.gate = gate;
    return v;
}

Track chordsOn(Track t, double floor) {
    t.chordFloor = floor;
    return t;
}

Track power(Track t) {
    t.powerChord = true;
    return t;
}

// The usual rock kit: kick, backbeat with a fill at the end of the phrase,
// eighth hats and a crash at the top.
void rockKit(Song& s, const std::string& sections, int phraseBars, const std::string& kick,
             const std::string& hats, double level) {
    s.tracks.push_back(drums(Drum::Kick, sections, 0.62 * level, 0, kick));
    s.tracks.push_back(drums(Drum::Snare, sections, 0.42 * level, 0.05,
                             ending("....x.......x...", phraseBars, "....x...x.x.xxXX"), 0.18));
    s.tracks.push_back(drums(Drum::HatClosed, sections, 0.14 * level, 0.25, hats));
    s.tracks.push_back(drums(Drum::Crash, sections, 0.22 * level, -0.3, once(phraseBars), 0.2));
}

// 1: the opening and the story's grave moments. Slow, dark and expectant.
Song opening() {
    Song s;
    s.bpm = 84;
    s.key = 62;
    s.scale = kMinor;
    s.form = "ABC";
    s.sections = {{'A', 4, "1 6 4 5M"}, {'B', 4, "1 6 3 7"}, {'C', 2, "4 5D"}};
    s.tracks = {
        notes(pad(), "ABC", -1, 1, 0.32, -0.2, "c---", 0.5),
        notes(drone(), "ABC", -2, 1, 0.3, 0, "r---", 0.2),
        notes(bell(), "A", 1, 2, 0.22, 0.3, "5-3-1---|6-5-4---|5-3-1-4-|2-1-,#7---", 0.5, 0.35),
        notes(strings(), "B", 0, 2, 0.3, 0.1, "'1---7---|6---5---|4---3---|5-------", 0.45),
        notes(strings(), "C", 0, 2, 0.3, 0.1, "4-5-6---|5---#7---", 0.45),
        drums(Drum::Timpani, "B", 0.55, 0, "x.......x.......", 0.35),
        drums(Drum::Timpani, "C", 0.6, 0, "x.......x.......x.x.x.x.xxxxXXXX", 0.35),
        drums(Drum::Rim, "AB", 0.1, 0.4, "x...x...x...x..."),
        drums(Drum::Kick, "B", 0.45, 0, "x..x............"),
        drums(Drum::Crash, "BC", 0.2, -0.3, once(4), 0.4),
    };
    s.reverb = {0.85, 0.5, 1.0};
    s.echo = {0.54, 0.35, 2500, 0.4};
    s.loudness = 0.11;
    s.seed = 101;
    return s;
}

// 2: the city map. Relaxed and easy to hum.
Song cityMap() {
    Song s;
    s.bpm = 104;
    s.key = 65;
    s.scale = kMajor;
    s.swing = 0.2;
    s.form = "AB";
    s.sections = {{'A', 8, "1 6m 2m7 5 1 6m 4 5"}, {'B', 4, "4j 3m7 2m7 5D"}};
    s.tracks = {
        notes(flute(), "A", 0, 2, 0.3, 0.1,
              "1-3-5-6-|5---3---|4-4-6-5-|4-3-2---|1-3-5-'1-|7-6-5---|6-5-4-3-|2---,5---", 0.3,
              0.15),
        notes(vibes(), "B", 0, 2, 0.32, 0.1, "3-4-5-6-|7-6-5---|4-5-6-'1-|'2---7---", 0.35, 0.2),
        notes(electricPiano(), "AB", 0, 4, 0.2, -0.3, "c..c..c...c..c..", 0.25),
        notes(fingerBass(), "AB", -2, 4, 0.45, 0, "r...r..fr...o.f.", 0.05),
        drums(Drum::Kick, "AB", 0.5, 0, "x.......x.x....."),
        drums(Drum::Rim, "AB", 0.22, 0.1, "....x.......x..."),
        drums(Drum::HatClosed, "AB", 0.1, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::Shaker, "B", 0.14, -0.35, "..x...x...x...x."),
    };
    s.reverb = {0.55, 0.5, 0.9};
    s.echo = {0.43, 0.3, 3000, 0.5};
    s.loudness = 0.12;
    s.seed = 102;
    return s;
}

// 3: the ordinary street race. A driving rock beat.
Song race1() {
    Song s;
    s.bpm = 140;
    s.key = 64;
    s.scale = kMinor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 1 6 7 1 1 4 5"}, {'B', 8, "6 7 1 1 6 7 5M 5M"}};
    s.tracks = {
        power(notes(powerGuitar(), "AB", -1, 4, 0.2, -0.3, "c.c.c-c.c.c.c-c.", 0.1)),
        notes(synthBass(), "AB", -2, 4, 0.42, 0, "r.rrr.rrr.rrr.or", 0.02),
        notes(chip(), "A", 1, 4, 0.08, 0.35, "rtfortfortfortfo", 0.15, 0.25),
        notes(sawLead(), "B", 0, 2, 0.24, 0.1,
              "5-6-7-'1-|'2---'1-7-|5-----3-|5-------|'3-'2-'1-7-|'2---'1-7-|#7---'2---|5-------",
              0.25, 0.2),
    };
    rockKit(s, "AB", 8, "x.....x.x.......", "x.x.x.x.x.x.x.x.", 1.0);
    s.tracks.push_back(drums(Drum::HatOpen, "B", 0.1, -0.25, "..x...x...x...x."));
    s.reverb = {0.5, 0.5, 0.8};
    s.echo = {0.32, 0.3, 3000, 0.5};
    s.loudness = 0.155;
    s.seed = 103;
    return s;
}

// 4: the stadium race. Faster, busier, with brass.
Song race2() {
    Song s;
    s.bpm = 148;
    s.key = 66;
    s.scale = kMinor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 7 6 7 1 7 6 5M"}, {'B', 8, "4 5 3 6 4 5 1 5M"}};
    s.tracks = {
        notes(synthBass(), "AB", -2, 4, 0.42, 0, "r.ro.rr.r.ro.rf.", 0.02),
        notes(brass(), "A", 0, 4, 0.2, -0.2, "c.....c.....c.c.", 0.2),
        power(notes(powerGuitar(), "B", -1, 4, 0.2, -0.35, "c--.c--.c-.c-.c.", 0.1)),
        notes(chip(), "AB", 1, 4, 0.08, 0.4, "rfotrfotrfotrfot", 0.15, 0.25),
        notes(squareLead(), "A", 0, 4, 0.14, 0.2, "1.15.1'1.1.5.7.6.", 0.2, 0.15),
        notes(sawLead(), "B", 0, 2, 0.25, 0.1,
              "'1-7-6-4-|5---7---|'1-'3-'2-'1-|6-------|4-6-'1-'2-|'2---7---|'1-----5-|#7-------",
              0.25, 0.2),
    };
    rockKit(s, "AB", 8, "x.....x.x..x....", "xoxoxoxoxoxoxoxo", 1.05);
    s.tracks.push_back(drums(Drum::HatOpen, "B", 0.1, -0.25, "..x...x...x...x."));
    s.reverb = {0.5, 0.5, 0.8};
    s.echo = {0.3, 0.3, 3200, 0.5};
    s.loudness = 0.165;
    s.seed = 104;
    return s;
}

// 5: the highway races. Heavy, dark and hammering.
Song race3() {
    Song s;
    s.bpm = 156;
    s.key = 62;
    s.scale = kPhrygian;
    s.form = "AB";
    s.sections = {{'A', 8, "1 2 1 2 1 2 7 5D"}, {'B', 8, "6 7 1 1 6 7 2 5D"}};
    s.tracks = {
        power(notes(powerGuitar(), "AB", -1, 4, 0.21, -0.3, "c.ccc.ccc.ccc.cc", 0.1)),
        notes(gated(synthBass(), 0.5), "AB", -2, 4, 0.36, 0, "rrrrrrrrrrrrrrrr", 0.02),
        notes(squareLead(), "A", -1, 4, 0.14, 0.25, "1.21.21.1.2.4.3.", 0.2, 0.15),
        notes(choir(), "B", 0, 1, 0.18, -0.1, "c---", 0.4),
        notes(superSaw(), "B", 0, 2, 0.22, 0.15,
              "4-3-4-6-|7---6-5-|5-----3-|1-------|'1-7-6-4-|5-6-7-'1-|'2---7---|#7-------", 0.3,
              0.2),
        drums(Drum::Ride, "B", 0.1, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::TomHigh, "B", 0.35, 0.3, ending(std::string(16, '.'), 8, "........x.x....."),
              0.2),
        drums(Drum::TomLow, "B", 0.4, -0.3, ending(std::string(16, '.'), 8, "..........x.x..."),
              0.2),
    };
    rockKit(s, "AB", 8, "x.xxx.x.x.xxx.x.", "XxoxXxoxXxoxXxox", 1.1);
    s.reverb = {0.55, 0.45, 0.8};
    s.echo = {0.29, 0.3, 3200, 0.5};
    s.loudness = 0.175;
    s.seed = 105;
    return s;
}

// 6: the final races. Everything at once, as fast as it goes.
Song race4() {
    Song s;
    s.bpm = 168;
    s.key = 61;
    s.scale = kHarmonicMinor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 6 4 5 1 6 4 5"}, {'B', 8, "6 4 1 5 6 4 5 5"}};
    s.tracks = {
        notes(gated(synthBass(), 0.7), "AB", -2, 4, 0.38, 0, "rorororororororo", 0.02),
        power(notes(powerGuitar(), "AB", -1, 4, 0.19, -0.35, "c.c.c.c.c.c.c.c.", 0.1)),
        notes(chip(), "AB", 1, 4, 0.09, 0.4, "rtforfotrtforfot", 0.15, 0.2),
        notes(strings(), "B", 0, 1, 0.16, -0.15, "c---", 0.4),
        notes(superSaw(), "A", 0, 2, 0.22, 0.1,
              "5-5-'1-5-|6-----5-|4-6-'1-6-|7-----5-|5-5-'1-'2-|'3---'2-'1-|6---4---|7---'2---",
              0.3, 0.2),
        notes(superSaw(), "B", 0, 2, 0.23, 0.1,
              "'3-'1-6-'1-|'2-'1-6-4-|5-------|7-5-'2-7-|'3-'4-'3-'1-|'1---6---|'2-------|7---5---",
              0.3, 0.2),
        drums(Drum::Ride, "AB", 0.12, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::Snare, "B", 0.25, 0.05, "..........x....x"),
        drums(Drum::HatOpen, "AB", 0.1, -0.25, "..x...x...x...x."),
    };
    rockKit(s, "AB", 8, "x...x...x...x.x.", "Xxoxxxoxxxoxxxox", 1.15);
    s.reverb = {0.55, 0.45, 0.8};
    s.echo = {0.27, 0.3, 3500, 0.5};
    s.loudness = 0.185;
    s.seed = 106;
    return s;
}

// 7: the driving school. Light steps on wood.
Song school() {
    Song s;
    s.bpm = 116;
    s.key = 60;
    s.scale = kMajor;
    s.swing = 0.25;
    s.form = "AaBb";
    s.sections = {
        {'A', 4, "1 4 5 1"}, {'a', 4, "1 4 5 1"}, {'B', 4, "4 5 3m 6m"}, {'b', 4, "2m7 5 1 5D"}};
    const std::string tune = "1-3-5-3-|4-6-'1---|7-5-6-7-|'1---5---";
    const std::string bridge = "6-5-4-3-|2-3-4-5-|3-5-7-5-|7-6-5---";
    s.tracks = {
        notes(marimba(), "Aa", 1, 2, 0.32, 0.15, tune, 0.25),
        notes(glockenspiel(), "a", 2, 2, 0.07, -0.3, tune, 0.3),
        notes(marimba(), "Bb", 1, 2, 0.32, 0.15, bridge, 0.25),
        notes(pizzicato(), "AaBb", -2, 2, 0.5, 0, "r.f.o.f.", 0.1),
        notes(electricPiano(), "AaBb", 0, 2, 0.13, -0.3, ".c.c.c.c", 0.2),
        drums(Drum::Shaker, "AaBb", 0.14, 0.35, "x.o.x.o.x.o.x.ox"),
        drums(Drum::WoodBlock, "Bb", 0.16, -0.4, "....x.......x.x."),
        drums(Drum::Kick, "aBb", 0.42, 0, "x.......x......."),
        drums(Drum::Clap, "Bb", 0.2, 0, "....x.......x..."),
    };
    s.reverb = {0.45, 0.5, 0.9};
    s.loudness = 0.12;
    s.seed = 107;
    return s;
}

// 8: the opening's invention. Curious, tiptoeing, a little crooked.
Song invention() {
    Song s;
    s.bpm = 120;
    s.key = 60;
    s.scale = kMajor;
    s.swing = 0.1;
    s.form = "AaB";
    s.sections = {{'A', 4, "1 &6Mp 1 5D"}, {'a', 4, "1 &6Mp 1 5D"}, {'B', 4, "4 4m 1 5D"}};
    const std::string tune =
        "3.#23.5.#45.'1--...|&6..&6.5.&6..'1--...|'1.7.6.5.4.3.2.1.|2...4...7...5...";
    s.tracks = {
        notes(gated(clarinet(), 0.45), "AaB", -1, 2, 0.3, -0.15,
              "1.5.1.5.|&6.&3.&6.&3.|1.5.1.5.|5.7.'2.7.", 0.15),
        notes(clarinet(), "A", 0, 4, 0.22, 0.2, tune, 0.25),
        notes(glockenspiel(), "a", 1, 4, 0.1, 0.3, tune, 0.3, 0.2),
        notes(clarinet(), "a", 0, 4, 0.18, 0.2, tune, 0.25),
        notes(flute(), "B", 0, 2, 0.26, 0.2, "6-5-4---|&6-5-4---|3-5-'1-5-|4---2---", 0.3),
        notes(pizzicato(), "aB", 0, 4, 0.2, -0.35, "..c...c...c...c.", 0.2),
        drums(Drum::WoodBlock, "AaB", 0.14, 0.4, "x...x...x.x.x..."),
        drums(Drum::Kick, "aB", 0.35, 0, "x.......x......."),
        drums(Drum::HatClosed, "A", 0.07, -0.3, "x.x.x.x.x.x.x.x."),
    };
    s.reverb = {0.5, 0.5, 0.9};
    s.echo = {0.375, 0.25, 2500, 0.6};
    s.loudness = 0.11;
    s.seed = 108;
    return s;
}

// 9: the opening's morning in town. Warm and hopeful.
Song morning() {
    Song s;
    s.bpm = 92;
    s.key = 67;
    s.scale = kMajor;
    s.form = "ABC";
    s.sections = {{'A', 4, "1 3m 4 1"}, {'B', 4, "6m 4 2m7 5s,5"}, {'C', 2, "4 5"}};
    s.tracks = {
        notes(guitar(), "ABC", -1, 4, 0.22, -0.25, "r.tf.o.tr.tf.o.t", 0.25),
        notes(flute(), "A", 0, 2, 0.28, 0.15, "3-5-'1---|7-5-3---|4-6-'1-6-|5-------", 0.3, 0.15),
        notes(flute(), "B", 0, 2, 0.28, 0.15, "6-5-3-5-|4---3-2-|1-2-3-6-|5-------", 0.3, 0.15),
        notes(flute(), "C", 0, 2, 0.28, 0.15, "4-3-2-1-|2-------", 0.3, 0.15),
        notes(fingerBass(), "ABC", -2, 2, 0.4, 0, "r--.f.r.", 0.05),
        notes(strings(), "BC", 0, 1, 0.13, 0.2, "c---", 0.45),
        drums(Drum::Brush, "ABC", 0.28, 0.1, "....x.......x..."),
        drums(Drum::Kick, "BC", 0.35, 0, "x.......x.....x."),
        drums(Drum::Shaker, "BC", 0.1, 0.4, "..x...x...x...x."),
    };
    s.reverb = {0.6, 0.5, 0.9};
    s.echo = {0.49, 0.3, 2800, 0.5};
    s.loudness = 0.11;
    s.seed = 109;
    return s;
}

// 10: rivals on the bay street. Cool, funky, a little threatening.
Song bayStreet() {
    Song s;
    s.bpm = 118;
    s.key = 57;
    s.scale = kMinor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 7 6 5m 1 7 6 5M"}, {'B', 8, "4 5m 1 1 4 5m 6 5M"}};
    s.tracks = {
        notes(synthBass(), "AB", -1, 4, 0.42, 0, "r..r.or..rr.o.f.", 0.02),
        notes(brass(), "AB", 1, 4, 0.17, -0.25, "..c...c.....c.c.", 0.2),
        notes(clav(), "A", 1, 4, 0.14, 0.35, "..c..c..c..c.c..", 0.15),
        notes(pad(), "B", 1, 1, 0.12, -0.1, "c---", 0.4),
        notes(squareLead(), "B", 1, 2, 0.2, 0.15,
              "4-6-'1-6-|5-7-'2-7-|'1-----5-|'1-'2-'3-'2-|'4---'3-'2-|'2---7-5-|6-'1-6-'1-|#7---'2-"
              "--",
              0.25, 0.2),
        drums(Drum::Kick, "AB", 0.55, 0, "x..x..x...x....."),
        drums(Drum::Clap, "AB", 0.3, 0, "....x.......x..."),
        drums(Drum::HatClosed, "AB", 0.12, 0.3, "xoxoxoxoxoxoxoxo"),
        drums(Drum::Crash, "AB", 0.18, -0.3, once(8), 0.2),
    };
    s.reverb = {0.5, 0.5, 0.9};
    s.echo = {0.38, 0.3, 3000, 0.5};
    s.loudness = 0.145;
    s.seed = 110;
    return s;
}

// 11: the harbour at night. Tense, low, waiting.
Song harbour() {
    Song s;
    s.bpm = 80;
    s.key = 53;
    s.scale = kMinor;
    s.form = "AB";
    s.sections = {{'A', 4, "1 1 &2Mp 1"}, {'B', 4, "6 6 5D 5D"}};
    s.tracks = {
        notes(drone(), "AB", -1, 1, 0.32, 0, "r---", 0.3),
        notes(gated(pulseBass(), 0.4), "AB", -1, 4, 0.26, 0, "r.r.r.r.r.r.r.r.", 0.1),
        notes(strings(), "A", 1, 2, 0.16, 0.25, "5---6---", 0.5),
        notes(strings(), "B", 1, 1, 0.16, 0.25, "c---", 0.5),
        notes(bell(), "A", 1, 2, 0.12, -0.3, "1-------|--------|&2-------|1-------", 0.5, 0.4),
        drums(Drum::HatClosed, "AB", 0.09, 0.35, "x.x.x.x.x.x.x.x."),
        drums(Drum::Kick, "B", 0.5, 0, "x..x............"),
        drums(Drum::Timpani, "B", 0.45, 0, ending(std::string(16, '.'), 4, "x.......x.x.xxxx"),
              0.3),
    };
    s.reverb = {0.8, 0.55, 1.0};
    s.echo = {0.56, 0.4, 2200, 0.4};
    s.loudness = 0.1;
    s.seed = 111;
    return s;
}

// 12: the television and its mascot. Bouncy and silly.
Song mascot() {
    Song s;
    s.bpm = 136;
    s.key = 58;
    s.scale = kMajor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 4 5D 1 1 4 5D 1"}, {'B', 8, "4 4 1 1 2D 2D 5D 5D"}};
    s.tracks = {
        notes(tuba(), "AB", -1, 2, 0.45, 0, "r.l.r.l.", 0.05),
        notes(organ(), "AB", 0, 2, 0.1, -0.3, ".c.c.c.c", 0.15),
        notes(chip(), "A", 1, 2, 0.18, 0.2,
              "5-3-5-3-|6-4-6-4-|7-5-'2-7-|'1---....|1-3-5-'1-|'2-'1-6-4-|5-'2-7-5-|'1-------", 0.2,
              0.1),
        notes(whistle(), "B", 1, 2, 0.2, 0.2,
              "4---6---|'1-----6-|5---3---|1-------|#4---6---|'2---'1---|'2-'1-7-5-|7---'2---",
              0.3),
        drums(Drum::WoodBlock, "AB", 0.16, 0.4, "x...x...x.x.x..."),
        drums(Drum::Snare, "B", 0.3, 0, "....x.......x..."),
        drums(Drum::Kick, "AB", 0.45, 0, "x.......x......."),
        drums(Drum::Cowbell, "A", 0.06, -0.4, "..x...x...x...x."),
    };
    s.reverb = {0.4, 0.5, 0.8};
    s.loudness = 0.13;
    s.seed = 112;
    return s;
}

// 13: the stadium and the announcer. Showy and upbeat.
Song stadium() {
    Song s;
    s.bpm = 128;
    s.key = 62;
    s.scale = kMajor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 1 4 5 6m 4 5 5"}, {'B', 8, "4 5 3m 6m 2m 5 1 5"}};
    s.tracks = {
        notes(synthBass(), "AB", -2, 4, 0.4, 0, "r.o.r.o.r.o.r.o.", 0.02),
        notes(brass(), "A", 0, 4, 0.2, -0.25, "c..c..c.c..c..c.", 0.2),
        notes(
            superSaw(), "A", 0, 2, 0.2, 0.1,
            "1-3-5-'1-|'1---'3---|'2-'1-7-6-|5-------|6-'1-'3-'1-|'2---'1---|5-7-'2-'3-|'2-------",
            0.3, 0.15),
        notes(brass(), "B", 0, 2, 0.24, 0.1,
              "'1-'1-'1-6-|7---5---|6-5-3-5-|6-------|5-4-5-6-|7-5-'2-7-|'1-------|5-6-7-5-", 0.3),
        notes(chip(), "B", 1, 4, 0.07, 0.4, "rtforfotrtforfot", 0.15, 0.2),
        drums(Drum::Kick, "AB", 0.6, 0, "x...x...x...x..."),
        drums(Drum::Clap, "AB", 0.3, 0, "....x.......x..."),
        drums(Drum::HatOpen, "AB", 0.1, 0.3, "..x...x...x...x."),
        drums(Drum::HatClosed, "AB", 0.07, -0.3, "x.xxx.xxx.xxx.xx"),
        drums(Drum::Crash, "AB", 0.2, -0.3, once(8), 0.2),
    };
    s.reverb = {0.5, 0.5, 0.8};
    s.echo = {0.35, 0.3, 3000, 0.5};
    s.loudness = 0.15;
    s.seed = 113;
    return s;
}

// 14: Sachi. Tender, a little shy.
Song sachi() {
    Song s;
    s.bpm = 72;
    s.key = 63;
    s.scale = kMajor;
    s.form = "AB";
    s.sections = {{'A', 4, "1 5 6m 3m"}, {'B', 4, "4 5 6m 5s,5"}};
    s.tracks = {
        notes(piano(), "AB", -1, 4, 0.2, -0.2, "r.f.o.'t.'f.o.f.t.", 0.35),
        notes(piano(), "A", 0, 2, 0.3, 0.1, "3---2-3-|5---4-3-|3---2-1-|2-------", 0.35, 0.1),
        notes(piano(), "B", 0, 2, 0.3, 0.1, "1-2-3-6-|5---4---|3-2-1-,6-|2-------", 0.35, 0.1),
        notes(strings(), "B", 0, 1, 0.12, 0.25, "c---", 0.5),
        notes(fingerBass(), "AB", -2, 1, 0.3, 0, "r---", 0.1),
    };
    s.reverb = {0.7, 0.55, 1.0};
    s.echo = {0.42, 0.25, 2500, 0.5};
    s.loudness = 0.1;
    s.seed = 114;
    return s;
}

// 15: the riders' house and street rivals. A tough shuffle blues.
Song riders() {
    Song s;
    s.bpm = 100;
    s.key = 64;
    s.scale = kDorian;
    s.swing = 0.66;
    s.form = "A";
    s.sections = {{'A', 12, "1D 1D 1D 1D 4D 4D 1D 1D 5D 4D 1D 5D"}};
    s.tracks = {
        notes(gated(powerGuitar(), 0.8), "A", -1, 2, 0.17, -0.3, "rfr##frsr##f", 0.15),
        notes(fingerBass(), "A", -2, 2, 0.4, 0, "rtf##fs##fft", 0.05),
        notes(organ(), "A", 0, 2, 0.08, 0.3, ".c.c.c.c", 0.2),
        notes(squareLead(), "A", 0, 2, 0.17, 0.15,
              rep("........", 8) + "'1-7-5-3-|4-3-1-,7-|1---3-#3-|5-------", 0.3, 0.15),
        drums(Drum::Kick, "A", 0.55, 0, "x.....x.x......."),
        drums(Drum::Snare, "A", 0.38, 0.05, ending("....x.......x...", 12, "....x...x.x.x.xX")),
        drums(Drum::HatClosed, "A", 0.12, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::Crash, "A", 0.2, -0.3, once(12), 0.2),
    };
    s.reverb = {0.45, 0.5, 0.8};
    s.loudness = 0.14;
    s.seed = 115;
    return s;
}

// 16: the parts shop. Swinging jazz.
Song shop() {
    Song s;
    s.bpm = 120;
    s.key = 65;
    s.scale = kMajor;
    s.swing = 0.66;
    s.form = "AB";
    s.sections = {{'A', 8, "2m7 5D 1j 6D 2m7 5D 1j 1j"}, {'B', 8, "4j &7D 3m7 6D 2m7 5D 1j 5D"}};
    s.tracks = {
        notes(fingerBass(), "AB", -2, 1, 0.45, 0, "rtfsoftr", 0.05),
        chordsOn(notes(electricPiano(), "AB", 0, 2, 0.2, -0.3, "c..c....", 0.25), -5),
        notes(vibes(), "A", 0, 2, 0.3, 0.2,
              "4-6-'1-'2-|7---5-3-|3-----7-|6-#1-3-5-|4---2-4-|3-4-5-7-|'1---7---|3-------", 0.35),
        notes(vibes(), "B", 0, 2, 0.3, 0.2,
              "6-5-4-3-|&7---&6---|5-3-7-5-|#1---6---|4-6-'1-'2-|'3-'2-'1-7-|'1-------|5-------",
              0.35),
        drums(Drum::Ride, "AB", 0.18, 0.3, "x...x.x.x...x.x."),
        drums(Drum::HatClosed, "AB", 0.12, -0.2, "....x.......x..."),
        drums(Drum::Brush, "AB", 0.14, 0.1, "..o...o..o....o."),
        drums(Drum::Kick, "B", 0.25, 0, "x.........x....."),
    };
    s.reverb = {0.55, 0.55, 0.9};
    s.loudness = 0.12;
    s.seed = 116;
    return s;
}

// 17: the bike setting screen. A slap-bass groove.
Song setting() {
    Song s;
    s.bpm = 100;
    s.key = 52;
    s.scale = kDorian;
    s.form = "AB";
    s.sections = {{'A', 8, "1m7 1m7 4D 4D 1m7 1m7 4D 5m7"}, {'B', 4, "3j 4D 5m7 4D"}};
    s.tracks = {
        notes(slapBass(), "AB", -1, 4, 0.42, 0, "r.r!o.r.!or.r!o.s!or", 0.05),
        notes(clav(), "AB", 1, 4, 0.14, 0.35, "..c..c.c..c..c.c", 0.15),
        notes(brass(), "B", 1, 4, 0.16, -0.3, "c.......c..c....", 0.2),
        notes(organ(), "B", 1, 1, 0.08, -0.1, "c---", 0.3),
        drums(Drum::Kick, "AB", 0.55, 0, "x..x......x.x..."),
        drums(Drum::Snare, "AB", 0.38, 0.05, "....x..o.o..x..o"),
        drums(Drum::HatClosed, "AB", 0.1, 0.3, "xoxoxoxoxoxoxoxo"),
        drums(Drum::HatOpen, "B", 0.08, -0.3, "......x.......x."),
    };
    s.reverb = {0.4, 0.5, 0.8};
    s.loudness = 0.14;
    s.seed = 117;
    return s;
}

// 18: a sinister night run. Pulsing and uneasy.
Song sinister() {
    Song s;
    s.bpm = 96;
    s.key = 59;
    s.scale = kPhrygian;
    s.form = "AB";
    s.sections = {{'A', 4, "1 1 2 1"}, {'B', 8, "1 2 6 5 1 2 7 5"}};
    s.tracks = {
        notes(gated(pulseBass(), 0.4), "AB", -1, 4, 0.3, 0, "r.rr.rr.r.rr.rr.", 0.05),
        notes(drone(), "AB", -1, 1, 0.25, 0, "r---", 0.3),
        notes(bell(), "A", 1, 2, 0.12, 0.3, "5---&5---", 0.5, 0.4),
        notes(strings(), "B", 0, 4, 0.2, -0.2, "c......c........", 0.4),
        notes(choir(), "B", 0, 1, 0.14, 0.2, "c---", 0.5),
        drums(Drum::Kick, "AB", 0.5, 0, "x..x......x..x.."),
        drums(Drum::Rim, "B", 0.14, 0.4, "...x......x....x"),
        drums(Drum::Snare, "B", 0.28, 0, "........x......."),
    };
    s.reverb = {0.75, 0.5, 1.0};
    s.echo = {0.47, 0.4, 2200, 0.5};
    s.loudness = 0.12;
    s.seed = 118;
    return s;
}

// 19: the sky after the fall. Wide and reflective.
Song sky() {
    Song s;
    s.bpm = 70;
    s.key = 62;
    s.scale = kLydian;
    s.form = "AB";
    s.sections = {{'A', 4, "1 2 1 2"}, {'B', 4, "6m 5 1 2"}};
    s.tracks = {
        notes(pad(), "AB", 0, 1, 0.25, 0, "c---", 0.6),
        notes(bell(), "A", 1, 2, 0.2, 0.2, "3---5---|4-------|3---2---|2-------", 0.55, 0.3),
        notes(bell(), "B", 1, 2, 0.2, 0.2, "6---5---|'2-----5-|3---2-1-|2-------", 0.55, 0.3),
        notes(glockenspiel(), "A", 2, 4, 0.05, -0.4, "..5...3...'1...2.", 0.5, 0.5),
        notes(fingerBass(), "AB", -2, 1, 0.25, 0, "r---", 0.1),
        drums(Drum::Shaker, "B", 0.07, 0.3, "x...x...x...x..."),
    };
    s.reverb = {0.9, 0.4, 1.0};
    s.echo = {0.64, 0.4, 2500, 0.5};
    s.loudness = 0.1;
    s.seed = 119;
    return s;
}

// 20: memories. A music-box waltz, sad and far away.
Song memory() {
    Song s;
    s.bpm = 84;
    s.key = 69;
    s.scale = kMinor;
    s.beatsPerBar = 3;
    s.form = "ABC";
    s.sections = {{'A', 4, "1 4 7 3"}, {'B', 4, "6 4 5M 1"}, {'C', 4, "6 7 5M 5M"}};
    s.tracks = {
        notes(musicBox(), "A", 0, 2, 0.3, 0.15, "5-3-1-|6-4-2-|7-5-4-|3-----", 0.45, 0.2),
        notes(musicBox(), "B", 0, 2, 0.3, 0.15, "'1-7-6-|4-6-'1-|'2-#7-5-|'1-----", 0.45, 0.2),
        notes(musicBox(), "C", 0, 2, 0.3, 0.15, "6-'1-'3-|'2-'1-7-|#7-----|------", 0.45, 0.2),
        notes(piano(), "ABC", -1, 1, 0.16, -0.2, ".cc", 0.35),
        notes(piano(), "ABC", -2, 1, 0.22, 0, "r..", 0.3),
        notes(strings(), "BC", -1, 1, 0.1, 0.25, "c--", 0.5),
    };
    s.reverb = {0.75, 0.5, 1.0};
    s.echo = {0.36, 0.3, 2500, 0.5};
    s.loudness = 0.1;
    s.seed = 120;
    return s;
}

// 21: the island of junk. A lopsided calypso.
Song island() {
    Song s;
    s.bpm = 112;
    s.key = 60;
    s.scale = kMixolydian;
    s.form = "AB";
    s.sections = {{'A', 8, "1 4 1 5D 1 4 7 1"}, {'B', 8, "4 4 1 1 7 7 5D 5D"}};
    s.tracks = {
        notes(steelDrum(), "A", 1, 4, 0.26, 0.2,
              "3..3..5.3..1.3..|4..4..6.'1..6.4..|5..5..3.1..3.5..|4..2...,7-..,5....|"
              "3..3..5.3..1.3..|4..4..6.'1..6.4..|4..4..2.,7..2.4..|1...3...5...'1...",
              0.25, 0.1),
        notes(steelDrum(), "B", 1, 2, 0.26, 0.2,
              "6-4-6-'1-|'2-'1-6---|5-3-5-'1-|'1-------|'2-'1-7-'2-|'4---'2---|'2-7-5-4-|2-------",
              0.25, 0.1),
        notes(fingerBass(), "AB", -2, 4, 0.4, 0, "r..r..f.r..r..f.", 0.05),
        notes(guitar(), "AB", 0, 2, 0.12, -0.35, ".c.c.c.c", 0.2),
        drums(Drum::Conga, "AB", 0.25, -0.2, "..x..x.x..x..xx."),
        drums(Drum::Cowbell, "AB", 0.06, 0.4, "x..x..x...x.x..."),
        drums(Drum::Shaker, "AB", 0.1, 0.35, "xoxxxoxxxoxxxoxx"),
        drums(Drum::Kick, "AB", 0.42, 0, "x.......x......."),
        drums(Drum::Rim, "B", 0.14, -0.3, "...x..x...x..x.."),
    };
    s.reverb = {0.45, 0.5, 0.9};
    s.loudness = 0.13;
    s.seed = 121;
    return s;
}

// 22: picking oneself up. Hopeful and determined.
Song resolve() {
    Song s;
    s.bpm = 108;
    s.key = 62;
    s.scale = kMajor;
    s.form = "AB";
    s.sections = {{'A', 4, "1 5 6m 4"}, {'B', 8, "1 5 6m 4 1 5 4 5"}};
    s.tracks = {
        notes(piano(), "AB", -1, 4, 0.2, -0.2, "r.f.o.f.t.f.o.f.", 0.3),
        notes(flute(), "A", 0, 2, 0.24, 0.15, "1-----2-|3-----,7-|1-----3-|2-------", 0.35, 0.15),
        notes(brass(), "B", 0, 2, 0.24, 0.15,
              "3---2-1-|2---,7-,5-|1-2-3-6-|6-----5-|3-5-'1-'3-|'2---'1-7-|6-5-4-6-|5-------", 0.3),
        notes(strings(), "B", 0, 1, 0.15, 0.25, "c---", 0.45),
        notes(fingerBass(), "AB", -2, 2, 0.38, 0, "r-.rf-r-", 0.05),
        drums(Drum::Timpani, "A", 0.35, 0, "x.......x......."),
        drums(Drum::Kick, "B", 0.5, 0, "x.......x.x....."),
        drums(Drum::Snare, "B", 0.34, 0.05, ending("....x.......x...", 8, "....x...x.x.xxXX")),
        drums(Drum::HatClosed, "B", 0.11, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::Crash, "B", 0.18, -0.3, once(8), 0.25),
    };
    s.reverb = {0.6, 0.5, 0.9};
    s.echo = {0.42, 0.3, 2800, 0.5};
    s.loudness = 0.135;
    s.seed = 122;
    return s;
}

// 23: the masked hero. A comic march.
Song hero() {
    Song s;
    s.bpm = 120;
    s.key = 58;
    s.scale = kMajor;
    s.form = "AB";
    s.sections = {{'A', 8, "1 1 4 1 1 1 2D 5D"}, {'B', 4, "4 4m 1 5D"}};
    s.tracks = {
        notes(tuba(), "AB", -1, 2, 0.42, 0, "r.l.r.l.", 0.05),
        notes(brass(), "A", 0, 2, 0.24, 0.15,
              "5--5'1---|'1-'2-'3-'1-|6---4---|5-------|5--5'1---|'3-'2-'1-'3-|'2---#4---|5---7---",
              0.3),
        notes(brass(), "B", 0, 2, 0.24, 0.15, "'1-6-4-6-|'1-&6-4-&6-|5-3-1-3-|2-4-7-5-", 0.3),
        notes(glockenspiel(), "B", 1, 2, 0.06, -0.3, "'1-6-4-6-|'1-&6-4-&6-|5-3-1-3-|2-4-7-5-",
              0.3),
        notes(organ(), "AB", 0, 2, 0.07, -0.3, ".c.c.c.c", 0.15),
        drums(Drum::Snare, "AB", 0.3, 0.05, "X...x.x.X...x.xx"),
        drums(Drum::Kick, "AB", 0.5, 0, "x.......x......."),
        drums(Drum::Crash, "AB", 0.2, -0.3, once(4), 0.2),
        drums(Drum::Snare, "B", 0.25, -0.05, ending(std::string(16, '.'), 4, "xxxxxxxxxxxxXXXX")),
    };
    s.reverb = {0.5, 0.5, 0.8};
    s.loudness = 0.14;
    s.seed = 123;
    return s;
}

// 24: the ending song. Played once: an intro, a verse, the big chorus and a
// last chord that rings out.
Song endingSong() {
    Song s;
    s.bpm = 124;
    s.key = 67;
    s.scale = kMajor;
    s.loop = false;
    s.tail = 3.5;
    s.form = "IVCO";
    s.sections = {
        {'I', 2, "1 4"}, {'V', 4, "1 5 6m 4"}, {'C', 8, "4 5 3m 6m 4 5 1 1"}, {'O', 2, "4,5 1"}};
    s.tracks = {
        notes(bell(), "I", 0, 2, 0.24, 0.2, "1-3-5-'1-|'2-'1-7-5-", 0.45, 0.25),
        notes(piano(), "IVC", -1, 4, 0.2, -0.2, "r.f.o.t.f.o.t.f.", 0.3),
        notes(piano(), "O", -1, 4, 0.22, -0.2, "c.......c.......|c---------------", 0.35),
        notes(sawLead(), "V", 0, 2, 0.24, 0.1, "3-3-2-1-|2---,7---|1-2-3-5-|4---3-2-", 0.3, 0.15),
        notes(sawLead(), "C", 0, 2, 0.26, 0.1,
              "3-4-5-'1-|'2---'1-7-|7-----5-|6-------|3-4-5-'1-|'2---'3-'2-|'1-------|--------",
              0.3, 0.15),
        notes(sawLead(), "O", 0, 2, 0.24, 0.1, "4-3-2-,7-|1-------", 0.35, 0.15),
        notes(strings(), "CO", 0, 1, 0.16, 0.25, "c---", 0.45),
        notes(bell(), "O", 1, 1, 0.12, 0.35, "....|c---", 0.5, 0.3),
        notes(fingerBass(), "VC", -2, 2, 0.4, 0, "r-r-f-r-", 0.05),
        notes(fingerBass(), "O", -2, 2, 0.4, 0, "r---r---|r-------", 0.1),
        drums(Drum::Kick, "VC", 0.52, 0, "x.......x.x....."),
        drums(Drum::Snare, "V", 0.34, 0.05, ending("....x.......x...", 4, "....x...x.x.xxXX")),
        drums(Drum::Snare, "C", 0.36, 0.05, ending("....x.......x...", 8, "....x...x.x.xxXX")),
        drums(Drum::HatClosed, "VC", 0.11, 0.3, "x.x.x.x.x.x.x.x."),
        drums(Drum::HatOpen, "C", 0.08, -0.3, "..x...x...x...x."),
        drums(Drum::Crash, "C", 0.2, -0.3, once(8), 0.25),
        drums(Drum::Crash, "O", 0.24, -0.3, "................X...............", 0.3),
        drums(Drum::Timpani, "O", 0.4, 0, "x.......x.......X...............", 0.3),
    };
    s.reverb = {0.65, 0.5, 0.9};
    s.echo = {0.48, 0.3, 2800, 0.5};
    s.loudness = 0.14;
    s.seed = 124;
    return s;
}

} // namespace

std::string musicFile(int n) {
    if (n < 1 || n > kMusicPieces) throw std::out_of_range("no music " + std::to_string(n));
    // The game's path ("dat\\k_106.wma") less its folder.
    const std::string path = kMusicFiles[static_cast<std::size_t>(n)];
    return path.substr(path.find('\\') + 1);
}

Song musicScore(int n) {
    switch (n) {
    case 1:
        return opening();
    case 2:
        return cityMap();
    case 3:
        return race1();
    case 4:
        return race2();
    case 5:
        return race3();
    case 6:
        return race4();
    case 7:
        return school();
    case 8:
        return invention();
    case 9:
        return morning();
    case 10:
        return bayStreet();
    case 11:
        return harbour();
    case 12:
        return mascot();
    case 13:
        return stadium();
    case 14:
        return sachi();
    case 15:
        return riders();
    case 16:
        return shop();
    case 17:
        return setting();
    case 18:
        return sinister();
    case 19:
        return sky();
    case 20:
        return memory();
    case 21:
        return island();
    case 22:
        return resolve();
    case 23:
        return hero();
    case 24:
        return endingSong();
    default:
        throw std::out_of_range("no music " + std::to_string(n));
    }
}

} // namespace zb::audio
