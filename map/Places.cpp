// Who races where, and in what weather: the rival of each racing place at each
// point of the story, the street riders' draws, the forecast and the race
// backgrounds.

#include "app/UnitMain.h"

namespace zb {

namespace {

using Cond = bool (*)(const TForm1&);

// One row of the rival table: at a place, while the condition holds, the rival
// (and, for a race the player only watches, the rider of lane 1).
struct RivalRow {
    int place;
    Cond when;
    int machine, version;
    int lane1Machine = 0, lane1Version = 0;
};

bool always(const TForm1&) {
    return true;
}

// clang-format off
const RivalRow kRivals[] = {
    {2,  always, 6, 1},
    {3,  [](const TForm1& f) { return f.flag(doneTV1) == 1 && f.flag(doneDemoEx2) == 0; }, 15, 1, 13, 1},
    {3,  [](const TForm1& f) { return f.flag(doneHome1) == 1 && f.flag(doneStation1) == 0; }, 15, 2},
    {4,  [](const TForm1& f) { return f.flag(doneStreet2) == 0; }, 3, 1},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge3) == 0; }, 5, 1},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge3) == 1 && f.flag(halfChallenge5) == 0; }, 3, 2, 4, 2},
    {6,  [](const TForm1& f) { return f.flag(halfChallenge5) == 1 && f.flag(doneChallenge6) == 0; }, 2, 1},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge7) == 1 && f.flag(doneChallenge8) == 0; }, 13, 2, 2, 2},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge10) == 1 && f.flag(doneChallenge11) == 0; }, 20, 1, 2, 1},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge12) == 1 && f.flag(doneChallenge14) == 0; }, 3, 4},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge15) == 1 && f.flag(doneChallenge17) == 0; }, 2, 3},
    {6,  [](const TForm1& f) { return f.flag(doneChallenge18) == 1 && f.flag(doneChallenge20) == 0; }, 13, 3},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse4) == 0; }, 4, 1},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse6) == 0; }, 4, 2, 2, 1},
    {9,  [](const TForm1& f) { return f.flag(doneBayStreet2) == 0; }, 7, 1},
    {9,  [](const TForm1& f) { return f.flag(doneBayStreet4) == 0; }, 7, 2},
    {10, [](const TForm1& f) { return f.flag(doneStreet4) == 0; }, 10, 1},
    {11, always, 7, 3},
    {13, [](const TForm1& f) { return f.flag(doneKusaRace2) == 0; }, 16, 1},
    {13, [](const TForm1& f) { return f.flag(doneKusaRace4) == 0; }, 16, 2},
    {16, [](const TForm1& f) { return f.flag(doneLast6) == 0; }, 17, 1},
    {16, always, 12, 1},
};
// clang-format on

// Race backgrounds by place: the main layer's number and whether the second
// layer scrolls in front of it.
struct Background {
    int place;
    const char* main;
    bool sub;
};

const Background kBackgrounds[] = {
    {2, "09", true},   {3, "04", true},   {18, "04", true}, {4, "01", true},   {8, "01", true},
    {10, "01", true},  {6, "05", false},  {9, "03", true},  {11, "03", true},  {19, "03", true},
    {13, "02", false}, {20, "02", false}, {16, "04", true}, {17, "08", false},
};

} // namespace

void TForm1::setEnnoFromPlace() {
    if (currentPlace >= 17 && currentPlace <= 20) {
        setZakoEnno();
        return;
    }
    for (const RivalRow& row : kRivals) {
        if (row.place != currentPlace || !row.when(*this)) continue;
        if (row.lane1Machine) {
            race.enemyNo = 21;
            race.watchNo1 = static_cast<std::uint8_t>(row.lane1Machine);
            race.watchVer1 = static_cast<std::uint8_t>(row.lane1Version);
            race.watchNo2 = static_cast<std::uint8_t>(row.machine);
        } else {
            race.enemyNo = static_cast<std::uint8_t>(row.machine);
        }
        race.enemyVer = static_cast<std::uint8_t>(row.version);
        return;
    }
}

void TForm1::setZakoEnno() {
    const bool beginner = rec.equippedItems[24] == 1;
    const bool expert = rec.equippedItems[25] == 1;
    int machine = 19; // yellow: the middle one
    if (beginner) {
        const auto r = random(10) + 1;
        machine = r <= 5 ? 18 : r == 10 ? 20 : 19;
    } else if (expert) {
        const auto r = random(3) + 1;
        machine = r <= 2 ? 20 : 19;
    } else {
        const auto r = random(5) + 1;
        machine = r == 1 ? 18 : r == 5 ? 20 : 19;
    }
    race.enemyNo = static_cast<std::uint8_t>(machine);
    race.enemyVer = static_cast<std::uint8_t>(getZakoEnVerNo());

    // Late in the story a rival of the story may wait in the street instead.
    if (currentPlace >= 17 && currentPlace <= 19 && flag(donePort4) && !beginner) {
        const auto r = expert ? random(38) + 1 : random(23) + 1;
        if (r == 21 || r == 36) {
            race.enemyNo = 3;
            race.enemyVer = 3;
        } else if (r == 22 || r == 37) {
            race.enemyNo = 4;
            race.enemyVer = 3;
        } else if (r == 23 || r == 38) {
            race.enemyNo = 10;
            race.enemyVer = 2;
        }
    }
}

int TForm1::getZakoEnVerNo() const {
    if (flag(doneRHouse4) == 0) return 1;
    if (flag(doneBayStreet2) == 0) return 2;
    if (flag(doneBayStreet4) == 0) return 3;
    if (flag(doneStreet4) == 0) return 4;
    if (flag(doneIsland1) == 0) return 5;
    if (flag(donePort4) == 0) return 6;
    return 7;
}

int TForm1::getWeatherNo() const {
    switch (currentPlace) {
    case 1:
    case 5:
    case 7:
    case 14:
    case 15:
        return 3;
    case 9:
        return flag(doneNoCustomers) == 1 && flag(doneBayStreet4) == 0 ? 1 : 0;
    case 11:
        return flag(doneRenraku) == 1 && flag(donePort4) == 0 ? 1 : 0;
    case 13:
    case 17:
        return 2;
    case 16:
        return flag(doneLast4) ? 0 : 2;
    case 18:
    case 19:
    case 20:
        return mapState.streetWeather[static_cast<std::size_t>(currentPlace - 18)];
    default:
        return 0;
    }
}

void TForm1::setEnWeatherNo() {
    const auto a = random(4);
    mapState.streetWeather[0] = static_cast<std::uint8_t>(a < 2 ? a : 0);
    mapState.streetWeather[1] = static_cast<std::uint8_t>(random(2));
    mapState.streetWeather[2] = static_cast<std::uint8_t>(random(3));
}

void TForm1::changeWeatherIcon() {
    const char* icon = "wIconSunny";
    switch (getWeatherNo()) {
    case 1:
        icon = "wIconRainy";
        break;
    case 2:
        icon = "wIconWindy";
        break;
    case 3:
        icon = "wIconNo";
        break;
    default:
        break;
    }
    weatherIcon->setPicture(stock.get(icon));
}

std::string TForm1::getSubImgNo() const {
    return rec.subImageAlt ? "02" : "01";
}

void TForm1::changeBgImg() {
    race.subBgUsed = 1;
    const char* main = nullptr;
    for (const Background& b : kBackgrounds) {
        if (b.place != currentPlace) continue;
        main = b.main;
        race.subBgUsed = b.sub ? 1 : 0;
        break;
    }
    if (currentPlace == 16 && flag(doneLast5)) main = "07";
    if (main) {
        for (Picture* p : {bgImgMain, bgImgMain2})
            LoadImg(*p, std::string("img\\bg") + main + ".bmp");
    }
    for (Picture* p : {bgImgSub, bgImgSub2})
        LoadImg(*p, "img\\sub" + getSubImgNo() + ".bmp");
}

} // namespace zb
