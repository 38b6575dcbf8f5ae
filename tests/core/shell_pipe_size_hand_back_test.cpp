// A standard inner diameter handed back to the element panel: only into a
// shown diameter row, converted to the unit its box shows, with the given
// decimal places.
#include <gtest/gtest.h>

#include <string>

#include "shell/element_panel.h"
#include "shell/pipe_size_hand_back.h"

namespace tolvane {
namespace {

TEST(PipeSizeHandBack, WritesTheDiameterInTheRowsUnit) {
    struct Case {
        ElementKind kind;
        int row;
        int unit;  // position in "mm", "in."
        double insideMm;
        int decimals;
        bool taken;
        const char* text;
    };
    const Case cases[] = {
        {{1, 1}, 0, 0, 102.26, 3, true, "102.260"}, {{1, 1}, 0, 1, 102.26, 3, true, "4.026"},
        {{1, 1}, 0, 1, 52.48, 2, true, "2.07"},     {{1, 1}, 0, 0, 146.36, 0, true, "146"},
        {{3, 2}, 1, 0, 20.0, 1, true, "20.0"},  // D2 of a gradual enlargement
        {{1, 1}, 1, 0, 20.0, 3, false, ""},     // the length L
        {{1, 1}, 2, 0, 20.0, 3, false, ""},     // hidden
        {{1, 3}, 1, 0, 20.0, 3, false, ""},     // the annulus's inner pipe Di
        {{1, 1}, 4, 0, 20.0, 3, false, ""},     // no such row
        {{1, 1}, -1, 0, 20.0, 3, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind.group) + "," + std::to_string(c.kind.variant) + " row " +
                     std::to_string(c.row));
        FormState form;
        chooseElementKind(form, c.kind);
        if (c.row >= 0 && c.row < 3)
            form.element.rows[static_cast<std::size_t>(c.row)].unit.index = c.unit;
        const FormState before = form;
        EXPECT_EQ(copyInsideDiameterToElement(form, c.row, c.insideMm, c.decimals), c.taken);
        if (c.taken) {
            EXPECT_EQ(form.element.rows[static_cast<std::size_t>(c.row)].text, c.text);
            form.element.rows[static_cast<std::size_t>(c.row)].text =
                before.element.rows[static_cast<std::size_t>(c.row)].text;
        }
        EXPECT_EQ(form, before);  // nothing else changed
    }
}

}  // namespace
}  // namespace tolvane
