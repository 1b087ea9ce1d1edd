// The garage behind the pizza shop, where the hero speaks to his bike on the
// night of the opening and on the last night: the bike is in the picture.

#include "tests/GameHarness.h"
#include "ui/Image.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::GameFolder;

TEST(GaragePicture, TheDeliveryScooterStandsOnTheFloorAboveTheMessageBox) {
    GameFolder folder;
    const ImagePtr garage = loadImageFile("img/back15.bmp");
    ASSERT_TRUE(garage);
    // Between the bench's top and the message box (which covers y 271 on) the
    // garage is grey floor, brown wood and black tyres: the scooter's red body is
    // the only red there.
    int red = 0;
    for (int y = 202; y < 268; ++y)
        for (int x = 0; x < garage->width; ++x) {
            const std::uint32_t c = garage->at(x, y);
            const int r = static_cast<int>((c >> 16) & 0xff);
            const int g = static_cast<int>((c >> 8) & 0xff);
            const int b = static_cast<int>(c & 0xff);
            if (r > 150 && g < 80 && b < 80) ++red;
        }
    EXPECT_GT(red, 600) << "the scooter's body stands in the garage";
}
