#pragma once
// The toolbar: a row of buttons with keys, styles, images (from an image list) and tooltips.
// Its ButtonClick event passes the pressed button.
#include "platform/control.h"

#include <memory>
#include <string>
#include <vector>

namespace ohmira {

class Toolbar;

enum ButtonStyleConstants : int {
    tbrDefault = 0,
    tbrCheck = 1,
    tbrButtonGroup = 2,
    tbrSeparator = 3,
    tbrPlaceholder = 4,
};

class ToolbarButton {
public:
    ToolbarButton(Toolbar &owner, int index, std::string key, int style, std::string image);
    ToolbarButton(const ToolbarButton &) = delete;
    ToolbarButton &operator=(const ToolbarButton &) = delete;

    // Position in the toolbar, from 1.
    int Index() const { return index_; }
    const std::string &Key() const { return key_; }
    int Style() const { return style_; }
    const std::string &Image() const { return image_; }
    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c);
    const std::string &ToolTipText() const { return tooltip_; }
    void ToolTipText(const std::string &t);
    // What the button does, for the user who looks it up (accessibility, customising).
    const std::string &Description() const { return description_; }
    void Description(const std::string &d);
    // Width in twips; used by placeholders.
    int Width() const { return width_; }
    void Width(int twips);
    bool Enabled() const { return enabled_; }
    void Enabled(bool e);
    bool Visible() const { return visible_; }
    void Visible(bool v);
    // Pressed state of a check button.
    bool Value() const { return value_; }
    void Value(bool v);

private:
    friend class Toolbar;
    void changed();
    Toolbar *owner_;
    int index_;
    std::string key_;
    int style_;
    std::string image_;
    std::string caption_;
    std::string tooltip_;
    std::string description_;
    int width_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool value_ = false;
};

// The toolbar's button collection, read as `Toolbar1.Buttons.Add(...)`, `Toolbar1.Buttons(1)`.
class ToolbarButtons {
public:
    explicit ToolbarButtons(Toolbar &owner) : owner_(owner) {}
    // Appends a button. A non-empty key must be unique: a repeated one is refused (nullptr) and
    // nothing is added.
    ToolbarButton *Add(const std::string &key = "", int style = tbrDefault,
                       const std::string &image = "");
    int Count() const { return static_cast<int>(buttons_.size()); }
    // Button by position (from 1) or key; nullptr if none.
    ToolbarButton *operator()(int index) const;
    ToolbarButton *operator()(const std::string &key) const;
    void Clear();

private:
    Toolbar &owner_;
    std::vector<std::unique_ptr<ToolbarButton>> buttons_;
};

class Toolbar : public Control {
public:
    using Control::Control;
    const char *kind() const override { return "Toolbar"; }
    bool takes_focus() const override { return false; }

    ToolbarButtons Buttons{*this};
    // Name of the image list on the same form that holds the buttons' pictures.
    const std::string &ImageList() const { return image_list_; }
    void ImageList(const std::string &name) { set(image_list_, name); }

    std::function<void(ToolbarButton &Button)> ButtonClick;

    // The user pressed a button (by position from 1 or by key). Separators, placeholders and
    // disabled or hidden buttons do nothing; a check button toggles before the event.
    void user_click_button(int index);
    void user_click_button(const std::string &key);

private:
    friend class ToolbarButton;
    friend class ToolbarButtons;
    void user_press(ToolbarButton *b);
    std::string image_list_;
};

} // namespace ohmira
