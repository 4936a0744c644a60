#pragma once
// Where the model curves, steps and error curves are drawn, by `Draw_Mode`: the sheet page
// `VSPrint` in "FRMPRINT" (page twips from the sheet geometry), the system printer in "IMPRIME"
// (the caller's user scale and line width), the screen plot `Bilog` otherwise (its user scale).
// Plot coordinates are decades: x = log10 of the spacing, y = log10 of the resistivity.
#include <optional>

#include "platform/display_list.h"
#include "platform/variant.h"

namespace ohmira {

enum class Plot_Surface { screen, sheet_page, printer };

Plot_Surface plot_surface();

// The colours of the standard 16-colour palette (QBColor); index outside 0..15 gives nothing.
std::optional<Colour> QBColor(int index);

// A plot colour setting (a Windows RGB number) as a colour; a value that is not an RGB number
// draws black.
Colour plot_colour(const Variant &setting);

// Page twips of the plot point (x, y) on the sheet page; nothing when the geometry or the point
// give no finite position.
std::optional<PointTw> sheet_page_point(double x, double y);

// Draws one polyline vertex after another on the surface of the current mode. The first vertex
// of a run is a single point (on the page a line from the point to itself), each later one a
// line from the previous vertex.
class Curve_Pen {
public:
    explicit Curve_Pen(Plot_Surface surface) : surface_(surface) {}
    Plot_Surface surface() const { return surface_; }

    // Sets the colour of what follows (on the page, the preview's pen colour at once).
    void colour(Colour c);
    // A vertex; `first` starts a new polyline. False when the point could not be drawn (a
    // coordinate that maps to no position); the pen then stays where it was.
    bool vertex(double x, double y, bool first);

private:
    Plot_Surface surface_;
    Colour colour_ = colour_black;
};

} // namespace ohmira
