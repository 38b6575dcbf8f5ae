// tolvane-cli: the batch tool. `calc` presses Calculate once per step of a
// JSON description, starting from the standard settings; `show` loads a
// project file as the program's Open project does. Both print the resulting
// table as JSON, as the table's clipboard text or as a project file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/batch_run.h"
#include "shell/project_file.h"
#include "shell/version.h"
#include "units/text_file.h"

namespace {

using namespace tolvane;
using namespace tolvane::cli;

constexpr int kAllAdded = 0;
constexpr int kRefused = 1;
constexpr int kBadInput = 2;

const char* const kUsage =
    "usage: tolvane-cli calc INPUT.json [--format json|text|tlv] [-o OUT]\n"
    "       tolvane-cli show PROJECT.tlv [--format json|text|tlv] [-o OUT]\n"
    "       tolvane-cli --version\n"
    "INPUT \"-\" reads standard input; the default format is json.\n";

struct Options {
    std::string command;
    std::string input;
    OutputFormat format = OutputFormat::Json;
    std::optional<std::string> output;
};

struct UsageError {
    std::string text;
};

Options parseArguments(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& name) -> std::string {
            if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
            return args[++i];
        };
        if (a == "--format" || a.rfind("--format=", 0) == 0) {
            const std::string f = a == "--format" ? value(a) : a.substr(9);
            if (f == "json")
                o.format = OutputFormat::Json;
            else if (f == "text")
                o.format = OutputFormat::Text;
            else if (f == "tlv")
                o.format = OutputFormat::Project;
            else
                throw UsageError{"unknown format \"" + f + "\" (json, text or tlv)"};
        } else if (a == "-o" || a == "--output") {
            o.output = value(a);
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError{"unknown option \"" + a + "\""};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty()) throw UsageError{"no command given"};
    o.command = positional[0];
    if (o.command != "calc" && o.command != "show")
        throw UsageError{"unknown command \"" + o.command + "\""};
    if (positional.size() != 2)
        throw UsageError{o.command + (positional.size() < 2 ? " needs one input file"
                                                            : " takes one input file")};
    o.input = positional[1];
    return o;
}

// The whole input, or an error text naming why it cannot be read.
std::optional<std::string> readInput(const std::string& name, std::string& error) {
    std::FILE* f = name == "-" ? stdin : std::fopen(name.c_str(), "rb");
    if (!f) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    if (failed) error = std::strerror(errno);
    if (f != stdin) std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
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

int calc(const Options& o) {
    const std::string source = o.input == "-" ? "standard input" : o.input;
    std::string error;
    const auto text = readInput(o.input, error);
    if (!text) {
        std::cerr << "tolvane-cli: cannot read " << source << ": " << error << "\n";
        return kBadInput;
    }
    BatchRun run;
    try {
        run = runBatch(readBatchInput(*text));
    } catch (const InputError& e) {
        std::cerr << "tolvane-cli: " << source << ": " << e.what() << "\n";
        return kBadInput;
    }
    // The JSON report carries the messages; the other formats have no place for them.
    if (o.format != OutputFormat::Json)
        for (std::size_t i = 0; i < run.steps.size(); ++i)
            printMessages("steps[" + std::to_string(i) + "]: ", run.steps[i].messages);
    if (!writeOutput(o, report(o.format, run.session, run.steps))) return kBadInput;
    return run.allAdded() ? kAllAdded : kRefused;
}

int show(const Options& o) {
    // The program's loader shows its own messages; the file's state decides the exit status.
    Session session;
    RecordingMessageSink messages;
    LoadProject(session, o.input, messages);
    printMessages("", messages.messages);
    const ProjectReadResult read = readProjectFile(o.input);
    std::string problem;
    if (read.status == ProjectReadStatus::Unreadable)
        problem = "cannot be read";
    else if (read.status == ProjectReadStatus::Damaged)
        problem = "is damaged: " + read.problem;
    if (!problem.empty()) {
        std::cerr << "tolvane-cli: " << o.input << " " << problem << "\n";
        return kBadInput;
    }
    return writeOutput(o, report(o.format, session, {})) ? kAllAdded : kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const auto& a : args)
        if (a == "-h" || a == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--version") {
            std::cout << "tolvane-cli " << kProgramVersion << "\n";
            return 0;
        }
    Options options;
    try {
        options = parseArguments(args);
    } catch (const UsageError& e) {
        std::cerr << "tolvane-cli: " << e.text << "\n" << kUsage;
        return kBadInput;
    }
    return options.command == "calc" ? calc(options) : show(options);
}
