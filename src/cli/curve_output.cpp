#include "cli/curve_output.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "base/input_number.h"
#include "base/number_format.h"
#include "cli/batch_input.h"
#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "tools/curve_axis.h"
#include "tools/pump_file.h"
#include "tools/tool_input.h"
#include "units/unit_catalogue.h"
#include "units/unit_factors.h"

namespace tolvane::cli {
namespace {

std::string str(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
std::string num(double x) { return nlohmann::json(x).dump(); }

const char* typeName(MessageType type) {
    switch (type) {
        case MessageType::Error: return "error";
        case MessageType::Warning: return "warning";
        case MessageType::Information: return "information";
    }
    return "error";
}

std::string labels(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? ", " : "") + str(texts[i]);
    return out + "]";
}

// The scale's members after the opening brace, one line each.
std::string scaleMembers(const AxisScale& a) {
    return "    \"min\": " + num(a.min) + ",\n    \"max\": " + num(a.max) +
           ",\n    \"range\": " + num(a.range) + ",\n    \"step\": " + num(a.step) +
           ",\n    \"tickCount\": " + std::to_string(a.tickCount) +
           ",\n    \"decimals\": " + std::to_string(a.decimals) +
           ",\n    \"labels\": " + labels(a.labels) + "\n  }";
}

void appendMessage(std::string& out, bool& first, const std::string& from, const Message& m) {
    out += first ? "\n" : ",\n";
    first = false;
    out += "    {\"from\": " + str(from) + ", \"type\": " + str(typeName(m.type)) +
           ", \"text\": " + str(m.text) + "}";
}

std::string optionalNum(const std::optional<double>& x) { return x ? num(*x) : "null"; }

double optionNumber(const std::string& option, const std::string& text) {
    const auto x = readNumber(text);
    if (!x) throw InputError("", option + ": \"" + text + "\" is not a number");
    return *x;
}

double positiveRatio(const std::string& option, const std::optional<std::string>& text) {
    if (!text) return 1.0;
    const double r = optionNumber(option, *text);
    if (!(r > 0.0)) throw InputError("", option + ": must be greater than 0");
    return r;
}

double inUnit(const std::string& option, const std::optional<std::string>& text, UnitList list,
              const std::string& unit) {
    if (!text) return 0.0;
    if (UnitCatalogue::indexOf(list, unit) < 0)
        throw InputError("", option + "-unit: unknown unit \"" + unit + "\"");
    return ConvertToBase(list, unit, optionNumber(option, *text));
}

PumpRun pumpRun(const Session& session, const PlantCurve& curve, const PlantCurveRequest& request,
                const PumpSetup& setup) {
    PumpRun out;
    out.side = setup.side;
    out.flowFactor = convertAt(UnitList::VolumeFlow, request.unit, 1.0);
    for (const std::string& w : setup.warnings)
        out.messages.push_back({MessageType::Warning, w, ""});
    RecordingMessageSink ignored;
    InputCheck check(ignored);
    const auto medium = readMedium(session.form, check);
    out.density = medium ? medium->density : 0.0;
    const double toBar = curve.system == OutputSystem::US ? kBarPerPsi : 1.0;
    for (const CurvePoint& p : curve.points) {
        out.systemHeads.push_back(
            out.side.staticHead +
            headOfPressure(out.side.pressureDifference + p.pressureDrop * toBar, out.density));
        if (setup.pump) out.pumpHeads.push_back(setup.pump->head(p.rateOfFlow * out.flowFactor));
    }
    if (!setup.pump) return out;
    out.withPump = true;
    const auto columns =
        readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    if (!medium || !columns) {
        out.operating.problem = kSystemNotComputed;
    } else {
        const FlowMedium m = *medium;
        out.operating = findOperatingPoint(*setup.pump, out.side, out.density,
                                           [&](double q) { return plantDropAt(*columns, m, q); });
    }
    if (!out.operating.point)
        out.messages.push_back({MessageType::Warning, out.operating.problem, ""});
    for (const std::string& w : out.operating.warnings)
        out.messages.push_back({MessageType::Warning, w, ""});
    return out;
}

}  // namespace

PumpSetup readPumpOptions(const PumpOptions& o) {
    PumpSetup setup;
    setup.side.staticHead =
        inUnit("--static-head", o.staticHead, UnitList::Length, o.staticHeadUnit);
    setup.side.pressureDifference = inUnit("--pressure-difference", o.pressureDifference,
                                           UnitList::GasPressure, o.pressureDifferenceUnit);
    const double speed = positiveRatio("--speed-ratio", o.speedRatio);
    const double impeller = positiveRatio("--impeller-ratio", o.impellerRatio);
    const auto count = readNumber(o.count);
    if (!count || *count < 1.0 || *count > 100.0 || *count != std::floor(*count))
        throw InputError(
            "", "--parallel/--series: \"" + o.count + "\" is not a whole number from 1 to 100");
    if (!o.pumpFile) {
        if (o.speedRatio || o.impellerRatio || o.arrangement != Arrangement::Single)
            throw InputError(
                "", "--speed-ratio, --impeller-ratio, --parallel and --series need --pump");
        return setup;
    }
    const PumpFileOutcome read = readPumpFile(*o.pumpFile);
    if (!read.file) throw InputError(*o.pumpFile, read.problem);
    PumpData pump = read.file->pump;
    if (speed != 1.0) pump = withSpeedRatio(pump, speed);
    if (impeller != 1.0) pump = withImpellerRatio(pump, impeller);
    pump = arranged(pump, o.arrangement, static_cast<int>(*count));
    setup.pump.emplace(std::move(pump));
    if (setup.pump->hasUnstableRegion()) setup.warnings.push_back(kUnstableRegionWarning);
    if (impeller < kLowestTrustedImpellerRatio) setup.warnings.push_back(kImpellerRatioWarning);
    return setup;
}

CurveRun runCurve(const BatchRun& run, const PlantCurveRequest& request, const PumpSetup* setup) {
    CurveRun out;
    out.steps = run.steps;
    RecordingMessageSink messages;
    if (MayOpenPlantCurve(run.session, messages))
        out.curve = RunPlantCurve(run.session, request, messages).curve;
    out.curveMessages = messages.messages;
    if (setup && out.curve) out.pump = pumpRun(run.session, *out.curve, request, *setup);
    return out;
}

std::string curveTsv(const CurveRun& run) {
    const std::string plain = curveTsv(*run.curve);
    if (!run.pump) return plain;
    // The same lines with the system head and, with a pump, the pump's head.
    std::string out;
    std::size_t line = 0, from = 0;
    while (from < plain.size()) {
        const std::size_t end = plain.find("\r\n", from);
        out += plain.substr(from, end - from);
        if (line == 0) {
            out += "\tSystem head in m";
            if (run.pump->withPump) out += "\tPump head in m";
        } else {
            const std::size_t i = line - 1;
            out += "\t" + formatFixed(*run.pump->systemHeads[i], 3);
            if (run.pump->withPump)
                out += "\t" + (run.pump->pumpHeads[i] ? formatFixed(*run.pump->pumpHeads[i], 3)
                                                      : std::string());
        }
        out += "\r\n";
        from = end + 2;
        ++line;
    }
    return out;
}

std::string curveTsv(const PlantCurve& curve) {
    const PressureAxis axis =
        scalePressureAxis(curve.minPressureDrop, curve.maxPressureDrop, curve.system);
    return curveClipboardText(curve, axis.unit);
}

std::string curveJson(const CurveRun& run) {
    std::string out = "{\n";
    out += "  \"computed\": " + std::string(run.curve ? "true" : "false") + ",\n";
    if (run.curve) {
        const PlantCurve& c = *run.curve;
        const PressureAxis pressure =
            scalePressureAxis(c.minPressureDrop, c.maxPressureDrop, c.system);
        const AxisScale flow = scaleFlowAxis(c.start, c.end);
        out += "  \"rateOfFlowUnit\": " + str(c.flowUnitText) + ",\n";
        out +=
            "  \"pressureDropUnit\": " + str(c.system == OutputSystem::US ? "psi" : "bar") + ",\n";
        out += "  \"start\": " + num(c.start) + ",\n  \"end\": " + num(c.end) + ",\n";
        out += "  \"minPressureDrop\": " + num(c.minPressureDrop) +
               ",\n  \"maxPressureDrop\": " + num(c.maxPressureDrop) + ",\n";
        out += "  \"points\": [";
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            out += std::string(i ? ",\n" : "\n") +
                   "    {\"rateOfFlow\": " + num(c.points[i].rateOfFlow) +
                   ", \"pressureDrop\": " + num(c.points[i].pressureDrop);
            if (run.pump) {
                out += ", \"systemHead_m\": " + optionalNum(run.pump->systemHeads[i]);
                if (run.pump->withPump)
                    out += ", \"pumpHead_m\": " + optionalNum(run.pump->pumpHeads[i]);
            }
            if (run.band && i < run.band->size())
                out += ", \"bandLow\": " + num((*run.band)[i].low) +
                       ", \"bandHigh\": " + num((*run.band)[i].high);
            out += "}";
        }
        out += "\n  ],\n";
        out += "  \"flowAxis\": {\n    \"unit\": " + str(c.flowUnitText) + ",\n" +
               scaleMembers(flow) + ",\n";
        out += "  \"pressureAxis\": {\n    \"unit\": " + str(pressure.unit) +
               ",\n    \"factor\": " + num(pressure.factor) +
               ",\n    \"leftMargin\": " + std::to_string(pressure.leftMargin) + ",\n" +
               scaleMembers(pressure.scale) + ",\n";
    }
    if (run.pump) {
        const PumpRun& p = *run.pump;
        out += "  \"system\": {\"staticHead_m\": " + num(p.side.staticHead) +
               ", \"pressureDifference_bar\": " + num(p.side.pressureDifference) + "},\n";
        if (p.withPump) {
            out += "  \"bestEfficiencyFlow\": " +
                   (p.operating.bestEfficiencyFlow
                        ? num(*p.operating.bestEfficiencyFlow / p.flowFactor)
                        : std::string("null")) +
                   ",\n";
            out += "  \"operatingPoint\": ";
            if (const auto& op = p.operating.point)
                out += "{\"flow\": " + num(op->flow / p.flowFactor) +
                       ", \"flowUnit\": " + str(run.curve->flowUnitText) +
                       ", \"head_m\": " + num(op->head) +
                       ", \"pressure_bar\": " + num(pressureOfHead(op->head, p.density)) +
                       ", \"efficiency\": " + optionalNum(op->efficiency) +
                       ", \"npshRequired_m\": " + optionalNum(op->npshr) +
                       ", \"power_kW\": " + optionalNum(op->power) + "},\n";
            else
                out += "null,\n";
        }
    }
    out += "  \"messages\": [";
    bool first = true;
    for (std::size_t i = 0; i < run.steps.size(); ++i)
        for (const Message& m : run.steps[i].messages)
            appendMessage(out, first, "steps[" + std::to_string(i) + "]", m);
    for (const Message& m : run.curveMessages) appendMessage(out, first, "curve", m);
    if (run.pump)
        for (const Message& m : run.pump->messages) appendMessage(out, first, "pump", m);
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string operatingPointLine(const CurveRun& run) {
    if (!run.pump || !run.pump->withPump || !run.pump->operating.point) return "";
    const PumpRun& p = *run.pump;
    const OperatingPoint& op = *p.operating.point;
    std::string line = "operating point: " + formatFixed(op.flow / p.flowFactor, 3) + " " +
                       run.curve->flowUnitText + ", " + formatFixed(op.head, 3) + " m";
    if (op.efficiency) line += ", efficiency " + formatFixed(*op.efficiency, 1) + " %";
    if (op.npshr) line += ", NPSHr " + formatFixed(*op.npshr, 3) + " m";
    if (op.power) line += ", " + formatFixed(*op.power, 3) + " kW";
    return line;
}

}  // namespace tolvane::cli
