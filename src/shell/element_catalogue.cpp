#include "shell/element_catalogue.h"

#include <stdexcept>

namespace tolvane {

namespace {

using U = RowUnit;

RowSpec row(const char* label, const char* defaultText, RowUnit unit) {
    return RowSpec{label, defaultText, unit};
}

KindSpec kind(int group, int variant, const char* button, const char* hint, const char* name,
              std::array<RowSpec, 4> rows, const char* optionCaption = "",
              std::array<std::string, 2> optionItems = {}) {
    return KindSpec{ElementKind{group, variant}, button, hint, name, std::move(rows), optionCaption,
                    std::move(optionItems)};
}

// Built on first use; everything it reads is local, so the catalogue is
// right even when asked for during static initialisation.
std::vector<KindSpec> buildKinds() {
    const RowSpec kNoRow{};
    // Rows shared by several kinds.
    const RowSpec kDiameterD = row("Diameter of pipe D:", "100", U::MM);
    const RowSpec kDiameterD1 = row("Diameter of pipe D1:", "100", U::MM);
    const RowSpec kDiameterD2 = row("Diameter of pipe D2:", "50", U::MM);
    const RowSpec kPipeLength = row("Length of pipe L:", "1.0", U::M);
    const std::array<std::string, 2> entranceItems{"sharpe-edged", "crushed"};
    return {
        // Straight pipes
        kind(1, 1, "SB01", "circular", "circular", {kDiameterD, kPipeLength, kNoRow, kNoRow}),
        kind(1, 2, "SB02", "rectangular", "rectangular",
             {row("Width of pipe B:", "100", U::MM), row("Height of pipe H:", "100", U::MM),
              kPipeLength, kNoRow}),
        kind(1, 3, "SB03", "Circular ring", "Circular ring",
             {kDiameterD, row("Internal diameter of pipe Di:", "50", U::MM),
              row("Lenght of pipe L:", "1.0", U::M), kNoRow}),
        kind(1, 4, "SB04", "Channel", "Channel",
             {row("Width of channel B:", "1000", U::MM), row("Height of fluid H:", "1000", U::MM),
              row("Lenght of channel L:", "1.0", U::M), kNoRow}),
        kind(1, 5, "SB05", "Other form", "Other form",
             {row("Cross section A:", "0.01", U::Area), row("Wetted circumference:", "0.4", U::M),
              kPipeLength, kNoRow}),
        // Pipe entrance
        kind(2, 1, "SB06", "Sharp edged entrance", "Sharpe edged entrance",
             {kDiameterD, kNoRow, kNoRow, kNoRow}, "The pipe entrance is: ", entranceItems),
        kind(2, 2, "SB07", "Rounded entrance", "Rounded entrance",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(2, 3, "SB08", "Sharp edged entrance with anlge", "Sharpe edged entrance with angle",
             {kDiameterD, row("Angle w:", "45", U::Degree), kNoRow, kNoRow}),
        kind(2, 4, "SB09", "Inward projecting pipe entrance", "Inward projecting pipe entrance",
             {kDiameterD, kNoRow, kNoRow, kNoRow}, "The pipe entrance is: ", entranceItems),
        // Changes of section
        kind(3, 1, "SB10", "Sudden enlargement", "Sudden enlargement",
             {row("Diameter of pipe D1:", "50", U::MM), row("Diameter of pipe D2:", "100", U::MM),
              kNoRow, kNoRow}),
        kind(3, 2, "SB11", "Gradual enlargement", "Gradual enlargement",
             {row("Diameter of pipe D1:", "50", U::MM), row("Diameter of pipe D2:", "100", U::MM),
              row("Angle w:", "10", U::Degree), kNoRow}),
        kind(3, 3, "SB12", "Sudden contraction", "Sudden contraction",
             {kDiameterD1, kDiameterD2, kNoRow, kNoRow}),
        kind(3, 4, "SB13", "Gradual contraction", "Gradual contraction",
             {kDiameterD1, kDiameterD2, row("Angle w:", "10", U::Degree), kNoRow}),
        // Bends
        kind(4, 1, "SB14", "Circular bend", "Circular bend",
             {row("Diameter of pipe D:", "50", U::MM), row("Radius R:", "100", U::MM),
              row("Angle w:", "90", U::Degree), kNoRow},
             "The surface of pipe is: ", {"smooth", "rough"}),
        kind(4, 2, "SB15", "Bend of segments", "Bend of segments",
             {kDiameterD, row("Angle w:", "90", U::Degree), kNoRow, kNoRow}),
        kind(4, 3, "SB16", "Cast iron bend", "Cast iron bend",
             {row("Diameter of pipe:", "100", U::MM), kNoRow, kNoRow, kNoRow}),
        kind(4, 4, "SB17", "Rectangular bend", "Rectangular bend",
             {row("Width of pipe B:", "50", U::MM), row("Height of pipe H:", "20", U::MM),
              row("Radius R:", "100", U::MM), row("Angle w:", "90", U::None)}),
        kind(4, 5, "SB18", "Miter bend, circular", "Miter bend, circular",
             {kDiameterD, row("Angle w:", "45", U::Degree), kNoRow, kNoRow}),
        kind(4, 6, "SB19", "Miter bend, rectangular", "Miter bend, rectangular",
             {row("Width of pipe B:", "100", U::MM), row("Height of pipe H:", "100", U::MM),
              row("Angle w:", "45", U::Degree), kNoRow}),
        // Branchings of current
        kind(5, 1, "SB20", "Tee, sharp edged", "Tee, sharp edged",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(5, 2, "SB21", "Tee, globular", "Tee, globular", {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(5, 3, "SB22", "Tee, rounded bottom plain", "Tee, rounded bottom plain",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(5, 4, "SB23", "Tee, globular neck rounded", "Tee, globular neck rounded",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(5, 5, "SB24", "Branch flowing asunder", "Branch flowing asunder",
             {row("Diameter D1:", "100", U::MM), row("Diameter D2:", "50", U::MM),
              row("Radius R:", "0", U::MM), row("Angle w in degree:", "45", U::None)}),
        kind(5, 6, "SB25", "Branch flowing together", "Branch flowing together",
             {row("Diameter D1:", "100", U::MM), row("Diameter D2:", "50", U::MM),
              row("Radius R:", "0", U::MM), row("Angle w in degree:", "45", U::None)}),
        kind(5, 7, "SB26", "Y-pipe straight", "Y-pipe straight",
             {kDiameterD, row("Angle w:", "45", U::Degree), kNoRow, kNoRow}),
        kind(5, 8, "SB27", "Y-pipe bent", "Y-pipe bent",
             {kDiameterD, row("Radius R:", "100", U::MM), kNoRow, kNoRow}),
        // Bellows
        kind(6, 1, "SB28", "Compensator corrugated tube", "Compensator corrugated tube",
             {kDiameterD, row("Quantity of ridges:", "3", U::Pieces), kNoRow, kNoRow}),
        kind(6, 2, "SB29", "Lyra-bend", "Lyra-bend", {kDiameterD, kNoRow, kNoRow, kNoRow},
             "Kind of bend: ", {"smooth", "corrugated"}),
        kind(6, 3, "SB30", "U-bend", "U-bend",
             {kDiameterD, row("Length of pipe L:", "200", U::MM), kNoRow, kNoRow}),
        // Valves
        kind(7, 1, "SB31", "Globe valve", "Globe valve", {kDiameterD, kNoRow, kNoRow, kNoRow},
             "The valve is: ", {"forged", "cast"}),
        kind(7, 2, "SB32", "Globe valve Y-pattern", "Globe valve Y-pattern",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(7, 3, "SB33", "Angle valve", "Angle valve", {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(7, 4, "SB34", "Gate valve", "Gate valve",
             {kDiameterD, row("Height H:", "50", U::MM), kNoRow, kNoRow}),
        kind(7, 5, "SB35", "Cock", "Cock",
             {kDiameterD, row("Angle w:", "30", U::Degree), kNoRow, kNoRow}),
        kind(7, 6, "SB36", "Swing valve", "Swing valve",
             {kDiameterD, row("Angle w:", "30", U::Degree), kNoRow, kNoRow}),
        // Check valves
        kind(8, 1, "SB37", "Check valve globe lift", "Check valve globe lift",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(8, 2, "SB38", "Check valve globe lift Y-pattern", "Check valve, Y-pattern globe lift",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        kind(8, 3, "SB39", "Check valve swing", "Check valve swing",
             {kDiameterD, kNoRow, kNoRow, kNoRow}),
        // Nozzles and orifices
        kind(9, 1, "SB40", "Orifice DIN 1952", "Orifice DIN 1952",
             {kDiameterD1, kDiameterD2, kNoRow, kNoRow}),
        kind(9, 2, "SB41", "Orifice sharp-edged", "Orifice sharp-edged",
             {kDiameterD1, kDiameterD2, kNoRow, kNoRow}),
        kind(9, 3, "SB42", "Orifice thick-edged", "Orifice thick-edged",
             {kDiameterD1, kDiameterD2, row("Length L:", "10", U::MM), kNoRow}),
        kind(9, 4, "SB43", "Nozzle", "Nozzle", {kDiameterD1, kDiameterD2, kNoRow, kNoRow}),
        kind(9, 5, "SB44", "Venturi tube", "Venturi tube",
             {kDiameterD1, kDiameterD2, kNoRow, kNoRow},
             "Angle of opening: ", {"15 degree", "30 degree"}),
        // Diverse
        kind(10, 1, "SB45", "Vertical difference", "Vertical difference",
             {row("Vertical difference H:", "10", U::M), kNoRow, kNoRow, kNoRow}),
        kind(10, 2, "SB46", "Calculate with known Resistance coefficient", "Resistance coefficient",
             {row("Diameter of element D:", "100", U::MM),
              row("Resistance coefficient:", "2", U::None), kNoRow, kNoRow}),
    };
}

}  // namespace

const std::vector<KindSpec>& elementKinds() {
    static const std::vector<KindSpec> kinds = buildKinds();
    return kinds;
}

const KindSpec& kindSpec(ElementKind k) {
    if (!isValidKind(k)) throw std::out_of_range("no such element kind");
    return elementKinds()[static_cast<std::size_t>(kindIndex(k))];
}

const std::string& groupName(int group) {
    static const std::array<std::string, kElementGroupCount> names{
        "Straight pipes", "Pipe entrance",        "Changes of section",
        "Bends",          "Brandings of current", "Bellows",
        "Valves",         "Check valves",         "Nozzles and orifices",
        "Diverse"};
    if (!isValidGroup(group)) throw std::out_of_range("no such element group");
    return names[static_cast<std::size_t>(group - 1)];
}

std::string elementName(ElementKind k) {
    return groupName(k.group) + " - " + kindSpec(k).variantName;
}

int pictureNumber(ElementKind k) {
    static constexpr int base[kElementGroupCount] = {1600, 1700, 1800, 2100, 2200,
                                                     2300, 2400, 2500, 2600, 2800};
    if (!isValidKind(k)) throw std::out_of_range("no such element kind");
    return base[k.group - 1] + k.variant;
}

std::optional<ElementKind> kindByVariantName(const std::string& name) {
    for (const KindSpec& spec : elementKinds())
        if (spec.variantName == name) return spec.kind;
    return std::nullopt;
}

std::array<std::string, 2> unitNames(RowUnit unit) {
    switch (unit) {
        case RowUnit::MM: return {"mm", "in."};
        case RowUnit::M: return {"m", "ft."};
        case RowUnit::Area: return {"m²", "sq.yd."};
        case RowUnit::Degree: return {"degree", "degree"};
        case RowUnit::Pieces: return {"pieces", "pieces"};
        case RowUnit::None: break;
    }
    return {"", ""};
}

}  // namespace tolvane
