// A batch input of many random steps, the way parameter studies drive the
// batch tool: kinds chosen with their defaults scaled, fields changed on the
// kind the panel shows, units switched between metric and US, media and gas
// data changed, the roughness answered, replaced or cancelled, and now and
// then a text that does not read or a value the checks refuse. The same
// seed gives the same bytes on every machine (the generator's mt19937 is
// fully specified; no std distribution is used, those differ between
// standard libraries). Every unit text is one the panel shows at that step,
// so the whole document reads and runs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "shell/element_catalogue.h"

namespace tolvane::bench {

class BatchStepsGenerator {
public:
    explicit BatchStepsGenerator(std::uint32_t seed) : random_(seed) {}

    std::string document(int steps) {
        std::string out = "{\n  \"output\": ";
        out += chance(5) ? "\"US\"" : "\"metric\"";
        out += ", \"decimals\": " + std::to_string(pick(7));
        out += ",\n  \"roughness\": {\"text\": \"0.1\", \"unit\": \"mm\"},\n  \"steps\": [\n";
        for (int i = 0; i < steps; ++i) {
            out += "    ";
            out += step();
            out += i + 1 < steps ? ",\n" : "\n";
        }
        out += "  ]\n}\n";
        return out;
    }

private:
    std::uint32_t pick(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }
    bool chance(std::uint32_t percent) { return pick(100) < percent; }

    static std::string quoted(const std::string& text) { return "\"" + text + "\""; }

    // A number in at most six characters, as a person types it.
    static std::string typed(double value) {
        char buffer[32];
        for (int digits = 3; digits >= 0; --digits) {
            std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
            if (std::string(buffer).size() <= 6) return buffer;
        }
        return "999999";
    }

    // The kind's default text scaled a little, or a text the checks refuse.
    std::string fieldText(const std::string& defaultText) {
        const std::uint32_t roll = pick(100);
        if (roll < 3) return "1OO";  // does not read
        if (roll < 6) return "-" + defaultText;
        static const double kScale[] = {0.5, 0.8, 1.0, 1.0, 1.25, 1.5, 2.0, 3.0};
        return typed(std::atof(defaultText.c_str()) * kScale[pick(8)]);
    }

    std::string unitText(RowUnit unit) { return quoted(unitNames(unit)[pick(2)]); }

    // Rows 1 to 4 of `spec`, each given or kept (null), and the unit boxes.
    std::string elementMembers(const KindSpec& spec, bool allFields) {
        std::string fields = "[";
        std::string units = "[";
        for (std::size_t row = 0; row < 4; ++row) {
            const RowSpec& r = spec.rows[row];
            if (row > 0) fields += ", ";
            fields += !r.label.empty() && (allFields || chance(50))
                          ? quoted(fieldText(r.defaultText))
                          : std::string("null");
            if (row < 3) {
                if (row > 0) units += ", ";
                const bool box = r.unit == RowUnit::MM || r.unit == RowUnit::M ||
                                 r.unit == RowUnit::Area;
                units += box && chance(30) ? unitText(r.unit) : std::string("null");
            }
        }
        std::string out = "\"fields\": " + fields + "], \"units\": " + units + "]";
        if (!spec.optionCaption.empty() && chance(50))
            out += ", \"option\": " + std::to_string(pick(2));
        if (spec.kind == ElementKind{4, 4} && chance(50))
            out += ", \"surface\": " + std::to_string(pick(2));
        if (spec.kind == ElementKind{5, 5} || spec.kind == ElementKind{5, 6})
            out += ", \"branchFlow\": " + quoted(typed(flow_ * (chance(90) ? 0.4 : 1.5)));
        if (chance(10)) out += ", \"quantity\": " + quoted(std::to_string(1 + pick(4)));
        return out;
    }

    std::string medium() {
        static const char* const kVolume[] = {"m³/h", "l/s", "m³/min", "cu.ft./min", "gal/min"};
        static const char* const kMass[] = {"kg/h", "kg/s", "lb./min"};
        static const char* const kAbs[] = {"10-6 kg/ms", "mPa s", "cP"};
        static const char* const kKin[] = {"10-6 m²/s", "mm²/s", "cSt"};
        std::string out = "\"medium\": {";
        const std::uint32_t kind = pick(4);
        if (kind == 0) {
            gas_ = false;
            out += "\"name\": \"water\", \"condition\": \"liquid\", \"density\": \"998.2\", "
                   "\"densityUnit\": \"kg/m³\", ";
        } else if (kind == 1) {
            gas_ = false;
            out += "\"name\": \"oil\", \"condition\": \"liquid\", \"density\": \"0.86\", "
                   "\"densityUnit\": \"kg/l\", ";
        } else if (kind == 2) {
            gas_ = true;
            out += "\"name\": \"air\", \"condition\": \"gas\", \"density\": \"1.205\", "
                   "\"densityUnit\": \"kg/m³\", ";
        }
        flow_ = gas_ ? 20.0 + pick(400) : 1.0 + pick(60);
        const bool mass = chance(25);
        out += mass ? "\"flowKind\": \"Mass flow:\", \"flowUnit\": " + quoted(kMass[pick(3)])
                    : "\"flowKind\": \"Volume flow:\", \"flowUnit\": " + quoted(kVolume[pick(5)]);
        out += ", \"flow\": " + quoted(chance(3) ? std::string("0") : typed(flow_));
        const bool kinematic = chance(25);
        out += kinematic ? ", \"viscosityKind\": \"Kin.viscos.\", \"viscosityUnit\": " +
                               quoted(kKin[pick(3)]) + ", \"viscosity\": \"1.0\""
                         : ", \"viscosityKind\": \"Abs.viscos.\", \"viscosityUnit\": " +
                               quoted(kAbs[pick(3)]) + ", \"viscosity\": " +
                               quoted(gas_ ? "0.0181" : "1.002");
        out += "}";
        if (gas_) {
            static const char* const kPressure[] = {"bar", "mbar", "psi", "atm"};
            static const char* const kTemperature[] = {"°C", "degF"};
            const std::uint32_t p = pick(4);
            static const char* const kPressureText[] = {"6", "3000", "80", "4"};
            out += ", \"gas\": {\"pressure\": " + quoted(kPressureText[p]) +
                   ", \"pressureUnit\": " + quoted(kPressure[p]) +
                   ", \"inletTemperature\": \"20\", \"inletTemperatureUnit\": \"°C\", "
                   "\"outletTemperature\": \"10\", \"outletTemperatureUnit\": " +
                   quoted(kTemperature[pick(2)]) + "}";
        }
        return out;
    }

    std::string step() {
        const auto& kinds = elementKinds();
        std::string out = "{";
        std::string sep;
        if (chance(8)) {
            out += medium();
            sep = ", ";
        } else if (chance(5)) {
            out += "\"medium\": {\"flow\": " + quoted(typed(flow_ = 1.0 + pick(60))) + "}";
            sep = ", ";
        }
        const std::uint32_t roll = pick(100);
        if (roll < 45) {
            // A kind from the chooser; its defaults scaled in some rows.
            current_ = &kinds[pick(static_cast<std::uint32_t>(kinds.size()))];
            out += sep + "\"element\": {\"kind\": [" + std::to_string(current_->kind.group) +
                   ", " + std::to_string(current_->kind.variant) + "], " +
                   elementMembers(*current_, false) + "}";
            sep = ", ";
        } else if (roll < 85) {
            // A parameter study: a field or two of the kind the panel shows.
            if (!current_) current_ = &kinds[0];
            out += sep + "\"element\": {" + elementMembers(*current_, false) + "}";
            sep = ", ";
        }
        const std::uint32_t r = pick(100);
        if (r < 4) {
            out += sep + "\"roughness\": {\"text\": " +
                   quoted(r == 0 ? "abc" : typed(0.01 * (1 + pick(50)))) +
                   ", \"unit\": " + quoted(pick(2) ? "mm" : "in.") + "}";
            sep = ", ";
        } else if (r < 5) {
            out += sep + "\"roughness\": null";
            sep = ", ";
        } else if (r < 7) {
            out += sep + "\"roughness\": {\"text\": \"0.1\", \"unit\": \"mm\"}";
            sep = ", ";
        }
        if (chance(5)) out += sep + "\"specification\": " + quoted("line " + std::to_string(pick(90)));
        return out + "}";
    }

    std::mt19937 random_;
    const KindSpec* current_ = nullptr;
    bool gas_ = false;
    double flow_ = 1.0;
};

// The standard input of the batch benchmarks: 10,000 steps from seed 25.
inline std::string randomBatchInput(int steps = 10000, std::uint32_t seed = 25) {
    return BatchStepsGenerator(seed).document(steps);
}

}  // namespace tolvane::bench
