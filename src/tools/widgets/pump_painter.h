// The pump's parts of the curve diagram on a QPainter, over the plant curve:
// the shaded best-efficiency band, the pump's curve, the operating point's
// mark and label, and the small NPSH diagram below.
#pragma once

#include "tools/curve_diagram.h"

class QFontMetricsF;
class QPainter;

namespace tolvane {

void paintPumpPicture(QPainter& painter, const QFontMetricsF& metrics, const DiagramPicture& pic,
                      const PumpPicture& pump);

}  // namespace tolvane
