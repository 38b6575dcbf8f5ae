// Second opinions on a loss: the resistance coefficient of the same element
// by the published methods that cover its kind (Crane TP-410, Hooper's 2-K,
// Darby's 3-K, Rennels, Idelchik, Miller, ISO 5167), each on the velocity
// basis the engine uses for the kind. One table (publishedMethods) names for
// every kind the methods, their constants and their source; the engine's own
// rules are never changed by it. Element in base units -> the kind's rows of
// the table -> the coefficients that apply at this element and Reynolds
// number.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "engine/flow_types.h"

namespace tolvane {

enum class PublishedSource { Crane, Hooper, Darby, Rennels, Idelchik, Miller, Iso5167 };

// "Crane", "Hooper 2-K", "Darby 3-K", "Rennels", "Idelchik", "Miller", "ISO 5167".
const char* publishedSourceName(PublishedSource source);

// What a method reads of one element in its flow.
struct PublishedInput {
    PipeElement element;      // kind, va1..va4 and option in base units
    double reynolds = 0.0;    // first section (the pipe of a fitting)
    double reynolds2 = 0.0;   // second section, where the kind has one
    double roughness = 0.0;   // mm; 0 (hydraulically smooth) where unknown
    double branchRatio = 1.0; // main to branch rate of flow, branch kinds only
};

struct PublishedMethod {
    Kind kind;
    PublishedSource source;
    const char* constants;  // the method's form and constants for this kind, as the help shows them
    const char* reference;  // where they are published
    // The coefficient, or nothing where the method does not cover this
    // element (a gate valve not fully open, a bend at an angle the source
    // does not list).
    std::optional<double> (*zeta)(const PublishedInput&);
};

// The table: every kind's methods, in the order of the kinds.
std::span<const PublishedMethod> publishedMethods();

struct PublishedZeta {
    PublishedSource source = PublishedSource::Crane;
    double zeta = 0.0;
};

// At most this many methods cover one kind.
inline constexpr int kMostPublishedMethods = 8;

struct PublishedZetas {
    std::array<PublishedZeta, kMostPublishedMethods> items{};
    int count = 0;
    bool empty() const { return count == 0; }
    const PublishedZeta* begin() const { return items.data(); }
    const PublishedZeta* end() const { return items.data() + count; }
    double lowest() const;   // of the items; 0 when there are none
    double highest() const;
};

// Every published coefficient that applies to the element, in the table's
// order (no allocation: the plant curve's band asks at every point).
PublishedZetas publishedZetas(const PublishedInput& input);

// Whether the engine refers the kind's coefficient to the second section's
// velocity (the sudden enlargement, the sudden and the gradual contraction).
bool zetaOnSecondSection(ElementKind kind);

// Crane TP-410's fully turbulent Darcy friction factor of clean commercial
// steel, fT = 0.25 / log10(ε / (3.7 D))², ε = 0.0457 mm; D in mm.
double craneFrictionFactor(double diameterMm);

}  // namespace tolvane
