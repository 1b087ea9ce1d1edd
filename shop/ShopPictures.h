#pragma once
// The stock pictures of the parts shop and the setting screen, drawn once at
// start with the form's other stock pictures:
//
//   name        size       where                                   keyed
//   itemBack1   515 x 272  item panel, shop (mode 9)               no
//   itemBack2   515 x 272  item panel, bike setting (mode 10)      no
//   legend       92 x 16   under the owned-item lists: "● ： 装備中"  yes

#include "ui/Image.h"

#include <map>
#include <string>

namespace zb {

void drawShopPictures(std::map<std::string, ImagePtr>& pictures);

} // namespace zb
