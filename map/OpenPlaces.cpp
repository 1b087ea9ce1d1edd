// Which places of the map are open at the current point of the story: an open
// place has its icon on the map and can be hit by the eye. Only the story flags
// decide; "is 1" means exactly 1, "set" means non-zero.

#include "app/UnitMain.h"

namespace zb {

// Places 1..16.
bool TForm1::isShowStar(int place) const {
    auto is1 = [this](StoryFlag f) { return flag(f) == 1; };
    auto is0 = [this](StoryFlag f) { return flag(f) == 0; };
    auto set = [this](StoryFlag f) { return flag(f) != 0; };
    // The city's everyday places close while the hero is away on the island.
    const bool inCity = is0(doneIsland1) || is1(doneRenraku);

    switch (place) {
    case 1:
    case 2:
        return is0(doneIsland1) || is1(donePort4);
    case 3:
        return (is1(doneTV1) && is0(doneDemoEx2)) || (is1(doneHome1) && is0(doneStation1));
    case 4:
        return set(doneOpening2) && is0(doneStreet2);
    case 5:
        return set(doneOpening2) && inCity;
    case 6:
        return (is1(doneLastNight1) && is0(doneChallenge6)) ||
               (is1(doneChallenge6) && is0(doneChallenge9)) ||
               (is1(doneStation1) && is1(doneSachi3) && is0(doneChallenge19));
    case 7:
        return set(doneOpening2) &&
               ((is1(doneRHouse4) && is0(doneSachi1)) ||
                (is1(doneNoCustomers) && is0(doneSachi2)) ||
                (is1(doneChallenge6) && is0(donePort1)) || (is1(doneHome1) && is0(doneSachi3)));
    case 8:
        return (is1(doneStreet2) && is0(doneRHouse2)) || (is1(doneRHouse2) && is0(doneRHouse4)) ||
               (is1(doneSachi2) && is0(doneRHouse5)) || (is1(doneRHouse5) && is0(doneRHouse6));
    case 9:
        return (is1(doneSachi1) && is0(doneBayStreet2)) ||
               (is1(doneNoCustomers) && is0(doneBayStreet4));
    case 10:
        return is1(doneRHouse6) && is1(doneBayStreet4) && is0(doneStreet4);
    case 11:
        return (is1(doneChallenge9) && is0(donePort1)) || (is1(doneRenraku) && is0(donePort4));
    case 12:
        return (is1(doneIsland1) && is0(doneIsland3)) || (is1(doneKusaRace2) && is0(doneIsland5));
    case 13:
        return (is1(doneIsland3) && is0(doneKusaRace2)) || (is1(doneIsland5) && is0(doneKusaRace3));
    case 14:
        return is1(doneIsland3) && is0(doneRenraku);
    case 15:
        return is1(doneKusaRace4) && is0(doneRenraku);
    case 16:
        return is1(doneChallenge21);
    default:
        return false;
    }
}

// Places 17..20: the street races.
bool TForm1::isShowStar2(int place) const {
    auto is1 = [this](StoryFlag f) { return flag(f) == 1; };
    auto is0 = [this](StoryFlag f) { return flag(f) == 0; };
    const bool opened = flag(doneOpening2) != 0;

    switch (place) {
    case 17:
        return opened && is1(donePort4);
    case 18:
    case 19:
        return opened && (is0(doneIsland1) || is1(doneRenraku));
    case 20:
        return is1(doneIsland3) && is0(doneRenraku);
    default:
        return false;
    }
}

} // namespace zb
