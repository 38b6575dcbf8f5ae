// The texts of the curve diagram that come from outside the curve: the
// medium as the main window's fields show it, the table window's caption and
// the table's font for the printout.
#pragma once

#include "shell/session.h"
#include "tools/curve_diagram.h"

namespace tolvane {

DiagramTexts curveDiagramTexts(const Session& session);

}  // namespace tolvane
