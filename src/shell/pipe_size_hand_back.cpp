#include "shell/pipe_size_hand_back.h"

#include "base/number_format.h"
#include "units/unit_catalogue.h"

namespace tolvane {

bool isPipeDiameterRow(const ElementRow& row) {
    // The annulus's "Internal diameter of pipe Di:" is the inner pipe's outside.
    return row.fieldVisible && row.label.rfind("Diameter", 0) == 0 &&
           UnitCatalogue::indexOf(UnitList::Diameter, row.unit.text()) >= 0;
}

bool copyInsideDiameterToElement(FormState& form, int row, double insideMm, int decimals) {
    if (row < 0 || row >= static_cast<int>(form.element.rows.size())) return false;
    ElementRow& target = form.element.rows[static_cast<std::size_t>(row)];
    if (!isPipeDiameterRow(target)) return false;
    const double mmPerUnit = ConvertToBase(UnitList::Diameter, target.unit.text(), 1.0);
    target.text = formatFixed(insideMm / mmPerUnit, decimals);
    return true;
}

}  // namespace tolvane
