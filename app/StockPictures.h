#pragma once
// The form's stock pictures: every fixed picture the game shows that is not read
// from a file (button states, cursor frames, message-frame variants, hint
// pictures, map frame strips and arrows ...). They are part of the program: drawn
// by code once at start, deterministic, and handed out by name. A screen shows one
// by copying it into a visible picture control.

#include "ui/Image.h"

#include <functional>
#include <map>
#include <string>

namespace zb {

class StockPictures {
  public:
    StockPictures(); // draws all but the ones painted when first asked for
    // The picture of that name; null for a name the game does not have.
    ImagePtr get(const std::string& name) const;
    bool has(const std::string& name) const {
        return pictures_.count(name) != 0 || later_.count(name) != 0;
    }
    // A picture seldom shown and slow to paint: painted on its first get.
    void paintLater(const std::string& name, std::function<ImagePtr()> painter) {
        later_[name] = std::move(painter);
    }

  private:
    mutable std::map<std::string, ImagePtr> pictures_;
    mutable std::map<std::string, std::function<ImagePtr()>> later_;
};

} // namespace zb
