// Thousands of calculations over every element kind with extreme texts in
// every field (huge, tiny, negative, zero), in both output systems and with
// every number of decimals: whatever is refused, nothing written is NaN or
// infinite, no width-limited text is longer than its width, and a unit
// switch of the whole table keeps to the same rules.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "shell/calculate_command.h"
#include "shell/element_catalogue.h"
#include "shell/element_panel.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

// Texts a calculation usually takes, and the extremes mixed in with them.
const char* const kPlain[] = {"1", "80", "0.5", "45", "20", "3", "500", "100", "60", "10", "0.2"};
const char* const kExtreme[] = {"1e300", "-1e300", "1e-300", "-5",   "0",     "9e307",
                                "1e-30", "2e5",    "90",     "180",  "0.001", "1e15",
                                "-0",    "1e-320", "1e6",    "4e-4", "1e100", "1e-100"};

// The rows that hold a number when they hold anything, with their widths (0: unlimited).
struct NumberRow {
    int row;
    std::size_t width;
};
const NumberRow kNumberRows[] = {{Row::RateOfFlow, 0},      {Row::Density, 0},
                                 {Row::Viscosity, 0},       {Row::Velocity, 10},
                                 {Row::Reynolds, 11},       {Row::Velocity2, 10},
                                 {Row::Reynolds2, 11},      {Row::Roughness, 0},
                                 {Row::FrictionFactor, 10}, {Row::Zeta, 0},
                                 {Row::Zeta2, 0},           {Row::PressureDrop2, 11},
                                 {Row::PressureDrop, 11},   {Row::PressureDropLarge, 11}};

void expectSound(const CalculationTable& table, const std::string& what) {
    for (int c = 1; c < table.trailingColumn(); ++c) {
        for (const NumberRow& r : kNumberRows) {
            const std::string& text = table.cell(c, r.row);
            if (text.empty()) continue;
            const std::optional<double> value = readNumber(text);
            ASSERT_TRUE(value && std::isfinite(*value))
                << what << ": column " << c << " row " << r.row << " holds \"" << text << "\"";
            if (r.width > 0) {
                ASSERT_LE(text.size(), r.width)
                    << what << ": column " << c << " row " << r.row << " holds \"" << text << "\"";
            }
        }
    }
    ASSERT_TRUE(std::isfinite(table.total())) << what;
}

TEST(ExtremeValues, NoCellIsNaNInfiniteOrWiderThanItsRow) {
    std::mt19937 random(20261209);
    auto pickFrom = [&](auto& list) -> decltype(auto) {
        return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random)];
    };
    // One text in four is extreme.
    auto value = [&]() -> std::string {
        return std::uniform_int_distribution<int>(0, 3)(random) == 0 ? pickFrom(kExtreme)
                                                                     : pickFrom(kPlain);
    };
    const auto& kinds = elementKinds();
    int added = 0;
    for (int round = 0; round < 100; ++round) {
        Session session;
        session.settings.output = round % 2 ? OutputSystem::US : OutputSystem::Metric;
        session.settings.decimals = round % 7;
        session.table.writeHeadings(session.settings.output, session.settings.decimals);
        for (int step = 0; step < 100; ++step) {
            FormState& form = session.form;
            chooseElementKind(form, pickFrom(kinds).kind);
            for (ElementRow& row : form.element.rows) row.text = value();
            form.element.quantity = value();
            form.medium.flow = value();
            form.medium.density = value();
            form.medium.viscosity = value();
            form.medium.gas = step % 3 == 0;
            form.gas.pressure = value();
            form.gas.inletTemperature = value();
            form.gas.outletTemperature = value();
            form.extra.branchFlow = value();
            const std::string roughness = value();
            RecordingMessageSink sink;
            const CalculateOutcome outcome =
                Calculate(session, sink, [&] { return readNumber(roughness).value_or(0.1); });
            if (outcome.added) ++added;
            ASSERT_NO_FATAL_FAILURE(expectSound(session.table, "round " + std::to_string(round)));
        }
        const OutputSystem other =
            session.settings.output == OutputSystem::US ? OutputSystem::Metric : OutputSystem::US;
        if (session.table.convertUnits(other, session.settings.decimals)) {
            ASSERT_NO_FATAL_FAILURE(expectSound(session.table, "switched"));
        }
    }
    // The sweep means something only if a fair share of it was calculated.
    EXPECT_GT(added, 2000);
}

}  // namespace
}  // namespace tolvane
