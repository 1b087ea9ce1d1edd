#pragma once
// What a race keeps while it runs: the hero's bike, the rival, the two lanes, the
// weather and the effects. Lane arrays are indexed 1 (the hero, or the first
// rider of a watched race) and 2 (the rival); index 0 is unused unless noted.

#include <array>
#include <cstdint>

namespace zb {

// Acceleration points of fitted parts and the rain penalty points share one
// block of memory: optionPoints[37..50] are the same bytes as waterPoints[1..14],
// so clearing the option points also clears the first rain points.
class TuningPoints {
  public:
    static constexpr int kOptionCount = 50;
    static constexpr int kWaterCount = 23;
    static constexpr int kWaterBase = 36; // waterPoints[j] is optionPoints[36 + j]

    std::uint8_t& option(int i) { return bytes_[static_cast<std::size_t>(i - 1)]; }
    std::uint8_t option(int i) const { return bytes_[static_cast<std::size_t>(i - 1)]; }
    std::uint8_t& water(int j) { return bytes_[static_cast<std::size_t>(kWaterBase + j - 1)]; }
    std::uint8_t water(int j) const { return bytes_[static_cast<std::size_t>(kWaterBase + j - 1)]; }

  private:
    std::array<std::uint8_t, kWaterBase + kWaterCount> bytes_{};
};

struct RaceState {
    // who rides: machine 1..20, or 21 for a race the player only watches
    std::uint8_t enemyNo = 0;
    std::uint8_t enemyVer = 0;
    std::uint8_t watchNo1 = 0;
    std::uint8_t watchVer1 = 0;
    std::uint8_t watchNo2 = 0;
    std::uint8_t raceWeather = 3; // 0 sunny, 1 rain, 2 wind, 3 none
    std::uint8_t subBgUsed = 0;   // the background has a second layer

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
    std::int16_t overRevTick = 0;
    TuningPoints tuning; // optionPoints / waterPoints
    std::uint8_t meterShakePhase = 0;

    // both lanes
    std::array<std::int32_t, 3> riderSpeed{};
    std::array<std::int32_t, 3> riderDistance{}; // 0.1 m
    std::array<std::int32_t, 3> riderTime{};     // 1/100 s, at most 9999
    std::array<std::int16_t, 3> accelTick{};
    std::array<std::int16_t, 3> coastTick{}; // [0] the hero, [1..2] the lanes of the rivals
    std::array<std::uint8_t, 3> riderFinished{};
    std::array<std::uint8_t, 3> riderWon{};
    std::array<std::uint8_t, 4> riderFrame{1, 1, 1, 1}; // [1..3] animation picture

    // the rival's data
    std::array<std::int16_t, 3> rivalMaxSpeed{};
    std::int32_t raceDistance = 4000; // 0.1 m: 4000 = 400 m, 10000 = 1000 m
    std::int16_t rivalPrize = 0;
    std::uint8_t loseMeansGameOver = 1;
    std::array<std::uint8_t, 100> rivalCurve{}; // steps per km/h by speed percentage / 2

    // start signal and result
    std::uint8_t raceStarted = 0;
    std::uint8_t signalCount = 0;
    std::uint8_t resultTick = 0;
    std::uint8_t winPicTick = 0;
    std::uint8_t winPicPhase = 0;
    std::uint8_t fadeLevel = 0;

    // the crowd and the bonuses
    std::uint8_t behindAlert = 0;
    std::uint8_t comebackDone = 0;
    std::uint8_t deadHeatOn = 0;
    std::int16_t deadHeatTick = 0;
    std::int32_t deadHeatTotal = 0;

    // the scrolling background layers (Left of the first copy)
    std::int16_t backScrollMain = 0;
    std::int16_t backScrollSub = 0;

    // wind
    std::uint8_t gustIndex = 0;
    std::uint8_t gustTick = 0;
    std::uint8_t windFrame = 0;
    std::array<std::uint8_t, 5> gustDone{};

    // the special animation one story race plays
    std::int16_t philipTick = 0;
    std::uint8_t philipAnimOn = 0;
};

// Base top speed of each gear of a new bike, km/h (N, 1st .. 6th).
constexpr std::array<std::int16_t, 7> kBaseGearMaxSpeed = {0, 62, 98, 145, 203, 266, 320};

// Where the wind gusts start, 0.1 m (100 m, 300 m, 600 m, 900 m, 2000 m).
constexpr std::array<std::int32_t, 5> kGustStart = {1000, 3000, 6000, 9000, 20000};

} // namespace zb
