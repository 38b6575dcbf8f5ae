#include "units/unit_catalogue.h"

#include <cmath>
#include <limits>

#include <initializer_list>
#include <vector>

#include "units/unit_factors.h"

namespace tolvane {

namespace {

// One step of a conversion; the steps of an entry are applied in order, with
// the intermediate value held in extended precision.
enum class Op { Mul, Div, Add, MulDensity, DivDensity };
struct Step {
    Op op;
    long double k = 0;
};

struct Entry {
    std::string text;
    std::vector<Step> steps;
};

Step mul(long double k) { return {Op::Mul, k}; }
Step div(long double k) { return {Op::Div, k}; }
Step add(long double k) { return {Op::Add, k}; }
const Step perDensity{Op::DivDensity};
const Step timesDensity{Op::MulDensity};

constexpr long double ft = kMPerFtLong;
constexpr long double barrel = 0.158987L;

const std::vector<Entry>& entries(UnitList list) {
    static const std::vector<Entry> volumeFlow = {
        {"m³/h", {}},
        {"m³/min", {mul(60)}},
        {"m³/s", {mul(3600)}},
        {"l/min", {mul(6), div(100)}},
        {"l/s", {mul(36), div(10)}},
        {"cu.ft./hr", {mul(ft), mul(ft), mul(ft)}},
        {"cu.ft./min", {mul(ft * ft * ft), mul(60)}},
        {"cu.ft./s", {mul(ft * ft * ft), mul(60), mul(60)}},
        {"petr.bl./hr", {mul(barrel)}},
        {"petr.bl./day", {mul(barrel), div(24)}},
        {"gal/hr", {mul(barrel), div(42)}},
        {"gal/min", {mul(barrel), div(42), mul(60)}},
        {"gal/s", {mul(barrel), div(42), mul(60), mul(60)}},
    };
    // Mass to volume flow with the density in kg/m³; the pound and ounce
    // factors give kg/s.
    static const std::vector<Entry> massFlow = {
        {"kg/h", {perDensity}},
        {"kg/min", {perDensity, mul(60)}},
        {"kg/s", {perDensity, mul(60), mul(60)}},
        {"lb./hr", {mul(0.000126L), perDensity, mul(3600)}},
        {"lb./min", {mul(0.0075599L), perDensity, mul(3600)}},
        {"lb./s", {mul(0.4535924L), perDensity, mul(3600)}},
        {"oz./min", {mul(0.0004725L), perDensity, mul(3600)}},
        {"oz./s", {mul(0.0283495L), perDensity, mul(3600)}},
    };
    static const std::vector<Entry> density = {
        {"kg/m³", {}},
        {"kg/l", {mul(1000)}},
        {"g/l", {mul(1)}},
        {"gr./cu.ft.", {mul(0.0022884L)}},
        {"gr./gal.", {mul(0.017118L)}},
        {"oz./cu.ft.", {mul(1.0011541L)}},
        {"oz./cu.in.", {mul(1729.9942713L)}},
        {"oz./gal.", {mul(7.4891077L)}},
        {"lb./cu.ft.", {mul(16.0184655L)}},
        {"lb./cu.in.", {mul(27679.9083411L)}},
        {"lb./gal.", {mul(119.8257233L)}},
    };
    static const std::vector<Entry> absViscosity = {
        {"10-6 kg/ms", {}},
        {"10-6 g/cm s", {div(10)}},
        {"10-6 Pa s", {mul(1)}},
        {"mPa s", {mul(1000)}},
        {"10-6 Ns/m²", {mul(1)}},
        {"cP", {mul(1000)}},
        {"lb.av./ft.hr", {mul(0.0004134L), mul(1000000)}},
        {"lb.av./ft.s", {mul(1.4881641L), mul(1000000)}},
        {"Lb.s/sq.ft.", {mul(47.8802653L), mul(1000000)}},
    };
    static const std::vector<Entry> kinViscosity = {
        {"10-6 m²/s", {timesDensity}},
        {"cm²/s", {mul(100), timesDensity}},
        {"mm²/s", {timesDensity}},
        {"cSt", {timesDensity}},
        {"sq.ft./hr", {mul(25.8L), timesDensity}},
        {"sq.ft/s", {mul(92903), timesDensity}},
    };
    static const std::vector<Entry> diameter = {{"mm", {}}, {"in.", {mul(kMmPerInLong)}}};
    static const std::vector<Entry> length = {{"m", {}}, {"ft.", {mul(ft)}}};
    static const std::vector<Entry> area = {{"m²", {}}, {"sq.yd.", {mul(0.8361274L)}}};
    static const std::vector<Entry> gasPressure = {
        {"bar", {}},
        {"mbar", {div(1000)}},
        {"Torr", {mul(0.001333223684L)}},
        {"ata", {mul(0.980665L)}},
        {"atm", {mul(1.01325L)}},
        {"at", {mul(0.980665L)}},
        {"m WS", {mul(0.0980665L)}},
        {"lbw./sq.ft.", {mul(0.000478802653L)}},
        {"psi", {mul(kBarPerPsiLong)}},
        {"ft.wtr.", {mul(0.0298906692L)}},
        {"in. wtr.", {mul(0.002490889L)}},
    };
    // "°R" is the Réaumur scale.
    static const std::vector<Entry> temperature = {
        {"°C", {add(273.15L)}},
        {"K", {}},
        {"degF", {mul(0.55556L), add(255.38L)}},
        {"°R", {mul(1.25L), add(273.15L)}},
    };
    switch (list) {
        case UnitList::VolumeFlow: return volumeFlow;
        case UnitList::MassFlow: return massFlow;
        case UnitList::Density: return density;
        case UnitList::AbsViscosity: return absViscosity;
        case UnitList::KinViscosity: return kinViscosity;
        case UnitList::Diameter: return diameter;
        case UnitList::Length: return length;
        case UnitList::Area: return area;
        case UnitList::GasPressure: return gasPressure;
        case UnitList::Temperature: return temperature;
    }
    static const std::vector<Entry> none;
    return none;
}

std::vector<std::string> textsOf(UnitList list) {
    std::vector<std::string> t;
    for (const Entry& e : entries(list)) t.push_back(e.text);
    return t;
}

}  // namespace

const std::vector<std::string>& UnitCatalogue::texts(UnitList list) {
    static const std::vector<std::string> all[] = {
        textsOf(UnitList::VolumeFlow),   textsOf(UnitList::MassFlow),
        textsOf(UnitList::Density),      textsOf(UnitList::AbsViscosity),
        textsOf(UnitList::KinViscosity), textsOf(UnitList::Diameter),
        textsOf(UnitList::Length),       textsOf(UnitList::Area),
        textsOf(UnitList::GasPressure),  textsOf(UnitList::Temperature),
    };
    auto i = static_cast<std::size_t>(list);
    static const std::vector<std::string> none;
    return i < std::size(all) ? all[i] : none;
}

int UnitCatalogue::indexOf(UnitList list, const std::string& text) {
    const std::vector<Entry>& e = entries(list);
    for (std::size_t i = 0; i < e.size(); ++i)
        if (e[i].text == text) return static_cast<int>(i);
    return -1;
}

double ConvertToBase(UnitList list, const std::string& selectedText, double value, double density) {
    // An unknown unit (-1) is taken as the base unit itself.
    return ConvertToBaseAt(list, UnitCatalogue::indexOf(list, selectedText), value, density);
}

double ConvertToBaseAt(UnitList list, int position, double value, double density) {
    const std::vector<Entry>& e = entries(list);
    if (position < 0 || position >= static_cast<int>(e.size())) return value;
    long double v = value;
    for (const Step& s : e[static_cast<std::size_t>(position)].steps) {
        switch (s.op) {
            case Op::Mul: v *= s.k; break;
            case Op::Div: v /= s.k; break;
            case Op::Add:
                v += s.k;
                // What is left of a value that cancels the offset (-273.15 °C)
                // is the rounding of the typed double, not a temperature:
                // absolute zero stays exactly zero.
                if (std::fabs(v) <= std::fabs(s.k) * 4 * std::numeric_limits<double>::epsilon())
                    v = 0;
                break;
            case Op::MulDensity: v *= density; break;
            case Op::DivDensity: v /= density; break;
        }
    }
    return static_cast<double>(v);
}

}  // namespace tolvane
