// The element kinds as the chooser and the panel show them, and the panel's
// layout for a kind: rows, unit boxes that keep their metric/US position,
// fixed unit labels, the option group and the additional data windows.
#include <gtest/gtest.h>

#include <set>

#include "shell/element_catalogue.h"
#include "shell_harness.h"

namespace tolvane::shelltest {
namespace {

TEST(ElementCatalogue, HoldsTheKindsInChooserOrder) {
    const auto& kinds = elementKinds();
    ASSERT_EQ(kinds.size(), 46u);
    std::set<std::string> names;
    int i = 0;
    for (int g = 1; g <= kElementGroupCount; ++g) {
        for (int v = 1; v <= kVariantsPerGroup[g - 1]; ++v, ++i) {
            const KindSpec& spec = kinds[static_cast<std::size_t>(i)];
            EXPECT_EQ(spec.kind, (ElementKind{g, v}));
            EXPECT_EQ(spec.button, (i < 9 ? "SB0" : "SB") + std::to_string(i + 1));
            EXPECT_EQ(&kindSpec(spec.kind), &spec);
            EXPECT_EQ(kindByVariantName(spec.variantName), spec.kind) << spec.variantName;
            EXPECT_LE(spec.variantName.size(), 40u);
            EXPECT_FALSE(spec.rows[0].label.empty());
            names.insert(spec.variantName);
        }
    }
    EXPECT_EQ(names.size(), 46u);
    EXPECT_FALSE(kindByVariantName("Orifice").has_value());
    EXPECT_FALSE(kindByVariantName("").has_value());
}

struct NameCase {
    ElementKind kind;
    const char* hint;
    const char* elementName;
    int picture;
};

const NameCase kNames[] = {
    {{1, 1}, "circular", "Straight pipes - circular", 1601},
    {{2, 1}, "Sharp edged entrance", "Pipe entrance - Sharpe edged entrance", 1701},
    {{2, 3},
     "Sharp edged entrance with anlge",
     "Pipe entrance - Sharpe edged entrance with angle",
     1703},
    {{4, 3}, "Cast iron bend", "Bends - Cast iron bend", 2103},
    {{5, 5}, "Branch flowing asunder", "Brandings of current - Branch flowing asunder", 2205},
    {{7, 6}, "Swing valve", "Valves - Swing valve", 2406},
    {{8, 2},
     "Check valve globe lift Y-pattern",
     "Check valves - Check valve, Y-pattern globe lift",
     2502},
    {{9, 5}, "Venturi tube", "Nozzles and orifices - Venturi tube", 2605},
    {{10, 2},
     "Calculate with known Resistance coefficient",
     "Diverse - Resistance coefficient",
     2802},
};

TEST(ElementCatalogue, NamesHintsAndPictures) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.elementName);
        EXPECT_EQ(kindSpec(c.kind).hint, c.hint);
        EXPECT_EQ(elementName(c.kind), c.elementName);
        EXPECT_EQ(pictureNumber(c.kind), c.picture);
    }
}

TEST(ElementCatalogue, RejectsKindsThatDoNotExist) {
    for (ElementKind k :
         {ElementKind{0, 1}, ElementKind{1, 6}, ElementKind{11, 1}, ElementKind{10, 3}}) {
        EXPECT_THROW(kindSpec(k), std::out_of_range);
        EXPECT_THROW(pictureNumber(k), std::out_of_range);
    }
}

// Expected panel after choosing a kind from the kind shown first (1,1 with
// its metric units).
struct LayoutCase {
    ElementKind kind;
    std::array<const char*, 4> labels;
    std::array<const char*, 4> texts;
    std::array<bool, 4> fieldVisible;
    std::array<const char*, 3> unitBox;    // first item of a visible box, "" = box hidden
    std::array<const char*, 3> fixedUnit;  // fixed label shown, "" = none
    const char* optionCaption;             // "" = hidden
    std::array<const char*, 2> optionItems;
    bool elementWindow, flowWindow;
};

const LayoutCase kLayouts[] = {
    {{1, 1},
     {"Diameter of pipe D:", "Length of pipe L:", "", ""},
     {"100", "1.0", "", ""},
     {true, true, false, false},
     {"mm", "m", ""},
     {"", "", ""},
     "",
     {"", ""},
     false,
     false},
    {{1, 5},
     {"Cross section A:", "Wetted circumference:", "Length of pipe L:", ""},
     {"0.01", "0.4", "1.0", ""},
     {true, true, true, false},
     {"m²", "m", "m"},
     {"", "", ""},
     "",
     {"", ""},
     false,
     false},
    {{2, 1},
     {"Diameter of pipe D:", "", "", ""},
     {"100", "", "", ""},
     {true, false, false, false},
     {"mm", "", ""},
     {"", "", ""},
     "The pipe entrance is: ",
     {"sharpe-edged", "crushed"},
     false,
     false},
    {{3, 2},
     {"Diameter of pipe D1:", "Diameter of pipe D2:", "Angle w:", ""},
     {"50", "100", "10", ""},
     {true, true, true, false},
     {"mm", "mm", ""},
     {"", "", "degree"},
     "",
     {"", ""},
     false,
     false},
    {{4, 1},
     {"Diameter of pipe D:", "Radius R:", "Angle w:", ""},
     {"50", "100", "90", ""},
     {true, true, true, false},
     {"mm", "mm", ""},
     {"", "", "degree"},
     "The surface of pipe is: ",
     {"smooth", "rough"},
     false,
     false},
    {{4, 4},
     {"Width of pipe B:", "Height of pipe H:", "Radius R:", "Angle w:"},
     {"50", "20", "100", "90"},
     {true, true, true, true},
     {"mm", "mm", "mm"},
     {"", "", ""},
     "",
     {"", ""},
     true,
     false},
    {{5, 5},
     {"Diameter D1:", "Diameter D2:", "Radius R:", "Angle w in degree:"},
     {"100", "50", "0", "45"},
     {true, true, true, true},
     {"mm", "mm", "mm"},
     {"", "", ""},
     "",
     {"", ""},
     false,
     true},
    {{6, 1},
     {"Diameter of pipe D:", "Quantity of ridges:", "", ""},
     {"100", "3", "", ""},
     {true, true, false, false},
     {"mm", "", ""},
     {"", "pieces", ""},
     "",
     {"", ""},
     false,
     false},
    {{9, 5},
     {"Diameter of pipe D1:", "Diameter of pipe D2:", "", ""},
     {"100", "50", "", ""},
     {true, true, false, false},
     {"mm", "mm", ""},
     {"", "", ""},
     "Angle of opening: ",
     {"15 degree", "30 degree"},
     false,
     false},
    {{10, 1},
     {"Vertical difference H:", "", "", ""},
     {"10", "", "", ""},
     {true, false, false, false},
     {"m", "", ""},
     {"", "", ""},
     "",
     {"", ""},
     false,
     false},
    {{10, 2},
     {"Diameter of element D:", "Resistance coefficient:", "", ""},
     {"100", "2", "", ""},
     {true, true, false, false},
     {"mm", "", ""},
     {"", "", ""},
     "",
     {"", ""},
     false,
     false},
};

class PanelLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PanelLayoutTest, LaysOutRowsUnitsOptionAndWindows) {
    const LayoutCase& c = GetParam();
    FormState form;
    form.element.option.selected = 1;
    form.extra.elementWindowVisible = true;
    form.extra.flowWindowVisible = true;
    chooseElementKind(form, c.kind);
    const ElementPanel& p = form.element;
    EXPECT_EQ(p.elementName, elementName(c.kind));
    EXPECT_EQ(p.pictureNumber, pictureNumber(c.kind));
    for (std::size_t r = 0; r < 4; ++r) {
        SCOPED_TRACE("row " + std::to_string(r + 1));
        EXPECT_EQ(p.rows[r].label, c.labels[r]);
        EXPECT_EQ(p.rows[r].text, c.texts[r]);
        EXPECT_EQ(p.rows[r].fieldVisible, c.fieldVisible[r]);
        if (r == 3) {
            EXPECT_FALSE(p.rows[r].unit.visible);
            EXPECT_FALSE(p.rows[r].fixedUnitVisible);
            continue;
        }
        const std::string box = c.unitBox[r];
        EXPECT_EQ(p.rows[r].unit.visible, !box.empty());
        if (!box.empty()) {
            ASSERT_EQ(p.rows[r].unit.items.size(), 2u);
            EXPECT_EQ(p.rows[r].unit.items[0], box);
            EXPECT_EQ(p.rows[r].metricUnitName, box);
        }
        const std::string fixed = c.fixedUnit[r];
        EXPECT_EQ(p.rows[r].fixedUnitVisible, !fixed.empty());
        if (!fixed.empty()) {
            EXPECT_EQ(p.rows[r].fixedUnit, fixed);
            EXPECT_EQ(p.rows[r].metricUnitName, fixed);
            EXPECT_EQ(p.rows[r].usUnitName, fixed);
        }
    }
    const std::string caption = c.optionCaption;
    EXPECT_EQ(p.option.visible, !caption.empty());
    EXPECT_EQ(p.option.caption, caption);
    EXPECT_EQ(p.option.items[0], c.optionItems[0]);
    EXPECT_EQ(p.option.items[1], c.optionItems[1]);
    EXPECT_EQ(p.option.selected, 0);
    EXPECT_EQ(form.extra.elementWindowVisible, c.elementWindow);
    EXPECT_EQ(form.extra.flowWindowVisible, c.flowWindow);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PanelLayoutTest, testing::ValuesIn(kLayouts));

TEST(ElementPanel, FormAsCreatedShowsTheCircularPipeAndWater) {
    const FormState form;
    EXPECT_EQ(form.element.kind, (ElementKind{1, 1}));
    EXPECT_EQ(form.element.elementName, "Straight pipes - circular");
    EXPECT_EQ(form.element.rows[0].text, "100");
    EXPECT_EQ(form.element.rows[1].text, "1.0");
    EXPECT_FALSE(form.element.rows[2].unit.visible);
    EXPECT_EQ(form.element.quantity, "1");
    EXPECT_EQ(form.medium.name, "water");
    EXPECT_EQ(form.medium.flowUnit.text(), "m³/h");
    EXPECT_EQ(form.medium.densityUnit.text(), "kg/m³");
    EXPECT_EQ(form.medium.viscosityUnit.text(), "10-6 kg/ms");
    EXPECT_EQ(form.extra.branchFlowUnit, "m³/h");
    EXPECT_TRUE(form.extra.branchFlow.empty());
}

TEST(ElementPanel, ChoosingTheSameKindAgainResetsTheRowsButNotTheQuantity) {
    FormState form;
    form.element.rows[0].text = "250";
    form.element.rows[1].text = "7";
    form.element.quantity = "4";
    chooseElementKind(form, {1, 1});
    EXPECT_EQ(form.element.rows[0].text, "100");
    EXPECT_EQ(form.element.rows[1].text, "1.0");
    EXPECT_EQ(form.element.quantity, "4");
}

TEST(ElementPanel, UsChoiceSurvivesAChangeOfKind) {
    FormState form;
    form.element.rows[0].unit.index = 1;  // "in."
    chooseElementKind(form, {4, 2});
    EXPECT_EQ(form.element.rows[0].unit.text(), "in.");
    EXPECT_FALSE(form.element.rows[1].unit.visible);
    EXPECT_TRUE(form.element.rows[1].fixedUnitVisible);
    EXPECT_EQ(form.element.rows[1].fixedUnit, "degree");

    // Row 2 was "m"/"ft." at position 0 before; a length pair at "ft." turns into "in.".
    form.element.rows[1].unit.index = 1;
    chooseElementKind(form, {3, 1});
    EXPECT_EQ(form.element.rows[1].unit.text(), "in.");
    EXPECT_EQ(form.element.rows[1].usUnitName, "in.");
}

TEST(ElementPanel, RowWithoutUnitKeepsTheUnitNamesItHad) {
    FormState form = formFor({1, 5});
    chooseElementKind(form, {10, 2});
    EXPECT_EQ(form.element.rows[1].metricUnitName, "m");
    EXPECT_EQ(form.element.rows[1].usUnitName, "ft.");
    EXPECT_FALSE(form.element.rows[1].unit.visible);
    EXPECT_FALSE(form.element.rows[1].fixedUnitVisible);
}

TEST(ElementPanel, AdditionalWindowsKeepTheirContents) {
    FormState form = formFor({4, 4});
    form.extra.surface = 1;
    chooseElementKind(form, {5, 5});
    form.extra.branchFlow = "0.4";
    EXPECT_FALSE(form.extra.elementWindowVisible);
    chooseElementKind(form, {1, 1});
    EXPECT_FALSE(form.extra.flowWindowVisible);
    chooseElementKind(form, {4, 4});
    EXPECT_EQ(form.extra.surface, 1);
    chooseElementKind(form, {5, 6});
    EXPECT_EQ(form.extra.branchFlow, "0.4");
}

TEST(MediumPanel, FlowAndViscosityChoicesRefillTheirLists) {
    FormState form;
    form.medium.flowUnit.index = 3;
    setFlowKind(form, 1);
    EXPECT_EQ(form.medium.flowUnit.index, 0);
    EXPECT_EQ(form.medium.flowUnit.items.size(), 8u);
    EXPECT_EQ(form.medium.flowUnit.text(), "kg/h");
    EXPECT_EQ(form.extra.branchFlowUnit, "kg/h");
    form.medium.flowUnit.index = 2;
    syncBranchFlowUnit(form);
    EXPECT_EQ(form.extra.branchFlowUnit, "kg/s");
    setFlowKind(form, 0);
    EXPECT_EQ(form.medium.flowUnit.items.size(), 13u);
    EXPECT_EQ(form.extra.branchFlowUnit, "m³/h");

    setViscosityKind(form, 1);
    EXPECT_EQ(form.medium.viscosityUnit.items.size(), 6u);
    EXPECT_EQ(form.medium.viscosityUnit.text(), "10-6 m²/s");
    setViscosityKind(form, 0);
    EXPECT_EQ(form.medium.viscosityUnit.items.size(), 9u);
}

}  // namespace
}  // namespace tolvane::shelltest
