#pragma once
// A one-line box for a small number, and the up-down arrows that step it.
//
// NumberEdit takes typed digits only (other characters are dropped) up to
// maxLength characters, and Backspace and Delete; Left, Right, Home and End move
// the caret. A left press on text that is not wholly selected selects all of it,
// so that typing replaces the number; a press on selected text puts the caret
// there. onChange fires each time the text really changes, whether typed or set
// from code; setting the text it already has fires nothing.
//
// UpDown steps a position between min and max. A left press on the upper half
// counts up, on the lower half down. The position is first read back from the
// box it belongs to (the player may have typed there); onChanging may refuse the
// step; the new position is then written into the box.

#include "ui/Control.h"

#include <functional>
#include <string>

namespace zb {

class NumberEdit : public Control {
  public:
    using Control::Control;

    FontSpec font{"ＭＳ ゴシック", 12, false};
    std::uint32_t colour = rgb(32, 32, 32);
    std::uint32_t fontColour = rgb(255, 255, 255);
    Alignment alignment = Alignment::Right;
    std::size_t maxLength = 3;
    NotifyHandler onChange;

    const std::string& text() const { return text_; }
    // Replaces the text (caret at its end, nothing selected).
    void setText(const std::string& text);
    // The text as a number; `fallback` when it is empty or not a number.
    int value(int fallback = 0) const;

    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return selStart_; }
    std::size_t selectionLength() const { return selLength_; }
    void selectAll();

    bool canFocus() const override { return true; }
    void builtinMouseDown(MouseButton b, int x, int y) override;
    void builtinKeyDown(std::uint16_t& key) override;
    void builtinKeyPress(char32_t& ch) override;
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    // Replaces the selection (or inserts at the caret) and reports the change.
    void replaceSelection(const std::string& with);
    void changed(const std::string& before);
    int textLeft() const;             // where the first character is drawn, inside the box
    std::size_t caretAt(int x) const; // the character boundary nearest to x

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
};

class UpDown : public Control {
  public:
    using Control::Control;
    using ChangingHandler = std::function<void(Control& sender, bool& allowChange)>;

    int min = 0;
    int max = 100;
    int increment = 1;
    NumberEdit* associate = nullptr;
    ChangingHandler onChanging;

    int position() const { return position_; }
    // Sets the position from code, clamped, written into the box; no event.
    void setPosition(int p);

    void builtinMouseDown(MouseButton b, int x, int y) override;
    void builtinMouseUp(MouseButton b, int x, int y) override;
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    void step(int direction);

    int position_ = 0;
    int held_ = 0; // 1 the upper arrow, -1 the lower one, 0 none
};

} // namespace zb
