#include "shell/plant_curve_command.h"

#include "shell/element_catalogue.h"
#include "shell/medium_reading.h"

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

}  // namespace tolvane
