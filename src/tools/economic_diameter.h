// The economic pipe diameter for one rate of flow, for liquids (small and
// high viscosity) and gases (near 1 bar and much higher): the diameter is
// read off two fixed curves of diameter against rate of flow, then written
// with the standard nominal sizes around it and the mean velocity each gives,
// in millimetres and m/s or in inches and ft/s. Only the rate of flow enters.
//
// flow text + unit position -> m³/h -> curve diameter (whole mm) -> blocks of
// output lines, one per curve.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/messages_clipboard_files.h"

namespace tolvane {

// 20 points of nominal diameter (mm) against rate of flow (m³/h), the rate
// of flow strictly rising.
struct EconomicDiameterCurve {
    std::array<double, 20> diameter;
    std::array<double, 20> flow;
};

enum class NominalSeries { Metric, Inch };

// The curves: liquids of about 1e-6 and 100e-6 m²/s, gases near 1 bar and
// well above it.
const EconomicDiameterCurve& smallViscosityCurve();
const EconomicDiameterCurve& highViscosityCurve();
const EconomicDiameterCurve& smallPressureCurve();
const EconomicDiameterCurve& highPressureCurve();

// DN 10 ... DN 1000 in mm; 1/8 in. ... 24 in. in thousandths of an inch.
const std::vector<int>& nominalSizes(NominalSeries series);

// Diameter in whole mm for q in m³/h: 1 below the curve, 2000 above it,
// interpolated between its points and rounded half to even.
int economicDiameter(const EconomicDiameterCurve& curve, double q);
bool isStandardSize(NominalSeries series, int d);
// The neighbours of a d that is not a member: 1 below the series, 2000
// (metric) or 30000 (inch) above it.
int nextLowerSize(NominalSeries series, int d);
int nextHigherSize(NominalSeries series, int d);
// Mean velocity in m/s of q m³/h in a pipe of inner diameter dMm mm.
double meanVelocity(double q, double dMm);

// How one of the two blocks of a tool is written.
struct EconomicBlockStyle {
    const EconomicDiameterCurve* curve = nullptr;
    std::string metricTitle;
    std::string inchTitle;
    std::string metricBetweenHeading;  // heading before the two neighbours, metric
    std::string inchStandardSuffix;    // after the diameter of a standard inch size
    bool inchNeighboursInMetres = false;
};

struct EconomicDiameterStyle {
    std::string firstLine;
    std::string flowPrefix;  // "of " / "from "
    std::string errorText;   // the message for a rate of flow that does not read
    EconomicBlockStyle small;
    EconomicBlockStyle high;
};

const EconomicDiameterStyle& liquidStyle();
const EconomicDiameterStyle& gasStyle();

struct EconomicDiameterRun {
    bool calculated = false;
    std::string flowText;  // the field's text afterwards (zero becomes "1.0")
    std::vector<std::string> lines;
};

// One press of "C&alculate": the field's text, the unit's position in the
// volume-flow list, metric or inch output. A text that does not read shows
// the style's error message and gives no lines.
EconomicDiameterRun calculateEconomicDiameter(const EconomicDiameterStyle& style,
                                              const std::string& flowText, int unitPosition,
                                              bool metric, MessageSink& messages);

// What the dialog takes from the main window when it opens.
struct EconomicDiameterPreset {
    int unitPosition = 0;
    std::string flowText;
    bool calculateNow = false;
};

// mainFlowKind 0 is "Volume flow:"; a mass flow takes the first unit. The
// calculation runs at once when the text reads as a plain number with a
// point; with `commaAsPoint` commas are taken as points first.
EconomicDiameterPreset economicDiameterPreset(int mainFlowKind, int mainFlowUnit,
                                              const std::string& mainFlowText, bool commaAsPoint);

}  // namespace tolvane
