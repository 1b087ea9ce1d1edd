#include "ui/Control.h"

#include "ui/Form.h"

#include <algorithm>

namespace zb {

Control::Control(std::string n) : name(std::move(n)) {}

Control::~Control() = default;

void Control::adopt(std::unique_ptr<Control> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
}

Control* Control::find(const std::string& childName) {
    if (name == childName) return this;
    for (auto& c : children_)
        if (Control* hit = c->find(childName)) return hit;
    return nullptr;
}

void Control::setBounds(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
}

namespace {
std::vector<std::unique_ptr<Control>>::iterator slotOf(std::vector<std::unique_ptr<Control>>& v,
                                                       const Control* c) {
    return std::find_if(v.begin(), v.end(), [c](const auto& p) { return p.get() == c; });
}
} // namespace

void Control::bringToFront() {
    if (!parent_) return;
    auto& sib = parent_->children_;
    auto it = slotOf(sib, this);
    std::rotate(it, it + 1, sib.end());
}

void Control::sendToBack() {
    if (!parent_) return;
    auto& sib = parent_->children_;
    auto it = slotOf(sib, this);
    std::rotate(sib.begin(), it, it + 1);
}

int Control::formLeft() const {
    int x = 0;
    for (const Control* c = this; c && c->parent_; c = c->parent_)
        x += c->left;
    return x;
}

int Control::formTop() const {
    int y = 0;
    for (const Control* c = this; c && c->parent_; c = c->parent_)
        y += c->top;
    return y;
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible) return false;
    return true;
}

void Picture::setPicture(ImagePtr pic) {
    picture_ = std::move(pic);
    if (autoSize && picture_) {
        width = picture_->width;
        height = picture_->height;
    }
}

void Label::setCaption(const std::string& utf8) {
    caption_ = utf8;
    adjustSize();
}

void Label::adjustSize() {
    if (!autoSize) return;
    TextExtent e = FontEngine::instance().measure(font, caption_);
    width = e.width;
    height = e.height;
}

void Button::builtinMouseDown(MouseButton b, int, int) {
    if (b == MouseButton::Left) pressed = true;
}

void Button::builtinMouseUp(MouseButton b, int, int) {
    if (b == MouseButton::Left) pressed = false;
}

} // namespace zb
