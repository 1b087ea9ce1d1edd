#pragma once
// What the screens build their controls with: the game's fonts and colours and
// small makers for pictures, labels and buttons. Each screen creates its own
// controls with these (the main layout in app/, the shop's in shop/ ...).

#include "ui/Control.h"

#include <string>

namespace zb::kit {

inline const FontSpec kGothic16{"ＭＳ ゴシック", 16, false};
inline const FontSpec kGothic13Bold{"ＭＳ ゴシック", 13, true};
inline const FontSpec kPGothic12{"ＭＳ Ｐゴシック", 12, false};
inline const FontSpec kPGothic13{"ＭＳ Ｐゴシック", 13, false};
inline const FontSpec kPGothic12Bold{"ＭＳ Ｐゴシック", 12, true};

constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kShadow = rgb(40, 40, 40);

template <class T> T* make(Control& parent, const char* name, int w = 0, int h = 0) {
    T& c = parent.add<T>(name);
    c.width = w;
    c.height = h;
    return &c;
}

inline Picture* picture(Control& parent, const char* name, bool transparent = true) {
    Picture* p = make<Picture>(parent, name);
    p->transparent = transparent;
    p->autoSize = true;
    return p;
}

inline Label* label(Control& parent, const char* name, const std::string& caption,
                    const FontSpec& font, std::uint32_t colour) {
    Label* l = make<Label>(parent, name);
    l->font = font;
    l->fontColour = colour;
    l->setCaption(caption);
    return l;
}

inline Button* button(Control& parent, const char* name, const std::string& caption) {
    Button* b = make<Button>(parent, name);
    b->caption = caption;
    b->font = kPGothic12;
    return b;
}

} // namespace zb::kit
