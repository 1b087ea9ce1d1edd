#pragma once
// What the story keeps while a scene plays: its step, the shaking message window,
// the riders it moves on the race screen, the mascot's blinking portrait and the
// ending's credits. None of it is saved.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zb {

struct RiderMove {
    std::int32_t moveTarget = 0;
    std::int32_t moveSpeed = 0;
    std::uint8_t moveRight = 0;
    std::uint8_t moveLeft = 0;
};

struct SceneState {
    std::int32_t eventStep = 0; // the step the running scene performs next
    std::uint8_t mesShaking = 0;
    std::uint8_t shakeCount = 0; // 0..8
    std::uint8_t zingoChanOn = 0;
    std::uint8_t zingoChanCount = 0; // 0..7
    std::uint8_t thirdRiderOn = 0;
    std::array<RiderMove, 4> moves{};  // [1..3] rider slots
    std::uint8_t preRaceSceneDone = 0; // the scene before this race has played
    // scenes can take over the race background's scrolling
    std::uint8_t sceneScrollOn = 0;
    std::uint8_t sceneScrollMain = 0;
    std::uint8_t sceneScrollSub = 0;
    std::uint8_t backScrollStop = 0;
    // the place a scene tells the hero to go to ("教習所", "神奈玉駅")
    std::string mustGoPlace;
    // the place the marker is put on when the scene returns to the map, 0: none
    std::uint8_t markerPlace = 0;
    // Told of every step a scene performs (its name and step number), so a
    // playthrough can check that no line of a scene was passed over.
    std::function<void(std::string_view scene, int step)> stepPlayed;

    // the ending
    std::int32_t endingTick = 0; // ticks of the current card
    std::uint8_t fadeLevel = 0;  // grey level of the last card's line
    std::uint8_t creditsRolling = 0;
};

} // namespace zb
