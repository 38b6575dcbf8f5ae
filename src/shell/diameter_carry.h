// Keeping the line's diameter when the element kind changes: with the option
// on, a kind whose first field is a diameter starts with the diameter typed
// last instead of its default text, in the unit its field shows. The option
// is off by default, and then a kind change lays the panel out as always.
// The option is kept in its own file beside the settings file, which keeps
// its fixed lines.
#pragma once

#include <optional>
#include <string>

#include "shell/form_state.h"

namespace tolvane {

inline constexpr const char* kOptionsFileName = "tolvane-options.ini";
inline constexpr const char* kKeepDiameterKey = "keepDiameter";
// The options file in the folder of the settings file.
std::string optionsFilePath(const std::string& settingsPath);

// A diameter as typed: its text and the position of its unit ("mm", "in.").
struct TypedDiameter {
    std::string text;
    int unit = 0;
    bool operator==(const TypedDiameter&) const = default;
};

// The kind's first field is a diameter (in mm or in.).
bool firstFieldIsDiameter(ElementKind kind);

// The diameter typed last, noted each time the kind is about to change.
class DiameterMemory {
public:
    // The panel's first field, when it is a diameter and not blank.
    void note(const ElementPanel& panel);
    const std::optional<TypedDiameter>& last() const { return last_; }

private:
    std::optional<TypedDiameter> last_;
};

// The diameter's text for a field in unit `unit`: as typed in the same unit,
// else the number converted (up to six decimals, trailing zeros dropped);
// nothing when a text in the other unit does not read as a number.
std::optional<std::string> diameterText(const TypedDiameter& diameter, int unit);

// chooseElementKind, after noting the old panel's diameter; with `keep`, the
// new kind's first field, when a diameter, then holds the one noted last.
void chooseElementKind(FormState& form, ElementKind kind, DiameterMemory& memory, bool keep);

}  // namespace tolvane
