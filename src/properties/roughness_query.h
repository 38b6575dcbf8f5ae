// The roughness query TRauDialog without its window: what its "&OK" does with
// the typed roughness. A text that does not read or a negative value is
// reported (the dialog stays open, Edit1 gets the focus); otherwise the
// roughness k in mm goes to the calculation.
#pragma once

#include <optional>
#include <string>

#include "base/messages_clipboard_files.h"

namespace tolvane {

// The roughness query TRauDialog: Edit1 ("Roughness:") and ComboBox1 ("mm"/"in.").
struct RoughnessQueryState {
    std::string text = "0.1";
    int unit = 0;
};

// Object name of the query's field, where its messages put the focus.
inline constexpr const char* kRoughnessField = "Edit1";

struct RoughnessQueryOutcome {
    std::optional<double> k;  // mm; nothing when a message was shown
    std::string focus;        // "Edit1" after a message, else ""
};

// `query.unit` is the position in ComboBox1: 0 "mm", 1 "in.".
RoughnessQueryOutcome confirmRoughness(const RoughnessQueryState& query, MessageSink& messages);

// Edit1's text before anything is typed, for the unit in ComboBox1: "0.1" mm,
// or "0.004" in. (0.1 mm = 0.0039 in.), so an untouched query confirms about
// the same roughness whichever unit the last run left selected.
std::string initialRoughnessText(int unit);

}  // namespace tolvane
