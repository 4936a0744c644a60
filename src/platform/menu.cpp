#include "platform/menu.h"

#include "platform/form.h"

#include <cctype>
#include <utility>

namespace ohmira {

MenuShortcut parse_shortcut(const std::string &text) {
    MenuShortcut s;
    std::string rest = text;
    static constexpr struct {
        const char *prefix;
        int mask;
    } modifiers[] = {{"Ctrl+", vbCtrlMask}, {"Shift+", vbShiftMask}, {"Alt+", vbAltMask}};
    for (bool found = true; found;) {
        found = false;
        for (const auto &m : modifiers) {
            const std::string p = m.prefix;
            if (rest.compare(0, p.size(), p) == 0) {
                s.shift |= m.mask;
                rest.erase(0, p.size());
                found = true;
            }
        }
    }
    if (rest.size() != 1 || !std::isalpha(static_cast<unsigned char>(rest[0])) || s.shift == 0)
        return {};
    s.key = std::toupper(static_cast<unsigned char>(rest[0]));
    return s;
}

MenuItem::MenuItem(Form &owner, std::string name, std::string parent, std::string caption,
                   const std::string &shortcut)
    : Control(owner, std::move(name), In{std::move(parent)}, 0, 0, 0, 0),
      caption_(std::move(caption)), shortcut_(parse_shortcut(shortcut)) {}

std::vector<MenuItem *> MenuItem::items() const {
    std::vector<MenuItem *> children;
    for (Control *c : form().controls())
        if (auto *m = dynamic_cast<MenuItem *>(c); m && m->container_name() == Name())
            children.push_back(m);
    return children;
}

bool MenuItem::reachable() const {
    const Control *c = this;
    for (int depth = 0; c && depth < 64; ++depth) {
        if (!c->Visible() || !c->Enabled())
            return false;
        c = c->Container();
    }
    return c == nullptr;
}

void MenuItem::user_click() {
    if (reachable() && !is_separator())
        fire(Click);
}

std::vector<MenuItem *> menu_bar(const Form &form) {
    std::vector<MenuItem *> bar;
    for (Control *c : form.controls())
        if (auto *m = dynamic_cast<MenuItem *>(c); m && m->container_name().empty())
            bar.push_back(m);
    return bar;
}

} // namespace ohmira
