#pragma once
// The stock pictures of the story scenes, painted when a scene first shows them:
//
//   name               size       where                                  keyed
//   facePHMS1..4       100 x 100  the portrait, speaker 124: the pizza    no
//                                 hero's mask coming off step by step
//                                 (1 masked .. 4 佐村サチ's face)

#include "app/StockPictures.h"

namespace zb {

void drawScenePictures(StockPictures& stock);

} // namespace zb
