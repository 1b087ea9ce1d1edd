#pragma once
// Bitmaps read ahead on a thread of their own, so that reading and decoding
// them overlaps other start-up work (the stock pictures are painted meanwhile).

#include "ui/Image.h"

#include <future>
#include <map>
#include <string>
#include <vector>

namespace zb {

class BitmapPrefetch {
  public:
    // Starts reading these game paths ("img\\title.bmp") in order.
    explicit BitmapPrefetch(std::vector<std::string> gamePaths);
    // Waits for the reading to end, if it still runs.
    ~BitmapPrefetch();

    // The picture read ahead for that path, handed over once: null when the
    // file could not be read. A path not read ahead, or taken before, is read
    // now.
    ImagePtr take(const std::string& gamePath);

  private:
    std::future<std::map<std::string, ImagePtr>> reading_;
    std::map<std::string, ImagePtr> read_;
};

} // namespace zb
