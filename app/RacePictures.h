#pragma once
// The race screen's stock pictures: the gauge cluster (tachometer, speed digits,
// gear gate, lever and ball, brake and shift buttons), the distance gauge, the
// start signal, result pictures, the crowd, the false-start notice, the rain and
// the weather icons. Drawn once at start with the other stock pictures.

#include "ui/Image.h"

#include <map>
#include <string>

namespace zb {

void drawRacePictures(std::map<std::string, ImagePtr>& pictures);

} // namespace zb
