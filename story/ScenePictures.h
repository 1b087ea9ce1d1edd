#pragma once
// The stock pictures of the story scenes, drawn once at start with the form's
// other stock pictures:
//
//   name               size       where                                  keyed
//   facePHMS1..4       100 x 100  the portrait, speaker 124: the pizza    no
//                                 hero's mask coming off step by step
//                                 (1 masked .. 4 佐村サチ's face)

#include "ui/Image.h"

#include <map>
#include <string>

namespace zb {

void drawScenePictures(std::map<std::string, ImagePtr>& pictures);

} // namespace zb
