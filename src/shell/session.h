// Everything one run of the program holds besides its windows: the input
// panels, the calculation table (the project), the settings, the current
// roughness and the result of the last calculation.
#pragma once

#include <string>

#include "checks/line_checks.h"
#include "engine/flow_types.h"
#include "properties/roughness_query.h"
#include "results/calculation_table.h"
#include "shell/form_state.h"

namespace tolvane {

struct Settings {
    OutputSystem output = OutputSystem::Metric;  // "Output of values:"
    int decimals = 3;                            // "Number of decimal places:" 0..6
    bool saveSettings = true;                    // "Saving of settings at end of program:"
    bool userDatabaseMetric = true;              // "Units of the user defined database:"
    // "Keep the diameter when the element kind changes"; kept in the options
    // file (shell/diameter_carry.h), not in the settings file.
    bool keepDiameter = false;
    // The limits of the checks (shell/line_check_run.h), kept in the options file too.
    checks::CheckLimits checkLimits;
};

struct Session {
    FormState form;
    CalculationTable table;
    Settings settings;
    RoughnessQueryState roughnessQuery;
    double roughness = 0.1;    // k in mm, the one current roughness of the run
    bool projectSaved = true;  // set at start and by saving, cleared by a calculation
    std::string projectName = "NONAME.TLV";
    ElementResult lastResult;  // kept from one calculation to the next
};

}  // namespace tolvane
