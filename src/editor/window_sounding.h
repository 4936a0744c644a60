#pragma once
// Taking the sounding from the window: the one way every save, the compute and fit commands and
// every rebuild of the main page read what the window shows into the sounding (the header boxes,
// the field grid with the rows typed since the last computation computed first, the model grid).

namespace ohmira {

enum class Window_Take {
    // Every save: the whole sounding as shown. Refused, after the box that names the row or the
    // value, when a value cannot be held or when measurements lie at or below the row where the
    // data end (the file would not hold them).
    Save,
    // The compute and fit commands: the rows typed are computed (refused on a value the file
    // cannot hold) and the model grid is only checked, since the command stores the model it
    // replaces before it reads the grid itself.
    Compute,
    // A rebuild of the page: what can be taken is taken, without a box; what cannot stays in the
    // window, which the rebuild then leaves as it is.
    Rebuild,
};

// Takes the window into the sounding; false, after the box that says why, when the caller must
// stop (never for a rebuild). Nothing is taken while a sounding replaces the one on screen.
bool Take_Window_Sounding(Window_Take how);

// While it lives, the sounding in memory is replacing the one the window shows (an open, a new
// sounding, a converted file shown): the window still shows the one before, and nothing reads
// it into the new one (a tab selected on the way, for instance) until it is shown again.
class Window_Being_Replaced {
public:
    Window_Being_Replaced() { ++depth_; }
    ~Window_Being_Replaced() { --depth_; }
    Window_Being_Replaced(const Window_Being_Replaced &) = delete;
    Window_Being_Replaced &operator=(const Window_Being_Replaced &) = delete;
    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

} // namespace ohmira
