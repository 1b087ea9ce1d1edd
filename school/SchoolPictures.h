#pragma once
// The stock pictures of the driving school, drawn once at start with the form's
// other stock pictures:
//
//   name                       size       where                              keyed
//   tutorBack                  230 x 130  lesson panel at (143, 70)          no
//   tutorCircle1..3             40 x 40   hint circle, blinking (3 frames)   yes
//
// The lesson's four text lines stand on the panel at left 12, tops 11 .. 90, its
// page buttons in the strip along the bottom (tops 102 .. 124).

#include "ui/Image.h"

#include <map>
#include <string>

namespace zb {

void drawSchoolPictures(std::map<std::string, ImagePtr>& pictures);

} // namespace zb
