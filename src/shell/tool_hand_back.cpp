#include "shell/tool_hand_back.h"

namespace tolvane {

void copyRateOfFlowToMedium(FormState& form, const std::string& m3hText) {
    setFlowKind(form, 0);
    form.medium.flowUnit.index = 0;  // "m³/h", the first volume-flow unit
    form.medium.flow = m3hText;
    syncBranchFlowUnit(form);
}

}  // namespace tolvane
