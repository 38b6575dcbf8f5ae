// Every field of every tool given letters, nothing, a number too large to
// hold, negative, zero, tiny and huge values, in every unit: no output text
// may show an infinity or a NaN, and a message names a field by its label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/element_catalogue.h"
#include "tools/economic_diameter.h"
#include "tools/npsh.h"
#include "tools/pipe_volume.h"
#include "tools/pump_head.h"
#include "tools/velocity_flow.h"

using namespace tolvane;

namespace {

const std::vector<std::string> kBadTexts = {"abc",    "",      "1e400",  "-1",     "0",
                                            "1e-320", "1e308", "-1e308", "1e-200", "1,5"};

bool sound(const std::string& text) {
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

// Each message names one of the tool's labels.
void expectMessagesName(const RecordingMessageSink& sink, const std::vector<std::string>& labels) {
    for (const Message& m : sink.messages) {
        bool named = false;
        for (const std::string& l : labels) named |= m.text.find(l) != std::string::npos;
        EXPECT_TRUE(named) << m.text;
    }
}

}  // namespace

TEST(ToolsBadInput, EconomicDiameterNeverWritesInfinity) {
    for (const EconomicDiameterStyle* style : {&liquidStyle(), &gasStyle()})
        for (const std::string& text : kBadTexts)
            for (int unit = 0; unit < 13; ++unit)
                for (bool metric : {true, false}) {
                    RecordingMessageSink sink;
                    const EconomicDiameterRun r =
                        calculateEconomicDiameter(*style, text, unit, metric, sink);
                    for (const std::string& line : r.lines) EXPECT_TRUE(sound(line)) << text;
                    EXPECT_EQ(r.calculated, sink.messages.empty()) << text;
                }
}

TEST(ToolsBadInput, NpshAndHeadNeverWriteInfinity) {
    const std::vector<std::string> npshLabels = {npsh_label::SuctionPressure,
                                                 npsh_label::VapourPressure, npsh_label::Density};
    const std::vector<std::string> headLabels = {pump_head_label::PressureDrop,
                                                 pump_head_label::Density};
    for (const std::string& bad : kBadTexts)
        for (int field = 0; field < 3; ++field)
            for (int unit : {0, 4, 10}) {
                NpshInput in;
                in.suctionPressure = "1";
                in.vapourPressure = "0.02";
                in.density = "998";
                (field == 0   ? in.suctionPressure
                 : field == 1 ? in.vapourPressure
                              : in.density) = bad;
                in.suctionPressureUnit = in.vapourPressureUnit = unit;
                in.densityUnit = unit;
                RecordingMessageSink sink;
                InputCheck check(sink);
                const NpshResult r = calculateNpsh(in, check);
                EXPECT_TRUE(sound(r.metres) && sound(r.feet)) << bad << " field " << field;
                expectMessagesName(sink, npshLabels);

                PumpHeadInput head{"1", unit, "998", unit};
                (field == 0 ? head.pressureDrop : head.density) = bad;
                RecordingMessageSink headSink;
                InputCheck headCheck(headSink);
                const PumpHeadResult h = calculatePumpHead(head, headCheck);
                EXPECT_TRUE(sound(h.metres) && sound(h.feet)) << bad << " field " << field;
                expectMessagesName(headSink, headLabels);
            }
}

TEST(ToolsBadInput, VelocityAndRateOfFlowNeverWriteInfinity) {
    const std::vector<std::string> labels = {
        velocity_flow_label::Flow, velocity_flow_label::Velocity, velocity_flow_label::Diameter};
    for (const std::string& bad : kBadTexts)
        for (int field = 0; field < 2; ++field)
            for (int unit : {0, 1}) {
                FlowToVelocityInput f{"10", unit == 0 ? 0 : 2, "50", unit};
                (field == 0 ? f.flow : f.diameter) = bad;
                RecordingMessageSink sink;
                InputCheck check(sink);
                const VelocityFlowResult v = flowToVelocity(f, check);
                EXPECT_TRUE(sound(v.first) && sound(v.second)) << bad << " field " << field;

                VelocityToFlowInput q{"1", unit, "100", unit};
                (field == 0 ? q.velocity : q.diameter) = bad;
                const VelocityFlowResult r = velocityToFlow(q, check);
                EXPECT_TRUE(sound(r.first) && sound(r.second) && sound(r.m3h)) << bad;
                expectMessagesName(sink, labels);
            }
}

TEST(ToolsBadInput, PipeVolumeNeverWritesInfinity) {
    CalculationColumn pipe{};
    pipe[Row::Element] = "circular/1";
    pipe[Row::Dimension1] = "Diameter of pipe D in mm: 100.000";
    pipe[Row::Dimension2] = "Length of pipe L in m: 10.000";
    CalculationTable table;
    table.setCalculations({pipe});
    const std::vector<std::string> labels = {pipe_volume_label::First, pipe_volume_label::Last,
                                             pipe_volume_label::Flow};
    for (const std::string& bad : kBadTexts)
        for (int field = 0; field < 3; ++field)
            for (int unit : {0, 2, 10}) {
                PipeVolumeInput in{"1", "1", "1", unit};
                (field == 0 ? in.first : field == 1 ? in.last : in.flow) = bad;
                RecordingMessageSink sink;
                InputCheck check(sink);
                const PipeVolumeResult r =
                    calculatePipeVolume(in, table, OutputSystem::Metric, &kindByVariantName, check);
                EXPECT_TRUE(sound(r.volume) && sound(r.fillingTime.value_or(""))) << bad;
                expectMessagesName(sink, labels);
            }
}
