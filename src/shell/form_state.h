// The main window's input panels as plain data: every text, unit choice,
// label and visibility that Calculate, the element panel set-up, copy-back,
// the settings file and the batch tool read or write. The widgets copy
// themselves into a FormState before a command and show the FormState that
// the command leaves behind.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/element_kind.h"

namespace tolvane {

struct UnitBox {
    std::vector<std::string> items;
    int index = 0;
    bool visible = true;
    std::string text() const {
        return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
    }
    bool operator==(const UnitBox&) const = default;
};

// Medium panel (Medium_Fenster).
struct MediumPanel {
    std::string name = "water";      // Eingabe_Medium
    int flowKind = 0;                // ComboBox4: 0 "Volume flow:", 1 "Mass flow:"
    std::string flow = "1.0";        // Eingabe_Volumenstrom
    UnitBox flowUnit;                // ComboBox1
    std::string density = "998.2";   // Eingabe_Dichte
    UnitBox densityUnit;             // ComboBox2
    int viscosityKind = 0;           // ComboBox5: 0 "Abs.viscos.", 1 "Kin.viscos."
    std::string viscosity = "1002";  // Eingabe_Viskositaet
    UnitBox viscosityUnit;           // ComboBox3
    bool gas = false;                // Radio_Gas checked (else Radio_Fluessig)
    bool operator==(const MediumPanel&) const = default;
};

// Gas data window (TGasdaten).
struct GasPanel {
    std::string pressure = "10000";         // label "Pressure (incoming):"
    int pressureUnit = 0;                   // ComboBox1
    std::string inletTemperature = "300";   // Edit_Eingangstemperatur
    int inletTemperatureUnit = 0;           // ComboBox2
    std::string outletTemperature = "250";  // Edit_Ausgangstemperatur
    int outletTemperatureUnit = 0;          // ComboBox3
    bool operator==(const GasPanel&) const = default;
};

struct ElementRow {
    std::string label;  // Va<n>_Static caption
    std::string text;   // Va<n>_Edit text
    bool fieldVisible = false;
    UnitBox unit;           // ComboVar<n> (rows 1..3)
    std::string fixedUnit;  // LabelVar<n> caption ("degree", "pieces")
    bool fixedUnitVisible = false;
    std::string metricUnitName;  // recorded for the result texts
    std::string usUnitName;
    bool operator==(const ElementRow&) const = default;
};

struct OptionGroup {
    std::string caption;
    std::array<std::string, 2> items;
    int selected = 0;
    bool visible = false;
    bool operator==(const OptionGroup&) const = default;
};

// Element panel (Element_Fenster).
struct ElementPanel {
    ElementKind kind{1, 1};
    std::array<ElementRow, 4> rows;
    std::string quantity = "1";  // Va5_Edit
    OptionGroup option;          // RadioGroup1
    std::string elementName;     // Statisch_Element_Name
    int pictureNumber = 1601;    // Image1 shows <number>.bmp
    bool operator==(const ElementPanel&) const = default;
};

// The two "Additional Data" windows.
struct AdditionalData {
    bool elementWindowVisible = false;  // TZusatzElementfenster (kind 4,4)
    int surface = 0;                    // its RadioGroup1: 0 "smooth", 1 "rough"
    bool flowWindowVisible = false;     // TZusatzVolumenstromfenster (5,5 and 5,6)
    std::string branchFlow;             // Edit_abzwVolumenstrom
    std::string branchFlowUnit;         // its unit label = main flow unit text
    bool operator==(const AdditionalData&) const = default;
};

struct FormState {
    FormState();  // the form as created: water, 1.0 m³/h ..., kind 1,1 laid out
    MediumPanel medium;
    GasPanel gas;
    ElementPanel element;
    AdditionalData extra;
    bool operator==(const FormState&) const = default;
};

// Object names of the fields a message can move the focus to.
namespace field {
inline constexpr const char* Va1 = "Va1_Edit";
inline constexpr const char* Va2 = "Va2_Edit";
inline constexpr const char* Va3 = "Va3_Edit";
inline constexpr const char* Va4 = "Va4_Edit";
inline constexpr const char* Va5 = "Va5_Edit";
inline constexpr const char* Flow = "Eingabe_Volumenstrom";
inline constexpr const char* Density = "Eingabe_Dichte";
inline constexpr const char* Viscosity = "Eingabe_Viskositaet";
inline constexpr const char* BranchFlow = "Edit_abzwVolumenstrom";
inline constexpr const char* GasPressure = "Edit_Eingangsdruck";
inline constexpr const char* GasInletTemperature = "Edit_Eingangstemperatur";
inline constexpr const char* GasOutletTemperature = "Edit_Ausgangstemperatur";
}  // namespace field

// Medium panel events: refill ComboBox1 / ComboBox3 for a new choice (position 0).
void setFlowKind(FormState& form, int flowKind);
void setViscosityKind(FormState& form, int viscosityKind);
// The branch-flow window's unit label follows the selected flow unit.
void syncBranchFlowUnit(FormState& form);

}  // namespace tolvane
