#include "tools/curve_axis.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/number_format.h"
#include "base/number_rounding.h"

namespace tolvane {

namespace {

// Two exponent digits are enough on an axis: " 1.5E+0004" -> " 1.5E+04".
// Only leading zeros go, so " 1.0E+0300" keeps its three digits.
std::string shortExponent(std::string text) {
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return text;
    std::size_t first = e + 2, zeros = 0;
    while (zeros < 2 && first + zeros < text.size() && text[first + zeros] == '0') ++zeros;
    text.erase(first, zeros);
    return text;
}

// No nice step gives more than 25 intervals; more means the step did not
// divide the range.
constexpr double kMostIntervals = 100.0;

// Ticks from `min` on until the axis holds `largest`: the rounded tick count
// can end an axis a fraction of a step below its largest point. Nothing when
// `step` cannot divide the range into a drawable number of intervals or the
// last tick is beyond the range of a double.
std::optional<int> tickIntervals(double min, double range, double step, double largest) {
    if (!(step > 0.0 && std::isfinite(step))) return std::nullopt;
    double n = roundHalfEven(range / step);
    const double tolerance = 1e-9 * step;
    while (n <= kMostIntervals && min + n * step < largest - tolerance) n += 1.0;
    if (!(n >= 1.0 && n <= kMostIntervals && std::isfinite(min + n * step))) return std::nullopt;
    return static_cast<int>(n);
}

struct Ticks {
    double step = 1.0;
    int decimals = 0;
    int intervals = 1;
};

// The nice step where it divides the range; otherwise a plain tenth of the
// range (a range of 1e-310 or 1.7e308), and where even that fails (a range
// of 5e-324, whose tenth is 0) a single interval. Both in the exponent form.
Ticks divideRange(double min, double range, double largest, TickStep nice) {
    if (const auto n = tickIntervals(min, range, nice.step, largest))
        return {nice.step, nice.decimals, *n};
    const double tenth = range / 10.0;
    if (const auto n = tickIntervals(min, range, tenth, largest)) return {tenth, 4, *n};
    return {range, 4, 1};
}

// Steps 4 to 7: the start at zero, the step, the ticks and the labels.
// `flowLabels`: the rate-of-flow axis's label rules.
AxisScale scale(double min, double max, bool flowLabels) {
    // Points that are no numbers (or a span beyond a double) cannot be
    // placed; the axis still has to be drawable.
    if (!(std::isfinite(min) && std::isfinite(max) && std::isfinite(max - min))) {
        min = 0.0;
        max = 1.0;
    }
    AxisScale a;
    const double largest = max;
    double range = max - min;
    if (min >= 0.0 && min * 10.0 <= max) {
        range = max;
        min = 0.0;
    }
    // A flat curve (one vertical difference only) still needs an axis.
    if (!(range > 0.0)) range = min != 0.0 ? std::fabs(min) : 1.0;

    const double s = range / 10.0;
    TickStep t = niceTickStep(s);
    if (flowLabels && s >= 10.0 && t.step > 1000.0) t.decimals = 4;
    const Ticks ticks = divideRange(min, range, largest, t);
    a.step = ticks.step;
    a.decimals = flowLabels ? std::min(ticks.decimals, 4) : ticks.decimals;

    a.tickCount = ticks.intervals + 1;
    a.range = ticks.intervals * a.step;
    a.min = min;
    a.max = min + a.range;
    a.labels.reserve(static_cast<std::size_t>(a.tickCount));
    for (int k = 0; k < a.tickCount; ++k)
        a.labels.push_back(axisLabel(k * a.step + min, a.decimals));
    return a;
}

}  // namespace

TickStep niceTickStep(double s) {
    TickStep out;
    double t = s, m = 1.0;
    if (s < 1.0) {
        do {
            t *= 10.0;
            m *= 10.0;
        } while (!(t > 0.999) && std::isfinite(m));
        out.decimals = m <= 10.0 ? 1 : m <= 100.0 ? 2 : m <= 1000.0 ? 3 : 4;
        t = roundHalfEven(t + 0.001);
    } else if (s >= 10.0) {
        while (t >= 10.0 && std::isfinite(t)) {
            t /= 10.0;
            m *= 10.0;
        }
        out.decimals = m > 1000.0 ? 4 : 0;
        t = roundHalfEven(t);
    } else {
        t = roundHalfEven(s);
    }

    double r = t;
    if (t == 3.0)
        r = 2.5;
    else if (t == 4.0 || t == 6.0 || t == 7.0)
        r = 5.0;
    else if (t == 8.0 || t == 9.0)
        r = 10.0;
    if (r == 2.5 && s < 10.0) out.decimals += 1;
    out.step = s < 1.0 ? r / m : r * m;
    // Beyond the range of a double (an axis of 1e-320 or 1e308) the step is
    // a plain tenth of the range, labelled in the exponent form.
    if (!(std::isfinite(out.step) && out.step > 0.0)) {
        out.step = s;
        out.decimals = 4;
    }
    return out;
}

double roundDownToOneDigit(double min) {
    const double a = std::fabs(min);
    if (!std::isfinite(a) || a == 0.0 || (a >= 1.0 && a <= 10.0)) return min;
    // Down for a positive value, away from zero for a negative one.
    auto cut = [min](double x) { return min > 0 ? std::trunc(x) : std::ceil(x); };
    double m = 1.0, t = a;
    if (a > 10.0) {
        while (t >= 10.0) {
            t /= 10.0;
            m *= 10.0;
        }
        return std::copysign(cut(t) * m, min);
    }
    while (!(t > 1.0)) {
        t *= 10.0;
        m *= 10.0;
    }
    return std::copysign(cut(t) / m, min);
}

std::string axisLabel(double value, int decimals) {
    if (decimals < 4) return formatFixed(value, decimals);
    return shortExponent(formatExponent(value, decimals == 4 ? 1 : 2));
}

PressureAxis scalePressureAxis(double minDrop, double maxDrop, OutputSystem system) {
    PressureAxis p;
    if (system == OutputSystem::US) {
        p.unit = "psi";
    } else if (minDrop < 1.0 && maxDrop < 1.0) {
        p.unit = "mbar";
        p.factor = 1000.0;
    } else {
        p.unit = "bar";
    }
    const double min = roundDownToOneDigit(minDrop * p.factor);
    p.scale = scale(min, maxDrop * p.factor, false);
    p.leftMargin = p.scale.decimals < 4 ? 30 : p.scale.decimals == 4 ? 45 : 55;
    return p;
}

AxisScale scaleFlowAxis(double start, double end) { return scale(start, end, true); }

AxisScale scaleValueAxis(double min, double max) {
    return scale(roundDownToOneDigit(min), max, false);
}

}  // namespace tolvane
