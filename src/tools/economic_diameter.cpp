#include "tools/economic_diameter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/engine.h"
#include "tools/tool_input.h"
#include "base/input_number.h"
#include "base/number_format.h"
#include "base/number_rounding.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

constexpr std::array<double, 20> kCurveDiameters = {
    10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 150, 200, 300, 400, 500, 600, 700, 800, 900, 1000};

constexpr int kMetricAbove = 2000;  // returned above the curve and above the metric series
constexpr int kInchAbove = 30000;   // above the inch series

std::string velocityText(double v) { return cutTo(formatFixed(v, 2), 10); }
std::string millimetreText(int d) { return cutTo(std::to_string(d), 5); }
std::string inchText(int thousandths) { return cutTo(formatFixed(thousandths / 1000.0, 2), 5); }

int roundToInt(double x) { return static_cast<int>(roundHalfEven(x)); }

void metricBlock(std::vector<std::string>& out, const EconomicBlockStyle& block, int d, double q) {
    if (d > 1000) {
        out.push_back("Optimal pipe diameter > 1000 mm!!");
    } else if (d < 10) {
        out.push_back("Optimal pipe diameter < 10 mm!!");
    } else if (isStandardSize(NominalSeries::Metric, d)) {
        out.push_back("Optimal pipe diameter about: " + millimetreText(d) + " mm");
        out.push_back("Possible diameter: DN " + millimetreText(d) + " ==> Velocity " +
                      velocityText(meanVelocity(q, d)) + " m/s");
    } else {
        out.push_back(block.metricBetweenHeading + millimetreText(d) + " mm");
        for (int size :
             {nextLowerSize(NominalSeries::Metric, d), nextHigherSize(NominalSeries::Metric, d)})
            out.push_back("Possible diameter: DN " + millimetreText(size) + " ==> Velocity " +
                          velocityText(meanVelocity(q, size)) + " m/s");
    }
}

// dMm is the whole-millimetre diameter the inch size was rounded from.
void inchBlock(std::vector<std::string>& out, const EconomicBlockStyle& block, int dMm, double q) {
    const int d = roundToInt(dMm / kMmPerIn * 1000.0);
    if (d > 24000) {
        out.push_back("Optimal pipe diameter > 24 in.!!");
    } else if (d < 125) {
        out.push_back("Optimal pipe diameter < 0,125 in.!!");
    } else if (isStandardSize(NominalSeries::Inch, d)) {
        out.push_back("Optimal pipe diameter about: " + inchText(d) + " in.");
        out.push_back("Possible diameter: " + inchText(d) + block.inchStandardSuffix +
                      " ==> Velocity " + velocityText(meanVelocity(q, dMm) / kMPerFt) + " ft./s");
    } else {
        out.push_back("Optimal pipe diameter about: " + inchText(d) + " in.");
        for (int size :
             {nextLowerSize(NominalSeries::Inch, d), nextHigherSize(NominalSeries::Inch, d)}) {
            const double v = meanVelocity(q, size * kMmPerIn / 1000.0);
            out.push_back("Possible diameter: " + inchText(size) + " in." + " ==> Velocity " +
                          (block.inchNeighboursInMetres ? velocityText(v) + " m/s"
                                                        : velocityText(v / kMPerFt) + " ft./s"));
        }
    }
}

// A plain number as the opening dialog converts it: a point for the decimals,
// nothing else around it.
bool readsAsPlainNumber(const std::string& text) {
    if (text.empty() || text.find(',') != std::string::npos || text.find(' ') != std::string::npos)
        return false;
    return readNumber(text).has_value();
}

}  // namespace

const EconomicDiameterCurve& smallViscosityCurve() {
    static const EconomicDiameterCurve c{
        kCurveDiameters,
        {0.22,  1.41,   4.07,    8.23,    14.42,   23.0,    34.08,   47.77,   63.9,     81.71,
         216.3, 429.77, 1096.76, 2094.56, 3357.58, 4967.23, 6927.21, 9047.79, 11451.11, 14137.17}};
    return c;
}

const EconomicDiameterCurve& highViscosityCurve() {
    static const EconomicDiameterCurve c{
        kCurveDiameters,
        {0.08,  0.52,   1.48,   3.17,   5.51,    8.78,    12.82,   18.1,    24.28,   31.95,
         84.61, 174.17, 440.23, 827.87, 1357.17, 1995.04, 2757.03, 3619.11, 4580.44, 5654.87}};
    return c;
}

const EconomicDiameterCurve& smallPressureCurve() {
    static const EconomicDiameterCurve c{
        kCurveDiameters, {0.71,     4.64,     13.56,    28.5,     51.6,     81.43,   121.23,
                          168.29,   229.02,   300.56,   821.93,   1696.46,  4351.42, 8278.72,
                          13571.68, 19950.37, 27431.76, 35829.24, 45346.38, 55983.18}};
    return c;
}

const EconomicDiameterCurve& highPressureCurve() {
    static const EconomicDiameterCurve c{
        kCurveDiameters, {1.98,     12.72,    37.64,    78.22,    135.5,     210.7,    316.71,
                          439.54,   588.59,   766.23,   2003.94,  4071.5,    10331.44, 20077.04,
                          32727.54, 48349.11, 66639.78, 88215.92, 111648.28, 137837.38}};
    return c;
}

const std::vector<int>& nominalSizes(NominalSeries series) {
    static const std::vector<int> metric = {10,  15,  20,  25,  32,  40,  50,  65,
                                            80,  100, 125, 150, 200, 250, 300, 350,
                                            400, 500, 600, 700, 800, 900, 1000};
    static const std::vector<int> inch = {125,   250,   375,   500,   750,   1000,  1250, 1500,
                                          2000,  2500,  3000,  3500,  4000,  5000,  6000, 8000,
                                          10000, 12000, 14000, 16000, 18000, 20000, 24000};
    return series == NominalSeries::Metric ? metric : inch;
}

int economicDiameter(const EconomicDiameterCurve& curve, double q) {
    const auto& Q = curve.flow;
    const auto& D = curve.diameter;
    const std::size_t last = Q.size() - 1;
    if (q < Q[0]) return 1;
    if (!(q <= Q[last])) return kMetricAbove;
    double d = D[last];
    for (std::size_t i = 0; i < last; ++i) {
        const bool top = i + 1 == last;
        if (q >= Q[i] && (q < Q[i + 1] || (top && q <= Q[i + 1]))) {
            d = interpolate(q, Q[i], Q[i + 1], D[i], D[i + 1]);
            break;
        }
    }
    return roundToInt(d);
}

bool isStandardSize(NominalSeries series, int d) {
    const std::vector<int>& s = nominalSizes(series);
    return std::find(s.begin(), s.end(), d) != s.end();
}

int nextLowerSize(NominalSeries series, int d) {
    const std::vector<int>& s = nominalSizes(series);
    if (d < s.front()) return 1;
    if (d > s.back()) return series == NominalSeries::Metric ? kMetricAbove : kInchAbove;
    auto upper = std::upper_bound(s.begin(), s.end(), d);
    return *(upper - 1);
}

int nextHigherSize(NominalSeries series, int d) {
    const std::vector<int>& s = nominalSizes(series);
    if (d < s.front()) return 1;
    if (d > s.back()) return series == NominalSeries::Metric ? kMetricAbove : kInchAbove;
    return *std::upper_bound(s.begin(), s.end(), d);
}

double meanVelocity(double q, double dMm) {
    return q * 4.0 * 10000.0 / (std::numbers::pi * dMm * dMm * 36.0);
}

const EconomicDiameterStyle& liquidStyle() {
    static const EconomicDiameterStyle s{
        "Economic diameter for a rate of flow",
        "of ",
        "Incorrect or no input in the input field!\rPlease adjust it!",
        {&smallViscosityCurve(), "Small viscosity (ca.10^-6 m²/s)",
         "Small viscosity (10^-5 sq.ft./s)", "Optiaml pipe diameter about: ", " in.", false},
        {&highViscosityCurve(), "High viscosity (100*10^-6 m²/s)",
         "High viscosity (100*10^-5 sq.ft./s)", "Optimal pipe diameter about: ", " in. ", false},
    };
    return s;
}

const EconomicDiameterStyle& gasStyle() {
    static const EconomicDiameterStyle s{
        "Economic diameter of pipe for a rate of flow ",
        "from ",
        "Incorrect or no input in input field!\rPlease correct it!",
        {&smallPressureCurve(), "Small pressure (1 bar)", "Low pressure (about 15 psi)",
         "Optimal pipe diameter about.: ", "", false},
        {&highPressureCurve(), "High pressure (much higher than 1 bar)",
         "High pressure (much higher than 15 psi)", "Optimal pipe diameter about: ", " in. ", true},
    };
    return s;
}

EconomicDiameterRun calculateEconomicDiameter(const EconomicDiameterStyle& style,
                                              const std::string& flowText, int unitPosition,
                                              bool metric, MessageSink& messages) {
    EconomicDiameterRun run;
    run.flowText = flowText;
    InputCheck check(messages);
    double value = ParseInputNumber(flowText, check);
    if (!check.InputValid) {
        messages.show(MessageType::Error, style.errorText);
        return run;
    }
    value = std::fabs(value);
    if (value == 0.0) {
        value = 1.0;
        run.flowText = "1.0";
    }
    const double q = convertAt(UnitList::VolumeFlow, unitPosition, value);
    const int dSmall = economicDiameter(*style.small.curve, q);
    const int dHigh = economicDiameter(*style.high.curve, q);

    std::vector<std::string>& out = run.lines;
    out.push_back(style.firstLine);
    out.push_back(style.flowPrefix + run.flowText + " " +
                  unitTextAt(UnitList::VolumeFlow, unitPosition) + ":");
    out.emplace_back();
    out.push_back(metric ? style.small.metricTitle : style.small.inchTitle);
    if (metric)
        metricBlock(out, style.small, dSmall, q);
    else
        inchBlock(out, style.small, dSmall, q);
    out.emplace_back();
    out.push_back(metric ? style.high.metricTitle : style.high.inchTitle);
    if (metric)
        metricBlock(out, style.high, dHigh, q);
    else
        inchBlock(out, style.high, dHigh, q);
    run.calculated = true;
    return run;
}

EconomicDiameterPreset economicDiameterPreset(int mainFlowKind, int mainFlowUnit,
                                              const std::string& mainFlowText, bool commaAsPoint) {
    EconomicDiameterPreset p;
    p.unitPosition = mainFlowKind == 0 ? mainFlowUnit : 0;
    p.flowText = mainFlowText;
    std::string plain = mainFlowText;
    if (commaAsPoint) std::replace(plain.begin(), plain.end(), ',', '.');
    p.calculateNow = readsAsPlainNumber(plain);
    return p;
}

}  // namespace tolvane
