#pragma once
// Shared painting of the picture generator: a scaled pen, night skies, city
// silhouettes, roads and lights, and the riders on their machines.

#include "ui/Draw.h"
#include "ui/Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zb::art {

// Transparent pictures are keyed by magenta in their bottom-left pixel.
constexpr std::uint32_t kKey = rgb(255, 0, 255);
// Dark edge around keyed pictures (anti-aliasing runs against it, not the key).
constexpr std::uint32_t kEdge = rgb(22, 16, 30);

// Draws in design units: (x, y) lands on (ox + s * x, oy + s * y).
struct Pen {
    draw::Target t;
    double ox = 0;
    double oy = 0;
    double s = 1;

    double X(double x) const { return ox + s * x; }
    double Y(double y) const { return oy + s * y; }
    void circle(double x, double y, double r, const draw::Paint& p) const;
    void ellipse(double x, double y, double rx, double ry, const draw::Paint& p) const;
    void ring(double x, double y, double inner, double outer, const draw::Paint& p) const;
    void line(double x0, double y0, double x1, double y1, double w, const draw::Paint& p) const;
    void poly(std::vector<draw::Point> pts, const draw::Paint& p) const;
    void roundRect(double x, double y, double w, double h, double r, const draw::Paint& p) const;
    // A vertical gradient between two design heights.
    draw::Shader vgrad(double y0, std::uint32_t top, double y1, std::uint32_t bottom) const;
    Pen faded(double o) const {
        Pen p = *this;
        p.t = t.faded(o);
        return p;
    }
};

// ---- scenery (Scenery.cpp) ----
// Sky gradient through the given stops (evenly spaced from y0 to y1).
void sky(Image& img, int y0, int y1, const std::vector<std::uint32_t>& stops);
void stars(Image& img, draw::Rng& rng, int count, int yMax, double brightness = 1.0);
void moon(Image& img, double cx, double cy, double r, std::uint32_t colour);

struct SkylineStyle {
    int baseY = 300;
    int minH = 40, maxH = 140;
    int minW = 18, maxW = 50;
    std::uint32_t top = rgb(30, 24, 50); // building colour at its roof
    std::uint32_t bottom = rgb(14, 10, 26);
    double windows = 0.35;   // share of lit windows
    double windowGlow = 1.0; // brightness of the windows
    double neon = 0.0;       // chance of a neon sign per building
    int windowW = 2, windowH = 3;
};
// A row of buildings from x0 to x1 standing on baseY.
void skyline(Image& img, draw::Rng& rng, const SkylineStyle& style, int x0, int x1);
// A bright sign with a halo, centred on (cx, cy).
void neonSign(Image& img, int cx, int cy, const std::string& utf8, int size, std::uint32_t colour);
// A street lamp standing on (x, groundY), height h, arm to the right (or left).
void streetLamp(Image& img, double x, double groundY, double h, std::uint32_t light,
                bool armRight = true);
// Asphalt from y0 to y1 with grain; lane marks at the given heights.
void road(Image& img, int y0, int y1, std::uint32_t top, std::uint32_t bottom, std::uint32_t seed);
void dashedLine(Image& img, int y, int thickness, int dash, int gap, int offset,
                std::uint32_t colour);
// Slanted rain streaks over the whole picture.
void rain(Image& img, draw::Rng& rng, int count, double opacity);
// Mirrors the picture above waterY into the rows below it (water, wet asphalt).
void mirrorBelow(Image& img, int waterY, std::uint32_t deep, double strength, double ripple);
// Darkens the corners.
void vignette(Image& img, double strength);

// ---- one-point perspective (Backgrounds.cpp, StoryPlaces.cpp) ----
// A world point (x across, y up, z ahead) lands at (vx + f x / z, hy + f (eye - y) / z).
struct Camera {
    double vx = 257;
    double hy = 150;
    double f = 300;
    double eye = 1.5;
    draw::Point at(double x, double y, double z) const {
        return {vx + f * x / z, hy + f * (eye - y) / z};
    }
};
// A flat rectangle: on the ground when y0 == y1, upright along z otherwise.
inline std::vector<draw::Point> quad(const Camera& c, double x0, double x1, double y0, double y1,
                                     double z0, double z1) {
    if (y0 == y1) return {c.at(x0, y0, z0), c.at(x1, y0, z0), c.at(x1, y0, z1), c.at(x0, y0, z1)};
    return {c.at(x0, y0, z0), c.at(x1, y0, z1), c.at(x1, y1, z1), c.at(x0, y1, z0)};
}

// ---- machines and riders (Machines.cpp) ----
struct RiderLook {
    std::uint32_t helmet = rgb(240, 240, 236);
    std::uint32_t helmetStripe = rgb(40, 170, 80);
    std::uint32_t visor = rgb(30, 50, 90);
    std::uint32_t jacket = rgb(40, 150, 70);
    std::uint32_t jacketStripe = rgb(240, 240, 230);
    std::uint32_t trousers = rgb(40, 56, 110);
    std::uint32_t gloves = rgb(30, 28, 32);
    std::uint32_t boots = rgb(70, 44, 30);
};

struct ScooterLook {
    std::uint32_t body = rgb(214, 38, 36);
    std::uint32_t lower = rgb(245, 236, 214);
    std::uint32_t stripe = rgb(250, 200, 40);
    std::uint32_t seat = rgb(36, 30, 34);
    bool pizzaBox = true;
    std::string boxLabel = "乙木PIZZA"; // written on the box when drawn large enough
};

// A wheel: tyre, rim and five spokes turned by angle (radians).
void wheel(const Pen& pen, double cx, double cy, double r, double angle, std::uint32_t rim);
// A band along a circle between radii r0 and r1 from angle a0 to a1 (radians,
// clockwise on screen from the right).
void arcBand(const Pen& pen, double cx, double cy, double r0, double r1, double a0, double a1,
             const draw::Paint& p);
// A seated rider facing right; the joints are in design units.
struct RiderPose {
    draw::Point hip, knee, foot, shoulder, elbow, hand;
};
void seatedRider(const Pen& pen, const RiderLook& look, const RiderPose& pose);
// The delivery scooter with its rider, facing right, in a 112 x 76 design box
// (the helmet may reach a little above it), wheels on y = 75. frame 0..2 turns
// the wheels and bobs the body.
// rider may be null for a parked bike.
void scooterWithRider(const Pen& pen, const ScooterLook& bike, const RiderLook* rider, int frame);
constexpr int kScooterW = 112;
constexpr int kScooterH = 82;
// One race-screen frame of the hero's bike, keyed.
Image heroFrame(int frame);

// ---- rivals (Rivals.cpp, Vehicles.cpp) ----
// The picture ids of the rival machines drawn here, in the machine table's order.
const std::vector<std::string>& rivalIds();
// One race-screen frame (0..2) of a rival with its rider, keyed; the wheels touch
// the bottom row. Empty for an id that is not a rival.
Image rivalFrame(const std::string& id, int frame);
Image truckFrame(int frame);
// The bullet train かなた: one long picture, nose to the right.
Image bulletTrain();

// ---- race screen layers (RaceScenery.cpp, RaceBackgrounds.cpp) ----
// Width of the scrolling layers: two copies scroll side by side, so whatever is
// drawn on them must wrap around this width.
constexpr int kLayerW = 514;
// A well-mixed hash of a grid cell, for textures made of random cells.
std::uint32_t hashCell(int x, int y, std::uint32_t seed);
// Value noise that repeats every `period` units along x.
double tileNoise(double x, double y, int period, std::uint32_t seed, int octaves);
// The same in pixels: `cells` features across the layer's width, repeating with it.
double tileNoiseAt(double px, double py, int cells, std::uint32_t seed, int octaves);
// Calls f(dx) for dx = -kLayerW, 0, kLayerW: draw a thing at x + dx and it wraps.
template <class F> void around(F&& f) {
    for (double dx : {-static_cast<double>(kLayerW), 0.0, static_cast<double>(kLayerW)})
        f(dx);
}
// Blocks with random widths that cover one layer width exactly (drawn with around).
struct Block {
    double x = 0;
    int w = 0;
    std::uint32_t seed = 0;
};
std::vector<Block> blockRow(draw::Rng& rng, int minW, int maxW);
// A row of city buildings standing on baseY.
struct Tower {
    int baseY = 170;
    int minH = 40, maxH = 120;
    int minW = 20, maxW = 50;
    int gap = 0; // space left free on both sides of a building
    std::uint32_t top = rgb(30, 24, 50);
    std::uint32_t bottom = rgb(14, 10, 26);
    double windows = 0.35;
    double windowGlow = 1.0;
    double neon = 0.0;
    bool antennas = true;
    int windowW = 2, windowH = 3;
};
void building(Image& img, const Block& b, double dx, const Tower& t);
void towerRow(Image& img, std::uint32_t seed, const Tower& t);
// The road under both lanes (514 x 189, shown at y = 179; it does not scroll).
Image raceRoad();
// The second scrolling layer (514 x 182, keyed): drifting clouds. 1 or 2.
Image raceSky(int number);
// The main scrolling layer of a race place (514 x 181). 1..9.
Image raceBackground(int number);

// ---- race effects (Effects.cpp) ----
Image windFrame(int frame);   // 0..2, keyed gust streaks
Image philipFrame(int frame); // 1..6, keyed
Image effectBurst();          // keyed, shown stretched
Image gameOverPicture();      // 514 x 385

// ---- props of the story scenes (Props.cpp) ----
Image tvPicture(int number); // 1 a pizza commercial, 2 the news; 140 x 110, keyed
Image shopWall();            // inside the pizza shop, 514 x 315
Image ssTrophy();            // the winged SS trophy, 200 x 150, keyed
Image tournamentBoard();     // the stadium's bracket, 300 x 200
Image jacketPicture();       // the hero and the title for the final screen, 250 x 200

// ---- pictures (one function per file subject) ----
Image titlePicture();
Image backPicture(int number); // 1..16
// Frame backgrounds painted with their own light (StoryPlaces.cpp).
Image factoryAtNight();    // 08: the small factory at two in the morning
Image ridersHouseAtDusk(); // 09: the riders' house on the coast road at dusk
Image harbourInTheRain();  // 10: the harbour's warehouses on a rainy night
// The coast road at sunset (514 x 385), seen in the photo of 湾岸ストリート.
Image coastRoad();
Image cityMap();
Image cityMapLater();       // the same city at night, for the last act (920 x 680)
Image islandMap();          // ゴミの山アイランド and the sea to the mainland (640 x 420)
Image placeIcon(int place); // 1..20
Image placePicture(int place); // 1..20: the photo of the place beside the map (90 x 74)

// The game's icon for the desktop (GameIcon.cpp): PNG files with see-through
// corners at 32, 64, 128 and 256 pixels, as themeDir/NxN/apps/name.png.
// Returns how many were written, or -1.
int writeGameIcons(const std::string& themeDir, const std::string& name);

} // namespace zb::art
