#include "shell/fitting_choice.h"

#include "shell/element_panel.h"

namespace tolvane {

void applyChosenFitting(Session& session, const ZetaCopy& copy, bool withSpecification) {
    chooseElementKind(session.form, kResistanceCoefficientKind);
    session.form.element.rows[0].text = copy.diameter;
    session.form.element.rows[1].text = copy.zeta;
    if (withSpecification)
        session.table.setCell(session.table.trailingColumn(), Row::Specification,
                              copy.specification);
}

}  // namespace tolvane
