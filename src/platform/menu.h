#pragma once
// Menu items. The tree is given by containers: a menu-bar item sits on the form, an item of a
// menu has In{"<parent menu name>"}. A caption "-" is a separator; "&" marks the access key.
#include "platform/control.h"

#include <string>
#include <vector>

namespace ohmira {

// A shortcut: Ctrl (and maybe Shift/Alt) with a letter; key 0 for none.
struct MenuShortcut {
    int key = 0;   // upper-case letter code, e.g. 'N'
    int shift = 0; // vbCtrlMask, vbShiftMask, vbAltMask combined
    bool operator==(const MenuShortcut &) const = default;
};

// Parses "Ctrl+N", "Ctrl+Shift+N"; "" or anything else gives no shortcut.
MenuShortcut parse_shortcut(const std::string &text);

class MenuItem : public Control {
public:
    MenuItem(Form &owner, std::string name, std::string parent, std::string caption,
             const std::string &shortcut = "");
    const char *kind() const override { return "MenuItem"; }
    bool takes_focus() const override { return false; }

    const std::string &Caption() const { return caption_; }
    void Caption(const std::string &c) { set(caption_, c); }
    bool Checked() const { return checked_; }
    void Checked(bool c) { set(checked_, c); }
    const MenuShortcut &Shortcut() const { return shortcut_; }
    bool is_separator() const { return caption_ == "-"; }

    // The items under this one, in creation order.
    std::vector<MenuItem *> items() const;
    // Whether the user can reach and choose the item: it and its parents are visible and enabled.
    bool reachable() const;

    // The user chose the item: Click, if reachable and not a separator.
    void user_click() override;

private:
    std::string caption_;
    MenuShortcut shortcut_;
    bool checked_ = false;
};

// The menu-bar items of a form, in creation order.
std::vector<MenuItem *> menu_bar(const Form &form);

} // namespace ohmira
