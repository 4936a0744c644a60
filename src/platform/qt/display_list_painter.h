#pragma once
// Paints a display list with QPainter, and renders one to an image or a PNG file.
#include "platform/display_list.h"

#include <QImage>
#include <QPointF>

#include <string>

class QPainter;

namespace ohmira::qt {

// Paints the operations of `list` with (0, 0) twips at `origin` (pixels of the painter) and
// `px_per_twip` pixels per twip. The background is not painted.
void paint_display_list(QPainter &painter, const DisplayList &list, double px_per_twip,
                        QPointF origin = {});

// The list on a white (the list's background) image of width_twips x height_twips at `dpi`.
QImage render_display_list(const DisplayList &list, double width_twips, double height_twips,
                           double dpi = 96);

// Renders as above and writes a PNG file; false when the size is empty or the file cannot be
// written.
bool render_display_list_png(const DisplayList &list, double width_twips, double height_twips,
                             const std::string &path, double dpi = 96);

} // namespace ohmira::qt
