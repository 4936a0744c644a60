#pragma once
// The screen object: the pointer shown over every window of the program while it is set (an
// hourglass during a long computation), overriding the forms' and controls' own pointers.
#include "platform/control.h"

#include <cstdint>
#include <functional>

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
    // Window layer: called after the pointer changed.
    std::function<void()> on_state_changed;

private:
    int mouse_pointer_ = vbDefault;
    std::uint64_t revision_ = 0;
};

inline ScreenObject Screen;

} // namespace ohmira
