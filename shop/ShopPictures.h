#pragma once
// The stock pictures of the parts shop and the setting screen, painted when
// first asked for (the two backgrounds when the shop or the setting screen first
// opens; they are the largest stock pictures and the title needs neither):
//
//   name        size       where                                   keyed
//   itemBack1   515 x 272  item panel, shop (mode 9)               no
//   itemBack2   515 x 272  item panel, bike setting (mode 10)      no
//   legend       92 x 16   under the owned-item lists: "● ： 装備中"  yes

#include "app/StockPictures.h"

namespace zb {

void drawShopPictures(StockPictures& stock);

} // namespace zb
