// "P&ressure drop = f (rate of flow)..." without its windows: whether the
// dialog may open (the table must hold a calculation), and the dialog's
// "C&alculate" on the session: the dialog's fields are read first, then the
// medium panel as Calculate reads it, the element kinds come from the
// catalogue and the unit system from the settings.
#pragma once

#include <string>

#include "shell/session.h"
#include "tools/plant_curve.h"
#include "tools/pump_overlay.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

inline const std::string kNoValuesForCurve =
    "In the table are no values. So i can not calculate the diagram!\rLook Help!!";

// The menu item: true when the table holds at least one calculation;
// otherwise shows kNoValuesForCurve as an error and returns false.
bool MayOpenPlantCurve(const Session& session, MessageSink& messages);

// The element kind of a variant name, from the element catalogue.
KindByName catalogueKindByName();

// The curve of the session's table for the dialog's fields. The session is
// not changed: the curve works on its own copy of the medium.
PlantCurveOutcome RunPlantCurve(const Session& session, const PlantCurveRequest& request,
                                MessageSink& messages);

// The pump and system sides over a curve computed for `request`: the medium
// panel read again for the density and the columns read back for the
// operating point and NPSH available (none when either does not read).
PumpOverlay RunPumpOverlay(const Session& session, const PlantCurveRequest& request,
                           const PumpSelection& selection, const PlantCurve& curve);

// The drop of columns first..last of the session's table at the medium
// panel's rate of flow, as NPSH's "from the suction line" takes it off.
std::optional<double> SuctionLineDropAt(const Session& session, int first, int last);

}  // namespace tolvane
