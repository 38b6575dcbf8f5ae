// Keeping the diameter across a change of the element kind: which kinds take
// it, the unit conversion between mm and in., and that the option off lays
// the panel out exactly as before.
#include <gtest/gtest.h>

#include "shell/diameter_carry.h"
#include "shell/element_panel.h"

namespace tolvane {
namespace {

constexpr ElementKind kCircularPipe{1, 1};
constexpr ElementKind kRectangularPipe{1, 2};
constexpr ElementKind kCircularBend{4, 1};
constexpr ElementKind kGlobeValve{7, 1};
constexpr ElementKind kNozzle{9, 4};
constexpr ElementKind kVerticalDifference{10, 1};
constexpr ElementKind kKnownResistance{10, 2};
constexpr int kMm = 0, kIn = 1;

TEST(DiameterCarry, kinds_whose_first_field_is_a_diameter) {
    struct Case {
        ElementKind kind;
        bool diameter;
    };
    const Case cases[] = {
        {kCircularPipe, true},      {kCircularBend, true},
        {kGlobeValve, true},        {kNozzle, true},
        {kKnownResistance, true},   {kRectangularPipe, false},
        {ElementKind{1, 5}, false}, {kVerticalDifference, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstFieldIsDiameter(c.kind), c.diameter)
            << c.kind.group << "," << c.kind.variant;
}

TEST(DiameterCarry, the_text_in_the_fields_unit) {
    struct Case {
        TypedDiameter typed;
        int unit;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {{"80", kMm}, kMm, "80"},
        {{" 3,5", kIn}, kIn, " 3,5"},  // the same unit: as typed
        {{"4", kIn}, kMm, "101.6"},
        {{"101.6", kMm}, kIn, "4"},
        {{"100", kMm}, kIn, "3.937008"},
        {{"2,5", kIn}, kMm, "63.5"},
        {{"0", kMm}, kIn, "0"},
        {{"4x", kIn}, kMm, std::nullopt},  // not a number: nothing to convert
    };
    for (const Case& c : cases)
        EXPECT_EQ(diameterText(c.typed, c.unit), c.expected) << c.typed.text << " -> " << c.unit;
}

// The panel after typing `diameter` in `unit` into kind `from` and choosing `to`.
FormState afterChange(ElementKind from, const std::string& diameter, int unit, ElementKind to,
                      bool keep, DiameterMemory& memory) {
    FormState form;
    chooseElementKind(form, from);
    form.element.rows[0].text = diameter;
    form.element.rows[0].unit.index = unit;
    chooseElementKind(form, to, memory, keep);
    return form;
}

TEST(DiameterCarry, a_kind_change_takes_the_diameter_typed_last) {
    struct Case {
        const char* name;
        ElementKind from;
        std::string typed;
        int typedUnit;
        ElementKind to;
        std::string expected;
    };
    const Case cases[] = {
        {"pipe to bend, mm", kCircularPipe, "80", kMm, kCircularBend, "80"},
        {"pipe to valve, in.", kCircularPipe, "4", kIn, kGlobeValve, "4"},
        {"bend to nozzle, as typed", kCircularBend, "50,8", kMm, kNozzle, "50,8"},
        {"to a kind without a diameter", kCircularPipe, "80", kMm, kRectangularPipe, "100"},
        {"from a kind without a diameter", kRectangularPipe, "333", kMm, kGlobeValve, "100"},
        {"a blank diameter is not kept", kCircularPipe, "  ", kMm, kGlobeValve, "100"},
    };
    for (const Case& c : cases) {
        DiameterMemory memory;
        const FormState form = afterChange(c.from, c.typed, c.typedUnit, c.to, true, memory);
        EXPECT_EQ(form.element.rows[0].text, c.expected) << c.name;
        EXPECT_EQ(form.element.kind, c.to) << c.name;
    }
}

// The unit box keeps its position from kind to kind; it differs from the
// diameter's when it was changed on a kind between them.
TEST(DiameterCarry, a_diameter_in_another_unit_is_converted) {
    struct Case {
        std::string typed;
        int typedUnit;
        int unitBetween;
        std::string expected;
    };
    const Case cases[] = {
        {"4", kIn, kMm, "101.6"},
        {"50.8", kMm, kIn, "2"},
        {"80", kMm, kMm, "80"},
        {"4 x", kIn, kMm, "100"},  // no number: the kind's default stays
    };
    for (const Case& c : cases) {
        DiameterMemory memory;
        FormState form =
            afterChange(kCircularPipe, c.typed, c.typedUnit, kVerticalDifference, true, memory);
        form.element.rows[0].unit.index = c.unitBetween;  // "m" / "ft." on the height
        chooseElementKind(form, kGlobeValve, memory, true);
        EXPECT_EQ(form.element.rows[0].unit.index, c.unitBetween);
        EXPECT_EQ(form.element.rows[0].text, c.expected) << c.typed;
    }
}

TEST(DiameterCarry, the_diameter_survives_a_kind_without_one) {
    DiameterMemory memory;
    FormState form = afterChange(kCircularPipe, "65", kMm, kVerticalDifference, true, memory);
    EXPECT_EQ(form.element.rows[0].text, "10");
    form.element.rows[0].text = "25";  // a height, not a diameter
    chooseElementKind(form, kGlobeValve, memory, true);
    EXPECT_EQ(form.element.rows[0].text, "65");
    ASSERT_TRUE(memory.last());
    EXPECT_EQ(memory.last()->text, "65");
}

TEST(DiameterCarry, off_lays_the_panel_out_as_always) {
    for (ElementKind to : {kCircularBend, kGlobeValve, kRectangularPipe, kKnownResistance}) {
        DiameterMemory memory;
        const FormState kept = afterChange(kCircularPipe, "80", kMm, to, false, memory);
        FormState plain;
        chooseElementKind(plain, kCircularPipe);
        plain.element.rows[0].text = "80";
        chooseElementKind(plain, to);
        EXPECT_EQ(kept, plain) << to.group << "," << to.variant;
        ASSERT_TRUE(memory.last()) << "noted even while off, for when it is turned on";
    }
}

TEST(DiameterCarry, the_options_file_sits_beside_the_settings_file) {
    EXPECT_EQ(optionsFilePath("/home/u/.config/tolvane/TOLV.INI"),
              std::string("/home/u/.config/tolvane/") + kOptionsFileName);
}

}  // namespace
}  // namespace tolvane
