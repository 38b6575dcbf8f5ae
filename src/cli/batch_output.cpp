#include "cli/batch_output.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "shell/line_check_run.h"
#include "shell/project_file.h"
#include "shell/table_opinion.h"
#include "base/text_file.h"

namespace tolvane::cli {
namespace {

void appendString(std::string& out, const std::string& text) {
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// One cell text per line, so that a report reads (and compares) row by row.
void appendColumn(std::string& out, const CalculationColumn& column, const char* indent) {
    out += "[\n";
    for (int row = 0; row < kTableRows; ++row) {
        out += indent;
        out += "  ";
        appendString(out, column[row]);
        out += row + 1 < kTableRows ? ",\n" : "\n";
    }
    out += indent;
    out += "]";
}

const char* typeName(MessageType type) {
    switch (type) {
        case MessageType::Error: return "error";
        case MessageType::Warning: return "warning";
        case MessageType::Information: return "information";
    }
    return "error";
}

}  // namespace

std::string jsonReport(const CalculationTable& table, const std::vector<StepOutcome>& steps) {
    std::string out;
    out.reserve(static_cast<std::size_t>(table.ColCount()) * 600 + steps.size() * 40);
    out += "{\n  \"headings\": ";
    appendColumn(out, table.column(0), "  ");
    out += ",\n  \"columns\": [";
    const int last = table.ColCount() - 1;
    for (int col = 1; col < last; ++col) {
        out += col == 1 ? "\n    " : ",\n    ";
        appendColumn(out, table.column(col), "    ");
    }
    out += last > 1 ? "\n  ],\n" : "],\n";
    out += "  \"total\": ";
    appendString(out, table.totalText());
    out += ",\n  \"steps\": [";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += steps[i].added ? "{\"added\": true, \"messages\": ["
                              : "{\"added\": false, \"messages\": [";
        for (std::size_t m = 0; m < steps[i].messages.size(); ++m) {
            const Message& message = steps[i].messages[m];
            out += m == 0 ? "\n      " : ",\n      ";
            out += "{\"type\": \"";
            out += typeName(message.type);
            out += "\", \"text\": ";
            appendString(out, message.text);
            out += "}";
        }
        out += steps[i].messages.empty() ? "]}" : "\n    ]}";
    }
    out += steps.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string withChecks(std::string json, const std::vector<checks::Diagnostic>& diagnostics) {
    // The report ends in "\n}\n"; the checks go in before it.
    json.resize(json.size() - 3);
    json += ",\n  \"checks\": [";
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const checks::Diagnostic& d = diagnostics[i];
        json += i == 0 ? "\n    " : ",\n    ";
        json += "{\"column\": " + std::to_string(d.column) + ", \"code\": ";
        appendString(json, d.code);
        json += ", \"severity\": \"";
        json += checks::severityWord(d.severity);
        json += "\", \"text\": ";
        appendString(json, d.text);
        json += "}";
    }
    json += diagnostics.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

namespace {

std::string jsonNumber(double x) {
    if (!std::isfinite(x)) return "null";
    char text[40];
    std::snprintf(text, sizeof text, "%.6g", x);
    return text;
}

std::vector<checks::ColumnConditions> conditionsOf(const std::vector<StepOutcome>& steps) {
    std::vector<checks::ColumnConditions> conditions;
    for (const StepOutcome& step : steps)
        if (step.added) conditions.push_back({step.inletPressureBar, std::nullopt});
    return conditions;
}

}  // namespace

std::string withAlternatives(std::string json, const Session& session,
                             const std::vector<StepOutcome>& steps) {
    const checks::SecondOpinion s = tableSecondOpinion(session, conditionsOf(steps));
    json.resize(json.size() - 3);
    json += ",\n  \"alternatives\": [";
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        const checks::ColumnOpinion& c = s.columns[i];
        json += i == 0 ? "\n    " : ",\n    ";
        json += "{\"column\": " + std::to_string(c.column) + ", \"zeta\": " + jsonNumber(c.zeta) +
                ", \"pressureDrop\": " + jsonNumber(c.pressureDrop) + ", \"alternatives\": [";
        for (std::size_t a = 0; a < c.alternatives.size(); ++a) {
            const checks::Alternative& alt = c.alternatives[a];
            json += a == 0 ? "" : ", ";
            json += "{\"method\": ";
            appendString(json, publishedSourceName(alt.source));
            json += ", \"zeta\": " + jsonNumber(alt.zeta) +
                    ", \"pressureDrop\": " + jsonNumber(alt.pressureDrop) + "}";
        }
        json += "]}";
    }
    json += s.columns.empty() ? "],\n" : "\n  ],\n";
    json += "  \"range\": {\"total\": " + jsonNumber(s.total) + ", \"low\": " + jsonNumber(s.low) +
            ", \"high\": " + jsonNumber(s.high) + ", \"unit\": ";
    appendString(json, s.pressureUnit);
    json += "}";
    if (s.gas) {
        const checks::IsothermalLine& g = *s.gas;
        json += ",\n  \"isothermal\": {\"inletPressure\": " + jsonNumber(g.inletBar) +
                ", \"outletPressure\": " + (g.outletBar ? jsonNumber(*g.outletBar) : "null") +
                ", \"tableOutletPressure\": " + jsonNumber(g.tableOutletBar) +
                ", \"difference\": " +
                (g.outletBar ? jsonNumber(*g.outletBar - g.tableOutletBar) : "null") +
                ", \"chokedColumn\": " + std::to_string(g.chokedColumn) + ", \"unit\": \"bar\"}";
    }
    json += "\n}\n";
    return json;
}

std::vector<checks::Diagnostic> runChecks(const Session& session,
                                          const std::vector<StepOutcome>& steps) {
    std::vector<std::optional<double>> inletPressures;
    for (const StepOutcome& step : steps)
        if (step.added) inletPressures.push_back(step.inletPressureBar);
    return checkSession(session, inletPressures);
}

std::string report(OutputFormat format, const Session& session,
                   const std::vector<StepOutcome>& steps) {
    switch (format) {
        case OutputFormat::Json: return jsonReport(session.table, steps);
        case OutputFormat::Text: return session.table.clipboardText();
        case OutputFormat::Project: break;
    }
    // The project writer's lines, Windows-1252 with CR LF as Save project writes them.
    std::string bytes;
    for (const std::string& line : projectFileLines(session.table, session.settings.output)) {
        bytes += utf8ToCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace tolvane::cli
