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
// stop (never for a rebuild).
bool Take_Window_Sounding(Window_Take how);

} // namespace ohmira
