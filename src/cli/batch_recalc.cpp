#include "cli/batch_recalc.h"

#include <algorithm>

#include "properties/roughness_query.h"
#include "shell/copy_back.h"
#include "shell/medium_reading.h"
#include "shell/table_recalc.h"

namespace tolvane::cli {

namespace {

// The medium panel as "To input" of the first column fills it.
void takeFirstColumnMedium(Session& session) {
    FormState form = session.form;
    if (CopyToEditWindows(form, session.table, 1, session.settings.output,
                          session.settings.decimals))
        session.form.medium = form.medium;
}

}  // namespace

bool RecalcRun::allRecalculated() const {
    return messages.empty() && std::all_of(columns.begin(), columns.end(),
                                           [](const StepOutcome& c) { return c.added; });
}

RecalcRun runRecalc(Session session, const RecalcRequest& request) {
    RecalcRun run{std::move(session), {}, {}};
    Session& s = run.session;
    takeFirstColumnMedium(s);
    DiameterMemory noKindChanges;  // the steps here change the medium only
    if (request.medium) applyStep(s, *request.medium, "MEDIUM.json", noKindChanges);
    if (request.flow || request.flowUnit) {
        StepInput flow;
        flow.medium = MediumInput{};
        flow.medium->flow = request.flow;
        flow.medium->flowUnit = request.flowUnit;
        applyStep(s, flow, "--flow-unit", noKindChanges);
    }
    if (request.roughness) {
        s.roughnessQuery.text = request.roughness->text;
        s.roughnessQuery.unit = request.roughness->unit;
        RecordingMessageSink messages;
        const auto k = confirmRoughness(s.roughnessQuery, messages).k;
        if (!k) {
            run.messages = std::move(messages.messages);
            return run;
        }
        s.roughness = *k;
    }

    TableRecalc recalc = RecalculateTable(s);
    // Every recalculated column has the panels' gas data.
    std::optional<double> inlet;
    if (s.form.medium.gas) {
        RecordingMessageSink unshown;
        InputCheck check(unshown);
        if (const auto medium = readMedium(s.form, check)) inlet = medium->inletPressure;
    }
    for (ColumnRecalc& c : recalc.columns)
        run.columns.push_back(
            {c.recalculated, std::move(c.messages), c.recalculated ? inlet : std::nullopt});
    s.table = std::move(recalc.table);
    s.roughness = recalc.roughness;
    return run;
}

}  // namespace tolvane::cli
