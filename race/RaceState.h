#pragma once
// What a race keeps while it runs: the hero's bike, the rival, the two lanes.

#include <array>
#include <cstdint>

namespace zb {

struct RaceState {
    // who rides: machine 1..20, or 21 for a race the player only watches
    std::uint8_t enemyNo = 0;
    std::uint8_t enemyVer = 0;
    std::uint8_t watchNo1 = 0;
    std::uint8_t watchVer1 = 0;
    std::uint8_t watchNo2 = 0;
    std::uint8_t raceWeather = 3; // 0 sunny, 1 rain, 2 wind, 3 none

    // the hero's gearbox and controls
    std::uint8_t gear = 0;      // 0 = neutral
    std::uint8_t gearCount = 4; // forward gears
    std::array<std::int16_t, 7> gearMaxSpeed{};
    std::uint8_t clutchHeld = 0;
    std::uint8_t throttleHeld = 0;
    std::uint8_t brakeHeld = 0;
    std::uint8_t gearUpButtonHeld = 0;
    std::uint8_t gearDownButtonHeld = 0;
    std::int32_t clutchDownY = 0;
    std::array<std::uint8_t, 3> accelUsed{}; // [1..2]
    std::uint8_t raceInputOn = 0;            // set by the first race or lesson preparation

    // both lanes, [1] the hero (or lane 1 of a watched race), [2] the rival
    std::array<std::int32_t, 3> riderSpeed{};
    std::array<std::int16_t, 3> accelTick{};
    std::array<std::int16_t, 3> coastTick{};
    std::array<std::uint8_t, 3> riderFinished{};
    std::array<std::uint8_t, 3> riderWon{};
    std::uint8_t loseMeansGameOver = 1;

    // the scrolling background layers
    std::int32_t mainScroll = 0;
    std::int32_t subScroll = 0;
};

// Base top speed of each gear of a new bike, km/h (N, 1st .. 6th).
constexpr std::array<std::int16_t, 7> kBaseGearMaxSpeed = {0, 62, 98, 145, 203, 266, 320};

} // namespace zb
