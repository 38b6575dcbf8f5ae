#include "cli/export_command.h"

#include <optional>
#include <ostream>

#include "base/text_file.h"
#include "exports/table_export.h"
#include "exports/table_sheet.h"
#include "shell/project_file.h"
#include "shell/session.h"

namespace tolvane::cli {

namespace {

constexpr int kWritten = 0;
constexpr int kBadInput = 2;

struct ExportOptions {
    std::string project;
    std::optional<exports::ExportFormat> format;
    std::optional<std::string> output;
};

struct ExportUsageError {
    std::string text;
};

ExportOptions parseExportArguments(const std::vector<std::string>& args) {
    ExportOptions o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw ExportUsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--format" || a.rfind("--format=", 0) == 0) {
            const std::string name = a == "--format" ? value() : a.substr(9);
            o.format = exports::exportFormatNamed(name);
            if (!o.format)
                throw ExportUsageError{"unknown format \"" + name + "\" (csv, xlsx or ods)"};
        } else if (a == "-o" || a == "--output") {
            o.output = value();
        } else if (a.size() > 1 && a[0] == '-') {
            throw ExportUsageError{"unknown option \"" + a + "\""};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1)
        throw ExportUsageError{positional.empty() ? "export needs one project file"
                                                  : "export takes one project file"};
    o.project = positional[0];
    // The format is asked for: a spreadsheet file has no natural default.
    if (!o.format) throw ExportUsageError{"export needs --format csv, xlsx or ods"};
    return o;
}

// Why the project cannot be exported, or "" when it loaded.
std::string loadProblem(Session& session, const std::string& path, std::ostream& err) {
    RecordingMessageSink messages;
    LoadProject(session, path, messages);
    for (const Message& m : messages.messages) {
        std::string text = m.text;
        for (char& c : text)
            if (c == '\r') c = '\n';
        err << (m.type == MessageType::Error     ? "error: "
                : m.type == MessageType::Warning ? "warning: "
                                                 : "information: ")
            << text << "\n";
    }
    const ProjectReadResult read = readProjectFile(path);
    if (read.status == ProjectReadStatus::Unreadable) return path + " cannot be read";
    if (read.status == ProjectReadStatus::Damaged) return path + " is damaged: " + read.problem;
    if (read.status == ProjectReadStatus::TooLarge) return path + " " + read.problem;
    return {};
}

}  // namespace

int runExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ExportOptions o;
    try {
        o = parseExportArguments(args);
    } catch (const ExportUsageError& e) {
        err << "tolvane-cli: " << e.text << "\n" << kExportUsage;
        return kBadInput;
    }
    Session session;
    if (const std::string problem = loadProblem(session, o.project, err); !problem.empty()) {
        err << "tolvane-cli: " << problem << "\n";
        return kBadInput;
    }
    const exports::SheetBytes made =
        exports::sheetBytes(exports::tableSheet(session.table), *o.format);
    if (!made.error.empty()) {
        err << "tolvane-cli: " << made.error << "\n";
        return kBadInput;
    }
    if (o.output) {
        if (const std::string failure = writeFileAtomically(*o.output, made.bytes);
            !failure.empty()) {
            err << "tolvane-cli: cannot write " << *o.output << ": " << failure << "\n";
            return kBadInput;
        }
        return kWritten;
    }
    out.write(made.bytes.data(), static_cast<std::streamsize>(made.bytes.size()));
    out.flush();
    if (!out) {
        err << "tolvane-cli: cannot write to standard output\n";
        return kBadInput;
    }
    return kWritten;
}

}  // namespace tolvane::cli
