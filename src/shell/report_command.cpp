#include "shell/report_command.h"

#include <cctype>
#include <cmath>
#include <filesystem>

#include "base/messages_clipboard_files.h"
#include "base/number_format.h"
#include "base/product_version.h"
#include "results/column_reading.h"
#include "shell/calculate_command.h"
#include "shell/copy_back.h"
#include "shell/line_check_run.h"
#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "shell/table_opinion.h"
#include "tools/tool_input.h"
#include "units/unit_catalogue.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

// The rows a fresh calculation writes; row 0 (the number) and row 6 (the
// user's text) are the table's own.
bool sameResults(const CalculationColumn& a, const CalculationColumn& b) {
    for (int row = 0; row < kTableRows; ++row)
        if (row != Row::Number && row != Row::Specification &&
            a[static_cast<std::size_t>(row)] != b[static_cast<std::size_t>(row)])
            return false;
    return true;
}

// The roughness a column was calculated with, in mm; nothing when it shows
// none. The run's roughness when the column shows it: the text holds only
// the table's decimals (0.1 mm is "0.004" in.).
std::optional<double> columnRoughness(const Session& session, int col) {
    const std::string& text = session.table.cell(col, Row::Roughness);
    if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    const bool us = session.settings.output == OutputSystem::US;
    const double perMm = us ? 1.0 / kMmPerIn : 1.0;
    if (formatFixed(session.roughness * perMm, session.settings.decimals) == text)
        return session.roughness;
    return cellNumber(text) / perMm;
}

// The column's element calculated with `form`'s medium: the engine's result
// when that writes the column's texts again.
std::optional<ElementResult> reproduced(const Session& session, int col, const FormState& form) {
    Session work;
    work.settings = session.settings;
    work.roughnessQuery = session.roughnessQuery;
    work.form = form;
    work.roughness = columnRoughness(session, col).value_or(session.roughness);
    work.table.writeHeadings(session.settings.output, session.settings.decimals);
    RecordingMessageSink ignored;
    const double k = work.roughness;
    const CalculateOutcome outcome =
        Calculate(work, ignored, [k]() -> std::optional<double> { return k; });
    if (!outcome.added || !sameResults(work.table.column(1), session.table.column(col)))
        return std::nullopt;
    return outcome.result;
}

// Column `col` calculated again from its texts. The medium panel's own
// medium and gas data are tried first: a column calculated with them in
// this session comes out exactly, where the column's texts hold its rate of
// flow only to the table's decimals (44.029 gal/min for 10 m³/h).
std::optional<ElementResult> preciseResult(const Session& session, int col) {
    FormState form = session.form;
    if (!CopyToEditWindows(form, session.table, col, session.settings.output,
                           session.settings.decimals))
        return std::nullopt;
    FormState panelMedium = form;
    panelMedium.medium = session.form.medium;
    panelMedium.gas = session.form.gas;
    if (panelMedium != form)
        if (auto result = reproduced(session, col, panelMedium)) return result;
    return reproduced(session, col, form);
}

// The medium of the first column, as "To input" puts it into the panel.
FormState firstColumnForm(const Session& session) {
    FormState form = session.form;
    if (session.table.hasValues())
        CopyToEditWindows(form, session.table, 1, session.settings.output,
                          session.settings.decimals);
    return form;
}

std::string unitText(UnitList list, int index) {
    const auto& texts = UnitCatalogue::texts(list);
    return index >= 0 && index < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(index)]
               : std::string();
}

std::string joined(const std::vector<Message>& messages) {
    std::string out;
    for (const Message& m : messages) {
        std::string text = m.text;
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        out += (out.empty() ? "" : " ") + text;
    }
    return out;
}

// The published methods' opinion of every column that has alternatives, the
// line's range and a gas line's isothermal outlet pressure.
std::vector<std::string> secondOpinionLines(const Session& session) {
    const checks::SecondOpinion opinion = tableSecondOpinion(session, {});
    const int decimals = session.settings.decimals;
    std::vector<std::string> lines;
    for (const checks::ColumnOpinion& c : opinion.columns)
        if (const std::string text = checks::opinionText(c, decimals); !text.empty())
            lines.push_back("Column " + std::to_string(c.column) + ": " + text);
    if (lines.empty()) return lines;
    std::string range = checks::rangeText(opinion, session.settings.output, decimals);
    if (!range.empty())
        range[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(range[0])));
    lines.push_back(range);
    if (opinion.gas) lines.push_back(checks::isothermalText(*opinion.gas, decimals));
    return lines;
}

void addDiagram(const Session& session, const ReportRequest& request, report::ReportInput& in) {
    Session curveSession = session;
    curveSession.form = firstColumnForm(session);
    RecordingMessageSink messages;
    std::optional<PlantCurve> curve;
    if (MayOpenPlantCurve(curveSession, messages))
        curve = RunPlantCurve(curveSession, request.curve, messages).curve;
    if (!curve) {
        in.diagramProblem = "No plant characteristic curve: " + joined(messages.messages);
        return;
    }
    report::ReportDiagram diagram{makeCurveDiagram(*curve), std::nullopt};
    if (request.pump) {
        InputCheck check(messages);
        const auto medium = readMedium(curveSession.form, check);
        const auto columns =
            readCurveColumns(session.table, session.settings.output, catalogueKindByName());
        const double flowFactor = convertAt(UnitList::VolumeFlow, request.curve.unit, 1.0);
        const FlowMedium m = medium.value_or(FlowMedium{});
        DropAtFlow drop = [&](double q) -> std::optional<double> {
            if (!medium || !columns) return std::nullopt;
            return plantDropAt(*columns, m, q);
        };
        report::PumpOnCurve pump = report::pumpOnCurve(
            *curve, request.pump->pump, request.pump->side, m.density, flowFactor, drop);
        pump.file = request.pump->file;
        pump.warnings = request.pump->warnings;
        diagram.pump = std::move(pump);
    }
    in.diagram = std::move(diagram);
}

}  // namespace

std::string reportProjectName(const Session& session) {
    return std::filesystem::path(session.projectName).filename().string();
}

PlantCurveRequest defaultReportCurve(const Session& session,
                                     const std::optional<ReportPump>& pump) {
    PlantCurveRequest r;
    r.from = "0";
    r.unit = 0;  // m³/h
    double to = 10.0;
    if (session.table.hasValues()) {
        const std::string heading = session.table.cell(0, Row::RateOfFlow);
        std::string unit = textAfter(textBefore(heading, ":"), " in ");
        const double q = cellNumber(session.table.cell(1, Row::RateOfFlow));
        const double inM3h = ConvertToBase(UnitList::VolumeFlow, unit, q);
        if (std::isfinite(inM3h) && inM3h > 0) to = 2.0 * inM3h;
    }
    if (pump) to = std::max(to, pump->pump.maxFlow());
    // A round end: the next 1, 2 or 5 times a power of ten above.
    const double decade = std::pow(10.0, std::floor(std::log10(to)));
    double end = decade;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= to - 1e-9 * to) {
            end = m * decade;
            break;
        }
    r.to = formatFixed(end, end < 1 ? 6 : 0);
    r.points = "40";
    return r;
}

report::ReportInput MakeReportInput(const Session& session, const ReportRequest& request) {
    report::ReportInput in;
    in.settings = request.settings;
    in.projectName = reportProjectName(session);
    in.version = kProgramTitle;
    in.table = &session.table;
    in.system = session.settings.output;
    in.decimals = session.settings.decimals;
    const KindByName kindOf = catalogueKindByName();
    for (int col = 1; col <= session.table.calculationCount(); ++col) {
        report::ReportColumnInput c;
        c.kind = kindOf(textBefore(session.table.cell(col, Row::Element), "/"));
        c.precise = preciseResult(session, col);
        in.columns.push_back(c);
    }
    if (request.gasDataKnown) {
        const GasPanel& g = session.form.gas;
        in.gas = report::GasDataTexts{
            g.pressure + " " + unitText(UnitList::GasPressure, g.pressureUnit),
            g.inletTemperature + " " + unitText(UnitList::Temperature, g.inletTemperatureUnit),
            g.outletTemperature + " " + unitText(UnitList::Temperature, g.outletTemperatureUnit)};
    }
    if (request.settings.include.checks) {
        in.diagnostics = checkSession(session, request.inletPressures);
        in.secondOpinion = secondOpinionLines(session);
    }
    if (request.settings.include.diagram) addDiagram(session, request, in);
    return in;
}

report::CalculationReport MakeReport(const Session& session, const ReportRequest& request) {
    return report::buildReport(MakeReportInput(session, request));
}

}  // namespace tolvane
