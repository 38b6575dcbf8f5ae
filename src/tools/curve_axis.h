// Scaling of the two axes of the curve diagram, apart from any drawing:
// a rounded start, a "nice" tick step (1, 2, 2.5, 5 or 10 times a power of
// ten), the tick count and the label texts.
#pragma once

#include <string>
#include <vector>

#include "results/calculation_table.h"

namespace tolvane {

struct AxisScale {
    double min = 0.0, max = 0.0, range = 0.0, step = 0.0;
    int tickCount = 0;
    std::vector<std::string> labels;  // label k for min + k * step, at most 15 characters
    int decimals = 0;                 // 4 and above: scientific labels
};

struct PressureAxis {
    AxisScale scale;
    std::string unit;     // "mbar", "bar" or "psi"
    double factor = 1;    // 1000 for "mbar": multiplies the points' drops
    int leftMargin = 30;  // pixels the labels need left of the plot
};

// Pressure-drop axis from the smallest and largest summed drop (bar for
// metric output, psi for US output).
PressureAxis scalePressureAxis(double minDrop, double maxDrop, OutputSystem system);

// Rate-of-flow axis from the curve's start and end, in the dialog's unit.
AxisScale scaleFlowAxis(double start, double end);

// Any other value axis (a head, NPSH), its start rounded down and labelled as
// the pressure axis is.
AxisScale scaleValueAxis(double min, double max);

// The building blocks, for the diagram's printout and for tests.

// The tick step for a tenth of the axis range `s` (> 0) and the decimals of
// its labels before any axis-specific rule.
struct TickStep {
    double step = 1.0;
    int decimals = 0;
};
TickStep niceTickStep(double s);

// A smallest value rounded down to one significant digit: 3456 -> 3000,
// 0.0345 -> 0.03; values from 1 to 10 stay; a negative one goes away from
// zero (-0.0345 -> -0.04).
double roundDownToOneDigit(double min);

// A tick label: fixed with `decimals` below 4; 4 gives two significant digits
// in the exponent form with a two-digit exponent (" 2.5E+04"; three digits
// from 1e100 on, " 1.0E+300"), 5 three.
std::string axisLabel(double value, int decimals);

}  // namespace tolvane
