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

    int FontCount() const { return static_cast<int>(fonts().size()); }
    // Font `index` (0..FontCount-1); "" outside.
    std::string Fonts(int index) const {
        return index >= 0 && index < FontCount() ? fonts()[static_cast<std::size_t>(index)] : "";
    }
    void set_fonts(std::vector<std::string> names) {
        fonts_ = std::move(names);
        font_source_ = nullptr;
    }
    // The list is asked of `source` when first needed (enumerating the desktop's fonts takes
    // time the start-up need not spend).
    void set_font_source(std::function<std::vector<std::string>()> source) {
        font_source_ = std::move(source);
    }

    // The screen's free area in twips, as the window layer reports it; 0 while unknown.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void set_size(int width, int height) {
        width_ = width;
        height_ = height;
    }

    // Window layer: called after the pointer changed.
    std::function<void()> on_state_changed;

private:
    int mouse_pointer_ = vbDefault;
    std::uint64_t revision_ = 0;
    int width_ = 0, height_ = 0;
    const std::vector<std::string> &fonts() const {
        if (font_source_) {
            fonts_ = font_source_();
            font_source_ = nullptr;
        }
        return fonts_;
    }
    mutable std::vector<std::string> fonts_ = known_font_names();
    mutable std::function<std::vector<std::string>()> font_source_;
};

inline ScreenObject Screen;

} // namespace ohmira
