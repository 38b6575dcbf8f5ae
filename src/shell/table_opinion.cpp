#include "shell/table_opinion.h"

#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "tools/plant_curve.h"

namespace tolvane {

checks::SecondOpinion tableSecondOpinion(const Session& session,
                                         const std::vector<checks::ColumnConditions>& conditions) {
    std::vector<checks::OpinionElement> elements;
    // A table with a column that cannot be read back (a damaged project)
    // gets no alternatives; its columns keep their own values.
    if (const auto columns =
            readCurveColumns(session.table, session.settings.output, catalogueKindByName())) {
        for (const CurveColumn& c : *columns)
            elements.push_back({c.element, c.roughness, c.branchRatio});
    }
    return checks::secondOpinion(session.table, session.settings.output, elements, conditions);
}

std::optional<std::vector<BandPoint>> plantCurveBand(const Session& session,
                                                     const PlantCurve& curve) {
    RecordingMessageSink quiet;
    InputCheck check(quiet);
    const auto medium = readMedium(session.form, check);
    if (!medium) return std::nullopt;
    const auto columns =
        readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    if (!columns) return std::nullopt;
    return computeCurveBand(*columns, curveRatesOfFlow(curve), *medium, session.settings.output);
}

}  // namespace tolvane
