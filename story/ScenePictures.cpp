// The pictures of the pizza hero's unmasking are kept by the game itself rather
// than read from files; they come from the same portrait painter that draws the
// portrait files. Painting them is the slowest part of the stock pictures, and
// they never change, so they are painted once and shared by every form.
#include "story/ScenePictures.h"

#include "tools/assetgen/Portraits.h"
#include "ui/Draw.h"

#include <array>

namespace zb {

void drawScenePictures(std::map<std::string, ImagePtr>& p) {
    static const std::array<ImagePtr, 4> reveal = [] {
        std::array<ImagePtr, 4> out;
        for (int n = 1; n <= 4; ++n) {
            Image img = portrait::paintMaskReveal(n);
            draw::keepCornerUnique(img);
            out[static_cast<std::size_t>(n - 1)] = std::make_shared<const Image>(std::move(img));
        }
        return out;
    }();
    for (int n = 1; n <= 4; ++n)
        p["facePHMS" + std::to_string(n)] = reveal[static_cast<std::size_t>(n - 1)];
}

} // namespace zb
