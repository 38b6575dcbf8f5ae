#include <gtest/gtest.h>

#include "shell/calculate_command.h"
#include "shell/fitting_choice.h"

namespace tolvane {
namespace {

const ZetaCopy kGateValve{"80", "0.25", "Acme gate valve PN16"};

std::optional<double> noRoughness() { return std::nullopt; }

TEST(ChosenFitting, BecomesTheResistanceCoefficientElementAndItsCalculation) {
    for (bool withSpecification : {true, false}) {
        Session session;
        applyChosenFitting(session, kGateValve, withSpecification);
        EXPECT_EQ(session.form.element.kind, kResistanceCoefficientKind);
        EXPECT_EQ(session.form.element.rows[0].text, "80");
        EXPECT_EQ(session.form.element.rows[1].text, "0.25");

        RecordingMessageSink sink;
        ASSERT_TRUE(Calculate(session, sink, noRoughness).added);
        const CalculationColumn& column = session.table.column(1);
        EXPECT_EQ(column[Row::Specification], withSpecification ? kGateValve.specification : "");
        EXPECT_EQ(column[Row::Zeta], "0.250");
    }
}

}  // namespace
}  // namespace tolvane
