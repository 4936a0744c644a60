#pragma once
// The simple controls: label, text box, command button, check box, option button, frame,
// combo box, list box, slider and scroll bar.
#include "platform/control.h"

#include <string>
#include <vector>

namespace ohmira {

class Label : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "Label"; }
    bool takes_focus() const override { return false; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return alignment_; }
    void Alignment(int a) { set(alignment_, a); }

private:
    int default_back_color() const override { return 0xF0F0F0; }
    std::string caption_;
    int alignment_ = 0;
};

// A one-line (or multi-line) text box. Typed characters are appended at the end; Backspace
// removes the last one.
class TextBox : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "TextBox"; }
    const std::string &Text() const { return text_; }
    // Sets the text; raises Change when it differs.
    void Text(const std::string &t);
    int Alignment() const { return alignment_; }
    void Alignment(int a) { set(alignment_, a); }
    bool Locked() const { return locked_; }
    void Locked(bool l) { set(locked_, l); }
    bool MultiLine() const { return multi_line_; }
    void MultiLine(bool m) { set(multi_line_, m); }

    std::function<void()> Change;

    // The user replaced the whole text (the window layer's edit): Change once if it differs.
    void user_set_text(const std::string &t);

protected:
    int default_back_color() const override { return 0xFFFFFF; }
    void on_key_press(int key_ascii) override;

private:
    std::string text_;
    int alignment_ = 0;
    bool locked_ = false;
    bool multi_line_ = false;
};

class CommandButton : public Control {
public:
    using Control::Control;
    ~CommandButton() override;
    const char *kind() const override { return "CommandButton"; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }
    // The form's default button, clicked by Enter; setting it takes the role from the others.
    bool Default() const;
    void Default(bool d);

protected:
    void on_key_press(int key_ascii) override;

private:
    std::string caption_;
};

// Value 0 unchecked, 1 checked, 2 grayed. Setting a different value raises Click; a user click
// turns it on from 0 and off otherwise.
class CheckBox : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "CheckBox"; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }
    int Value() const { return value_; }
    void Value(int v);
    void user_click() override;

protected:
    void on_key_press(int key_ascii) override;

private:
    std::string caption_;
    int value_ = vbUnchecked;
};

// Option buttons are exclusive among those of the same container (and tab page). Turning one on
// turns the others of its group off without raising their Click, and raises its own Click when
// it was off. A user click on an option that is already on raises Click again.
class OptionButton : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "OptionButton"; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }
    bool Value() const { return value_; }
    void Value(bool v);
    void user_click() override;

private:
    void turn_off_others();
    std::string caption_;
    bool value_ = false;
};

class Frame : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "Frame"; }
    bool takes_focus() const override { return false; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }

private:
    std::string caption_;
};

// A list of texts with a current index (-1 for none), shared by the list and combo boxes.
// Setting ListIndex raises Click on every set, also with the same value; an index outside
// -1..ListCount-1 is refused (returns false) and changes nothing.
class ListControl : public Control {
public:
    using Control::Control;
    // Appends the item, or inserts it at `index` (0..ListCount); false for an index outside.
    bool AddItem(const std::string &item, int index = -1);
    // Removes the item at `index`; false when there is none. The current index follows its item
    // and becomes -1 when that item goes.
    bool RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // Item text; "" for an index outside the list.
    std::string List(int index) const;
    bool List(int index, const std::string &text);
    int ListIndex() const { return list_index_; }
    bool ListIndex(int index);
    const std::vector<std::string> &items() const { return items_; }

    // The user picked an item: sets ListIndex (Click once).
    void user_select(int index) { ListIndex(index); }

protected:
    int default_back_color() const override { return 0xFFFFFF; }
    virtual void on_index_set() {}
    void set_index_silently(int index);

private:
    std::vector<std::string> items_;
    int list_index_ = -1;
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    const char *kind() const override { return "ListBox"; }
    // The current item's text, "" with none.
    std::string Text() const { return List(ListIndex()); }

protected:
    void on_key_down(int key_code, int shift) override;
};

// Style 0 is a drop-down with an edit field, 2 a drop-down list. Setting Text raises only Change
// (when it differs); the current index follows a matching item without raising Click. Setting
// ListIndex puts the item's text in the edit field (no Change) and raises Click.
class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    const char *kind() const override { return "ComboBox"; }
    int Style() const { return style_; }
    void Style(int s) { set(style_, s); }
    const std::string &Text() const { return text_; }
    void Text(const std::string &t);

    std::function<void()> Change;

    // The user edited the text field: as setting Text.
    void user_set_text(const std::string &t) { Text(t); }

protected:
    void on_index_set() override;
    void on_key_down(int key_code, int shift) override;

private:
    std::string text_;
    int style_ = 0;
};

// A value between Min and Max (slider, scroll bar). Setting a different value raises Change;
// a value outside Min..Max is refused (returns false) and changes nothing. The user dragging
// raises Scroll for each position, then Change.
class RangeControl : public Control {
public:
    using Control::Control;
    int Min() const { return min_; }
    void Min(int v);
    int Max() const { return max_; }
    void Max(int v);
    int Value() const { return value_; }
    bool Value(int v);
    int SmallChange() const { return small_change_; }
    void SmallChange(int v) { set(small_change_, v); }
    int LargeChange() const { return large_change_; }
    void LargeChange(int v) { set(large_change_, v); }

    std::function<void()> Change;
    std::function<void()> Scroll;

    // The user dragged to `v` (clamped): Scroll, then Change if the value differs.
    void user_scroll_to(int v);

protected:
    void on_key_down(int key_code, int shift) override;

private:
    int min_ = 0;
    int max_ = 10;
    int value_ = 0;
    int small_change_ = 1;
    int large_change_ = 5;
};

class Slider : public RangeControl {
public:
    using RangeControl::RangeControl;
    const char *kind() const override { return "Slider"; }
};

class ScrollBar : public RangeControl {
public:
    using RangeControl::RangeControl;
    const char *kind() const override { return "ScrollBar"; }
};

} // namespace ohmira
