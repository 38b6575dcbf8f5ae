// The pressure-drop engine: typed values in base units -> flow state ->
// regime and resistance rule of the element kind -> gas correction ->
// quantity -> ElementResult. The engine shows its own messages (laminar
// flow, gas limit, orifice ranges, the transitional range) through the
// MessageSink of its environment unless it runs silent, and asks for the
// wall roughness through a callback, so it never touches a window.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/flow_types.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

struct EngineEnv {
    MessageSink* messages = nullptr;  // may be null: no boxes
    // Silent mode (plant characteristic curve): no boxes, no roughness query,
    // and the option- or table-derived zeta of some kinds is the caller's.
    bool silent = false;
    // The one current roughness k (mm) of the run; a confirmed query replaces it.
    double roughness = 0.1;
    // The roughness query; returns k in mm, or nothing when cancelled. When
    // empty, the current k is used as in silent mode.
    std::function<std::optional<double>()> askRoughness;
};

// Fills velocity, reynolds and, where the kind has them, velocity2,
// reynolds2 and hydraulicDiameter. Does nothing for a group above 10.
ElementResult computeFlowState(const PipeElement& element, const FlowMedium& medium,
                               ElementResult result = {});

// Regime decision, the kind's rule, gas correction and quantity. Takes the
// result of computeFlowState for the same element and medium.
ElementResult computeElementLoss(const PipeElement& element, const FlowMedium& medium,
                                 ElementResult result, EngineEnv& env);

// Linear interpolation through (x1, y1) and (x2, y2).
double interpolate(double x, double x1, double x2, double y1, double y2);

// Root of 1/sqrt(l) + 0.868588 ln(2.51/(Re sqrt(l)) + 0.269 k/d) = 0 by the
// secant iteration (start 0.02, step 1e-8, at most 100 steps), with a
// safeguarded solve of the same equation where the secant leaves its domain.
// Returns nothing when the equation has no root (0.269 k/d >= 1).
std::optional<double> colebrook(double k, double reynolds, double d);

// Message texts of the engine.
inline const std::string kLaminarMessage =
    "The specified data result a laminar flow. A calculation is for this element only "
    "possible in the turbulent range!\rPlease enlarge the rate of flow or reduce the "
    "diameter of pipe!";
inline const std::string kGasLimitMessage =
    "For the gaseous medium is the pressure drop to big for calculating.\rWhat to do? "
    "Reduce the rate of flow or enlarge the diameter or enlarge the inline pressure.";
inline const std::string kNotPossibleMessage =
    "A calculation with the specified data is not possible!";

}  // namespace tolvane
