// Speed of the whole Calculate command: from the texts of the form through
// parsing, conversion, checks, engine and result texts to the new column.
#include <benchmark/benchmark.h>

#include <string>

#include "shell/calculate_command.h"
#include "shell/element_panel.h"
#include "base/messages_clipboard_files.h"

namespace {

using namespace tolvane;

// Water at 10 m³/h through each kind with its default dimensions: every kind
// is turbulent there (the channel is calculated by its laminar rule). The
// roughness query answers at once.
void BM_Calculate(benchmark::State& state, ElementKind kind) {
    Session session;
    session.form.medium.flow = std::to_string(10);
    chooseElementKind(session.form, kind);
    session.form.extra.branchFlow = std::to_string(5);
    RecordingMessageSink messages;
    const RoughnessAsker roughness = [] { return std::optional<double>(0.1); };
    for (auto _ : state) {
        CalculateOutcome outcome = Calculate(session, messages, roughness);
        benchmark::DoNotOptimize(outcome);
        if (!outcome.added) {
            const std::string why =
                outcome.focus + ": " +
                (messages.messages.empty() ? "refused" : messages.messages.back().text);
            state.SkipWithError(why.c_str());
            break;
        }
        // Keep the project at one calculation, so that the figure is the
        // command itself and not the growth of the table (timed with it).
        session.table.deleteColumn(1, session.settings.output, session.settings.decimals);
        messages.messages.clear();
    }
}

const int kRegistered = [] {
    // Registered during static initialisation: only constexpr data may be read here.
    for (int group = 1; group <= kElementGroupCount; ++group) {
        for (int variant = 1; variant <= kVariantsPerGroup[group - 1]; ++variant) {
            const std::string name =
                "BM_Calculate/" + std::to_string(group) + "_" + std::to_string(variant);
            benchmark::RegisterBenchmark(name.c_str(), BM_Calculate, ElementKind{group, variant});
        }
    }
    return 0;
}();

}  // namespace
