// Written by scripts/help/report_sources.py from the table of the help pages;
// change that table and run the script again instead of editing this file.
#include "report/element_sources.h"

namespace tolvane::report {

const std::vector<PublishedSource>& publishedSources() {
    static const std::vector<PublishedSource> sources = {
        {"colebrook",
         "Turbulent friction factor (Colebrook-White equation)",
         "C. F. Colebrook: Turbulent flow in pipes, with particular reference to the transition region between the smooth and rough pipe laws. Journal of the Institution of Civil Engineers 11 (1939), pp. 133-156."},
        {"hagen_poiseuille",
         "Laminar friction factor of the circular pipe, λ = 64/Re",
         "Hagen-Poiseuille law of laminar pipe flow (G. Hagen 1839, J. L. M. Poiseuille 1840), derived in every textbook of fluid mechanics."},
        {"laminar_shapes",
         "Laminar shape factors of the rectangular duct and the circular ring",
         "Tabulated values of the program. They agree to within about 2 % with the exact solutions for fully developed laminar flow in rectangular ducts and concentric annuli (parallel plates λ·Re = 96, that is f = 1.5; square duct λ·Re ≈ 57), as compiled by R. K. Shah and A. L. London: Laminar Flow Forced Convection in Ducts, Academic Press 1978."},
        {"borda_carnot",
         "Sudden enlargement",
         "Borda-Carnot loss of a sudden enlargement, from the momentum balance; in every textbook of hydraulics and in I. E. Idelchik's Handbook of Hydraulic Resistance."},
        {"idelchik",
         "Sudden contraction, conical contraction (local part and friction part), sharp-edged orifice in a straight pipe, angle function of the miter bend",
         "I. E. Idelchik: Handbook of Hydraulic Resistance (3rd edition, Begell House 1994; earlier Russian, German and English editions)."},
        {"stolz",
         "Orifice DIN 1952: discharge coefficient and remaining pressure loss",
         "Discharge coefficient of orifice plates after J. Stolz (the Stolz equation of ISO 5167-1:1991 and DIN 1952, without the tapping terms) and the remaining pressure loss of an orifice plate given in the same standards."},
        {"butterfly",
         "Swing valve (throttle flap) by its angle",
         "Tabulated values of the program. From 10° to 60° they are the classic loss coefficients of a throttle (butterfly) valve reproduced in the hydraulics handbooks (0.52, 1.54, 10.8 and 118 at 10°, 20°, 40° and 60°)."},
        {"gas",
         "Gas correction",
         "Steady isothermal flow of an ideal gas with the density taken at the mean temperature: integrating the pressure loss along the element gives p₁² − p₂² = 2·p₁·Δp·Tm/T₁; textbook derivation, see the gas correction."},
        {"program_tables",
         "Constant coefficients and one-dimensional tables",
         "Tabulated values of the program's resistance-coefficient tables; their published origin is not recorded in the program."},
        {"program_correlation",
         "Closed correlations without a recorded origin",
         "Correlations of the program; their published origin is not recorded in the program. Where a page names the form of a handbook correlation, only the form is meant."},
    };
    return sources;
}

const std::vector<KindSources>& kindSources() {
    static const std::vector<KindSources> kinds = {
        {{1, 1}, {{"hagen_poiseuille", "Laminar friction factor"}, {"colebrook", "Turbulent friction factor"}}},
        {{1, 2}, {{"laminar_shapes", "Laminar shape factor f"}, {"colebrook", "Turbulent friction factor"}}},
        {{1, 3}, {{"laminar_shapes", "Laminar shape factor f"}, {"colebrook", "Turbulent friction factor"}}},
        {{1, 4}, {{"laminar_shapes", "Laminar shape factor f"}, {"colebrook", "Turbulent friction factor"}}},
        {{1, 5}, {{"colebrook", ""}}},
        {{2, 1}, {{"program_tables", ""}}},
        {{2, 2}, {{"program_tables", ""}}},
        {{2, 3}, {{"program_correlation", ""}}},
        {{2, 4}, {{"program_tables", ""}}},
        {{3, 1}, {{"borda_carnot", ""}}},
        {{3, 2}, {{"program_correlation", "Expansion factor φ and friction part"}, {"colebrook", "Friction factor λ"}}},
        {{3, 3}, {{"idelchik", "Coefficient of the sudden contraction"}}},
        {{3, 4}, {{"idelchik", "Local part and friction part of the conical contraction"}, {"colebrook", "Friction factor λ"}}},
        {{4, 1}, {{"program_tables", ""}}},
        {{4, 2}, {{"program_tables", ""}}},
        {{4, 3}, {{"program_tables", ""}}},
        {{4, 4}, {{"program_tables", "Angle factor A and radius factor B"}, {"program_correlation", "Correction for the side ratio s"}}},
        {{4, 5}, {{"idelchik", "Angle function S"}, {"program_correlation", "Factor A, Reynolds-number term E, roughness factor F"}, {"colebrook", "Friction factor λ (reported only)"}}},
        {{4, 6}, {{"idelchik", "Angle function S"}, {"program_correlation", "Factor A, Reynolds-number term E, roughness factor F"}, {"colebrook", "Friction factor λ (reported only)"}}},
        {{5, 1}, {{"program_tables", ""}}},
        {{5, 2}, {{"program_tables", ""}}},
        {{5, 3}, {{"program_tables", ""}}},
        {{5, 4}, {{"program_tables", ""}}},
        {{5, 5}, {{"program_correlation", ""}}},
        {{5, 6}, {{"program_correlation", ""}}},
        {{5, 7}, {{"program_tables", ""}}},
        {{5, 8}, {{"program_tables", ""}}},
        {{6, 1}, {{"program_tables", ""}}},
        {{6, 2}, {{"program_tables", ""}}},
        {{6, 3}, {{"program_tables", ""}}},
        {{7, 1}, {{"program_tables", ""}}},
        {{7, 2}, {{"program_tables", ""}}},
        {{7, 3}, {{"program_tables", ""}}},
        {{7, 4}, {{"program_tables", ""}}},
        {{7, 5}, {{"program_tables", ""}}},
        {{7, 6}, {{"butterfly", ""}}},
        {{8, 1}, {{"program_tables", ""}}},
        {{8, 2}, {{"program_tables", ""}}},
        {{8, 3}, {{"program_tables", ""}}},
        {{9, 1}, {{"stolz", "Discharge coefficient C and remaining pressure loss"}}},
        {{9, 2}, {{"idelchik", "Coefficient of the sharp-edged orifice in a straight pipe"}}},
        {{9, 3}, {{"program_correlation", ""}}},
        {{9, 4}, {{"program_tables", ""}}},
        {{9, 5}, {{"program_tables", ""}}},
        {{10, 1}, {}},
        {{10, 2}, {}},
    };
    return kinds;
}

}  // namespace tolvane::report
