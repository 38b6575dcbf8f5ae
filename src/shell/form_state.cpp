#include "shell/form_state.h"

#include "shell/element_catalogue.h"
#include "shell/element_panel.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

UnitBox boxOf(UnitList list) {
    UnitBox box;
    box.items = UnitCatalogue::texts(list);
    return box;
}

}  // namespace

FormState::FormState() {
    medium.flowUnit = boxOf(UnitList::VolumeFlow);
    medium.densityUnit = boxOf(UnitList::Density);
    medium.viscosityUnit = boxOf(UnitList::AbsViscosity);

    // The unit boxes as designed on the form; the set-up below picks the pairs
    // the first element kind needs.
    const auto diameter = unitNames(RowUnit::MM);
    const auto length = unitNames(RowUnit::M);
    element.rows[0].unit.items = {diameter[0], diameter[1]};
    element.rows[1].unit.items = {length[0], length[1]};
    element.rows[2].unit.items = {length[0], length[1]};
    element.rows[3].unit.visible = false;

    ElementPanelSetup(*this);
}

void setFlowKind(FormState& form, int flowKind) {
    form.medium.flowKind = flowKind;
    form.medium.flowUnit.items =
        UnitCatalogue::texts(flowKind == 1 ? UnitList::MassFlow : UnitList::VolumeFlow);
    form.medium.flowUnit.index = 0;
    syncBranchFlowUnit(form);
}

void setViscosityKind(FormState& form, int viscosityKind) {
    form.medium.viscosityKind = viscosityKind;
    form.medium.viscosityUnit.items =
        UnitCatalogue::texts(viscosityKind == 1 ? UnitList::KinViscosity : UnitList::AbsViscosity);
    form.medium.viscosityUnit.index = 0;
}

void syncBranchFlowUnit(FormState& form) {
    form.extra.branchFlowUnit = form.medium.flowUnit.text();
}

}  // namespace tolvane
