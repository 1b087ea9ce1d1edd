#pragma once
// How a scene is written. A scene is a list of steps; each advance of the story
// (a click, Enter or Space) performs the step numbered by eventStep, and the
// dispatcher then counts on. A step is a short list of operations, written one
// step per line from the helpers below, so a scene reads like its storyboard:
//
//   /* 4*/ {say({103, 4}, "？？？？", "「見ない顔ね")},
//   /* 8*/ {say({103, 1}, "？？？？", "「ついてきなさい"), moveLeft(2, 0, 5)},
//   /*19*/ {record(doneStreet1), leave(Exit::Race)},
//
// Lines are UTF-8 here and at most 60 bytes once counted as the game's
// Shift-JIS text: 「 opens speech, （ a thought, 『 a caption; a line that carries
// on the one above begins with a full-width blank.

#include "app/FormControls.h"
#include "save/StoryFlags.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

namespace zb {

class TForm1;

namespace script {

// Where a scene goes when it is over.
enum class Exit : std::uint8_t {
    Map,           // event scene back to the map
    Race,          // event scene straight into a race
    RaceWithScene, // event scene into a race whose own scene plays first
    ToRace,        // race scene: the race begins
    BattleToMap,   // race scene: the frame slides back, then the map
    BattleToEvent, // race scene: the frame slides back into an event scene
    GameOver,
    Ending,
    Setting, // event scene to the bike setting screen, the map behind it at the port
};

enum class Code : std::uint8_t {
    Sound,       // a: effect (19 and up are opened first)
    Face,        // a: portrait, b: expression
    HideFace,    // the portrait frame goes
    Name,        // a: speaker number
    NameStr,     // s[0]: a minor speaker's name
    ClearName,   // narration
    Text,        // s[0..2]: the three lines, absent ones empty
    MustGoLine,  // line 1: s[0], the place the hero must go to, s[1]
    Shake,       // a: effect; the window shakes, the portrait goes
    Back,        // a: still background "img\backNN.bmp"
    PastBack,    // a: the same, faded to the browns of an old photograph
    RaceBack,    // a: race background "img\bgNN.bmp" and the road behind the scene
    StadiumBack, // RaceBack 5, the stadium's
    Prop,        // s[0]: picture file into objectImg at (a, b)
    HideProp,
    Show,       // pic: a picture control is shown
    Hide,       // pic: hidden
    Music,      // a: piece, played from its start
    EndMusic,   // the player is closed: nothing is left to play on
    PauseMusic, // the piece holds where it is and its repeat timer stops
    PlayOn,     // a: 1 = the held piece plays on and loops, 0 = plays on once
    RiderOut,   // a: slot, hidden and put just off the left edge
    RiderIn,    // a: slot shown
    MoveRight,  // a: slot, b: target left, c: pixels per tick
    MoveLeft,
    ThirdRider,     // a: 0/1
    RiderMachine,   // a: slot, b: machine whose pictures the slot shows
    RivalFromPlace, // the place's rival chosen again, riders and name labels with it
    Rival,          // a: machine, b: version of the rival, riders and name labels with it
    Philip,         // the special animation starts
    Scroll,         // a: 0/1, b: main layer step, c: sub layer step
    ScrollStop,     // a: 0/1 the road stands still
    Zingo,          // a: 0/1 the mascot's portrait blinks
    Choice,         // a: screen mode 18, 19 or 20
    Flag,           // a: story flag set to 1
    GiveItem,       // a: item now owned, told in a line of its own
    SubImage,       // a: subImageAlt
    ClearPlace,     // the map comes back with no place selected
    MarkerOn,       // a: place the map's marker is put on when the map comes back
    SetMode,        // a: screen mode, set before the scene leaves for a race
    CloseEffects,
    Run,    // run: anything the words above do not say
    SkipIf, // test: when true this step is passed over at once
    Pick,   // test: then `yes`, else `no`; without a test, `yes` one time in a
    Next,   // eventStep -1: the next due scene follows in this screen
    Leave,  // a: Exit, after effect 9
};

using PicRef = Picture* FormControls::*;
using Test = bool (*)(const TForm1&);
using Action = void (*)(TForm1&);

struct Op;
using Ops = std::vector<Op>;

struct Op {
    Code code = Code::Run;
    int a = 0;
    int b = 0;
    int c = 0;
    std::array<std::string_view, 3> s{};
    PicRef pic = nullptr;
    Test test = nullptr;
    Action run = nullptr;
    std::shared_ptr<const Ops> yes, no;
};

// One step: the operations of its line, in order.
struct Step {
    Ops ops;
    Step(std::initializer_list<Ops> parts) {
        for (const Ops& p : parts)
            ops.insert(ops.end(), p.begin(), p.end());
    }
};

struct Scene {
    std::string_view name;
    std::vector<Step> steps;
};

// --- who is shown ---
struct Face {
    int who = 0; // 0: the portrait stays as it is
    int expression = 0;
};
// A speaker by number (the speaker table) or, for minor speakers, by name.
struct Speaker {
    int number = 0;
    std::string_view literal;
    Speaker(int n) : number(n) {}
    Speaker(const char* s) : literal(s) {}
};

inline Op op(Code c, int a = 0, int b = 0, int d = 0) {
    Op o;
    o.code = c;
    o.a = a;
    o.b = b;
    o.c = d;
    return o;
}

// --- the words of a step ---
inline Ops sound(int n) {
    return {op(Code::Sound, n)};
}
inline Ops face(int who, int n) {
    return {op(Code::Face, who, n)};
}
inline Ops hideFace() {
    return {op(Code::HideFace)};
}
inline Ops name(Speaker s) {
    if (!s.literal.empty()) {
        Op o = op(Code::NameStr);
        o.s[0] = s.literal;
        return {o};
    }
    return {op(Code::Name, s.number)};
}
inline Ops clearName() {
    return {op(Code::ClearName)};
}
inline Ops text(std::string_view l1, std::string_view l2 = {}, std::string_view l3 = {}) {
    Op o = op(Code::Text);
    o.s = {l1, l2, l3};
    return {o};
}

// Line 1 names the place the story sends the hero to ("教習所", "神奈玉駅"),
// between `before` and `after`; lines 2 and 3 stay as they are.
inline Ops mustGoLine(std::string_view before, std::string_view after) {
    Op o = op(Code::MustGoLine);
    o.s = {before, after, {}};
    return {o};
}

// A line of dialogue: effect 9, then portrait, speaker and text as given.
inline Ops say(Face f, Speaker s, std::string_view l1, std::string_view l2 = {},
               std::string_view l3 = {}) {
    Ops o = sound(9);
    if (f.who) o.push_back(op(Code::Face, f.who, f.expression));
    Ops n = name(s);
    o.insert(o.end(), n.begin(), n.end());
    Ops t = text(l1, l2, l3);
    o.insert(o.end(), t.begin(), t.end());
    return o;
}
// The same speaker goes on, with a new expression.
inline Ops as(Face f, std::string_view l1, std::string_view l2 = {}, std::string_view l3 = {}) {
    return {op(Code::Sound, 9), op(Code::Face, f.who, f.expression), text(l1, l2, l3)[0]};
}
// The same speaker and portrait go on.
inline Ops line(std::string_view l1, std::string_view l2 = {}, std::string_view l3 = {}) {
    return {op(Code::Sound, 9), text(l1, l2, l3)[0]};
}
// A minor speaker without a portrait.
inline Ops voice(const char* who, std::string_view l1, std::string_view l2 = {},
                 std::string_view l3 = {}) {
    return {op(Code::Sound, 9), op(Code::HideFace), name(who)[0], text(l1, l2, l3)[0]};
}
// The first line of a race scene, shown by itself as the frame comes to rest:
// portrait, speaker and text without the page sound. Without a face (who 0) the
// speaker is heard, not seen.
inline Ops opening(Face f, Speaker s, std::string_view l1, std::string_view l2 = {}) {
    Ops o = {f.who ? op(Code::Face, f.who, f.expression) : op(Code::HideFace)};
    for (const Ops& part : {name(s), text(l1, l2)})
        o.insert(o.end(), part.begin(), part.end());
    return o;
}
// A numbered speaker who is heard, not seen: the crowd, the announcer, a voice
// over a loudspeaker.
inline Ops voice(int who, std::string_view l1, std::string_view l2 = {}, std::string_view l3 = {}) {
    return {op(Code::Sound, 9), op(Code::HideFace), op(Code::Name, who), text(l1, l2, l3)[0]};
}
// Narration: no portrait, no name.
inline Ops narrate(std::string_view l1, std::string_view l2 = {}, std::string_view l3 = {}) {
    return {op(Code::Sound, 9), op(Code::HideFace), op(Code::ClearName), text(l1, l2, l3)[0]};
}
// Narration heard over a sound of its own (a door, an engine, a horn) instead of
// the page sound.
inline Ops noise(int effect, std::string_view l1, std::string_view l2 = {},
                 std::string_view l3 = {}) {
    return {op(Code::Sound, effect), op(Code::HideFace), op(Code::ClearName), text(l1, l2, l3)[0]};
}
// Several words as one, in the order given: one side of a `pick`.
inline Ops together(std::initializer_list<Ops> parts) {
    Ops o;
    for (const Ops& p : parts)
        o.insert(o.end(), p.begin(), p.end());
    return o;
}

// --- effects on the screen ---
inline Ops shake(int effect) {
    return {op(Code::Shake, effect)};
}
inline Ops back(int n) {
    return {op(Code::Back, n)};
}
// The still background as a memory shows it: the same place, faded to the
// browns of an old photograph.
inline Ops pastBack(int n) {
    return {op(Code::PastBack, n)};
}
// The race screen's background "img\bgNN.bmp" (n = NN) and the road behind the
// scene, the still background and the map gone: an event scene turning into the
// race screen, or a race scene whose sky changes.
inline Ops raceBack(int n) {
    return {op(Code::RaceBack, n)};
}
// The stadium's race background: raceBack(5) by its name.
inline Ops stadiumBack() {
    return {op(Code::StadiumBack, 5)};
}
inline Ops prop(const char* file, int left, int top) {
    Op o = op(Code::Prop, left, top);
    o.s[0] = file;
    return {o};
}
inline Ops hideProp() {
    return {op(Code::HideProp)};
}
inline Ops show(PicRef p) {
    Op o = op(Code::Show);
    o.pic = p;
    return {o};
}
inline Ops hide(PicRef p) {
    Op o = op(Code::Hide);
    o.pic = p;
    return {o};
}

// --- music ---
// Piece n from its start, looping (the pieces by number: data/UnitConst.h).
inline Ops music(int n) {
    return {op(Code::Music, n)};
}
// The piece holds where it stands and stops looping, until `playOn` or
// `playOnOnce` in a later step of the same scene ("stops the music and resumes
// it" is written this way).
inline Ops pauseMusic() {
    return {op(Code::PauseMusic)};
}
// The held piece plays on from where it stood, looping again.
inline Ops playOn() {
    return {op(Code::PlayOn, 1)};
}
// The held piece plays on to its end and stays silent: no loop until the next
// piece is chosen.
inline Ops playOnOnce() {
    return {op(Code::PlayOn, 0)};
}
// Silence for good: the music player is closed; nothing can play on after it.
inline Ops endMusic() {
    return {op(Code::EndMusic)};
}

// --- riders on the race screen ---
inline Ops riderOut(int slot) {
    return {op(Code::RiderOut, slot)};
}
inline Ops riderIn(int slot) {
    return {op(Code::RiderIn, slot)};
}
inline Ops moveRight(int slot, int target, int speed) {
    return {op(Code::MoveRight, slot, target, speed)};
}
inline Ops moveLeft(int slot, int target, int speed) {
    return {op(Code::MoveLeft, slot, target, speed)};
}
inline Ops thirdRider(bool on) {
    return {op(Code::ThirdRider, on ? 1 : 0)};
}
// Rider slot 2 or 3 shows that machine's pictures (first frame), wherever the
// slot stands: load it before `riderOut`, which parks the slot by its width.
inline Ops riderMachine(int slot, int machine) {
    return {op(Code::RiderMachine, slot, machine)};
}
// The place's rival chosen again (a mark recorded earlier in the step counts):
// slot 2 shows the rival, slot 1 the hero's bike again (the lane-1 rider in a
// watched race), and the name labels their machines. Label 1 is also the
// speaker's: write the step's line after it.
inline Ops rivalFromPlace() {
    return {op(Code::RivalFromPlace)};
}
// The rival becomes machine `machine`, version `version`, shown as
// `rivalFromPlace` shows it.
inline Ops rival(int machine, int version) {
    return {op(Code::Rival, machine, version)};
}
// The special animation flies in over the race screen and turns the rival into
// the G HOUND; the story waits for it like a rider's move.
inline Ops philip() {
    return {op(Code::Philip)};
}
inline Ops scroll(bool on, int mainStep = 0, int subStep = 0) {
    return {op(Code::Scroll, on ? 1 : 0, mainStep, subStep)};
}
inline Ops scrollStop(bool on) {
    return {op(Code::ScrollStop, on ? 1 : 0)};
}
inline Ops zingo(bool on) {
    return {op(Code::Zingo, on ? 1 : 0)};
}

// --- the story ---
inline Ops choice(int mode) {
    return {op(Code::Choice, mode)};
}
inline Ops record(StoryFlag f) {
    return {op(Code::Flag, f)};
}
// The hero now owns the item (the owned lists show it): effect 28 and the line
// "<item name>を手に入れた", no portrait, no speaker.
inline Ops giveItem(int item) {
    return {op(Code::GiveItem, item)};
}
inline Ops subImage(int on) {
    return {op(Code::SubImage, on)};
}
inline Ops clearPlace() {
    return {op(Code::ClearPlace)};
}
// Back on the map, the map is scrolled to place n and the marker rests on it,
// selected. Written in the step that leaves to the map; it is placed on the map
// the story shows by then (the island's, once doneIsland1 is recorded).
inline Ops markerOn(int place) {
    return {op(Code::MarkerOn, place)};
}
inline Ops closeEffects() {
    return {op(Code::CloseEffects)};
}
inline Ops run(Action a) {
    Op o = op(Code::Run);
    o.run = a;
    return {o};
}
inline Ops skipIf(Test t) {
    Op o = op(Code::SkipIf);
    o.test = t;
    return {o};
}
// For a `pick` after a race: lane 1 crossed the line first. Lane 1 is the
// hero's in his own races, the first rider's in a race he watches.
bool laneOneWon(const TForm1& f);
inline constexpr Test heroWon = laneOneWon;

// A step whose words depend on the story: `yes` when the test holds, else `no`.
inline Ops pick(Test t, Ops yes, Ops no) {
    Op o = op(Code::Pick);
    o.test = t;
    o.yes = std::make_shared<const Ops>(std::move(yes));
    o.no = std::make_shared<const Ops>(std::move(no));
    return {o};
}
// `yes` one time in n, by the game's random draw made when the step is played;
// else `no`.
inline Ops oneIn(int n, Ops yes, Ops no) {
    Ops o = pick(nullptr, std::move(yes), std::move(no));
    o[0].a = n;
    return o;
}
// The screen mode the scene leaves in: the races the stadium and the riders'
// house lead straight into are entered from mode 3, as the frame starts to slide.
inline Ops setMode(int mode) {
    return {op(Code::SetMode, mode)};
}
inline Ops next() {
    return {op(Code::Next)};
}
inline Ops leave(Exit e) {
    return {op(Code::Leave, static_cast<int>(e))};
}

// Performs step eventStep of the scene (a number without a step does nothing).
void play(TForm1& form, const Scene& scene);

} // namespace script
} // namespace zb
