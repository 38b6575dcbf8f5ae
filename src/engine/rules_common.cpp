#include "engine/rules.h"

namespace tolvane::rules {

void refuse(LossContext& c, const std::string& text) {
    // An element already refused (a change of section with a laminar second
    // section is still computed) has had its box.
    if (!c.result.calcError && !c.env.silent && c.env.messages)
        c.env.messages->show(MessageType::Error, text);
    c.result.calcError = true;
}

void refuseLaminar(LossContext& c) { refuse(c, kLaminarMessage); }

void inform(LossContext& c, const std::string& text) {
    if (!c.env.silent && c.env.messages) c.env.messages->show(MessageType::Information, text);
}

bool requestRoughness(LossContext& c) {
    if (c.env.silent || !c.env.askRoughness) return true;
    if (auto k = c.env.askRoughness()) {
        c.env.roughness = *k;
        return true;
    }
    c.result.calcError = true;
    return false;
}

double Table::at(double v) const {
    const std::size_t n = x.size();
    if (n == 0) return 0.0;
    if (v <= x.front()) return y.front();
    if (v >= x.back()) return y.back();
    std::size_t i = 0;
    while (i + 2 < n && v >= x[i + 1]) ++i;
    return interpolate(v, x[i], x[i + 1], y[i], y[i + 1]);
}

}  // namespace tolvane::rules
