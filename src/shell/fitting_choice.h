// A fitting chosen in the resistance-coefficient database becomes the element
// "Resistance coefficient" of the element panel (its diameter and coefficient
// in the first two rows) and, when asked for, names itself in the
// specification row of the next calculation column.
#pragma once

#include "properties/zeta_database.h"
#include "shell/session.h"

namespace tolvane {

inline constexpr ElementKind kResistanceCoefficientKind{10, 2};

void applyChosenFitting(Session& session, const ZetaCopy& copy, bool withSpecification);

}  // namespace tolvane
