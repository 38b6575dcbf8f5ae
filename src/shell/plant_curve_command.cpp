#include "shell/plant_curve_command.h"

#include "shell/element_catalogue.h"
#include "shell/medium_reading.h"
#include "tools/tool_input.h"

namespace tolvane {

bool MayOpenPlantCurve(const Session& session, MessageSink& messages) {
    if (session.table.hasValues()) return true;
    messages.show(MessageType::Error, kNoValuesForCurve);
    return false;
}

KindByName catalogueKindByName() {
    return [](const std::string& name) { return kindByVariantName(name); };
}

PlantCurveOutcome RunPlantCurve(const Session& session, const PlantCurveRequest& request,
                                MessageSink& messages) {
    PlantCurveOutcome outcome;
    const CurveRangeOutcome read = readCurveRange(request, messages);
    outcome.focus = read.focus;
    if (!read.range) return outcome;
    const CurveRange& range = *read.range;
    // A medium field that does not read is named by its own message; the
    // dialog closes as after any other outcome of the computation.
    InputCheck check(messages);
    const auto medium = readMedium(session.form, check);
    if (!medium) return outcome;
    outcome.curve = computeCurvePoints(range, session.table, *medium, session.settings.output,
                                       catalogueKindByName(), messages);
    return outcome;
}

PumpOverlay RunPumpOverlay(const Session& session, const PlantCurveRequest& request,
                           const PumpSelection& selection, const PlantCurve& curve) {
    RecordingMessageSink ignored;
    InputCheck check(ignored);
    const auto medium = readMedium(session.form, check);
    const double density = medium ? medium->density : 0.0;
    const double flowFactor = convertAt(UnitList::VolumeFlow, request.unit, 1.0);
    std::optional<std::vector<CurveColumn>> columns;
    if (selection.pump || selection.suction)
        columns = readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    const bool computable = medium && columns;
    return overlayPump(curve, selection, density, flowFactor, computable ? &*columns : nullptr,
                       computable ? &*medium : nullptr);
}

std::optional<double> SuctionLineDropAt(const Session& session, int first, int last) {
    RecordingMessageSink ignored;
    InputCheck check(ignored);
    const auto medium = readMedium(session.form, check);
    const auto columns =
        readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    if (!medium || !columns) return std::nullopt;
    return plantDropAt(suctionColumns(*columns, {first, last}), *medium, medium->rateOfFlow);
}

}  // namespace tolvane
