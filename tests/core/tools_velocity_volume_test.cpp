#include <gtest/gtest.h>

#include "shell/element_catalogue.h"
#include "shell/form_state.h"
#include "shell/session.h"
#include "shell/tool_hand_back.h"
#include "shell/tool_presets.h"
#include "tools/pipe_volume.h"
#include "tools/velocity_flow.h"
#include "units/unit_catalogue.h"

using namespace tolvane;

namespace {

struct ToolRun {
    RecordingMessageSink sink;
    InputCheck check{sink};
};

bool hasMessage(const ToolRun& r, const std::string& part) {
    for (const Message& m : r.sink.messages)
        if (m.text.find(part) != std::string::npos) return true;
    return false;
}

CalculationColumn pipe(const std::string& element, const std::string& r8, const std::string& r9,
                       const std::string& r10 = "", const std::string& flow = "1.000") {
    CalculationColumn c{};
    c[Row::RateOfFlow] = flow;
    c[Row::Element] = element;
    c[Row::Dimension1] = r8;
    c[Row::Dimension2] = r9;
    c[Row::Dimension3] = r10;
    c[Row::PressureDrop] = "1.000";
    return c;
}

CalculationColumn circular(const std::string& quantity = "1") {
    return pipe("circular/" + quantity, "Diameter of pipe D in mm: 100.000",
                "Length of pipe L in m: 10.000");
}

CalculationColumn bend() {
    return pipe("Circular bend/1", "Diameter of pipe D in mm: 100.000", "Radius R in mm: 200.000");
}

CalculationTable tableOf(std::vector<CalculationColumn> columns) {
    CalculationTable t;
    t.setCalculations(std::move(columns));
    return t;
}

PipeVolumeResult volumeOf(const CalculationTable& t, PipeVolumeInput in, ToolRun& r,
                          OutputSystem output = OutputSystem::Metric) {
    return calculatePipeVolume(in, t, output, &kindByVariantName, r.check);
}

}  // namespace

TEST(FlowToVelocity, MeanVelocityInTheDiameter) {
    ToolRun r;
    VelocityFlowResult v = flowToVelocity({"10", 0, "50", 0}, r.check);
    EXPECT_EQ(v.first, "1.41 m/s");
    EXPECT_EQ(v.second, "( = 4.64 ft./s)");
    // 44.03 gal/min in 1.9685 in. is the same flow in the same pipe.
    v = flowToVelocity({"44.03", 11, "1.9685", 1}, r.check);
    EXPECT_EQ(v.first, "1.41 m/s");
    EXPECT_EQ(flowToVelocity({"-10", 0, "50", 0}, r.check).first, "-1.41 m/s");
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(FlowToVelocity, ZeroDiameterEmptiesTheResultsSilently) {
    ToolRun r;
    for (const char* d : {"0", "", "-50"}) {
        VelocityFlowResult v = flowToVelocity({"10", 0, d, 0}, r.check);
        EXPECT_FALSE(v.calculated);
        EXPECT_EQ(v.first, "");
    }
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(FlowToVelocity, RefusesWhatCannotGiveAVelocity) {
    ToolRun bad;
    flowToVelocity({"ten", 0, "x", 0}, bad.check);
    ASSERT_EQ(bad.sink.messages.size(), 1u);
    EXPECT_EQ(bad.sink.messages[0].text, "Incorrect input in the input field\r\"Rate of flow:\"!");
    EXPECT_EQ(bad.check.focus, "Edit_Volumenstrom");

    ToolRun tiny;
    EXPECT_FALSE(flowToVelocity({"10", 0, "1e-200", 0}, tiny.check).calculated);
    EXPECT_TRUE(hasMessage(tiny, ">> Diameter of pipe: <<"));
    EXPECT_TRUE(hasMessage(tiny, "must be bigger than zero!"));
    EXPECT_EQ(tiny.check.focus, "Edit_Rohrdurchmesser");

    ToolRun huge;
    EXPECT_FALSE(flowToVelocity({"1e307", 2, "50", 0}, huge.check).calculated);  // m³/s
    EXPECT_TRUE(hasMessage(huge, ">> Rate of flow: <<"));
    EXPECT_TRUE(hasMessage(huge, "must be smaller than"));
}

TEST(VelocityToFlow, RateOfFlowAndTheKeptText) {
    ToolRun r;
    VelocityFlowResult q = velocityToFlow({"1", 0, "100", 0}, r.check);
    EXPECT_EQ(q.first, "28.27 m³/h");
    EXPECT_EQ(q.second, "(= 124.49 gal/min)");
    EXPECT_EQ(q.m3h, "28.27");
    q = velocityToFlow({"3,2808", 1, "3.937", 1}, r.check);  // ft./s and in.
    EXPECT_EQ(q.m3h, "28.27");
    EXPECT_EQ(velocityToFlow({"1", 0, "0", 0}, r.check).m3h, "0.00");  // not refused
    EXPECT_TRUE(r.sink.messages.empty());

    ToolRun huge;
    EXPECT_FALSE(velocityToFlow({"1", 0, "1e200", 0}, huge.check).calculated);
    EXPECT_TRUE(hasMessage(huge, ">> Diameter of pipe: <<"));
    EXPECT_TRUE(hasMessage(huge, "must be smaller than"));
    ToolRun bad;
    velocityToFlow({"1", 0, "wide", 0}, bad.check);
    EXPECT_EQ(bad.check.focus, "Edit_Rohrdurchmesser");
}

TEST(VelocityToFlow, LastVelocityAsTheTableShowsIt) {
    EXPECT_EQ(lastVelocityText(0.0, false), "");
    EXPECT_EQ(lastVelocityText(1.4147, false), "1.41");
    EXPECT_EQ(lastVelocityText(1.4147, true), "4.64");
    EXPECT_EQ(lastVelocityText(123456789.0, false), "123456789.");
}

TEST(CopyRateOfFlowToMedium, SwitchesToVolumeFlowInCubicMetresPerHour) {
    FormState form;
    setFlowKind(form, 1);  // mass flow
    form.medium.flowUnit.index = 2;
    copyRateOfFlowToMedium(form, "28.27");
    EXPECT_EQ(form.medium.flowKind, 0);
    EXPECT_EQ(form.medium.flowUnit.items, UnitCatalogue::texts(UnitList::VolumeFlow));
    EXPECT_EQ(form.medium.flowUnit.text(), "m³/h");
    EXPECT_EQ(form.medium.flow, "28.27");
    EXPECT_EQ(form.extra.branchFlowUnit, "m³/h");
    copyRateOfFlowToMedium(form, "");  // before any result: the empty text
    EXPECT_EQ(form.medium.flow, "");
}

TEST(ToolPresets, TakeTheMainWindowAndTheTable) {
    Session s;
    s.form.medium.flow = "12";
    s.form.medium.flowUnit.index = 4;
    s.form.element.rows[0].text = "80";
    s.lastResult.velocity = 2.0;
    VelocityFlowPreset v = velocityFlowPresetOf(s);
    EXPECT_EQ(v.flowUnit, 4);
    EXPECT_EQ(v.flow, "12");
    EXPECT_EQ(v.diameter, "80");
    EXPECT_EQ(v.velocity, "2.00");
    EXPECT_EQ(v.velocityUnit, 0);
    s.settings.output = OutputSystem::US;
    setFlowKind(s.form, 1);
    v = velocityFlowPresetOf(s);
    EXPECT_EQ(v.flowUnit, 0);
    EXPECT_EQ(v.velocity, "6.56");
    EXPECT_EQ(v.velocityUnit, 1);

    s.form.gas.pressureUnit = 10;
    s.form.medium.densityUnit.index = 3;
    const NpshPreset n = npshPresetOf(s);
    EXPECT_EQ(n.pressureUnit, 10);
    EXPECT_EQ(n.densityUnit, 3);
    EXPECT_EQ(n.density, "998.2");
}

TEST(PipeVolume, CircularPipesAndTheFillingTime) {
    ToolRun r;
    const CalculationTable one = tableOf({circular()});
    PipeVolumeResult v = volumeOf(one, {"1", "1", "1", 0}, r);
    EXPECT_EQ(v.volume, "78.54 l");
    EXPECT_EQ(v.fillingTime, "4.71 min");
    const CalculationTable two = tableOf({circular("2"), circular("2")});
    EXPECT_EQ(volumeOf(two, {"1", "2", "1", 0}, r).volume, "0.31 m³");
    EXPECT_EQ(volumeOf(two, {"1", "2", "0.1", 0}, r).fillingTime, "3.14 h");
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(PipeVolume, RangeInEitherOrderSkippingOtherKinds) {
    ToolRun r;
    const CalculationTable t = tableOf({circular(), bend(), circular()});
    EXPECT_EQ(volumeOf(t, {"3", "1", "1", 0}, r).volume, "0.16 m³");
    EXPECT_EQ(volumeOf(t, {"2", "2", "1", 0}, r).volume, "0.00 l");  // only the bend
    EXPECT_EQ(volumeOf(t, {"2", "2", "1", 0}, r).fillingTime, "0.00 s");
    EXPECT_EQ(volumeOf(t, {"1", "99", "1", 0}, r).volume, "0.16 m³");  // beyond the table
}

TEST(PipeVolume, QuantityIsTheNumberItIs) {
    ToolRun r;
    EXPECT_EQ(volumeOf(tableOf({circular("0,5")}), {"1", "1", "1", 0}, r).volume, "39.27 l");
    EXPECT_EQ(volumeOf(tableOf({circular("1,5")}), {"1", "1", "1", 0}, r).volume, "0.12 m³");
    EXPECT_EQ(volumeOf(tableOf({circular("0")}), {"1", "1", "1", 0}, r).volume, "0.00 l");
}

TEST(PipeVolume, EveryStraightPipeForm) {
    ToolRun r;
    struct Case {
        CalculationColumn column;
        const char* volume;
    } cases[] = {
        {pipe("rectangular/1", "Width of pipe B in mm: 100.000", "Height of pipe H in mm: 200.000",
              "Length of pipe L in m: 10,000"),
         "0.20 m³"},
        {pipe("Circular ring/1", "Diameter of pipe D in mm: 100.000",
              "Internal diameter of pipe Di in mm: 50.000", "Lenght of pipe L in m: 1,000"),
         "5.89 l"},
        {pipe("Channel/2", "Width of channel B in mm: 1000.000",
              "Height of fluid H in mm: 1000.000", "Lenght of channel L in m: 1,000"),
         "2.00 m³"},
        {pipe("Other form/1", "Cross section A in m²: 0.010", "Wetted circumference in m: 0.400",
              "Length of pipe L in m: 2,000"),
         "20.00 l"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(volumeOf(tableOf({c.column}), {"1", "1", "1", 0}, r).volume, c.volume)
            << c.column[Row::Element];
}

TEST(PipeVolume, UsTablesInInchesFeetAndSquareYards) {
    ToolRun r;
    const CalculationTable us = tableOf({pipe("circular/1", "Diameter of pipe D in in.: 3.937",
                                              "Length of pipe L in ft.: 32.810")});
    EXPECT_EQ(volumeOf(us, {"1", "1", "1", 11}, r, OutputSystem::US).volume, "2.77 ft³");
    const CalculationTable other =
        tableOf({pipe("Other form/1", "Cross section A in sq.yd.: 1.000",
                      "Wetted circumference in ft.: 1.000", "Length of pipe L in ft.: 1,000")});
    // 1 sq.yd. x 1 ft. is 9 ft³.
    EXPECT_EQ(volumeOf(other, {"1", "1", "1", 11}, r, OutputSystem::US).volume, "9.00 ft³");
}

TEST(PipeVolume, TextsOfVolumeAndTime) {
    EXPECT_EQ(fillingTimeText(0.01), "36.00 s");
    EXPECT_EQ(fillingTimeText(1.0), "1.00 h");
    EXPECT_EQ(fillingTimeText(1.0 / 60.0), "1.00 min");
    EXPECT_EQ(volumeText(0.1, OutputSystem::Metric), "0.10 m³");
    EXPECT_EQ(volumeText(0.0999, OutputSystem::Metric), "99.90 l");
}

TEST(PipeVolume, RangeNumbersMustBeWhole) {
    const CalculationTable t = tableOf({circular()});
    ToolRun first;
    EXPECT_FALSE(volumeOf(t, {"1.5", "1", "1", 0}, first).rangeRead);
    ASSERT_EQ(first.sink.messages.size(), 1u);
    EXPECT_EQ(first.sink.messages[0].text,
              "Incorrect input in the input field\r\"Area: Number of calculation from\"!");
    EXPECT_EQ(first.check.focus, "Edit1");
    ToolRun last;
    EXPECT_FALSE(volumeOf(t, {"1", "two", "1", 0}, last).rangeRead);
    EXPECT_EQ(last.check.focus, "Edit2");
    ToolRun whole;
    EXPECT_TRUE(volumeOf(t, {"1,0", " 1", "1", 0}, whole).rangeRead);
}

TEST(PipeVolume, VolumeFlowThatCannotFill) {
    const CalculationTable t = tableOf({circular()});
    ToolRun zero;  // zero or empty: the time keeps its text, no message
    EXPECT_FALSE(volumeOf(t, {"1", "1", "0", 0}, zero).fillingTime.has_value());
    EXPECT_FALSE(volumeOf(t, {"1", "1", "", 0}, zero).fillingTime.has_value());
    EXPECT_TRUE(zero.sink.messages.empty());
    ToolRun bad;
    PipeVolumeResult v = volumeOf(t, {"1", "1", "fast", 0}, bad);
    EXPECT_EQ(v.volume, "78.54 l");
    EXPECT_FALSE(v.fillingTime.has_value());
    EXPECT_EQ(bad.sink.messages.at(0).text,
              "Incorrect input in the input field\r\"Volume flow:\"!");
    ToolRun tiny;
    EXPECT_FALSE(volumeOf(t, {"1", "1", "1e-323", 10}, tiny).fillingTime.has_value());  // gal/hr
    EXPECT_TRUE(hasMessage(tiny, ">> Volume flow: <<"));
    EXPECT_TRUE(hasMessage(tiny, "must be bigger than zero!"));
    ToolRun hours;  // 7.85e305 h: beyond a double only in seconds, which it is not shown in
    const PipeVolumeResult slow = volumeOf(t, {"1", "1", "1e-307", 0}, hours);
    ASSERT_TRUE(slow.fillingTime.has_value());
    EXPECT_EQ(slow.fillingTime->substr(0, 6), "785398");
    EXPECT_EQ(slow.fillingTime->substr(slow.fillingTime->size() - 5), ".00 h");
    EXPECT_EQ(slow.fillingTime->size(), 306u + 5u);
    EXPECT_TRUE(hours.sink.messages.empty());
    ToolRun negative;
    EXPECT_FALSE(volumeOf(t, {"1", "1", "-1", 0}, negative).fillingTime.has_value());
    EXPECT_TRUE(hasMessage(negative, "must be bigger than zero!"));
}

TEST(PipeVolume, PresetTakesTheWholeTable) {
    CalculationTable t = tableOf({circular(), bend()});
    t.setCell(1, Row::RateOfFlow, "12.500");
    PipeVolumePreset p = pipeVolumePreset(t, OutputSystem::Metric);
    EXPECT_EQ(p.maximum, 2);
    EXPECT_EQ(p.input.first, "1");
    EXPECT_EQ(p.input.last, "2");
    EXPECT_EQ(p.input.flow, "12.500");
    EXPECT_EQ(p.input.flowUnit, 0);
    EXPECT_EQ(pipeVolumePreset(t, OutputSystem::US).input.flowUnit, 11);  // gal/min
}
