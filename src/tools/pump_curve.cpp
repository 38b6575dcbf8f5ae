#include "tools/pump_curve.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

Pchip::Pchip(std::vector<double> x, std::vector<double> y) : x_(std::move(x)), y_(std::move(y)) {
    const std::size_t n = x_.size();
    slope_.assign(n, 0.0);
    if (n < 2) return;
    std::vector<double> h(n - 1), d(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        h[i] = x_[i + 1] - x_[i];
        d[i] = (y_[i + 1] - y_[i]) / h[i];
    }
    if (n == 2) {
        slope_[0] = slope_[1] = d[0];
        return;
    }
    // Inner points: the weighted harmonic mean of the neighbouring secants,
    // zero at a local extremum.
    for (std::size_t i = 1; i + 1 < n; ++i) {
        if (d[i - 1] * d[i] <= 0.0) continue;
        const double w1 = 2.0 * h[i] + h[i - 1], w2 = h[i] + 2.0 * h[i - 1];
        slope_[i] = (w1 + w2) / (w1 / d[i - 1] + w2 / d[i]);
    }
    // Ends: the three-point formula, kept monotone.
    auto end = [](double h0, double h1, double d0, double d1) {
        double s = ((2.0 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
        if (s * d0 <= 0.0) return 0.0;
        if (d0 * d1 <= 0.0 && std::abs(s) > std::abs(3.0 * d0)) return 3.0 * d0;
        return s;
    };
    slope_[0] = end(h[0], h[1], d[0], d[1]);
    slope_[n - 1] = end(h[n - 2], h[n - 3], d[n - 2], d[n - 3]);
}

std::optional<double> Pchip::at(double x) const {
    if (x_.empty() || !(x >= x_.front() && x <= x_.back())) return std::nullopt;
    const auto upper = std::upper_bound(x_.begin(), x_.end(), x);
    std::size_t i =
        upper == x_.end() ? x_.size() - 2 : static_cast<std::size_t>(upper - x_.begin()) - 1;
    const double h = x_[i + 1] - x_[i], t = (x - x_[i]) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y_[i] + (t3 - 2 * t2 + t) * h * slope_[i] +
           (-2 * t3 + 3 * t2) * y_[i + 1] + (t3 - t2) * h * slope_[i + 1];
}

namespace {

// The curve of one optional column, when every point states it.
Pchip optionalCurve(const std::vector<PumpPoint>& points,
                    std::optional<double> PumpPoint::*member) {
    std::vector<double> x, y;
    for (const PumpPoint& p : points) {
        if (!(p.*member)) return {};
        x.push_back(p.flow);
        y.push_back(*(p.*member));
    }
    return Pchip(std::move(x), std::move(y));
}

PumpData scaled(const PumpData& pump, double flow, double head, double power) {
    PumpData out = pump;
    for (PumpPoint& p : out.points) {
        p.flow *= flow;
        p.head *= head;
        if (p.npshr) *p.npshr *= head;
        if (p.power) *p.power *= power;
    }
    return out;
}

}  // namespace

PumpCurve::PumpCurve(PumpData data) : data_(std::move(data)) {
    std::vector<double> x, y;
    for (const PumpPoint& p : data_.points) {
        x.push_back(p.flow);
        y.push_back(p.head);
    }
    head_ = Pchip(std::move(x), std::move(y));
    efficiency_ = optionalCurve(data_.points, &PumpPoint::efficiency);
    npshr_ = optionalCurve(data_.points, &PumpPoint::npshr);
    power_ = optionalCurve(data_.points, &PumpPoint::power);
}

std::optional<double> PumpCurve::efficiency(double flow) const { return efficiency_.at(flow); }
std::optional<double> PumpCurve::npshr(double flow) const { return npshr_.at(flow); }
std::optional<double> PumpCurve::power(double flow) const { return power_.at(flow); }

std::optional<double> PumpCurve::bestEfficiencyFlow() const {
    if (efficiency_.empty()) return std::nullopt;
    const auto best = std::max_element(
        data_.points.begin(), data_.points.end(),
        [](const PumpPoint& a, const PumpPoint& b) { return *a.efficiency < *b.efficiency; });
    return best->flow;
}

bool PumpCurve::hasUnstableRegion() const {
    for (std::size_t i = 1; i < data_.points.size(); ++i)
        if (data_.points[i].head > data_.points[i - 1].head) return true;
    return false;
}

PumpData withSpeedRatio(const PumpData& pump, double r) {
    PumpData out = scaled(pump, r, r * r, r * r * r);
    out.speedRpm *= r;
    return out;
}

PumpData withImpellerRatio(const PumpData& pump, double r) {
    PumpData out = scaled(pump, r, r * r, r * r * r);
    out.impellerMm *= r;
    return out;
}

PumpData arranged(const PumpData& pump, Arrangement arrangement, int count) {
    PumpData out = pump;
    const double n = count;
    for (PumpPoint& p : out.points) {
        if (arrangement == Arrangement::Parallel) p.flow *= n;
        if (arrangement == Arrangement::Series) p.head *= n;
        if (arrangement != Arrangement::Single && p.power) *p.power *= n;
    }
    return out;
}

}  // namespace tolvane
