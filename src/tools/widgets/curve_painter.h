// The one drawing of the curve diagram on a QPainter, used by the window's
// drawing surface and by the PNG, SVG and PDF files: white ground, frame,
// grid, tick labels, axis titles, the pale band of the published methods
// where the diagram has one and the red curve, laid out for `size` in
// the painter's logical units.
#pragma once

#include <QFont>
#include <QSizeF>

#include "tools/curve_diagram.h"

class QPainter;

namespace tolvane {

// `font` is used at its size in pixels (a point size counts at 96 pixels per
// inch), so the drawing looks alike on every device and under any scaling.
// A `heading` (the medium, in saved files) stands in bold above the diagram.
void paintCurveDiagram(QPainter& painter, const QSizeF& size, const CurveDiagram& diagram,
                       const QFont& font, const std::string& heading = {});

}  // namespace tolvane
