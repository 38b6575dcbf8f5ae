// Runs a BatchInput against a fresh Session the way a person at the main
// window would: each step changes the medium, gas and element panels, names
// the roughness answer and the specification, and presses Calculate once.
// Every message the command shows is kept with its step.
#pragma once

#include <optional>
#include <vector>

#include "cli/batch_input.h"
#include "shell/diameter_carry.h"
#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane::cli {

struct StepOutcome {
    bool added = false;
    std::vector<Message> messages;  // in the order they were shown
    // The absolute inlet pressure (bar) of the gas data the column was
    // calculated with; nothing for a liquid or a refused step.
    std::optional<double> inletPressureBar;
};

struct BatchRun {
    Session session;
    std::vector<StepOutcome> steps;
    bool allAdded() const;
};

// Puts one step's texts and choices into the panels. Throws InputError (with
// `path`, e.g. "steps[3]") for a unit text that is not in the list shown. A
// kind change notes the diameter in `diameters` and, with the session's
// keepDiameter setting, carries it over.
void applyStep(Session& session, const StepInput& step, const std::string& path,
               DiameterMemory& diameters);

// The whole run. Throws InputError as applyStep does.
BatchRun runBatch(const BatchInput& input);

}  // namespace tolvane::cli
