// The curve diagram saved as a file: a PNG picture at twice the pixels of
// `size`, an SVG drawing of `size`, or a one-page PDF (landscape A4, or US
// Letter where the system measures in inches) with the drawing filling the
// page; the format by the file's extension. The file is drawn in memory and
// saved by writeFileAtomically: a failed save keeps the old file.
#pragma once

#include <QFont>
#include <QSize>
#include <optional>
#include <string>

#include "tools/curve_diagram.h"

namespace tolvane {

// The drawing of `size` with `heading` above it (the medium); `title` names
// the SVG and PDF documents. Returns the reason of a failure, or nothing.
std::optional<std::string> writeCurveDiagramFile(const std::string& path,
                                                 const CurveDiagram& diagram, const QSize& size,
                                                 const QFont& font, const std::string& heading,
                                                 const std::string& title);

}  // namespace tolvane
