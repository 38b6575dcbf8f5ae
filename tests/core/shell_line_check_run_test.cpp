// Running the checks on a session: the columns' elements read back from
// their texts (metric and US), a column that does not read checked on its
// texts alone, and the limits as the options file and the batch tool's
// options give them.
#include <gtest/gtest.h>

#include <map>

#include "shell/calculate_command.h"
#include "shell/line_check_run.h"
#include "shell_harness.h"

namespace tolvane::shelltest {
namespace {

// Water through a nozzle with m = 0.6 and an open gate valve, in mm or inches.
Session nozzleAndGate(OutputSystem output) {
    const bool us = output == OutputSystem::US;
    Session s;
    s.settings.output = output;
    s.table.writeHeadings(output, s.settings.decimals);
    s.form.medium.flow = "50";
    const std::pair<ElementKind, std::pair<const char*, const char*>> steps[] = {
        {{9, 4}, us ? std::pair{"4", "3.0984"} : std::pair{"100", "77.46"}},
        {{7, 4}, us ? std::pair{"4", "4"} : std::pair{"100", "100"}},
    };
    for (const auto& [kind, fields] : steps) {
        chooseElementKind(s.form, kind);
        for (int row = 0; row < 2; ++row) s.form.element.rows[row].unit.index = us ? 1 : 0;
        s.form.element.rows[0].text = fields.first;
        s.form.element.rows[1].text = fields.second;
        RecordingMessageSink sink;
        EXPECT_TRUE(Calculate(s, sink, [] { return std::optional<double>(0.1); }).added)
            << testing::PrintToString(texts(sink));
    }
    return s;
}

TEST(LineCheckRun, ReadsEachColumnsElementInEitherUnits) {
    for (OutputSystem output : {OutputSystem::Metric, OutputSystem::US}) {
        const Session s = nozzleAndGate(output);
        const auto conditions = columnConditions(s.table, output, {2.5});
        ASSERT_EQ(conditions.size(), 2u);
        ASSERT_TRUE(conditions[0].element && conditions[1].element);
        EXPECT_EQ(conditions[0].element->kind, Kind::Nozzle);
        EXPECT_NEAR(conditions[0].element->va2 / conditions[0].element->va1, 0.7746,
                    2e-4);  // the US texts hold 3.098 in.
        EXPECT_EQ(conditions[1].element->kind, Kind::GateValve);
        EXPECT_EQ(conditions[0].inletPressureBar, std::optional<double>(2.5));
        EXPECT_FALSE(conditions[1].inletPressureBar);
        std::vector<std::string> codes;
        for (const auto& d : checkSession(s)) codes.push_back(d.code);
        EXPECT_EQ(codes, (std::vector<std::string>{"correlation-range", "correlation-range"}));
    }
}

TEST(LineCheckRun, AColumnThatDoesNotReadKeepsItsTextChecks) {
    Session s = nozzleAndGate(OutputSystem::Metric);
    s.table.setCell(1, Row::Element, "no such kind/1");
    const auto conditions = columnConditions(s.table, OutputSystem::Metric);
    EXPECT_FALSE(conditions[0].element);
    EXPECT_TRUE(conditions[1].element);
}

TEST(LineCheckRun, LimitTextsRoundTripInTheirUnits) {
    checks::CheckLimits l;
    l.lineInletPressureBar = 4.5;
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i) shown.push_back(checkLimitText(l, i));
    // Gas drops in percent; the vapour pressure is not given.
    EXPECT_EQ(shown,
              (std::vector<std::string>{"3", "30", "10", "40", "0.2", "0.5", "1.4", "4.5", ""}));
    checks::CheckLimits back;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        EXPECT_TRUE(setCheckLimit(back, i, shown[i])) << kCheckLimitKeys[i].key;
    EXPECT_EQ(back, l);
}

TEST(LineCheckRun, SetsALimitOnlyFromANumber) {
    struct Case {
        std::size_t index;
        const char* text;
        bool read;
        std::string shownAfter;
    };
    const Case cases[] = {
        {0, "2,5", true, "2.5"},  // the comma of the fields
        {0, "", false, "3"},      // a limit is never blank
        {0, "fast", false, "3"},
        {2, "15", true, "15"},  // percent in, fraction kept
        {7, " ", true, ""},     // a pressure may be cleared
        {8, "0.0234", true, "0.0234"},
        {8, "1e999", false, ""},
    };
    for (const Case& c : cases) {
        checks::CheckLimits l;
        EXPECT_EQ(setCheckLimit(l, c.index, c.text), c.read) << c.text;
        EXPECT_EQ(checkLimitText(l, c.index), c.shownAfter) << c.text;
    }
    checks::CheckLimits l;
    setCheckLimit(l, 2, "15");
    EXPECT_DOUBLE_EQ(l.gasDropCaution, 0.15);
}

TEST(LineCheckRun, OptionsFileGivesTheLimitsOrTheDefaults) {
    auto read = [](std::map<std::string, std::string> file) {
        return readCheckLimits([&file](const char* key) -> std::optional<std::string> {
            const auto it = file.find(key);
            if (it == file.end()) return std::nullopt;
            return it->second;
        });
    };
    EXPECT_EQ(read({}), checks::CheckLimits{});
    const checks::CheckLimits some = read(
        {{"checks/liquidVelocity", "2"}, {"checks/vapourPressure", "0.03"}, {"checks/kappa", "x"}});
    EXPECT_EQ(some.liquidVelocity, 2.0);
    EXPECT_EQ(some.vapourPressureBar, std::optional<double>(0.03));
    EXPECT_EQ(some.kappa, 1.4);
    // A caution above its warning: nothing of the file is taken.
    EXPECT_EQ(read({{"checks/liquidVelocity", "2"}, {"checks/machCaution", "0.7"}}),
              checks::CheckLimits{});
}

TEST(LineCheckRun, EveryLimitHasItsOwnKeyAndOption) {
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        for (std::size_t j = i + 1; j < kCheckLimitCount; ++j) {
            EXPECT_STRNE(kCheckLimitKeys[i].key, kCheckLimitKeys[j].key);
            EXPECT_STRNE(kCheckLimitKeys[i].option, kCheckLimitKeys[j].option);
        }
}

}  // namespace
}  // namespace tolvane::shelltest
