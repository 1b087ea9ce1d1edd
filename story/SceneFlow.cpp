// Scenes and story progression. The scene engine arrives with the story; these
// are the entry points the routing calls.

#include "app/UnitMain.h"

namespace zb {

void TForm1::event() {}
void TForm1::battleEvent() {}
void TForm1::battleEventStart() {}
bool TForm1::isAfterBattleEvent() {
    return false;
}
void TForm1::eventToGameOver() {}

// A rider is still moving while either of its move flags is set.
bool TForm1::isEventMoveDone() const {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        const RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (m.moveRight || m.moveLeft) return false;
    }
    return true;
}

// Enter or Space while riders move: every move ends at its target at once.
void TForm1::finishEventMoves() {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (!m.moveRight && !m.moveLeft) continue;
        riders[static_cast<std::size_t>(i)]->left = m.moveTarget;
        m = RiderMove{};
    }
}

} // namespace zb
