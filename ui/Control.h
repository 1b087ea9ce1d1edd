#pragma once
// The retained control model the game's screens are built from: panels, pictures,
// labels, push buttons and filled rectangles in a tree. Each control has a name, a
// position relative to its parent, visibility, and handlers for the mouse and the
// keyboard. The tree paints itself into a software framebuffer (Renderer.h) and
// input reaches it through the Form (Form.h).

#include "platform/Platform.h"
#include "ui/Font.h"
#include "ui/Image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zb {

class Control;
class Form;
struct Canvas;

using MouseHandler = std::function<void(Control& sender, MouseButton, ShiftState, int x, int y)>;
using MoveHandler = std::function<void(Control& sender, ShiftState, int x, int y)>;
using NotifyHandler = std::function<void(Control& sender)>;
using KeyHandler = std::function<void(Control& sender, std::uint16_t& key, ShiftState)>;
using KeyPressHandler = std::function<void(Control& sender, char32_t& ch)>;

class Control {
  public:
    explicit Control(std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;

    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MoveHandler onMouseMove;
    NotifyHandler onMouseLeave;
    NotifyHandler onClick; // left press and release on the control
    KeyHandler onKeyDown;
    KeyHandler onKeyUp;
    KeyPressHandler onKeyPress;
    NotifyHandler onEnter; // the control received the focus

    // Creates a child control on top of its siblings and returns it.
    template <class T, class... Args> T& add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }
    void adopt(std::unique_ptr<Control> child);

    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    // Depth-first search of this control's subtree by name.
    Control* find(const std::string& childName);

    void setBounds(int l, int t, int w, int h);
    void setPos(int l, int t) {
        left = l;
        top = t;
    }
    void bringToFront();
    void sendToBack();

    // Position of the top-left corner in the form's client coordinates.
    int formLeft() const;
    int formTop() const;
    // Visible itself and through all its parents.
    bool showing() const;

    virtual bool canFocus() const { return false; }
    // Paints this control (not its children) with its top-left at (x, y).
    virtual void paint(Canvas& canvas, int x, int y) const;

    // Built-in behaviour of a control kind, run before the game's handler.
    virtual void builtinMouseDown(MouseButton, int /*x*/, int /*y*/) {}
    virtual void builtinMouseUp(MouseButton, int /*x*/, int /*y*/) {}
    virtual void builtinKeyDown(std::uint16_t& /*key*/) {}
    virtual void builtinKeyPress(char32_t& /*ch*/) {}

  private:
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
};

// A rectangle of one colour holding other controls.
class Panel : public Control {
  public:
    using Control::Control;
    std::uint32_t colour = rgb(0, 0, 0);
    bool transparentBackground = false; // paint only the children
    void paint(Canvas& canvas, int x, int y) const override;
};

// Shows a picture. Transparent pictures leave out every pixel of the colour of
// their bottom-left pixel, as Windows does with bitmaps.
class Picture : public Control {
  public:
    using Control::Control;
    bool transparent = false;
    bool stretch = false;
    bool autoSize = false;
    bool center = false;

    const ImagePtr& picture() const { return picture_; }
    // Shows a picture; with autoSize the control takes the picture's size.
    void setPicture(ImagePtr pic);
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    ImagePtr picture_;
};

enum class Alignment : std::uint8_t { Left, Right, Center };

// One line of text.
class Label : public Control {
  public:
    using Control::Control;
    FontSpec font;
    std::uint32_t fontColour = rgb(0, 0, 0);
    std::uint32_t colour = rgb(240, 240, 240); // background when not transparent
    bool transparent = true;
    bool autoSize = true;
    Alignment alignment = Alignment::Left;

    const std::string& caption() const { return caption_; }
    // Sets the text (UTF-8); with autoSize the label takes the size of the text.
    void setCaption(const std::string& utf8);
    // Re-measures after a font change.
    void adjustSize();
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    std::string caption_;
};

// A push button with a caption; it looks pressed while the left button holds it.
class Button : public Control {
  public:
    using Control::Control;
    std::string caption;
    FontSpec font;
    bool pressed = false;
    bool canFocus() const override { return true; }
    void builtinMouseDown(MouseButton b, int x, int y) override;
    void builtinMouseUp(MouseButton b, int x, int y) override;
    void paint(Canvas& canvas, int x, int y) const override;
};

// A filled rectangle with an outline.
class Shape : public Control {
  public:
    using Control::Control;
    std::uint32_t brush = rgb(255, 255, 255);
    std::uint32_t pen = rgb(0, 0, 0);
    int penWidth = 1;
    bool hollow = false;
    void paint(Canvas& canvas, int x, int y) const override;
};

} // namespace zb
