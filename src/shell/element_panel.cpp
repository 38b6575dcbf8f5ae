#include "shell/element_panel.h"

#include "shell/element_catalogue.h"

namespace tolvane {

namespace {

void setUnitBox(ElementRow& row, RowUnit unit) {
    const auto names = unitNames(unit);
    switch (unit) {
        case RowUnit::MM:
        case RowUnit::M:
        case RowUnit::Area:
            // A new pair keeps the selected position, so a US choice survives.
            row.unit.items = {names[0], names[1]};
            row.unit.visible = true;
            row.fixedUnitVisible = false;
            break;
        case RowUnit::Degree:
        case RowUnit::Pieces:
            row.unit.visible = false;
            row.fixedUnit = names[0];
            row.fixedUnitVisible = true;
            break;
        case RowUnit::None:
            row.unit.visible = false;
            row.fixedUnitVisible = false;
            return;  // the row keeps the unit names it had
    }
    row.metricUnitName = names[0];
    row.usUnitName = names[1];
}

}  // namespace

void ElementPanelSetup(FormState& form) {
    ElementPanel& panel = form.element;
    const KindSpec& spec = kindSpec(panel.kind);

    form.extra.elementWindowVisible = false;
    form.extra.flowWindowVisible = false;

    panel.pictureNumber = pictureNumber(panel.kind);
    panel.elementName = elementName(panel.kind);

    panel.option = OptionGroup{};

    for (std::size_t i = 0; i < panel.rows.size(); ++i) {
        ElementRow& row = panel.rows[i];
        const RowSpec& rowSpec = spec.rows[i];
        row.label = rowSpec.label;
        row.text = rowSpec.defaultText;
        row.fieldVisible = i == 0 || !rowSpec.defaultText.empty();
        if (i < 3) {
            setUnitBox(row, rowSpec.unit);
        } else {
            row.unit.visible = false;
            row.fixedUnitVisible = false;
        }
    }

    if (!spec.optionCaption.empty()) {
        panel.option.caption = spec.optionCaption;
        panel.option.items = spec.optionItems;
        panel.option.selected = 0;
        panel.option.visible = true;
    }

    form.extra.elementWindowVisible = panel.kind == Kind::RectangularBend;
    form.extra.flowWindowVisible = isBranchKind(panel.kind);
    syncBranchFlowUnit(form);
}

void chooseElementKind(FormState& form, ElementKind kind) {
    form.element.kind = kind;
    ElementPanelSetup(form);
}

bool quantityStandsOut(const std::string& quantity) { return quantity != "1"; }

namespace {

const char* const kRowFields[4] = {field::Va1, field::Va2, field::Va3, field::Va4};

// A ratio of typed dimensions is held against its limit as the decimal it
// stands for: 80 / 100 squared is 0.6400000000000001 in doubles, and it must
// pass a maximum of 0.64. A difference of 1e-12 is far below what six typed
// digits can express, so no ratio that truly lies outside is let through.
constexpr double kRatioTolerance = 1e-12;
bool above(double ratio, double limit) { return ratio > limit * (1 + kRatioTolerance); }
bool below(double ratio, double limit) { return ratio < limit * (1 - kRatioTolerance); }

const std::string kIncorrect = "Incorrect input in the input field!\r";
const std::string kAngle180 = kIncorrect + "Angle w max. value: 180 degree!";
const std::string kAngle90 = kIncorrect + "Angle max. value: 90 degree!";
const std::string kD2SmallerD1 = kIncorrect + "D2 must be smaller than D1!";

// The checks of one kind on the rows' values; row numbers are 1-based as on
// the panel.
class ElementChecker {
public:
    ElementChecker(const FormState& form, const std::array<double, 4>& values, InputCheck& check)
        : form_(form), values_(values), check_(check) {}

    double v(int row) const { return values_[static_cast<std::size_t>(row - 1)]; }

    void positive(std::initializer_list<int> rows) {
        for (int r : rows) range(r, RangeLimits::positive());
    }
    void range(int r, const RangeLimits& limits) {
        CheckRange(check_, v(r), limits, form_.element.rows[static_cast<std::size_t>(r - 1)].label,
                   kRowFields[r - 1]);
    }
    void fail(const std::string& text, int focusRow) {
        ReportCheckFailure(check_, text, kRowFields[focusRow - 1]);
    }

private:
    const FormState& form_;
    const std::array<double, 4>& values_;
    InputCheck& check_;
};

void checkStraightPipe(ElementChecker& c, ElementKind k) {
    if (k == Kind::CircularPipe) {
        c.positive({1, 2});
        return;
    }
    c.positive({1, 2, 3});
    if (k == Kind::AnnularPipe) {
        const double d = c.v(1), di = c.v(2);
        // An annulus needs room between the walls: equal diameters are refused too.
        if (d <= di)
            c.fail(kIncorrect +
                       "The diameter D of pipe must be bigger than the diameter of pipe inside Di!",
                   1);
        if (d > 0 && di > 0 && above(d / di, 100))
            c.fail(kIncorrect + "Diameter of pipe/diameter of pipe inside max. value: 100!", 1);
    }
}

void checkEntrance(ElementChecker& c, ElementKind k) {
    c.positive({1});
    if (k == Kind::AngledSharpEdgedEntrance) c.range(2, RangeLimits::positive().below(90.0));
}

void checkChangeOfSection(ElementChecker& c, ElementKind k) {
    c.positive({1, 2});
    const double d1 = c.v(1), d2 = c.v(2);
    if (isEnlargementKind(k)) {
        if (d1 >= d2)
            c.fail(kIncorrect +
                       "The diameter of pipe D1 must be smaller than the diameter of pipe D2!",
                   1);
    } else {
        if (d2 >= d1)
            c.fail(
                kIncorrect + "The diameter of pipe D1 must be bigger than the diameter of pipe D2!",
                1);
    }
    // Both gradual changes take their angle as an opening angle below 90 degrees.
    if (isGradualChangeKind(k)) c.range(3, RangeLimits::positive().below(90.0));
}

void checkBend(ElementChecker& c, ElementKind k) {
    switch (kindOf(k)) {
        case Kind::CircularBend: {
            c.positive({1, 2, 3});
            if (c.v(3) > 180) c.fail(kIncorrect + "Angle max. value: 180 degree!", 3);
            const double d = c.v(1), r = c.v(2);
            if (d > 0 && r > 0 && (above(r / d, 10) || below(r / d, 1)))
                c.fail(kIncorrect +
                           "Ratio radius R / diameter of pipe D must be in the following range:\r"
                           "Maximal value: 10\rMinimal value:  1",
                       1);
            break;
        }
        case Kind::SegmentBend:
            c.positive({1, 2});
            if (c.v(2) > 90) c.fail(kIncorrect + "Angle max. value: 90 degree!", 2);
            break;
        case Kind::CastIronBend:
            c.positive({1});
            if (c.v(1) < 50 || c.v(1) > 500)
                c.fail(kIncorrect +
                           "The diameter of pipe must be in the following range:\r"
                           "Maximal value: 500 mm = 19 in.\rMinimal value:  50 mm = 1.9 in.",
                       1);
            break;
        case Kind::RectangularBend: {
            c.positive({1, 2, 3, 4});
            if (c.v(4) > 180) c.fail(kAngle180, 4);
            const double b = c.v(1), h = c.v(2), r = c.v(3);
            if (b > 0 && h > 0) {
                // Radius over the hydraulic diameter 2BH / (B + H).
                const double x = (b + h) * r / (2 * b * h);
                const std::string notPossible =
                    kIncorrect + "A calculation with the specified data is not possible!\r";
                if (below(x, 1))
                    c.fail(notPossible +
                               "Please enlarge the radius R or reduce the width of pipe B or "
                               "reduce the height "
                               "of pipe H.",
                           1);
                if (above(x, 10))
                    c.fail(notPossible +
                               "Please reduce the radius R or enlarge the width of pipe B or "
                               "enlarge the height "
                               "of pipe H.",
                           1);
            }
            break;
        }
        case Kind::CircularMiterBend:
            c.positive({1, 2});
            if (c.v(2) > 180) c.fail(kAngle180, 2);
            break;
        case Kind::RectangularMiterBend:
            c.positive({1, 2, 3});
            if (c.v(3) > 180) c.fail(kAngle180, 3);
            break;
        default: break;
    }
}

void checkBranching(ElementChecker& c, ElementKind k) {
    if (isTeeKind(k)) {
        c.positive({1});
        return;
    }
    c.positive({1, 2});
    if (isBranchKind(k)) {
        c.range(3, RangeLimits::notNegative());
        c.range(4, RangeLimits::positive().below(180.0));
    } else if (k == Kind::StraightYPipe) {
        if (c.v(2) > 90) c.fail(kAngle90, 2);
    } else {
        const double d = c.v(1), r = c.v(2);
        if (d > 0 && r > 0 && (below(r / d, 0.5) || above(r / d, 2.0)))
            c.fail(kIncorrect +
                       "The ratio radius R / diameter of pipe Dmust be in the following range:\r"
                       "Maximal value: 2.0\rMinimal value: 0.5",
                   2);
    }
}

void checkBellows(ElementChecker& c, ElementKind k) {
    if (k == Kind::CorrugatedCompensator) {
        c.positive({1, 2});
        return;
    }
    c.positive({1});
    if (k == Kind::UBend && c.v(1) > 0 && above(c.v(2) / c.v(1), 10))
        c.fail(
            kIncorrect + "The ratio lenght of pipe L / diameter of pipe D must be smaller than 10!",
            1);
}

void checkValve(ElementChecker& c, ElementKind k) {
    if (isGlobeOrAngleValveKind(k)) {
        c.positive({1});
        return;
    }
    if (k == Kind::GateValve) {
        c.positive({1, 2});
        const double d = c.v(1), h = c.v(2);
        if (d > 0 && h > 0 && (below(h / d, 0.125) || above(h / d, 1.0)))
            c.fail(kIncorrect +
                       "The ratio height H / diameter of pipe D must be in the following range:\r"
                       "Maximal value: 1.0\rMinimal value: 0.125",
                   1);
        return;
    }
    c.positive({1});
    // A closing angle below zero has no resistance curve.
    c.range(2, RangeLimits::notNegative());
    if (k == Kind::Cock && c.v(2) > 50) c.fail(kIncorrect + "Angle w max. value: 50 degree!", 2);
    if (k == Kind::SwingValve && c.v(2) > 70) c.fail(kIncorrect + "Angle w max. value: 70 degree!", 2);
}

void checkNozzleOrifice(ElementChecker& c, ElementKind k) {
    if (k == Kind::ThickEdgedOrifice)
        c.positive({1, 2, 3});
    else
        c.positive({1, 2});
    const double d1 = c.v(1), d2 = c.v(2);
    if (isOrificeKind(k) && d2 >= d1) c.fail(kD2SmallerD1, 1);
    if (k == Kind::StandardOrifice) {
        if (d1 < 50 || d1 > 1000 || below((d2 / d1) * (d2 / d1), 0.05) ||
            above((d2 / d1) * (d2 / d1), 0.64))
            c.fail(
                "A calculation of the orific is only possible in the following range:\r"
                "D1 minimum 50 mm, maximum 1000 mm\r(D2/D1)^2 minimum 0,05, maximum 0,64!",
                1);
    } else if (k == Kind::Nozzle || k == Kind::VenturiTube) {
        const bool nozzle = k == Kind::Nozzle;
        const double maximum = nozzle ? 0.7 : 0.6;
        if (d1 > 0 && d2 > 0) {
            const double m = (d2 / d1) * (d2 / d1);
            if (below(m, 0.1) || above(m, maximum))
                c.fail(kIncorrect + "(D2/D1)^2 must be in the following range:\rMaximal value: " +
                           (nozzle ? "0.7" : "0.6") + "\rMinimal value: 0.1",
                       1);
        }
    }
}

}  // namespace

void CheckElement(const FormState& form, const std::array<double, 4>& values, InputCheck& check) {
    ElementChecker c(form, values, check);
    const ElementKind k = form.element.kind;
    switch (groupOf(k)) {
        case ElementGroup::StraightPipes: checkStraightPipe(c, k); break;
        case ElementGroup::Entrances: checkEntrance(c, k); break;
        case ElementGroup::ChangesOfSection: checkChangeOfSection(c, k); break;
        case ElementGroup::Bends: checkBend(c, k); break;
        case ElementGroup::Branchings: checkBranching(c, k); break;
        case ElementGroup::Bellows: checkBellows(c, k); break;
        case ElementGroup::Valves: checkValve(c, k); break;
        case ElementGroup::CheckValves: c.positive({1}); break;
        case ElementGroup::NozzlesAndOrifices: checkNozzleOrifice(c, k); break;
        default:
            break;  // a vertical difference may be zero or negative; a known zeta is taken as given
    }
}

}  // namespace tolvane
