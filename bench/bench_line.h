// The line the table benchmarks calculate: pipes, bends, valves and fittings
// (a dividing branch taking 4 of every 10 m³/h when asked), turbulent from 5
// to 50 m³/h of water, repeated until the table holds `columns` calculations.
#pragma once

#include <array>

#include "base/messages_clipboard_files.h"
#include "shell/calculate_command.h"
#include "shell/element_panel.h"

namespace tolvane::bench {

inline Session lineOf(int columns, bool withBranch = false) {
    const std::array<ElementKind, 8> kinds = {
        pairOf(Kind::CircularPipe),
        pairOf(Kind::CircularBend),
        pairOf(Kind::GlobeValve),
        pairOf(Kind::RectangularPipe),
        pairOf(Kind::GradualEnlargement),
        pairOf(withBranch ? Kind::DividingBranch : Kind::CircularMiterBend),
        pairOf(Kind::KnownResistance),
        pairOf(Kind::CorrugatedCompensator)};
    Session session;
    session.form.medium.flow = "10";
    RecordingMessageSink messages;
    const RoughnessAsker roughness = [] { return std::optional<double>(0.1); };
    for (int i = 0; session.table.calculationCount() < columns; ++i) {
        chooseElementKind(session.form, kinds[static_cast<std::size_t>(i) % kinds.size()]);
        session.form.extra.branchFlow = "4";
        if (!Calculate(session, messages, roughness).added) break;
    }
    return session;
}

}  // namespace tolvane::bench
