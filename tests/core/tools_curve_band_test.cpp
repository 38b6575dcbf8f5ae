// The band around the plant curve: every column at its lowest and highest
// published coefficient at each point, columns without alternatives on the
// curve itself.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/published_methods.h"
#include "tools/curve_band.h"
#include "tools/curve_diagram.h"

namespace tolvane {
namespace {

CurveColumn column(Kind kind, double va1, double va2 = 0, double va3 = 0) {
    CurveColumn c;
    c.element.kind = pairOf(kind);
    c.element.va1 = va1;
    c.element.va2 = va2;
    c.element.va3 = va3;
    return c;
}

FlowMedium water() {
    FlowMedium m;
    m.density = 1000.0;
    m.viscosity = 1000.0;
    return m;
}

std::vector<double> range(double from, double to, int points) {
    std::vector<double> rates;
    for (int i = 0; i < points; ++i) rates.push_back(from + (to - from) * i / (points - 1));
    return rates;
}

TEST(CurveBand, a_globe_valve_spreads_by_its_published_coefficients) {
    const CurveColumn globe = column(Kind::GlobeValve, 50);
    const auto band = computeCurveBand({globe}, range(5, 20, 4), water(), OutputSystem::Metric);
    ASSERT_TRUE(band);
    ASSERT_EQ(band->size(), 4u);
    for (std::size_t i = 0; i < band->size(); ++i) {
        const double q = 5.0 + 5.0 * static_cast<double>(i);  // m³/h
        const double w = q / 3600.0 / (std::numbers::pi / 4.0 * 0.05 * 0.05);
        PublishedInput in;
        in.element = globe.element;
        in.reynolds = w * 1000.0 * 0.05 / 1e-3;
        const PublishedZetas z = publishedZetas(in);
        const double dynamic = 0.5 * 1000.0 * w * w / 1e5;
        EXPECT_NEAR((*band)[i].low, z.lowest() * dynamic, 1e-9 * z.lowest() * dynamic) << q;
        EXPECT_NEAR((*band)[i].high, z.highest() * dynamic, 1e-9 * z.highest() * dynamic) << q;
        EXPECT_LT((*band)[i].low, (*band)[i].high);
    }
}

TEST(CurveBand, columns_without_alternatives_lie_on_the_curve_and_psi_for_us) {
    const CurveColumn bellows = column(Kind::CorrugatedCompensator, 100, 3);
    const auto metric =
        computeCurveBand({bellows}, range(10, 50, 3), water(), OutputSystem::Metric);
    const auto us = computeCurveBand({bellows}, range(10, 50, 3), water(), OutputSystem::US);
    ASSERT_TRUE(metric && us);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ((*metric)[i].low, (*metric)[i].high);
        EXPECT_GT((*metric)[i].low, 0.0);
        EXPECT_NEAR((*us)[i].low, (*metric)[i].low / 0.068947581976, 1e-12);
    }
}

TEST(CurveBand, rates_of_flow_of_a_curve_in_its_unit) {
    PlantCurve curve;
    curve.flowUnitText = "m³/s";
    curve.points = {{0.001, 0.0}, {0.002, 0.0}};
    const std::vector<double> rates = curveRatesOfFlow(curve);
    ASSERT_EQ(rates.size(), 2u);
    EXPECT_NEAR(rates[0], 3.6, 1e-12);
    EXPECT_NEAR(rates[1], 7.2, 1e-12);
}

TEST(CurveBand, a_refused_column_gives_no_band) {
    // Laminar at 0.01 m³/h in 100 mm: the valve has no rule there.
    EXPECT_FALSE(computeCurveBand({column(Kind::GlobeValve, 100)}, range(0.01, 0.02, 2), water(),
                                  OutputSystem::Metric));
}

}  // namespace
}  // namespace tolvane

namespace tolvane {
namespace {

PlantCurve twoPointCurve() {
    PlantCurve c;
    c.start = 1.0;
    c.end = 2.0;
    c.points = {{1.0, 0.10}, {2.0, 0.40}};
    c.minPressureDrop = 0.10;
    c.maxPressureDrop = 0.40;
    c.flowUnitText = "m³/h";
    return c;
}

TEST(CurveBand, the_diagram_keeps_the_curves_axes_and_cuts_the_band_at_the_frame) {
    const CurveDiagram plain = makeCurveDiagram(twoPointCurve());
    const CurveDiagram banded = makeCurveDiagram(twoPointCurve(), {{0.05, 0.2}, {0.3, 9.0}});
    EXPECT_EQ(banded.pressure.scale.labels, plain.pressure.scale.labels);
    ASSERT_EQ(banded.band.size(), 2u);
    const auto width = [](const std::string& s) { return 6.0 * static_cast<double>(s.size()); };
    const DiagramPicture pic = layoutDiagram(banded, 400, 300, width, 12);
    ASSERT_EQ(pic.bandLow.size(), 2u);
    ASSERT_EQ(pic.bandHigh.size(), 2u);
    EXPECT_DOUBLE_EQ(pic.bandHigh[1].y, pic.top);  // 9 bar lies far above the axis
    EXPECT_DOUBLE_EQ(pic.bandLow[0].y, pic.bottom);  // 0.05 bar lies below the axis
    EXPECT_GT(pic.bandLow[1].y, pic.curve[1].y);     // below the curve: lower on the screen
    EXPECT_LT(pic.bandHigh[0].y, pic.curve[0].y);
    EXPECT_TRUE(layoutDiagram(plain, 400, 300, width, 12).bandLow.empty());
    // A band of another length is left out.
    EXPECT_TRUE(makeCurveDiagram(twoPointCurve(), {{0.1, 0.2}}).band.empty());
}

}  // namespace
}  // namespace tolvane
