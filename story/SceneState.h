#pragma once
// What a scene keeps while it plays: its step, the shaking message window and the
// riders it moves on the race screen.

#include <array>
#include <cstdint>

namespace zb {

struct RiderMove {
    std::int32_t moveTarget = 0;
    std::int32_t moveSpeed = 0;
    std::uint8_t moveRight = 0;
    std::uint8_t moveLeft = 0;
};

struct SceneState {
    std::int32_t eventStep = 0;
    std::uint8_t mesShaking = 0;
    std::uint8_t thirdRiderOn = 0;
    std::array<RiderMove, 4> moves{};  // [1..3] rider slots
    std::uint8_t preRaceSceneDone = 0; // the scene before this race has played
    // scenes can take over the race background's scrolling
    std::uint8_t sceneScrollOn = 0;
    std::uint8_t sceneScrollMain = 0;
    std::uint8_t sceneScrollSub = 0;
    std::uint8_t backScrollStop = 0;
};

} // namespace zb
