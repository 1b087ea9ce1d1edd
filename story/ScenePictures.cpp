// The pictures of the pizza hero's unmasking are kept by the game itself rather
// than read from files; they come from the same portrait painter that draws the
// portrait files. Painting them is the slowest part of the stock pictures and
// only one late scene shows them, so each is painted when first shown.
#include "story/ScenePictures.h"

#include "tools/assetgen/Portraits.h"
#include "ui/Draw.h"

namespace zb {

void drawScenePictures(StockPictures& stock) {
    for (int n = 1; n <= 4; ++n)
        stock.paintLater("facePHMS" + std::to_string(n), [n] {
            Image img = portrait::paintMaskReveal(n);
            draw::keepCornerUnique(img);
            return std::make_shared<const Image>(std::move(img));
        });
}

} // namespace zb
