#pragma once
// What the map screen keeps between visits: the scroll direction, the noise of
// the place picture, the street-race weathers drawn for the forecast, and the map
// picture the place icons are painted into.

#include "ui/Image.h"

#include <array>
#include <cstdint>
#include <memory>

namespace zb {

struct MapState {
    std::int16_t scrollAngle =
        0; // degrees from the panel's centre to the pointer, 0 = right, 90 = up
    std::uint8_t noisePhase = 0;                 // 0..10
    std::array<std::uint8_t, 3> streetWeather{}; // places 18, 19, 20
    // The left button went down on the map's controls to advance a scene.
    bool sceneClickHeld = false;

    // The map picture shown by `map`: the game's own copy of the loaded file, so
    // the icons can be painted into it. An icon stays painted until the map is
    // loaded again.
    std::shared_ptr<Image> canvas;
};

// The map panel: 460 x 230 with a 6-pixel frame; its centre is where the
// scroll direction is measured from.
constexpr int kMapPanelWidth = 460;
constexpr int kMapPanelHeight = 230;
constexpr int kMapCentreX = 230;
constexpr int kMapCentreY = 115;

// A direction in degrees as the map keeps it: rounded to the nearest whole
// degree (halves to even) and turned into 0..359.
int wholeDegree(double degrees);

} // namespace zb
