#include "properties/vapour_pressure.h"

#include <algorithm>
#include <cmath>

#include "properties/data_lines.h"
#include "properties/property_texts.h"
#include "base/number_format.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

std::optional<double> positive(double p) {
    if (!std::isfinite(p) || p <= 0) return std::nullopt;
    return p;
}

std::optional<double> wagner(const VapourSubstance& s, double T) {
    const double tau = 1 - T / s.Tc;
    if (tau == 0) return positive(s.Pc);
    if (tau < 0) return std::nullopt;
    auto power = [tau](double k) { return std::exp(k * std::log(tau)); };
    return positive(
        s.Pc *
        std::exp((s.A * tau + s.B * power(1.5) + s.C * power(3) + s.D * power(6)) * s.Tc / T));
}

std::optional<double> antoine(const VapourSubstance& s, double T) {
    if (T + s.C == 0) return std::nullopt;
    return positive(std::exp(s.A - s.B / (T + s.C)));
}

// ln p = A - B/T + C ln T + D p/T² in x = ln p: g(x) = K + (D/T²) e^x - x = 0.
// For D <= 0, g falls steadily and has one root. For D > 0 it is convex with
// its least value at x* = ln(T²/D); the vapour pressure is the root below
// x*, and there is none when g(x*) > 0. The root is bracketed in ln p and
// found by Newton steps that fall back to bisection, so p stays positive.
std::optional<double> frostKalkwarf(const VapourSubstance& s, double T) {
    if (T <= 0) return std::nullopt;
    const double K = s.A - s.B / T + s.C * std::log(T);
    const double k = s.D / (T * T);
    if (!std::isfinite(K) || !std::isfinite(k)) return std::nullopt;
    auto g = [&](double x) { return K + k * std::exp(x) - x; };
    auto dg = [&](double x) { return k * std::exp(x) - 1; };

    // g(lo) > 0 >= g(hi), searched only where e^x is a finite, non-zero
    // double: a root outside is no pressure anyway, and a bracket walked in
    // fixed steps from a huge K would take billions of steps.
    constexpr double kLowest = -745, kHighest = 709;
    double hi;
    if (k > 0) {
        hi = std::min(std::log(1 / k), kHighest);
        if (g(hi) > 0) return std::nullopt;
    } else {
        hi = std::min(std::max(K, 0.0) + 1, kHighest);
        while (g(hi) > 0 && hi < kHighest) hi = std::min(hi + 10, kHighest);
        if (g(hi) > 0) return std::nullopt;
    }
    double lo = std::max(std::min(K, hi) - 1, kLowest);
    while (g(lo) <= 0 && lo > kLowest) lo = std::max(lo - 10, kLowest);
    if (g(lo) <= 0) return std::nullopt;

    double x = 0.5 * (lo + hi);
    for (int i = 0; i < 200; ++i) {
        const double gx = g(x);
        if (gx > 0)
            lo = x;
        else
            hi = x;
        const double slope = dg(x);
        double next = slope != 0 ? x - gx / slope : 0.5 * (lo + hi);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - x) < 1e-12 || hi - lo < 1e-12) return positive(std::exp(next));
        x = next;
    }
    return std::nullopt;  // not settled: no value rather than a wrong one
}

}  // namespace

std::optional<double> vapourPressure(const VapourSubstance& s, double T) {
    switch (s.equation) {
        case 1: return wagner(s, T);
        case 2: return frostKalkwarf(s, T);
        case 3: return antoine(s, T);
        default: return std::nullopt;
    }
}

std::optional<double> saturatedLiquidDensity(const VapourSubstance& s, double T) {
    const double a = 1 - T / s.Tc, b = 1 - s.TR / s.Tc;
    if (a < 0 || b < 0 || s.ZRA <= 0) return std::nullopt;
    const double phi = std::pow(a, 2.0 / 7) - std::pow(b, 2.0 / 7);
    return positive(1000 * s.rhoR / std::pow(s.ZRA, phi));
}

std::optional<CelsiusRange> shownRange(int Tmin, int Tmax) {
    // Whole degrees inside the range: with T = t + 273.15, t >= Tmin - 273 and
    // t <= floor(Tmax - 273.15) = Tmax - 274.
    const int min = Tmin - 273;
    const int wholeMax = Tmax - 274;
    // The maximum shown in fives, rounded down, unless that leaves no range.
    const int inFives = wholeMax >= 0 ? wholeMax / 5 * 5 : -((-wholeMax + 4) / 5 * 5);
    const int max = inFives >= min ? inFives : wholeMax;
    if (max < min) return std::nullopt;
    return CelsiusRange{min, max};
}

namespace {

constexpr std::size_t kFieldCount = 17;
constexpr int kWidestRange = 5000;  // K; a whole-degree check over more is no table

std::string withPoints(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::optional<VapourSubstance> parseVapourLine(const std::string& line) {
    const auto f = tabFields(line);
    if (f.size() < kFieldCount || f[0].empty()) return std::nullopt;
    VapourSubstance s;
    s.name = f[0];
    s.info = f[1];
    s.molarMass = withPoints(f[2]);
    s.meltingPoint = withPoints(f[3]);
    s.boilingPoint = withPoints(f[4]);
    const auto type = readWholeNumber(f[5]);
    if (!type || *type < 1 || *type > 3) return std::nullopt;
    s.equation = *type;
    double* numbers[] = {&s.A, &s.B, &s.C, &s.D};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto v = readDataNumber(f[6 + i]);
        if (!v) return std::nullopt;
        *numbers[i] = *v;
    }
    const auto tmin = readWholeNumber(f[10]), tmax = readWholeNumber(f[11]);
    if (!tmin || !tmax) return std::nullopt;
    s.Tmin = *tmin;
    s.Tmax = *tmax;
    double* more[] = {&s.Tc, &s.Pc, &s.rhoR, &s.TR, &s.ZRA};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto v = readDataNumber(f[12 + i]);
        if (!v) return std::nullopt;
        *more[i] = *v;
    }
    if (s.Tmin <= 0 || s.Tmin >= s.Tmax || s.Tmax >= s.Tc || s.Tmax - s.Tmin > kWidestRange)
        return std::nullopt;
    if (s.Pc <= 0 || s.rhoR <= 0 || s.TR <= 0 || s.TR >= s.Tc || s.ZRA <= 0) return std::nullopt;
    const auto range = shownRange(s.Tmin, s.Tmax);
    if (!range) return std::nullopt;
    for (int t = range->min; t <= range->max; ++t)
        if (!vapourPressure(s, kelvin(t)) || !saturatedLiquidDensity(s, kelvin(t)))
            return std::nullopt;
    return s;
}

}  // namespace

std::optional<std::vector<VapourSubstance>> parseVapourFile(const std::string& bytes) {
    const auto lines = dataFileLines(bytes);
    if (!lines || lines->empty()) return std::nullopt;
    std::vector<VapourSubstance> substances;
    for (const std::string& line : *lines) {
        auto s = parseVapourLine(line);
        if (!s) return std::nullopt;
        substances.push_back(std::move(*s));
    }
    return substances;
}

std::optional<std::vector<VapourSubstance>> readVapourFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return parseVapourFile(*bytes);
}

int nextHeldStep(int step) {
    switch (step) {
        case 1: return 2;
        case 2: return 5;
        case 5: return 10;
        default: return 20;
    }
}

VapourPressureSelection::VapourPressureSelection(std::vector<VapourSubstance> substances)
    : substances_(std::move(substances)) {
    if (!substances_.empty()) selectSubstance(0);
}

void VapourPressureSelection::selectSubstance(int index) {
    if (index < 0 || index >= static_cast<int>(substances_.size())) return;
    index_ = index;
    const VapourSubstance& s = substances_[index];
    range_ = shownRange(s.Tmin, s.Tmax).value_or(CelsiusRange{});
    temperature_ = range_.min;
}

void VapourPressureSelection::setTemperature(int celsius) {
    temperature_ = std::clamp(celsius, range_.min, range_.max);
}

std::string VapourPressureSelection::pressureText() const {
    if (index_ < 0) return {};
    const auto p = vapourPressure(substances_[index_], kelvin(temperature_));
    return p ? formatFixed(*p, 3) : std::string();
}

std::string VapourPressureSelection::densityText() const {
    if (index_ < 0) return {};
    const auto rho = saturatedLiquidDensity(substances_[index_], kelvin(temperature_));
    return rho ? formatFixed(*rho, 0) : std::string();
}

std::string VapourPressureSelection::fahrenheitNote() const {
    return index_ < 0 ? std::string() : tolvane::fahrenheitNote(temperature_);
}

}  // namespace tolvane
