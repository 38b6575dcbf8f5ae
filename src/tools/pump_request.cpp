#include "tools/pump_request.h"

#include <cmath>
#include <tuple>

#include "tools/pump_file.h"
#include "tools/tool_input.h"

namespace tolvane {

bool pumpRequestGiven(const PumpRequest& r) {
    const auto nonZero = [](const std::string& text) {
        const auto x = readNumber(text);
        return !x || *x != 0.0;
    };
    return !r.pumpFile.empty() || r.suction || nonZero(r.staticHead) ||
           nonZero(r.pressureDifference);
}

std::string pumpFileRefusedText(const std::string& path, const std::string& problem) {
    return "The pump file " + path + " cannot be used: " + problem;
}

PumpRequestOutcome readPumpRequest(const PumpRequest& r, const NpshMarginRule& margin,
                                   MessageSink& messages) {
    using namespace pump_field;
    InputCheck check(messages);
    const auto refused = [&check]() { return PumpRequestOutcome{std::nullopt, check.focus}; };
    const auto read = [&](const std::string& text, const char* label, const char* name) {
        return readField(ToolField{text, label, name}, check);
    };
    const auto positive = [&](const std::string& text, const char* label, const char* name) {
        const auto x = read(text, label, name);
        if (x) CheckRange(check, *x, RangeLimits::positive(), label, name);
        return check.ChecksPassed ? x : std::nullopt;
    };

    PumpSelection sel;
    sel.margin = margin;
    if (!r.pumpFile.empty()) {
        const auto speed = positive(r.speedRatio, SpeedRatioLabel, SpeedRatio);
        if (!speed) return refused();
        const auto impeller = positive(r.impellerRatio, ImpellerRatioLabel, ImpellerRatio);
        if (!impeller) return refused();
        int count = 1;
        if (r.arrangement != Arrangement::Single) {
            const auto n = read(r.count, CountLabel, Count);
            if (!n) return refused();
            CheckRange(check, *n, RangeLimits::notNegative().from(1).below(101), CountLabel, Count);
            if (!check.ChecksPassed) return refused();
            if (*n != std::floor(*n)) {
                ReportBadInput(check, CountLabel, Count);
                return refused();
            }
            count = static_cast<int>(*n);
        }
        const PumpFileOutcome file = readPumpFile(r.pumpFile);
        if (!file.file) {
            messages.show(MessageType::Error, pumpFileRefusedText(r.pumpFile, file.problem));
            return {};
        }
        AdjustedPump adjusted =
            adjustPump(file.file->pump, {*speed, *impeller, r.arrangement, count});
        sel.pump.emplace(std::move(adjusted.curve));
        sel.pumpName = file.file->pump.name;
        sel.warnings = std::move(adjusted.warnings);
    }
    const auto staticHead = read(r.staticHead, StaticHeadLabel, StaticHead);
    if (!staticHead) return refused();
    const auto difference = read(r.pressureDifference, PressureDifferenceLabel, PressureDifference);
    if (!difference) return refused();
    sel.side.staticHead = convertAt(UnitList::Length, r.staticHeadUnit, *staticHead);
    sel.side.pressureDifference =
        convertAt(UnitList::GasPressure, r.pressureDifferenceUnit, *difference);
    if (r.suction) {
        const auto first = read(r.firstColumn, FirstColumnLabel, FirstColumn);
        if (!first) return refused();
        const auto last = read(r.lastColumn, LastColumnLabel, LastColumn);
        if (!last) return refused();
        for (const auto& [x, label, name] : {std::tuple{*first, FirstColumnLabel, FirstColumn},
                                             std::tuple{*last, LastColumnLabel, LastColumn}}) {
            CheckRange(check, x, RangeLimits::notNegative().from(1).below(1e6), label, name);
            if (!check.ChecksPassed) return refused();
            if (x != std::floor(x)) {
                ReportBadInput(check, label, name);
                return refused();
            }
        }
        const auto vessel = read(r.vesselPressure, VesselPressureLabel, VesselPressure);
        if (!vessel) return refused();
        const auto level = read(r.level, LevelLabel, Level);
        if (!level) return refused();
        const auto vapour = read(r.vapourPressure, VapourPressureLabel, VapourPressure);
        if (!vapour) return refused();
        SuctionSide s;
        s.firstColumn = static_cast<int>(*first);
        s.lastColumn = static_cast<int>(*last);
        s.vesselPressure = convertAt(UnitList::GasPressure, r.vesselPressureUnit, *vessel);
        s.level = convertAt(UnitList::Length, r.levelUnit, *level);
        s.vapourPressure = convertAt(UnitList::GasPressure, r.vapourPressureUnit, *vapour);
        sel.suction = s;
    }
    return {sel, ""};
}

}  // namespace tolvane
