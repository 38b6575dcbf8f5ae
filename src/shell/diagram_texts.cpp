#include "shell/diagram_texts.h"

namespace tolvane {

namespace {

// The items of the medium panel's viscosity-kind list (ComboBox5).
constexpr const char* kViscosityKinds[] = {"Abs.viscos.", "Kin.viscos."};

}  // namespace

DiagramTexts curveDiagramTexts(const Session& session) {
    const MediumPanel& panel = session.form.medium;
    DiagramTexts t;
    t.medium.name = panel.name;
    t.medium.densityText = panel.density;
    t.medium.densityUnit = panel.densityUnit.text();
    t.medium.viscosityKind = kViscosityKinds[panel.viscosityKind == 1 ? 1 : 0];
    t.medium.viscosityText = panel.viscosity;
    t.medium.viscosityUnit = panel.viscosityUnit.text();
    t.medium.gas = panel.gas;
    t.caption = session.projectName;
    t.gridFont = session.table.font.name;
    return t;
}

}  // namespace tolvane
