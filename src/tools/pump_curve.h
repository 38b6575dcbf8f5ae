// A pump's characteristic from its stated points: head (and optionally
// efficiency, NPSH required and shaft power) over the rate of flow at one
// speed and impeller diameter, interpolated between the points and never
// beyond them; the affinity laws for another speed or impeller, and N equal
// pumps in parallel or in series.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

// Monotone piecewise-cubic Hermite interpolation (Fritsch and Carlson, 1980):
// through every point, monotone wherever the points are, no overshoot.
class Pchip {
public:
    Pchip() = default;
    // x strictly increasing, at least two points, as many y as x.
    Pchip(std::vector<double> x, std::vector<double> y);
    // Nothing outside [x.front(), x.back()].
    std::optional<double> at(double x) const;
    bool empty() const { return x_.empty(); }

private:
    std::vector<double> x_, y_, slope_;
};

// One stated point, base units: m³/h, m, %, m, kW.
struct PumpPoint {
    double flow = 0.0;
    double head = 0.0;
    std::optional<double> efficiency;  // percent
    std::optional<double> npshr;
    std::optional<double> power;
};

struct PumpData {
    std::string name;
    double speedRpm = 0.0;
    double impellerMm = 0.0;
    std::vector<PumpPoint> points;
};

// The interpolated curves of a pump's points (checked by the file reader:
// at least three points, flows strictly increasing).
class PumpCurve {
public:
    explicit PumpCurve(PumpData data);
    const PumpData& data() const { return data_; }
    double minFlow() const { return data_.points.front().flow; }
    double maxFlow() const { return data_.points.back().flow; }
    std::optional<double> head(double flow) const { return head_.at(flow); }
    std::optional<double> efficiency(double flow) const;
    std::optional<double> npshr(double flow) const;
    std::optional<double> power(double flow) const;
    bool hasEfficiency() const { return !efficiency_.empty(); }
    // The flow of the highest efficiency: a stated point, since the
    // interpolation is monotone on either side of its highest point.
    std::optional<double> bestEfficiencyFlow() const;
    // True where the head rises with the flow between two points.
    bool hasUnstableRegion() const;

private:
    PumpData data_;
    Pchip head_, efficiency_, npshr_, power_;
};

// Q ∝ r, H ∝ r², P ∝ r³, NPSHr ∝ r², efficiency unchanged.
PumpData withSpeedRatio(const PumpData& pump, double ratio);
// The same exponents for the impeller diameter ratio D/D0.
PumpData withImpellerRatio(const PumpData& pump, double ratio);
// Below this impeller ratio the laws no longer describe a trimmed impeller well.
inline constexpr double kLowestTrustedImpellerRatio = 0.8;

enum class Arrangement { Single, Parallel, Series };
// N equal pumps: flows ×N at equal head (parallel) or heads ×N at equal flow
// (series); shaft power ×N, efficiency and NPSHr of one pump.
PumpData arranged(const PumpData& pump, Arrangement arrangement, int count);

inline const std::string kUnstableRegionWarning =
    "The pump's head rises with the rate of flow (unstable region).";
inline const std::string kImpellerRatioWarning =
    "Below an impeller ratio of 0.8 the affinity laws no longer hold well.";

}  // namespace tolvane
