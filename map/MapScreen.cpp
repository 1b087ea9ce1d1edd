// The map screen: the player holds the left button to scroll the map towards the
// pointer and lets go to put the eye on a spot; an open place under the eye fills
// the information panel. Every control of the screen reports the pointer where the
// last message had it, in map-panel coordinates, so they all agree.

#include "app/UnitMain.h"
#include "data/UnitConst.h"
#include "ui/Renderer.h"

#include <algorithm>
#include <cmath>

namespace zb {

namespace {

// A band of scroll directions (degrees, both ends included) and the step one
// frame moves the map picture along one axis: its sign is the direction of the
// move (positive = Left or Top grows), its size the step with the pointer inside
// the panel. With the pointer outside the panel every step grows by 2.
struct ScrollBand {
    int from, to;
    int step;
};

// Horizontal: a negative step moves the picture left, which shows more of its
// right side, so the view travels towards a pointer on the right.
// clang-format off
constexpr ScrollBand kScrollX[] = {
    {  0,  70, -4}, {291, 359, -4},
    { 71,  79, -2}, {281, 290, -2},
    { 80, 100,  0}, {260, 280,  0},
    {101, 110,  2}, {251, 259,  2},
    {111, 250,  4},
};

// Vertical: a positive step moves the picture down, showing more of its top.
constexpr ScrollBand kScrollY[] = {
    {  0,   9,  0}, {170, 190,  0}, {350, 359,  0},
    { 10,  19,  2}, {161, 169,  2},
    { 20, 160,  4},
    {191, 200, -2}, {341, 349, -2},
    {201, 340, -4},
};
// clang-format on

// Every direction 0..359 lies in exactly one band of a table.
template <std::size_t N> constexpr bool coversEveryDegreeOnce(const ScrollBand (&table)[N]) {
    for (int a = 0; a < 360; ++a) {
        int hits = 0;
        for (const ScrollBand& b : table)
            if (a >= b.from && a <= b.to) ++hits;
        if (hits != 1) return false;
    }
    return true;
}
static_assert(coversEveryDegreeOnce(kScrollX));
static_assert(coversEveryDegreeOnce(kScrollY));

template <std::size_t N> int bandStep(const ScrollBand (&table)[N], int angle) {
    for (const ScrollBand& b : table)
        if (angle >= b.from && angle <= b.to) return b.step;
    return 0;
}

// Moves one axis of the map picture. The limit is tested before the move, so a
// step may pass it by up to its own size; the next step that way is refused.
void scrollAxis(int& pos, int step, int extra, int lowest) {
    if (step < 0 && pos > lowest) {
        pos -= -step + extra;
    } else if (step > 0 && pos < 0) {
        pos += step + extra;
    }
}

// Arrows show the ways the map can still scroll.
void showArrows(TForm1& f, bool show) {
    const Picture& m = *f.map;
    f.map_arrow_right->visible = show && m.left > kMapPanelWidth - m.width;
    f.map_arrow_left->visible = show && m.left < 0;
    f.map_arrow_down->visible = show && m.top > kMapPanelHeight - m.height;
    f.map_arrow_up->visible = show && m.top < 0;
}

// The eye is 26 x 24 and stays inside the panel's 6-pixel frame.
constexpr int kEyeMinLeft = 6;
constexpr int kEyeMaxLeft = 428;
constexpr int kEyeMinTop = 6;
constexpr int kEyeMaxTop = 200;

// Half the side of the square around a place's point that the eye can hit.
constexpr int kPlaceReach = 25;

} // namespace

int wholeDegree(double degrees) {
    // nearbyint in the default rounding mode: halves go to the even neighbour.
    const int d = static_cast<int>(std::nearbyint(degrees));
    return d < 0 ? d + 360 : d;
}

// Direction from the panel's centre to (x, y); screen y grows downwards, so 90 is up.
int TForm1::getDegree(int x, int y) {
    constexpr double kDegreesPerRadian = 57.295779513082320877;
    return wholeDegree(
        std::atan2(static_cast<double>(kMapCentreY - y), static_cast<double>(x - kMapCentreX)) *
        kDegreesPerRadian);
}

// True outside the centre square: only there does holding the button scroll.
bool TForm1::isAreaCenter(int x, int y) {
    return !(x >= 207 && x <= 253 && y >= 92 && y <= 138);
}

bool TForm1::isAreaOut(int x, int y) {
    return x < 0 || y < 0 || x > kMapPanelWidth || y > kMapPanelHeight;
}

void TForm1::AppMap() {
    drawStars();
    if (currentPlace == 0) {
        clearLine();
        makeNoise();
    }
    int px = 0;
    int py = 0;
    setPosPanel(px, py);
    if (!race.clutchHeld) return;

    const bool out = isAreaOut(px, py);
    const int extra = out ? 2 : 0;
    if (isAreaCenter(px, py)) {
        const int angle = mapState.scrollAngle;
        scrollAxis(map->left, bandStep(kScrollX, angle), extra, kMapPanelWidth - map->width);
        scrollAxis(map->top, bandStep(kScrollY, angle), extra, kMapPanelHeight - map->height);
    }
    if (out) {
        currentPlace = 0; // the panel keeps its contents; the noise starts next step
    } else {
        checkPlace(px, py); // the information follows the pointer while held
    }
    showArrows(*this, true);
}

void TForm1::loadMap() {
    const char* file = "img\\map1.bmp";
    if (flag(doneLast3) == 1) {
        file = "img\\map3.bmp";
    } else if (flag(doneIsland1) == 1 && flag(doneRenraku) == 0) {
        file = "img\\map2.bmp"; // the island
    }
    ImagePtr loaded = LoadBmp(file);
    if (!loaded) return; // the game is ending
    mapState.canvas = std::make_shared<Image>(*loaded);
    map->setPicture(mapState.canvas);
    // Crossing to a smaller map (the island) must not leave the view past its
    // edge, showing nothing; a position inside the new map stays as it is.
    map->left = std::clamp(map->left, std::min(0, mapPanel->width - map->width), 0);
    map->top = std::clamp(map->top, std::min(0, mapPanel->height - map->height), 0);
}

// The map scrolled so that the place is in view, as near the panel's centre as
// the map's edges allow, and the eye resting on it with the place selected.
void TForm1::putMarkerOn(int place) {
    const Place* p = findPlace(place);
    if (p == nullptr) return;
    Picture& m = *map;
    m.left = std::clamp(mapPanel->width / 2 - p->x, std::min(0, mapPanel->width - m.width), 0);
    m.top = std::clamp(mapPanel->height / 2 - p->y, std::min(0, mapPanel->height - m.height), 0);
    eye->left = std::clamp(m.left + p->x - eye->width / 2, kEyeMinLeft, kEyeMaxLeft);
    eye->top = std::clamp(m.top + p->y - eye->height / 2, kEyeMinTop, kEyeMaxTop);
    currentPlace = static_cast<std::uint8_t>(place);
}

void TForm1::drawStars() {
    const ImagePtr& shown = map->picture();
    if (!shown) return;
    // A map picture put there by someone else is taken over once; from then on
    // the icons go into the game's own copy.
    if (shown.get() != mapState.canvas.get()) {
        mapState.canvas = std::make_shared<Image>(*shown);
        map->setPicture(mapState.canvas);
    }
    Image& target = *mapState.canvas;
    Canvas canvas{target, ClipRect{0, 0, target.width, target.height}};
    for (const Place& p : kPlaces) {
        if (!isShowStar(p.no) && !isShowStar2(p.no)) continue;
        const ImagePtr& icon = placeIcons[static_cast<std::size_t>(p.no)];
        if (!icon) continue;
        canvas.blit(*icon, p.x - star->width / 2, p.y - star->height / 2, true,
                    icon->transparentColour());
    }
}

void TForm1::makeNoise() {
    ++mapState.noisePhase;
    switch (mapState.noisePhase) {
    case 2:
        iconMap->setPicture(stock.get("icNoise1"));
        break;
    case 5:
        iconMap->setPicture(stock.get("icNoise2"));
        break;
    case 8:
        iconMap->setPicture(stock.get("icNoise3"));
        break;
    case 11:
        iconMap->setPicture(stock.get("icNoise4"));
        mapState.noisePhase = 0;
        break;
    default:
        break;
    }
}

void TForm1::checkPlace(int x, int y) {
    const int mx = x - map->left;
    const int my = y - map->top;
    currentPlace = 0;
    for (const Place& p : kPlaces) {
        if (!isShowStar(p.no) && !isShowStar2(p.no)) continue; // a closed place cannot be hit
        if (std::abs(mx - p.x) <= kPlaceReach && std::abs(my - p.y) <= kPlaceReach) {
            currentPlace = static_cast<std::uint8_t>(p.no); // the lowest number wins
            break;
        }
    }
    showPlaceInfo();
}

void TForm1::showPlaceInfo() {
    const Place* p = findPlace(currentPlace);
    if (!p) {
        // The lines are cleared and the noise starts on the next frame step.
        weatherIcon->setPicture(nullptr);
        goButton->visible = false;
        return;
    }
    LoadImg(*iconMap, "img\\icp" + getTwoDigitString(p->no) + ".bmp");
    line1->setCaption(std::string(p->title));
    line2->setCaption(std::string(p->line1));
    line3->setCaption(std::string(p->line2));
    changeWeatherIcon();
    goButton->visible = true;
}

void TForm1::showMapComponents(bool show) {
    for (Control* c : std::initializer_list<Control*>{mapPanel, ptsPanel, backImg, iconMap, eye,
                                                      settingButton, saveButton})
        c->visible = show;
    weatherPanel->visible = show && TFweather();
    showArrows(*this, show);
    // The hint at the save button goes for good once the opening is over.
    if (flag(doneOpening2) == 0) saveinfo->visible = show;
    if (show) {
        for (Label* l : {line1, line2, line3})
            l->left = 112;
        line1->top = 288;
        line2->top = 315;
        line3->top = 338;
    }
}

void TForm1::mapMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    switch (screenMode) {
    case 2: {
        int px = 0;
        int py = 0;
        setPosPanel(px, py);
        eye->visible = false;
        race.clutchHeld = 1;
        mapState.sceneClickHeld = false;
        mapState.scrollAngle = static_cast<std::int16_t>(getDegree(px, py));
        break;
    }
    case 4: // a scene on the race screen
        mapState.sceneClickHeld = true;
        if (isEventMoveDone() && !scene.mesShaking) battleEvent();
        break;
    case 13: // a scene over the map
        mapState.sceneClickHeld = true;
        if (!scene.mesShaking) event();
        break;
    default:
        break;
    }
}

void TForm1::mapMouseMove(Control&, ShiftState, int, int) {
    if (race.clutchHeld) {
        int px = 0;
        int py = 0;
        setPosPanel(px, py);
        mapState.scrollAngle = static_cast<std::int16_t>(getDegree(px, py));
    }
    // A pointer moving off a menu takes the menu's cursor away.
    switch (screenMode) {
    case 1:
    case 14:
    case 18:
    case 19:
    case 20:
        selectCursor->visible = false;
        break;
    case 11:
        dataCursor->visible = false;
        break;
    default:
        break;
    }
}

void TForm1::mapMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    // The release of a click that advanced a scene puts no eye: when that click
    // ended the scene, it would take the eye off the place the scene chose.
    const bool sceneClick = mapState.sceneClickHeld;
    mapState.sceneClickHeld = false;
    if (screenMode != 2 || sceneClick) return;
    int px = 0;
    int py = 0;
    setPosPanel(px, py);
    race.clutchHeld = 0;
    // Released outside the panel, the point is tested against the hidden map.
    checkPlace(px, py);
    eye->left = std::clamp(px - eye->width / 2, kEyeMinLeft, kEyeMaxLeft);
    eye->top = std::clamp(py - eye->height / 2, kEyeMinTop, kEyeMaxTop);
    eye->visible = true;
}

} // namespace zb
