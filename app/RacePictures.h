#pragma once
// The race screen's stock pictures: the gauge cluster (tachometer, speed digits,
// gear gate, lever and ball, brake and shift buttons), the distance gauge, the
// start signal, result pictures, the crowd, the false-start notice, the rain and
// the weather icons. Drawn once at start with the other stock pictures, but for
// the result pictures, painted when a result first shows them.

#include "ui/Image.h"

#include <map>
#include <string>

namespace zb {

class StockPictures;

void drawRacePictures(std::map<std::string, ImagePtr>& pictures);
// win, win2..win6 and lose.
void paintResultPicturesLater(StockPictures& stock);

} // namespace zb
