#pragma once
// Painting helpers for the pictures the game draws itself (the stock pictures of
// the form and the generated picture files): gradients, anti-aliased shapes and
// lines, polygons, rounded rectangles, outlined text and value noise.
//
// Every shape is painted through a Target: either a plain Image (edges blend
// with what is already there) or a Layer, which also records how much of each
// pixel was covered. A Layer is flattened at the end into a picture that is
// transparent by its bottom-left colour, with hard edges against the key.

#include "ui/Font.h"
#include "ui/Image.h"

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zb::draw {

// ---- colours ----
int red(std::uint32_t c);
int green(std::uint32_t c);
int blue(std::uint32_t c);
// a + (b - a) * t, per channel; t is clamped to 0..1.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t);
// Brightness scaled by f (f > 1 brightens, clamped at white).
std::uint32_t scale(std::uint32_t c, double f);

// ---- what to paint with ----
using Shader = std::function<std::uint32_t(int x, int y)>;

class Paint {
  public:
    Paint(std::uint32_t colour) : colour_(colour) {}
    template <class F>
    requires std::invocable<F, int, int> Paint(F f) : shader_(std::move(f)) {}
    std::uint32_t at(int x, int y) const { return shader_ ? shader_(x, y) : colour_; }

  private:
    std::uint32_t colour_ = 0;
    Shader shader_;
};

// A vertical gradient from top (at y0) to bottom (at y1) as a shader.
Shader vertical(double y0, std::uint32_t top, double y1, std::uint32_t bottom);
// A horizontal gradient from left (at x0) to right (at x1).
Shader horizontal(double x0, std::uint32_t left, double x1, std::uint32_t right);

// ---- layers ----
// A picture plus per-pixel coverage (0 = nothing drawn, 1 = opaque).
struct Layer {
    Image colour;
    std::vector<float> alpha;
    Layer(int w, int h);
    int width() const { return colour.width; }
    int height() const { return colour.height; }
    // Pixels covered at least half become opaque; their partial coverage is blended
    // toward `edge` so the outline stays smooth without touching the key. With
    // outline > 0 a ring of that many pixels of `edge` is added around the shape.
    // Everything else becomes `key`.
    Image toKeyed(std::uint32_t key, std::uint32_t edge, int outline = 0) const;
    // Composites the layer over a picture with its coverage as alpha.
    void drawOnto(Image& dst, int x, int y) const;
};

class Target {
  public:
    Target(Image& img) : img_(&img) {}
    Target(Layer& layer) : img_(&layer.colour), alpha_(&layer.alpha) {}
    int width() const { return img_->width; }
    int height() const { return img_->height; }
    // The same target with everything painted through it at opacity o (0..1).
    Target faded(double o) const {
        Target t = *this;
        t.opacity_ *= o;
        return t;
    }
    // Paints colour c over pixel (x, y) with coverage a (0..1); clipped.
    void plot(int x, int y, std::uint32_t c, double a) const;

  private:
    Image* img_;
    std::vector<float>* alpha_ = nullptr;
    double opacity_ = 1.0;
};

// ---- shapes ----
void fillRect(Target t, int x, int y, int w, int h, const Paint& p);
void frameRect(Target t, int x, int y, int w, int h, const Paint& p, int thickness = 1);
void fillRoundRect(Target t, double x, double y, double w, double h, double radius, const Paint& p,
                   bool aa = true);
void fillEllipse(Target t, double cx, double cy, double rx, double ry, const Paint& p,
                 bool aa = true);
inline void fillCircle(Target t, double cx, double cy, double r, const Paint& p, bool aa = true) {
    fillEllipse(t, cx, cy, r, r, p, aa);
}
// A ring between radii inner and outer.
void ring(Target t, double cx, double cy, double inner, double outer, const Paint& p,
          bool aa = true);
// A soft round light: strength at the centre fading to nothing at radius r.
void glow(Target t, double cx, double cy, double r, const Paint& p, double strength = 1.0);
void glowEllipse(Target t, double cx, double cy, double rx, double ry, const Paint& p,
                 double strength = 1.0);
// A line of the given width with round ends.
void line(Target t, double x0, double y0, double x1, double y1, double width, const Paint& p,
          bool aa = true);

struct Point {
    double x = 0;
    double y = 0;
};
// Filled polygon (even-odd rule); aa uses 4 sub-scanlines and exact horizontal
// coverage.
void fillPolygon(Target t, const std::vector<Point>& pts, const Paint& p, bool aa = true);

// Whole-picture gradients.
void verticalGradient(Image& img, int x, int y, int w, int h, std::uint32_t top,
                      std::uint32_t bottom);
void horizontalGradient(Image& img, int x, int y, int w, int h, std::uint32_t left,
                        std::uint32_t right);

// Gives every pixel that shares the bottom-left pixel's colour a colour one step
// away, so a solid picture stays whole even when shown transparent.
void keepCornerUnique(Image& img);

// ---- text ----
struct TextStyle {
    FontSpec font;
    std::uint32_t top = rgb(255, 255, 255); // fill gradient, top of the glyphs
    std::uint32_t bottom = rgb(255, 255, 255);
    int outline = 0; // outline width in pixels (0 = none)
    std::uint32_t outlineColour = 0;
    int shadowX = 0; // shadow offset; no shadow when both are 0
    int shadowY = 0;
    std::uint32_t shadowColour = 0;
};
// Draws one line of text with its top-left at (x, y); returns its size without
// outline and shadow.
TextExtent text(Target t, int x, int y, const std::string& utf8, const TextStyle& style);
// Draws text centred on (cx, cy).
TextExtent textCentred(Target t, int cx, int cy, const std::string& utf8, const TextStyle& style);

// ---- randomness and texture ----
// A small fixed-seed generator (xorshift32), the same sequence on every run.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next();
    double uniform();                  // 0 <= u < 1
    int range(int lo, int hi);         // lo..hi inclusive
    double real(double lo, double hi); // lo <= v < hi

  private:
    std::uint32_t state_;
};

// Smooth value noise in 0..1 with features about one unit apart.
double valueNoise(double x, double y, std::uint32_t seed);
// Sum of octaves of value noise, 0..1.
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

} // namespace zb::draw
