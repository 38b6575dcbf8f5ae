// tolvane-cli: the batch tool. `calc` presses Calculate once per step of a
// JSON description, starting from the standard settings; `show` loads a
// project file as the program's Open project does, then switches the table's
// units as often as --switch is given and, with --fit-widths, fits the
// columns to their texts. Both print the resulting
// table as JSON, as the table's clipboard text or as a project file. `curve`
// runs the steps as `calc` does and then computes the plant curve of the
// table, printed as the diagram's "&Copy data" text or as JSON.
// `pipes` lists or looks up rows of the standard pipe-size table; `methods`
// prints the table of published methods. `report` writes the calculation
// report of a project as a PDF.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/batch_recalc.h"
#include "cli/batch_run.h"
#include "cli/curve_output.h"
#include "cli/export_command.h"
#include "cli/methods_command.h"
#include "cli/pipes_command.h"
#include "exports/sheet.h"
#include "exports/table_export.h"
#include "results/batch_pdf.h"
#include "cli/report_command.h"
#include "results/column_fit.h"
#include "results/compact_print.h"
#include "results/print_layout.h"
#include "shell/input_size.h"
#include "shell/line_check_run.h"
#include "shell/output_switch.h"
#include "shell/project_file.h"
#include "shell/settings_file.h"
#include "shell/table_opinion.h"
#include "shell/version.h"
#include "units/unit_catalogue.h"

namespace {

using namespace tolvane;
using namespace tolvane::cli;

constexpr int kAllAdded = 0;
constexpr int kRefused = 1;
constexpr int kBadInput = 2;

const char* const kUsage =
    "usage: tolvane-cli calc INPUT.json [--format json|text|tlv] [-o OUT]\n"
    "       tolvane-cli show PROJECT.tlv [--switch US|metric]... [--format json|text|tlv]\n"
    "                         [-o OUT]\n"
    "       tolvane-cli curve INPUT.json [--from A] [--to B] [--points N] [--unit UNIT]\n"
    "                         [--format json|tsv] [-o OUT]\n"
    "       tolvane-cli --version\n"
    "curve: the dialog's fields (defaults 1, 10, 20, \"m³/h\").\n"
    "show: each --switch sets \"Output of values:\" in the order given.\n"
    "INPUT \"-\" reads standard input; the default format is json.\n";
// Options added later: told by --help only, so the usage shown with an error
// stays as scripts know it.
static_assert(kBatchPixelsPerCharacter == 6, "the usage text names the measure");
const char* const kMoreUsage =
    "       tolvane-cli recalc PROJECT.tlv [--medium MEDIUM.json] [--flow TEXT --flow-unit UNIT]\n"
    "                         [--roughness TEXT --roughness-unit mm|in.]\n"
    "                         [--format json|text|tlv] [-o OUT]\n"
    "recalc: every column again with the first column's medium, changed by MEDIUM.json\n"
    "(its \"medium\" and \"gas\" members) and --flow, and the roughness given (0.1 mm).\n"
    "--checks (calc, show, recalc; json): the checks of the table after the steps,\n"
    "                   each with its column, code, severity and text.\n"
    "--checks with its limits (defaults): --velocity-limit-liquid M/S (3)\n"
    "                   --velocity-limit-gas M/S (30) --gas-drop-caution % (10)\n"
    "                   --gas-drop-warning % (40) --mach-caution M (0.2)\n"
    "                   --mach-warning M (0.5) --kappa K (1.4); cavitation at valves,\n"
    "                   check valves, orifices and nozzles with both of\n"
    "                   --line-inlet-pressure BAR (absolute) --vapour-pressure BAR.\n"
    "--alternatives (calc, show, recalc; json): every column's coefficient by the\n"
    "                   published methods of its kind with its pressure drop, the\n"
    "                   line's range and, for a gas line, its isothermal solution.\n"
    "curve --band (json): every point with \"bandLow\" and \"bandHigh\", the line at the\n"
    "                   lowest and highest coefficient of the published methods.\n"
    "show --fit-widths: after the switches, every column fitted to its longest text\n"
    "                   at 6 pixels a character.\n"
    "show --print-pdf OUT.pdf [--compact]: the table printout (or the compact one,\n"
    "                   6 to 8 calculations a page) into a PDF instead of the report.\n"
    "       tolvane-cli curve INPUT.json ... [--pump FILE.tpump] [--speed-ratio R]\n"
    "                         [--impeller-ratio R] [--parallel N | --series N]\n"
    "                         [--static-head TEXT --static-head-unit m|ft.]\n"
    "                         [--pressure-difference TEXT --pressure-difference-unit UNIT]\n"
    "curve --pump: the pump's head beside the system head (static head, pressure\n"
    "difference and the plant's drop) and the operating point where they meet.\n"
    "                         [--suction FIRST-LAST --vessel-pressure TEXT\n"
    "                          --vessel-pressure-unit UNIT --level TEXT --level-unit m|ft.\n"
    "                          --vapour-pressure TEXT --vapour-pressure-unit UNIT]\n"
    "curve --suction: NPSH available from those columns (the suction line) at every\n"
    "point, (vessel pressure (abs.) - vapour pressure)/(rho g) + level - suction losses,\n"
    "beside the pump's NPSH required.\n"
    "       tolvane-cli report PROJECT.tlv [--title-block FILE.json] [--pump FILE.tpump ...]\n"
    "                         [--from A] [--to B] [--points N] [--unit UNIT] -o OUT.pdf\n"
    "report: the calculation report as a PDF (A4); the title block from FILE.json, else\n"
    "from PROJECT.tlv.report.json beside the project; the pump and system options as\n"
    "for curve, the limits of the checks as with --checks; the curve from 0 to twice\n"
    "the first column's rate of flow (or the pump's largest flow) unless given.\n";

struct Options {
    std::string command;
    std::string input;
    OutputFormat format = OutputFormat::Json;
    bool tsv = false;  // curve only
    std::optional<exports::ExportFormat> curveSheet;  // curve only: csv, xlsx or ods
    std::optional<std::string> output;
    PlantCurveRequest curve;  // the dialog's fields
    bool curveFieldGiven = false;
    std::vector<OutputSystem> switches;  // show only, in the order given
    std::optional<std::string> medium;   // recalc only: MEDIUM.json
    RecalcRequest recalc;                // recalc only: the command line's texts
    bool recalcOptionGiven = false;
    bool fitWidths = false;              // show only
    std::optional<std::string> printPdf;  // show only: the table printout into this PDF
    bool compact = false;                 // show --print-pdf: the compact printout
    PumpOptions pump;                    // curve only
    bool checks = false;                 // json only: the checks of the table
    checks::CheckLimits checkLimits;     // with --checks
    bool checkLimitGiven = false;
    bool alternatives = false;           // json only: the second opinion of the table
    bool band = false;                   // curve json only: the published methods' band
    std::optional<std::string> titleBlock;  // report only
};

// The index of a check limit's option in kCheckLimitKeys, or nothing.
std::optional<std::size_t> checkLimitOption(const std::string& a) {
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        if (a == kCheckLimitKeys[i].option) return i;
    return std::nullopt;
}

struct UsageError {
    std::string text;
};

Options parseArguments(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    std::optional<std::string> format;
    std::optional<std::string> vapourPressure;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& name) -> std::string {
            if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
            return args[++i];
        };
        if (a == "--format" || a.rfind("--format=", 0) == 0) {
            format = a == "--format" ? value(a) : a.substr(9);
        } else if (a == "-o" || a == "--output") {
            o.output = value(a);
        } else if (a == "--from") {
            o.curve.from = value(a);
            o.curveFieldGiven = true;
        } else if (a == "--to") {
            o.curve.to = value(a);
            o.curveFieldGiven = true;
        } else if (a == "--points") {
            o.curve.points = value(a);
            o.curveFieldGiven = true;
        } else if (a == "--unit") {
            const std::string unit = value(a);
            o.curve.unit = UnitCatalogue::indexOf(UnitList::VolumeFlow, unit);
            o.curveFieldGiven = true;
            if (o.curve.unit < 0) throw UsageError{"unknown rate-of-flow unit \"" + unit + "\""};
        } else if (a == "--switch") {
            const std::string system = value(a);
            if (system == "US" || system == "us")
                o.switches.push_back(OutputSystem::US);
            else if (system == "metric" || system == "Metric")
                o.switches.push_back(OutputSystem::Metric);
            else
                throw UsageError{"unknown unit system \"" + system + "\" (US or metric)"};
        } else if (a == "--medium") {
            o.medium = value(a);
            o.recalcOptionGiven = true;
        } else if (a == "--flow") {
            o.recalc.flow = value(a);
            o.recalcOptionGiven = true;
        } else if (a == "--flow-unit") {
            o.recalc.flowUnit = value(a);
            o.recalcOptionGiven = true;
        } else if (a == "--roughness") {
            if (!o.recalc.roughness) o.recalc.roughness = RoughnessAnswer{};
            o.recalc.roughness->text = value(a);
            o.recalcOptionGiven = true;
        } else if (a == "--roughness-unit") {
            const std::string unit = value(a);
            if (unit != "mm" && unit != "in.")
                throw UsageError{"unknown roughness unit \"" + unit + "\" (mm or in.)"};
            if (!o.recalc.roughness) o.recalc.roughness = RoughnessAnswer{};
            o.recalc.roughness->unit = unit == "mm" ? 0 : 1;
            o.recalcOptionGiven = true;
        } else if (a == "--pump") {
            o.pump.pumpFile = value(a);
        } else if (a == "--speed-ratio") {
            o.pump.speedRatio = value(a);
        } else if (a == "--impeller-ratio") {
            o.pump.impellerRatio = value(a);
        } else if (a == "--parallel" || a == "--series") {
            if (o.pump.arrangement != Arrangement::Single)
                throw UsageError{"--parallel and --series are given once, one of them"};
            o.pump.arrangement = a == "--parallel" ? Arrangement::Parallel : Arrangement::Series;
            o.pump.count = value(a);
        } else if (a == "--static-head") {
            o.pump.staticHead = value(a);
        } else if (a == "--static-head-unit") {
            o.pump.staticHeadUnit = value(a);
        } else if (a == "--pressure-difference") {
            o.pump.pressureDifference = value(a);
        } else if (a == "--pressure-difference-unit") {
            o.pump.pressureDifferenceUnit = value(a);
        } else if (a == "--suction") {
            o.pump.suction = value(a);
        } else if (a == "--vessel-pressure") {
            o.pump.vesselPressure = value(a);
        } else if (a == "--vessel-pressure-unit") {
            o.pump.vesselPressureUnit = value(a);
        } else if (a == "--level") {
            o.pump.level = value(a);
        } else if (a == "--level-unit") {
            o.pump.levelUnit = value(a);
        } else if (a == "--vapour-pressure") {
            // The suction side's of curve, else the cavitation check's.
            vapourPressure = value(a);
        } else if (a == "--vapour-pressure-unit") {
            o.pump.vapourPressureUnit = value(a);
        } else if (a == "--title-block") {
            o.titleBlock = value(a);
        } else if (a == "--checks") {
            o.checks = true;
        } else if (const auto limit = checkLimitOption(a)) {
            const std::string text = value(a);
            if (!setCheckLimit(o.checkLimits, *limit, text))
                throw UsageError{a + " takes a number, not \"" + text + "\""};
            o.checkLimitGiven = true;
        } else if (a == "--band") {
            o.band = true;
        } else if (a == "--alternatives") {
            o.alternatives = true;
        } else if (a == "--fit-widths") {
            o.fitWidths = true;
        } else if (a == "--print-pdf") {
            o.printPdf = value(a);
        } else if (a == "--compact") {
            o.compact = true;
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError{"unknown option \"" + a + "\""};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty()) throw UsageError{"no command given"};
    o.command = positional[0];
    if (o.command != "calc" && o.command != "show" && o.command != "curve" &&
        o.command != "recalc" && o.command != "report")
        throw UsageError{"unknown command \"" + o.command + "\""};
    if (positional.size() != 2)
        throw UsageError{o.command + (positional.size() < 2 ? " needs one input file"
                                                            : " takes one input file")};
    o.input = positional[1];
    const bool curve = o.command == "curve";
    if (vapourPressure) {
        if (curve || o.pump.suction) {
            o.pump.vapourPressure = vapourPressure;
        } else {
            if (!setCheckLimit(o.checkLimits, *checkLimitOption("--vapour-pressure"), *vapourPressure))
                throw UsageError{"--vapour-pressure takes a number, not \"" + *vapourPressure + "\""};
            o.checkLimitGiven = true;
        }
    }
    const bool report = o.command == "report";
    if (report) {
        if (format) throw UsageError{"report writes a PDF; --format belongs to the other commands"};
        if (!o.output) throw UsageError{"report needs -o OUT.pdf"};
        if (o.checks) throw UsageError{"--checks belongs to calc, show and recalc"};
        if (!o.switches.empty() || o.recalcOptionGiven || o.fitWidths || o.band || o.alternatives ||
            o.printPdf || o.compact)
            throw UsageError{"report takes --title-block, the curve, pump and check-limit options and -o"};
        if (const std::string problem = checks::limitsProblem(o.checkLimits); !problem.empty())
            throw UsageError{problem};
        return o;
    }
    if (o.titleBlock) throw UsageError{"--title-block belongs to report"};
    if (o.curveFieldGiven && !curve)
        throw UsageError{"--from, --to, --points and --unit belong to curve"};
    if (!o.switches.empty() && o.command != "show") throw UsageError{"--switch belongs to show"};
    if (o.recalcOptionGiven && o.command != "recalc")
        throw UsageError{"--medium, --flow, --flow-unit and --roughness belong to recalc"};
    if (o.fitWidths && o.command != "show") throw UsageError{"--fit-widths belongs to show"};
    if (o.printPdf && o.command != "show") throw UsageError{"--print-pdf belongs to show"};
    if (o.compact && !o.printPdf) throw UsageError{"--compact belongs to show --print-pdf"};
    if (o.pump.given() && !curve)
        throw UsageError{"--pump and the system options belong to curve"};
    if (o.checks && o.command == "curve") throw UsageError{"--checks belongs to calc, show and recalc"};
    if (o.checkLimitGiven && !o.checks)
        throw UsageError{"the limits of the checks go with --checks"};
    if (const std::string problem = checks::limitsProblem(o.checkLimits); !problem.empty())
        throw UsageError{problem};
    if (o.band && !curve) throw UsageError{"--band belongs to curve"};
    if (o.alternatives && o.command == "curve")
        throw UsageError{"--alternatives belongs to calc, show and recalc"};
    if (format) {
        const std::string& f = *format;
        if (curve && f == "tsv")
            o.tsv = true;
        else if (curve && exports::exportFormatNamed(f))
            o.curveSheet = exports::exportFormatNamed(f);
        else if (curve && f == "json")
            o.format = OutputFormat::Json;
        else if (!curve && f == "json")
            o.format = OutputFormat::Json;
        else if (!curve && f == "text")
            o.format = OutputFormat::Text;
        else if (!curve && f == "tlv")
            o.format = OutputFormat::Project;
        else
            throw UsageError{"unknown format \"" + f + "\"" +
                             (curve ? " (json or tsv)" : " (json, text or tlv)")};
    }
    return o;
}

// The whole input, or an error text naming why it cannot be read.
std::optional<std::string> readInput(const std::string& name, std::string& error) {
    const std::string source = name == "-" ? "standard input" : name;
    InputBytes read = name == "-" ? readInputStream(stdin) : readInputFile(name);
    if (read.status == InputBytes::Status::TooLarge) {
        error = source + " " + tooLargeText(read) + " by the batch tool";
        return std::nullopt;
    }
    if (read.status == InputBytes::Status::Unreadable) {
        error = "cannot read " + source + ": " + (read.error.empty() ? "read error" : read.error);
        return std::nullopt;
    }
    return std::move(read.bytes);
}

bool writeOutput(const Options& o, const std::string& bytes) {
    if (o.output) {
        const std::string error = writeFileAtomically(*o.output, bytes);
        if (!error.empty()) {
            std::cerr << "tolvane-cli: cannot write " << *o.output << ": " << error << "\n";
            return false;
        }
        return true;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (std::fflush(stdout) != 0) {
        std::cerr << "tolvane-cli: cannot write to standard output: " << std::strerror(errno)
                  << "\n";
        return false;
    }
    return true;
}

// A message box's text on a terminal: its line breaks as new lines.
std::string terminalText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

const char* typeWord(MessageType type) {
    switch (type) {
        case MessageType::Error: return "error";
        case MessageType::Warning: return "warning";
        case MessageType::Information: return "information";
    }
    return "error";
}

void printMessages(const std::string& prefix, const std::vector<Message>& messages) {
    for (const Message& m : messages)
        std::cerr << prefix << typeWord(m.type) << ": " << terminalText(m.text) << "\n";
}

// The steps of the input run as Calculate would run them; nothing when the
// input cannot be read or is malformed (the reason is on standard error).
std::optional<BatchRun> runSteps(const Options& o) {
    const std::string source = o.input == "-" ? "standard input" : o.input;
    std::string error;
    const auto text = readInput(o.input, error);
    if (!text) {
        std::cerr << "tolvane-cli: " << error << "\n";
        return std::nullopt;
    }
    try {
        return runBatch(readBatchInput(*text));
    } catch (const InputError& e) {
        std::cerr << "tolvane-cli: " << source << ": " << e.what() << "\n";
        return std::nullopt;
    }
}

// The report in the chosen format; the JSON one with the table's checks when asked.
std::string reportOf(const Options& o, const Session& session,
                     const std::vector<StepOutcome>& steps) {
    std::string bytes = report(o.format, session, steps);
    if (o.checks && o.format == OutputFormat::Json) {
        Session checked = session;
        checked.settings.checkLimits = o.checkLimits;
        bytes = withChecks(std::move(bytes), runChecks(checked, steps));
    }
    if (o.alternatives && o.format == OutputFormat::Json)
        bytes = withAlternatives(std::move(bytes), session, steps);
    return bytes;
}

int calc(const Options& o) {
    auto steps = runSteps(o);
    if (!steps) return kBadInput;
    const BatchRun& run = *steps;
    // The JSON report carries the messages; the other formats have no place for them.
    if (o.format != OutputFormat::Json)
        for (std::size_t i = 0; i < run.steps.size(); ++i)
            printMessages("steps[" + std::to_string(i) + "]: ", run.steps[i].messages);
    if (!writeOutput(o, reportOf(o, run.session, run.steps))) return kBadInput;
    return run.allAdded() ? kAllAdded : kRefused;
}

int curve(const Options& o) {
    std::optional<PumpSetup> setup;
    if (o.pump.given()) {
        try {
            setup = readPumpOptions(o.pump);
        } catch (const InputError& e) {
            // A refused pump file names itself; an option that does not read does not.
            std::cerr << "tolvane-cli: " << e.what() << "\n";
            return e.path().empty() ? kBadInput : kRefused;
        }
    }
    auto steps = runSteps(o);
    if (!steps) return kBadInput;
    CurveRun run = runCurve(*steps, o.curve, setup ? &*setup : nullptr);
    if (o.band && run.curve) run.band = plantCurveBand(steps->session, *run.curve);
    if (o.tsv || o.curveSheet) {
        for (std::size_t i = 0; i < run.steps.size(); ++i)
            printMessages("steps[" + std::to_string(i) + "]: ", run.steps[i].messages);
        printMessages("curve: ", run.curveMessages);
        if (run.pump) printMessages("pump: ", run.pump->messages);
        if (const std::string line = operatingPointLine(run); !line.empty())
            std::cerr << "pump: " << line << "\n";
    }
    if (o.curveSheet) {
        // The spreadsheet holds what "&Copy data" gives, its numbers as numbers.
        exports::SheetBytes made;
        if (run.curve)
            made = exports::sheetBytes(exports::sheetOfTabText(curveTsv(run), "Plant curve"),
                                       *o.curveSheet);
        if (!made.error.empty()) {
            std::cerr << "tolvane-cli: " << made.error << "\n";
            return kBadInput;
        }
        if (!writeOutput(o, made.bytes)) return kBadInput;
        return run.curve ? kAllAdded : kRefused;
    }
    const std::string bytes = o.tsv ? (run.curve ? curveTsv(run) : std::string()) : curveJson(run);
    if (!writeOutput(o, bytes)) return kBadInput;
    return run.curve ? kAllAdded : kRefused;
}

// The project loaded as the program's Open project loads it; false (the
// reason on standard error) when the file cannot be read or is damaged.
bool loadProject(Session& session, const std::string& path) {
    // The program's loader shows its own messages; the file's state decides the exit status.
    RecordingMessageSink messages;
    LoadProject(session, path, messages);
    printMessages("", messages.messages);
    const ProjectReadResult read = readProjectFile(path);
    std::string problem;
    if (read.status == ProjectReadStatus::Unreadable)
        problem = path + " cannot be read";
    else if (read.status == ProjectReadStatus::Damaged)
        problem = path + " is damaged: " + read.problem;
    else if (read.status == ProjectReadStatus::TooLarge)
        problem = path + " " + read.problem;
    if (problem.empty()) return true;
    std::cerr << "tolvane-cli: " << problem << "\n";
    return false;
}

// Today as 2026-12-10: the batch tool has no system date format to follow.
std::string isoDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local) != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The table printout (or the compact one) into a PDF, as the preview's
// "Export as PDF..." writes it.
bool printPdf(const Options& o, const Session& session) {
    const CalculationTable& table = session.table;
    if (!table.hasValues()) {
        std::cerr << "tolvane-cli: " << o.input << " holds no calculation to print\n";
        return false;
    }
    const PrintTexts texts{session.projectName, isoDate()};
    const Settings settings = session.settings;
    const PrintSetup setup =
        o.compact ? compactTablePrintSetup(session.projectName) : tablePrintSetup(session.projectName);
    const Printout printout = [&](PrintCanvas& canvas, PageRange range) {
        if (o.compact)
            printCompactTable(table, settings.output, settings.decimals, texts, canvas, range);
        else
            printTable(table, texts, canvas, range);
    };
    if (const std::string failure = writeBatchPdf(setup, printout, *o.printPdf); !failure.empty()) {
        std::cerr << "tolvane-cli: cannot write " << *o.printPdf << ": " << failure << "\n";
        return false;
    }
    return true;
}

int show(const Options& o) {
    Session session;
    if (!loadProject(session, o.input)) return kBadInput;
    // As "Output of values:" changed in the settings dialog, one after the other.
    bool refused = false;
    for (OutputSystem system : o.switches) {
        RecordingMessageSink switchMessages;
        refused |= switchOutputSystem(session, system, switchMessages) == OutputSwitch::Refused;
        printMessages("", switchMessages.messages);
    }
    // As "Fit &all columns" of the table window, measured per character.
    if (o.fitWidths) fitAllColumns(session.table, batchTextWidth);
    if (o.printPdf) return printPdf(o, session) ? (refused ? kRefused : kAllAdded) : kBadInput;
    if (!writeOutput(o, reportOf(o, session, {}))) return kBadInput;
    return refused ? kRefused : kAllAdded;
}

int recalc(Options o) {
    if (o.medium) {
        std::string error;
        const auto text = readInput(*o.medium, error);
        if (!text) {
            std::cerr << "tolvane-cli: " << error << "\n";
            return kBadInput;
        }
        try {
            o.recalc.medium = readMediumStep(*text);
        } catch (const InputError& e) {
            std::cerr << "tolvane-cli: " << *o.medium << ": " << e.what() << "\n";
            return kBadInput;
        }
    }
    Session session;
    applyStandardSettings(session);
    if (!loadProject(session, o.input)) return kBadInput;
    std::optional<RecalcRun> run;
    try {
        run = runRecalc(std::move(session), o.recalc);
    } catch (const InputError& e) {
        std::cerr << "tolvane-cli: " << e.what() << "\n";
        return kBadInput;
    }
    printMessages("roughness: ", run->messages);
    if (!run->messages.empty()) return kBadInput;
    if (o.format != OutputFormat::Json)
        for (std::size_t i = 0; i < run->columns.size(); ++i)
            printMessages("column " + std::to_string(i + 1) + ": ", run->columns[i].messages);
    if (!writeOutput(o, reportOf(o, run->session, run->columns))) return kBadInput;
    return run->allRecalculated() ? kAllAdded : kRefused;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const auto& a : args)
        if (a == "-h" || a == "--help") {
            std::cout << kUsage << kMoreUsage << kPipesUsage << kMethodsUsage << kExportUsage;
            return 0;
        } else if (a == "--version") {
            std::cout << "tolvane-cli " << kProgramVersion << "\n";
            return 0;
        }
    if (!args.empty() && args[0] == "methods")
        return runMethodsCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (!args.empty() && args[0] == "pipes")
        return runPipesCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (!args.empty() && args[0] == "export")
        return runExportCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    Options options;
    try {
        options = parseArguments(args);
    } catch (const UsageError& e) {
        std::cerr << "tolvane-cli: " << e.text << "\n" << kUsage;
        return kBadInput;
    }
    if (options.command == "curve") return curve(options);
    if (options.command == "report") {
        ReportCommand command;
        command.project = options.input;
        command.titleBlock = options.titleBlock;
        if (options.curveFieldGiven) command.curve = options.curve;
        command.pump = options.pump;
        if (options.checkLimitGiven) command.checkLimits = options.checkLimits;
        command.output = *options.output;
        return runReportCommand(command);
    }
    if (options.command == "recalc") return recalc(options);
    return options.command == "calc" ? calc(options) : show(options);
}
