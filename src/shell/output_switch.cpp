#include "shell/output_switch.h"

namespace tolvane {

OutputSwitch switchOutputSystem(Session& session, OutputSystem system, MessageSink& messages) {
    if (session.settings.output == system) return OutputSwitch::Unchanged;
    if (!session.table.convertUnits(system, session.settings.decimals)) {
        messages.show(MessageType::Error, kUnitSwitchRefused);
        return OutputSwitch::Refused;
    }
    session.settings.output = system;
    return OutputSwitch::Switched;
}

}  // namespace tolvane
