#pragma once
// The screen object: the mouse pointer shown over every window of the program while a long
// command runs (vbDefault lets each control show its own).
#include "platform/control.h"

namespace ohmira {

class ScreenObject {
public:
    int MousePointer() const { return mouse_pointer_; }
    void MousePointer(int pointer) { mouse_pointer_ = pointer; }

private:
    int mouse_pointer_ = vbDefault;
};

inline ScreenObject Screen;

} // namespace ohmira
