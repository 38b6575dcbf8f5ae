// What each engineering tool takes from the main window and the calculation
// table when it opens, gathered from the session.
#pragma once

#include "shell/session.h"
#include "tools/economic_diameter.h"
#include "tools/npsh.h"
#include "tools/pipe_volume.h"
#include "tools/pump_head.h"
#include "tools/velocity_flow.h"

namespace tolvane {

// Economic diameter: the rate of flow and its unit (gases also take "1,5"
// as a number for the calculation on opening).
EconomicDiameterPreset economicDiameterPresetOf(const Session& s, bool commaAsPoint);

NpshPreset npshPresetOf(const Session& s);

PumpHeadPreset pumpHeadPresetOf(const Session& s);
VelocityFlowPreset velocityFlowPresetOf(const Session& s);
PipeVolumePreset pipeVolumePresetOf(const Session& s);

// The variant names of the element catalogue, for reading the table back.
VariantLookup variantLookup();

}  // namespace tolvane
