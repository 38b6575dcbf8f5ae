#include "cli/curve_output.h"

#include <nlohmann/json.hpp>

#include "shell/plant_curve_command.h"
#include "tools/curve_axis.h"

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

}  // namespace

CurveRun runCurve(const BatchRun& run, const PlantCurveRequest& request) {
    CurveRun out;
    out.steps = run.steps;
    RecordingMessageSink messages;
    if (MayOpenPlantCurve(run.session, messages))
        out.curve = RunPlantCurve(run.session, request, messages).curve;
    out.curveMessages = messages.messages;
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
        for (std::size_t i = 0; i < c.points.size(); ++i)
            out += std::string(i ? ",\n" : "\n") +
                   "    {\"rateOfFlow\": " + num(c.points[i].rateOfFlow) +
                   ", \"pressureDrop\": " + num(c.points[i].pressureDrop) + "}";
        out += "\n  ],\n";
        out += "  \"flowAxis\": {\n    \"unit\": " + str(c.flowUnitText) + ",\n" +
               scaleMembers(flow) + ",\n";
        out += "  \"pressureAxis\": {\n    \"unit\": " + str(pressure.unit) +
               ",\n    \"factor\": " + num(pressure.factor) +
               ",\n    \"leftMargin\": " + std::to_string(pressure.leftMargin) + ",\n" +
               scaleMembers(pressure.scale) + ",\n";
    }
    out += "  \"messages\": [";
    bool first = true;
    for (std::size_t i = 0; i < run.steps.size(); ++i)
        for (const Message& m : run.steps[i].messages)
            appendMessage(out, first, "steps[" + std::to_string(i) + "]", m);
    for (const Message& m : run.curveMessages) appendMessage(out, first, "curve", m);
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

}  // namespace tolvane::cli
