// The batch tool's input: a JSON document that describes what a person would
// type into the main window, step by step. readBatchInput checks the shape of
// the document (members, types, value ranges) and turns it into a BatchInput;
// unit texts are checked later against the lists the panel shows at that step
// (applyStep in batch_run.h), since a list depends on the earlier choices.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/element_kind.h"
#include "properties/medium_choice.h"
#include "results/calculation_table.h"

namespace tolvane::cli {

// Malformed input: `path` names the member (e.g. "steps[2].element.kind").
class InputError : public std::runtime_error {
public:
    InputError(std::string path, const std::string& what)
        : std::runtime_error(path.empty() ? what : path + ": " + what), path_(std::move(path)) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The answer typed into the roughness query: Edit1 and ComboBox1 ("mm" 0, "in." 1).
struct RoughnessAnswer {
    std::string text;
    int unit = 0;
};

// A text member that is absent stays std::nullopt: the panel keeps what it shows.
struct MediumInput {
    std::optional<std::string> name;
    std::optional<bool> gas;
    std::optional<int> flowKind;  // 0 "Volume flow:", 1 "Mass flow:"
    std::optional<std::string> flow;
    std::optional<std::string> flowUnit;
    std::optional<std::string> density;
    std::optional<std::string> densityUnit;
    std::optional<int> viscosityKind;  // 0 "Abs.viscos.", 1 "Kin.viscos."
    std::optional<std::string> viscosity;
    std::optional<std::string> viscosityUnit;
};

struct GasInput {
    std::optional<std::string> pressure;
    std::optional<std::string> pressureUnit;
    std::optional<std::string> inletTemperature;
    std::optional<std::string> inletTemperatureUnit;
    std::optional<std::string> outletTemperature;
    std::optional<std::string> outletTemperatureUnit;
};

struct ElementInput {
    std::optional<ElementKind> kind;  // nothing: the kind the panel shows stays
    std::array<std::optional<std::string>, 4> fields;
    std::array<std::optional<std::string>, 3> units;  // nullopt: leave the box as it is
    std::optional<std::string> quantity;
    std::optional<int> option;
    std::optional<int> surface;
    std::optional<std::string> branchFlow;
};

struct StepInput {
    std::optional<MediumInput> medium;
    std::optional<GasInput> gas;
    std::optional<ElementInput> element;
    // Outer: the step names a roughness; inner: nothing = the query is cancelled.
    std::optional<std::optional<RoughnessAnswer>> roughness;
    std::optional<std::string> specification;
};

struct BatchInput {
    OutputSystem output = OutputSystem::Metric;
    int decimals = 3;
    bool keepDiameter = false;  // "Keep the diameter when the element kind changes"
    std::optional<RoughnessAnswer> roughness;
    std::vector<StepInput> steps;
};

// Longest texts the main window's fields take.
inline constexpr std::size_t kMediumNameLength = kMediumNameField;
inline constexpr std::size_t kMediumFieldLength = kMediumValueField;
inline constexpr std::size_t kElementFieldLength = kElementValueLength;
inline constexpr std::size_t kQuantityLength = 3;

// Reads the document; throws InputError for text that is not JSON or a
// document of the wrong shape.
BatchInput readBatchInput(const std::string& jsonText);

// A document holding only the `medium` and `gas` members of a step (the
// medium a table is recalculated with); throws InputError as above.
StepInput readMediumStep(const std::string& jsonText);

}  // namespace tolvane::cli
