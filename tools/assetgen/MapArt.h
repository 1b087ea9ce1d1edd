#pragma once
// Pieces the map pictures share: smooth paths, map-style buildings and trees,
// the compass rose, and a buffer of light added over a picture at night.

#include "ui/Draw.h"
#include "ui/Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zb::art::map {

void polyline(draw::Target t, const std::vector<draw::Point>& pts, double width,
              const draw::Paint& p);
// A smooth curve through the points (Catmull-Rom), as a dense polyline.
std::vector<draw::Point> smooth(const std::vector<draw::Point>& pts);
// Points every `step` pixels along a polyline.
std::vector<draw::Point> along(const std::vector<draw::Point>& path, double step);

// A round tree seen from above, its shadow to the lower right.
void tree(Image& img, double x, double y, double r);
// A flat roof seen from above with its shadow to the lower right.
void building(Image& img, draw::Rng& rng, int x, int y, int w, int h, std::uint32_t roof);
// A compass rose with its "N" above it.
void compass(Image& img, double cx, double cy);
// A name written on the map.
void label(Image& img, int cx, int cy, const std::string& utf8, int size, std::uint32_t top,
           std::uint32_t bottom, std::uint32_t outline);

// Light added to a picture: lamps, windows and floodlights are gathered here and
// laid over the darkened picture at the end (screen blend, so light never
// darkens and bright spots saturate softly).
class LightBuffer {
  public:
    LightBuffer(int w, int h);
    // A round light: strength at the centre falling to nothing at radius r.
    void add(double x, double y, double r, std::uint32_t colour, double strength);
    void applyTo(Image& img) const;

  private:
    int w_, h_;
    std::vector<float> r_, g_, b_;
};

} // namespace zb::art::map
