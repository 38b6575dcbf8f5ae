#include "shell/tool_presets.h"

#include "shell/element_catalogue.h"

namespace tolvane {

EconomicDiameterPreset economicDiameterPresetOf(const Session& s, bool commaAsPoint) {
    const MediumPanel& m = s.form.medium;
    return economicDiameterPreset(m.flowKind, m.flowUnit.index, m.flow, commaAsPoint);
}

NpshPreset npshPresetOf(const Session& s) {
    return {s.form.medium.density, s.form.medium.densityUnit.index, s.form.gas.pressureUnit};
}

PumpHeadPreset pumpHeadPresetOf(const Session& s) {
    return pumpHeadPreset(s.table, s.settings.output, s.form.medium.density,
                          s.form.medium.densityUnit.index);
}

VelocityFlowPreset velocityFlowPresetOf(const Session& s) {
    const MediumPanel& m = s.form.medium;
    const bool us = s.settings.output == OutputSystem::US;
    VelocityFlowPreset p;
    p.flowUnit = m.flowKind == 0 ? m.flowUnit.index : 0;
    p.flow = m.flow;
    p.velocityUnit = us ? 1 : 0;
    p.velocity = lastVelocityText(s.lastResult.velocity, us);
    p.diameterUnit = s.form.element.rows[0].unit.index;
    p.diameter = s.form.element.rows[0].text;
    return p;
}

PipeVolumePreset pipeVolumePresetOf(const Session& s) {
    return pipeVolumePreset(s.table, s.settings.output);
}

VariantLookup variantLookup() { return &kindByVariantName; }

}  // namespace tolvane
