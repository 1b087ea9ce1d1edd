// The computer riders: what a machine number and version mean in a race (top
// speed, how it accelerates, prize, length, whether losing ends the game) and the
// step by which a computer rider gains speed. A rival gains 1 km/h whenever its
// step counter reaches an interval looked up by its speed as a percentage of its
// top speed, from a fixed table of its version or from a curve built at random.

#include "app/UnitMain.h"

#include "data/UnitConst.h"

#include <span>

namespace zb {

namespace {

constexpr std::int32_t k400m = 4000; // race lengths, 0.1 m
constexpr std::int32_t k1000m = 10000;

// Where a rival's intervals come from.
enum class Source : std::uint8_t {
    Table,     // a fixed table of rivalCrgTable
    Curve,     // rivalCurve, built with (L, N) when the race is prepared
    LastCurve, // rivalCurve as the last preparation left it
};

struct Intervals {
    Source source;
    int L = 0; // the top L curve entries get one more step ...
    int N = 0; // ... of N extra steps in all; the rest land at random
};

constexpr Intervals table{Source::Table};
constexpr Intervals lastCurve{Source::LastCurve};
constexpr Intervals curve(int L, int N) {
    return {Source::Curve, L, N};
}

struct RivalRow {
    int machine;
    int version;
    std::int16_t topSpeed; // km/h
    Intervals intervals;
    std::int16_t prize; // points
    std::int32_t length;
    bool lossEndsGame;
};

// The race data of every machine and version that races. Machines 1, 8, 9 and 14
// never race; the street riders 18..20 have seven levels each.
// clang-format off
constexpr RivalRow kRivalRows[] = {
    // machine, version, top km/h, intervals,     prize, length, loss ends game
    { 2, 1, 500, table,          4000, k400m,  false},
    { 2, 2, 500, table,          4000, k400m,  false},
    { 2, 3, 500, table,          5500, k400m,  true },
    { 3, 1, 180, curve(30, 88),  1000, k400m,  true },
    { 3, 2, 432, table,          4000, k400m,  false},
    { 3, 3, 342, curve(25, 31),  4000, k400m,  false},
    { 3, 4, 342, curve(26, 27),  5000, k400m,  true },
    { 4, 1, 209, curve(55, 78),  1500, k400m,  true },
    { 4, 2, 421, table,          4000, k400m,  false},
    { 4, 3, 345, curve(27, 29),  4000, k400m,  false},
    { 5, 1, 270, curve(37, 40),  2000, k400m,  true },
    { 6, 1, 180, curve(50, 99),   100, k400m,  false},
    { 7, 1, 213, curve(32, 57),  2300, k400m,  true },
    { 7, 2, 248, curve(36, 46),  3000, k400m,  true },
    { 7, 3, 462, curve(35, 37),  4500, k1000m, true },
    {10, 1, 341, table,          3700, k400m,  true },
    {10, 2, 399, table,          4000, k400m,  false},
    {11, 1, 500, lastCurve,     10000, k1000m, true },
    {12, 1, 500, table,         10000, k1000m, true },
    {13, 1, 470, table,          6000, k400m,  false},
    {13, 2, 470, table,          6000, k400m,  false},
    {13, 3, 470, table,          6000, k400m,  true },
    {15, 1, 300, table,          4500, k1000m, false},
    {15, 2, 300, table,          4500, k1000m, true },
    {16, 1, 332, curve(32, 33),  3500, k400m,  false},
    {16, 2, 332, curve(32, 33),  3500, k400m,  true },
    {17, 1, 320, curve(22, 24),  9000, k1000m, true },
    {18, 1, 180, curve(50, 99),   100, k400m,  false},
    {18, 2, 180, curve(10, 80),   200, k400m,  false},
    {18, 3, 219, curve(30, 64),   400, k400m,  false},
    {18, 4, 253, curve(38, 51),   600, k400m,  false},
    {18, 5, 290, curve(38, 53),   800, k400m,  false},
    {18, 6, 279, curve(33, 48),  1100, k400m,  false},
    {18, 7, 312, curve(33, 42),  1300, k400m,  false},
    {19, 1, 180, curve(10, 80),   200, k400m,  false},
    {19, 2, 200, curve(30, 75),   300, k400m,  false},
    {19, 3, 232, curve(32, 63),   700, k400m,  false},
    {19, 4, 272, curve(36, 51),   900, k400m,  false},
    {19, 5, 308, curve(36, 51),  1200, k400m,  false},
    {19, 6, 292, curve(32, 43),  1400, k400m,  false},
    {19, 7, 321, curve(31, 36),  1600, k400m,  false},
    {20, 1, 200, curve(30, 75),   300, k400m,  false},
    {20, 2, 220, curve(30, 65),   400, k400m,  false},
    {20, 3, 253, curve(34, 51),   900, k400m,  false},
    {20, 4, 300, curve(34, 51),  1100, k400m,  false},
    {20, 5, 320, curve(33, 49),  1500, k400m,  false},
    {20, 6, 312, curve(33, 42),  1700, k400m,  false},
    {20, 7, 329, curve(28, 36),  1900, k400m,  false},
};
// clang-format on
static_assert(std::size(kRivalRows) == 27 + 3 * 7);

const RivalRow* findRivalRow(int machine, int version) {
    for (const RivalRow& row : kRivalRows)
        if (row.machine == machine && row.version == version) return &row;
    return nullptr;
}

// --- the fixed interval tables ---

// Terms added to a band's base value. r and r' are fresh draws of 1 or 2, R a
// fresh draw of 3 or 4; w23 is the last rain point (1 in rain).
constexpr unsigned r = 1;
constexpr unsigned rp = 2; // r'
constexpr unsigned R = 4;
constexpr unsigned w23 = 8;

// Steps per km/h for speeds from `from` % to `to` % of the top speed (inclusive).
struct Band {
    int from;
    int to;
    int base;
    unsigned terms = 0;
};

// clang-format off
constexpr Band kTable2v1[] = {
    {0, 29, 1}, {30, 32, 0, r}, {33, 50, 2}, {51, 83, 1}, {84, 86, 2}, {87, 89, 1, rp},
    {90, 92, 3}, {93, 95, 4}, {96, 98, 5}, {99, 100, 6}};
constexpr Band kTable2v2[] = {
    {0, 20, 1}, {21, 23, 2}, {24, 32, 1}, {33, 44, 2}, {45, 86, 1}, {87, 92, 2},
    {93, 95, 3}, {96, 98, 4}, {99, 100, 5}};
constexpr Band kTable2v3[] = {
    {0, 29, 1}, {30, 47, 2}, {48, 86, 1}, {87, 89, 0, rp}, {90, 92, 2}, {93, 95, 3},
    {96, 98, 4}, {99, 100, 5}};
constexpr Band kTable3v2[] = {
    {0, 23, 1}, {24, 44, 2}, {45, 65, 1}, {66, 89, 2}, {90, 92, 4}, {93, 95, 5},
    {96, 98, 6}, {99, 100, 7}};
constexpr Band kTable4v2[] = {
    {0, 2, 2}, {3, 32, 1}, {33, 53, 2}, {54, 71, 1}, {72, 80, 2}, {81, 83, 3}, {84, 86, 4},
    {87, 89, 5}, {90, 92, 6}, {93, 95, 7}, {96, 98, 8}, {99, 100, 9}};
constexpr Band kTable10v1[] = {
    {0, 2, 0, R}, {3, 5, 4}, {6, 11, 3}, {12, 17, 2}, {18, 77, 1}, {78, 83, 2},
    {84, 86, 0, rp}, {87, 95, 2}, {96, 98, 3}, {99, 100, 5}};
constexpr Band kTable10v2[] = {
    {0, 2, 0, R | w23}, {3, 5, 3, w23}, {6, 8, 0, rp | w23}, {9, 29, 1}, {30, 32, 1, w23},
    {33, 35, 1}, {36, 41, 1, w23}, {42, 68, 1}, {69, 74, 1, w23}, {75, 89, 1}, {90, 95, 2},
    {96, 98, 3}, {99, 100, 5}};
constexpr Band kTable12v1[] = {
    {0, 38, 1}, {39, 44, 2}, {45, 59, 1}, {60, 65, 2}, {66, 74, 3}, {75, 77, 2}, {78, 100, 1}};
constexpr Band kTable13v1[] = {
    {0, 14, 2}, {15, 74, 1}, {75, 77, 0, r}, {78, 89, 2}, {90, 98, 3}, {99, 100, 4}};
constexpr Band kTable13v2[] = {
    {0, 14, 1}, {15, 17, 2}, {18, 41, 1}, {42, 59, 2}, {60, 83, 1}, {84, 92, 2}, {93, 100, 3}};
constexpr Band kTable13v3[] = {
    {0, 29, 1}, {30, 32, 2}, {33, 41, 1}, {42, 65, 2}, {66, 80, 1}, {81, 83, 0, r},
    {84, 92, 2}, {93, 100, 3}};
constexpr Band kTable15[] = {
    {0, 5, 1}, {6, 11, 2}, {12, 44, 3}, {45, 53, 2}, {54, 65, 1}, {66, 71, 2}, {72, 77, 3},
    {78, 83, 4}, {84, 92, 5}, {93, 100, 6}};
// clang-format on

struct FixedTable {
    int machine;
    int version;
    std::span<const Band> bands;
};

constexpr FixedTable kFixedTables[] = {
    {2, 1, kTable2v1},   {2, 2, kTable2v2},   {2, 3, kTable2v3},   {3, 2, kTable3v2},
    {4, 2, kTable4v2},   {10, 1, kTable10v1}, {10, 2, kTable10v2}, {12, 1, kTable12v1},
    {13, 1, kTable13v1}, {13, 2, kTable13v2}, {13, 3, kTable13v3}, {15, 1, kTable15},
    {15, 2, kTable15},
};

// Every table covers 0..100 % in order, without gaps or overlaps.
constexpr bool coversWholeRange(std::span<const Band> bands) {
    int next = 0;
    for (const Band& b : bands) {
        if (b.from != next || b.to < b.from) return false;
        next = b.to + 1;
    }
    return next == 101;
}
constexpr bool allTablesCoverWholeRange() {
    for (const FixedTable& t : kFixedTables)
        if (!coversWholeRange(t.bands)) return false;
    return true;
}
static_assert(allTablesCoverWholeRange());

// Machines whose intervals come from the fixed tables; their versions without a
// table gain 1 km/h every step, except these versions, which ride a curve.
constexpr int kTableMachines[] = {2, 3, 4, 10, 12, 13, 15};
struct MachineVersion {
    int machine;
    int version;
};
constexpr MachineVersion kCurveVersionsOfTableMachines[] = {{3, 1}, {3, 3}, {3, 4}, {4, 1}, {4, 3}};

bool usesFixedTables(int machine, int version) {
    bool tableMachine = false;
    for (int m : kTableMachines)
        tableMachine = tableMachine || m == machine;
    if (!tableMachine) return false;
    for (const MachineVersion& mv : kCurveVersionsOfTableMachines)
        if (mv.machine == machine && mv.version == version) return false;
    return true;
}

// The random terms of one lookup.
struct Draws {
    int r = 0;
    int rp = 0;
    int R = 0;
};

// The draws a machine's tables make on every lookup, in this order, whatever the
// version and whatever band the speed falls in: machine 2 draws r then r',
// machine 10 draws R then r', machine 13 draws r; no other machine draws. So the
// generator moves on by the same amount on every step of such a rival.
Draws drawFor(int machine, Random& random) {
    auto oneOrTwo = [&random] { return static_cast<int>(random(2)) + 1; };
    Draws d;
    switch (machine) {
    case 2:
        d.r = oneOrTwo();
        d.rp = oneOrTwo();
        break;
    case 10:
        d.R = static_cast<int>(random(2)) + 3;
        d.rp = oneOrTwo();
        break;
    case 13:
        d.r = oneOrTwo();
        break;
    default:
        break;
    }
    return d;
}

int bandValue(const Band& b, const Draws& d, int water23) {
    int v = b.base;
    if (b.terms & r) v += d.r;
    if (b.terms & rp) v += d.rp;
    if (b.terms & R) v += d.R;
    if (b.terms & w23) v += water23;
    return v;
}

} // namespace

void TForm1::setEnemyData(int lane, int machine, int version) {
    const auto l = static_cast<std::size_t>(lane);

    // The lane-2 slot shows the bullet train in its own picture; the picture it
    // stops using leaves the screen.
    auto setLane2Picture = [this](Picture* p) {
        if (riders[2] != p && riders[2]) riders[2]->visible = false;
        riders[2] = p;
    };

    race.raceDistance = k400m;
    setLane2Picture(chara2);
    race.loseMeansGameOver = 1;

    if (const RivalRow* row = findRivalRow(machine, version)) {
        race.rivalMaxSpeed[l] = row->topSpeed;
        race.rivalPrize = row->prize;
        race.raceDistance = row->length;
        race.loseMeansGameOver = row->lossEndsGame ? 1 : 0;
        if (row->intervals.source == Source::Curve)
            createCrgList(row->intervals.L, row->intervals.N, race.raceWeather == 1);
    }

    // Rules for every version of a machine, listed or not.
    if (machine == 15) {
        if (version == 1 || version == 2) setLane2Picture(charaEx);
        race.raceDistance = k1000m;
    }
    if (machine == 17) race.raceDistance = k1000m;
    if (machine >= 18 && machine <= 20) race.loseMeansGameOver = 0; // street riders

    loadEnemyImg(lane, machine);
}

void TForm1::loadEnemyImg(int lane, int machine) {
    // Only machines have pictures: a number outside the table loads nothing.
    const Machine* m = findMachine(machine);
    if (!m) return;
    auto& frames = riderFrames[static_cast<std::size_t>(lane)];
    const std::string base = "img\\" + std::string(m->pictureId);
    if (isEnnoEX(machine, race.watchNo2)) {
        // The bullet train is one picture: it does not animate.
        const ImagePtr one = LoadBmp(base + ".bmp");
        for (int n = 1; n <= 3; ++n)
            frames[static_cast<std::size_t>(n)] = one;
        return;
    }
    for (int n = 1; n <= 3; ++n) {
        frames[static_cast<std::size_t>(n)] = LoadBmp(base + std::to_string(n) + ".bmp");
        if (fatalErrorShown()) return;
    }
}

bool TForm1::isEnnoEX(int machine, int lane2Machine) {
    return machine == 15 || (machine == kWatchedRace && lane2Machine == 15);
}

void TForm1::createHandicap(int lane, int machine) {
    // The bullet train and the truck are already rolling when the count ends.
    if (machine == 15) race.riderSpeed[static_cast<std::size_t>(lane)] = 120;
    if (machine == 17) race.riderSpeed[static_cast<std::size_t>(lane)] = 150;
}

void TForm1::createCrgList(int L, int N, bool rainFlag) {
    auto& c = race.rivalCurve;
    for (std::size_t i = 0; i < 50; ++i)
        c[i] = 1;
    // N extra steps: the top L entries get one each, the rest land at random.
    const int fixedSteps = std::min(L, 50);
    for (int i = 1; i <= N; ++i) {
        const std::size_t at = i <= fixedSteps ? static_cast<std::size_t>(50 - i) : random(50);
        c[at] = static_cast<std::uint8_t>(c[at] + 1);
    }
    // The last fifth of the speed range is slow: one or two more steps each.
    for (std::size_t i = 40; i < 50; ++i)
        c[i] = static_cast<std::uint8_t>(c[i] + random(2) + 1);
    if (rainFlag) {
        // Rain: slow to get going, and a slip every twelve percent.
        for (std::size_t i = 0; i <= 6; ++i)
            c[i] = static_cast<std::uint8_t>(c[i] + 1);
        for (std::size_t i = 12; i <= 48; i += 6)
            c[i] = static_cast<std::uint8_t>(c[i] + 1);
    }
}

int TForm1::rivalCrgTable(int machine, int version, int pct) {
    if (!usesFixedTables(machine, version)) {
        // Entries 50..99 of the curve are never filled, so above 100 % the rival
        // gets interval 0.
        if (pct < 0 || pct / 2 >= static_cast<int>(race.rivalCurve.size())) return 0;
        return race.rivalCurve[static_cast<std::size_t>(pct / 2)];
    }
    const Draws d = drawFor(machine, random);
    for (const FixedTable& t : kFixedTables) {
        if (t.machine != machine || t.version != version) continue;
        for (const Band& b : t.bands)
            if (b.from <= pct && pct <= b.to) return bandValue(b, d, race.tuning.water(23));
        return 0; // above 100 %
    }
    return 0; // a version without a table: 1 km/h every step
}

int TForm1::getMcrg2(int lane, int machine) {
    const auto l = static_cast<std::size_t>(lane);
    const int maxSpeed = race.rivalMaxSpeed[l];
    const int pct = maxSpeed > 0 ? static_cast<int>(race.riderSpeed[l] * 100 / maxSpeed) : 0;
    const int version = lane == 2 ? race.enemyVer : race.watchVer1;
    return rivalCrgTable(machine, version, pct);
}

void TForm1::rivalStep(int lane, int machine) {
    const auto l = static_cast<std::size_t>(lane);
    auto& speed = race.riderSpeed[l];
    if (!race.riderFinished[l] && speed < race.rivalMaxSpeed[l]) {
        race.accelTick[l] = static_cast<std::int16_t>(race.accelTick[l] + 1);
        if (getMcrg2(lane, machine) <= race.accelTick[l]) {
            speed += 1;
            race.accelTick[l] = 0;
        }
    } else if (race.riderFinished[l]) {
        // Past the goal the rider lets it roll: 1 km/h every 22 steps.
        if (speed > 0 && race.coastTick[l] > 20) {
            speed -= 1;
            race.coastTick[l] = 0;
        } else {
            race.coastTick[l] = static_cast<std::int16_t>(race.coastTick[l] + 1);
        }
    }
    // At top speed the rider holds it: no gearbox, no limiter, no over-speed loss.
}

} // namespace zb
