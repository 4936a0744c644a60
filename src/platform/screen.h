#pragma once
// The screen object: the pointer shown over every window of the program while it is set (an
// hourglass during a long computation), overriding the forms' and controls' own pointers; and the
// fonts the screen offers (the measured fonts until the window layer lists the desktop's).
#include "platform/control.h"
#include "platform/text_metrics.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ohmira {

class ScreenObject {
public:
    int MousePointer() const { return mouse_pointer_; }
    void MousePointer(int p) {
        if (p == mouse_pointer_)
            return;
        mouse_pointer_ = p;
        ++revision_;
        if (on_state_changed)
            on_state_changed();
    }
    std::uint64_t revision() const { return revision_; }

    int FontCount() const { return static_cast<int>(fonts_.size()); }
    // Font `index` (0..FontCount-1); "" outside.
    std::string Fonts(int index) const {
        return index >= 0 && index < FontCount() ? fonts_[static_cast<std::size_t>(index)] : "";
    }
    void set_fonts(std::vector<std::string> names) { fonts_ = std::move(names); }

    // Window layer: called after the pointer changed.
    std::function<void()> on_state_changed;

private:
    int mouse_pointer_ = vbDefault;
    std::uint64_t revision_ = 0;
    std::vector<std::string> fonts_ = known_font_names();
};

inline ScreenObject Screen;

} // namespace ohmira
