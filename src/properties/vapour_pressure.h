// Vapour pressure and saturated-liquid density from "DADRU.DAD": one
// substance per line, 17 TAB-separated fields: name, a short text, molar
// mass, melting and boiling point (°C), the equation type, its coefficients
// A, B, C, D, the range of validity Tmin..Tmax in whole K, the critical
// temperature Tc (K) and pressure Pc (bar), and the Rackett data: reference
// density ρR (kg/dm³) at TR (K) and the compressibility ZRA.
//
// Vapour pressure p in bar at T in K by equation type:
//   1  Wagner:          ln(p/Pc) = (A τ + B τ^1.5 + C τ^3 + D τ^6) Tc/T, τ = 1 - T/Tc
//   2  Frost–Kalkwarf:  ln p = A - B/T + C ln T + D p/T²  (solved for p)
//   3  Antoine:         ln p = A - B/(T + C)
// Saturated liquid (Rackett, referred to a known density):
//   ρ = 1000 ρR / ZRA^φ,  φ = (1 - T/Tc)^(2/7) - (1 - TR/Tc)^(2/7)
//
// VapourPressureSelection is the vapour-pressure dialog without its window.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr const char* kVapourFileName = "DADRU.DAD";
inline constexpr const char* kVapourFileBroken =
    "The file \"DADRU.DAD\" was not found or is damaged.\r\n"
    "It is not possible to show the database.";

struct VapourSubstance {
    std::string name;
    std::string info;
    std::string molarMass;  // shown texts, commas as points
    std::string meltingPoint;
    std::string boilingPoint;
    int equation = 3;
    double A = 0, B = 0, C = 0, D = 0;
    int Tmin = 0, Tmax = 0;  // K
    double Tc = 0, Pc = 0;   // K, bar
    double rhoR = 0, TR = 0, ZRA = 0;
};

// Kelvin of a whole Celsius temperature.
inline double kelvin(int celsius) { return celsius + 273.15; }

// Vapour pressure in bar; nothing where the equation has no positive finite
// solution (the Frost–Kalkwarf form may have none).
std::optional<double> vapourPressure(const VapourSubstance& s, double T);
// Density of the saturated liquid in kg/m³; nothing above Tc.
std::optional<double> saturatedLiquidDensity(const VapourSubstance& s, double T);

// The whole °C range shown for a substance, inside [Tmin, Tmax]: the minimum
// rounded up, the maximum rounded down to a multiple of five where that keeps
// the range, else to a whole degree. Nothing when no whole degree is left.
struct CelsiusRange {
    int min = 0;
    int max = 0;
    bool operator==(const CelsiusRange&) const = default;
};
std::optional<CelsiusRange> shownRange(int Tmin, int Tmax);

// Nothing when any line cannot be taken apart or is damaged: fewer than 17
// fields, a number that does not read, an equation type other than 1, 2 or 3,
// Tmin not below Tmax, Tmax not below Tc, an empty range, or a whole degree
// of the range where the equations give no pressure or density.
std::optional<std::vector<VapourSubstance>> parseVapourFile(const std::string& bytes);
std::optional<std::vector<VapourSubstance>> readVapourFile(const std::string& path);

// While an arrow is held, each tick of the timer takes the next step:
// 1 -> 2 -> 5 -> 10 -> 20, then it stays at 20.
int nextHeldStep(int step);

class VapourPressureSelection {
public:
    explicit VapourPressureSelection(std::vector<VapourSubstance> substances = {});

    void selectSubstance(int index);   // the temperature goes to the range's minimum
    void setTemperature(int celsius);  // clamped into the range
    void stepTemperature(int steps) { setTemperature(temperature_ + steps); }

    const std::vector<VapourSubstance>& substances() const { return substances_; }
    bool empty() const { return substances_.empty(); }
    int index() const { return index_; }
    int temperature() const { return temperature_; }
    CelsiusRange range() const { return range_; }

    // Empty while no substance is chosen.
    std::string pressureText() const;  // bar, 3 decimals
    std::string densityText() const;   // kg/m³, no decimals
    std::string fahrenheitNote() const;

private:
    std::vector<VapourSubstance> substances_;
    int index_ = -1;
    int temperature_ = 0;
    CelsiusRange range_;
};

}  // namespace tolvane
