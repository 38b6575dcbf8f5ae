// Straight pipes, pipe entrances and changes of section.
#include <cmath>

#include "elements.h"

namespace tolvane::pictures {

namespace {

// Side view shared by the straight pipes: a length of pipe with the flow
// arrow and the length L below; the cross section is drawn above it.
void sideView(Canvas& c, double top = 57, double bottom = 79) {
    Outline().start({5, top}).wall({100, top}).open({100, bottom}).wall({5, bottom}).draw(c);
    c.line({5, top - 3}, {5, bottom + 3}, 1, kAxis);
    c.line({100, top - 3}, {100, bottom + 3}, 1, kAxis);
    c.arrow({34, (top + bottom) / 2}, {70, (top + bottom) / 2});
    ext(c, {5, bottom + 4}, {5, 98});
    ext(c, {100, bottom + 4}, {100, 98});
    dim(c, {5, 94}, {100, 94}, "L", {52, 94});
}

// A vessel on the left (fluid) with its wall (hatched) between x0 and x1,
// open between y0 and y1 where the pipe leaves it.
void vessel(Canvas& c, double x0, double x1, double y0, double y1) {
    c.fillRect({0, 0}, {x0, 105}, kFluid);
    hatch(c, {{x0, 2}, {x1, 2}, {x1, y0}, {x0, y0}});
    hatch(c, {{x0, y1}, {x1, y1}, {x1, 103}, {x0, 103}});
}

}  // namespace

void circularPipe(Canvas& c) {
    Pt m{46, 25};
    c.fillCircle(m, 15, kFluid);
    c.arc(m, 15, 0, 360, 2, kWall);
    dim(c, {32, 25}, {60, 25}, "", {});
    ext(c, {61, 25}, {70, 25});
    c.label({76, 25}, "D");
    sideView(c);
}

void rectangularPipe(Canvas& c) {
    Outline().start({34, 14}).wall({66, 14}).wall({66, 38}).wall({34, 38}).draw(c, true);
    ext(c, {34, 12}, {34, 4});
    ext(c, {66, 12}, {66, 4});
    dim(c, {34, 6}, {66, 6}, "B", {50, 6});
    ext(c, {68, 14}, {80, 14});
    ext(c, {68, 38}, {80, 38});
    dim(c, {77, 14}, {77, 38}, "H", {86, 26});
    sideView(c);
}

void ringPipe(Canvas& c) {
    Pt m{50, 25};
    c.fillCircle(m, 17, kFluid);
    c.arc(m, 17, 0, 360, 2, kWall);
    c.fillCircle(m, 7, kLightSolid);
    c.arc(m, 7, 0, 360, 2, kWall);
    ext(c, {31, 8}, {22, 8});
    ext(c, {31, 42}, {22, 42});
    dim(c, {25, 8}, {25, 42}, "D", {16, 25});
    dim(c, {44, 25}, {56, 25}, "", {});
    ext(c, {57, 25}, {78, 25});
    c.label({86, 25}, "Di");
    sideView(c, 55, 81);
    c.fillRect({5, 64}, {100, 72}, kLightSolid);
    c.line({5, 64}, {100, 64}, 2, kWall);
    c.line({5, 72}, {100, 72}, 2, kWall);
    // the flow runs in the ring on both sides of the inner pipe
    c.fillRect({30, 66}, {75, 71}, kLightSolid);
    c.arrow({34, 59.5}, {70, 59.5}, kFlow, 1, 4);
    c.arrow({34, 76.5}, {70, 76.5}, kFlow, 1, 4);
}

void channel(Canvas& c) {
    c.fillRect({34, 20}, {70, 38}, kFluid);
    c.polyline({{34, 6}, {34, 38}, {70, 38}, {70, 6}}, 2, kWall);
    c.line({35, 20}, {69, 20}, 1, kFlow);
    c.fillPolygon({{48, 13}, {56, 13}, {52, 18}}, kFlow);  // water level mark
    ext(c, {34, 40}, {34, 48});
    ext(c, {70, 40}, {70, 48});
    dim(c, {34, 45}, {70, 45}, "B", {52, 45});
    ext(c, {72, 20}, {84, 20});
    ext(c, {72, 38}, {84, 38});
    dim(c, {81, 20}, {81, 38}, "H", {90, 29});
    // side view: bottom of the channel and the free surface
    c.fillRect({5, 62}, {100, 80}, kFluid);
    c.line({5, 80}, {100, 80}, 2, kWall);
    for (int x = 5; x < 100; x += 8) c.line({x + 0.0, 62}, {x + 4.0, 61}, 1, kFlow);
    c.arrow({34, 71}, {70, 71});
    ext(c, {5, 82}, {5, 98});
    ext(c, {100, 82}, {100, 98});
    dim(c, {5, 94}, {100, 94}, "L", {52, 94});
}

void otherFormPipe(Canvas& c) {
    Outline o;
    o.start({30, 26})
        .wall({36, 10})
        .wall({52, 6})
        .wall({70, 12})
        .wall({74, 28})
        .wall({64, 40})
        .wall({44, 42});
    o.draw(c, true);
    c.label({53, 25}, "A");
    c.line({70, 36}, {82, 42}, 1, kDimension);
    c.label({87, 43}, "U");
    sideView(c);
}

void sharpEntrance(Canvas& c) {
    vessel(c, 34, 44, 40, 66);
    Outline().start({44, 40}).wall({100, 40}).open({100, 66}).wall({44, 66}).draw(c);
    c.line({44, 40}, {44, 2}, 2, kWall);
    c.line({44, 66}, {44, 103}, 2, kWall);
    c.arrow({6, 22}, {30, 44});
    c.arrow({4, 53}, {30, 53});
    c.arrow({6, 84}, {30, 62});
    c.arrow({52, 53}, {76, 53});
    dim(c, {88, 40}, {88, 66}, "D", {88, 76});
}

void roundedEntrance(Canvas& c) {
    c.fillRect({0, 0}, {34, 105}, kFluid);
    // wall blocks with the mouth rounded to a radius of 10
    std::vector<Pt> top{{34, 2}, {46, 2}, {46, 40}};
    std::vector<Pt> bottom{{34, 103}, {46, 103}, {46, 66}};
    std::vector<Pt> mouth;
    for (int a = 180; a <= 270; a += 6) mouth.push_back(polar({44, 30}, 10, a));
    for (auto it = mouth.rbegin(); it != mouth.rend(); ++it) top.push_back(*it);
    std::vector<Pt> lower;
    for (int a = 90; a <= 180; a += 6) lower.push_back(polar({44, 76}, 10, a));
    for (const Pt& p : lower) bottom.push_back(p);
    hatch(c, top, false);
    hatch(c, bottom, false);
    std::vector<Pt> fluid = mouth;
    fluid.push_back({100, 40});
    fluid.push_back({100, 66});
    fluid.insert(fluid.end(), lower.begin(), lower.end());
    c.fillPolygon(fluid, kFluid);
    c.polyline(mouth, 2, kWall);
    c.polyline(lower, 2, kWall);
    c.line({44, 40}, {100, 40}, 2, kWall);
    c.line({44, 66}, {100, 66}, 2, kWall);
    c.line({34, 2}, {34, 30}, 2, kWall);
    c.line({34, 76}, {34, 103}, 2, kWall);
    c.arrow({4, 20}, {26, 40});
    c.arrow({2, 53}, {28, 53});
    c.arrow({4, 86}, {26, 66});
    c.arrow({52, 53}, {76, 53});
    dim(c, {88, 40}, {88, 66}, "D", {88, 76});
}

void angledEntrance(Canvas& c) {
    // the pipe leaves the vessel wall (x 24..34) at the angle w to its face
    double w = 50, h = 11;
    Pt u = unit(polar({0, 0}, 1, 270 + w));
    Pt n = normal(u);
    Pt a{34, 30};
    c.fillRect({0, 0}, {24, 105}, kFluid);
    hatch(c, {{24, 2}, {34, 2}, {34, 103}, {24, 103}});
    Pt upper = a - n * h, lower = a + n * h;
    c.fillPolygon({atX(upper, u, 24), upper + u * 90, lower + u * 90, atX(lower, u, 24)}, kFluid);
    c.line(atX(upper, u, 24), atX(upper, u, 34), 1, kWall);
    c.line(atX(lower, u, 24), atX(lower, u, 34), 1, kWall);
    c.line(atX(upper, u, 34), upper + u * 90, 2, kWall);
    c.line(atX(lower, u, 34), lower + u * 90, 2, kWall);
    c.line({34, 2}, atX(upper, u, 34), 2, kWall);
    c.line(atX(lower, u, 34), {34, 103}, 2, kWall);
    c.dashed(a, a + u * 70, kAxis);
    c.dashed(a, {34, 90}, kAxis);
    angleDim(c, a, 30, 270, 270 + w, "w", polar(a, 38, 280));
    c.arrow({4, 8}, {18, 20});
    c.arrow({4, 40}, {18, 32});
    c.arrow(a + u * 12, a + u * 34);
    Pt m = a + u * 56;
    dim(c, m - n * h, m + n * h, "", {});
    c.label(m + n * (h + 9), "D");
}

void projectingEntrance(Canvas& c) {
    c.fillRect({0, 0}, {60, 105}, kFluid);
    hatch(c, {{60, 2}, {70, 2}, {70, 38}, {60, 38}});
    hatch(c, {{60, 68}, {70, 68}, {70, 103}, {60, 103}});
    Outline().start({22, 40}).wall({100, 40}).open({100, 66}).wall({22, 66}).draw(c);
    c.fillRect({22, 37}, {60, 39}, kLightSolid);
    c.fillRect({22, 67}, {60, 69}, kLightSolid);
    c.rect({22, 37}, {60, 39}, 1, kWall);
    c.rect({22, 67}, {60, 69}, 1, kWall);
    c.arrow({4, 24}, {18, 44});
    c.arrow({2, 53}, {18, 53});
    c.arrow({4, 82}, {18, 62});
    c.arrow({30, 53}, {52, 53});
    dim(c, {88, 40}, {88, 66}, "D", {88, 76});
}

namespace {

// Two pipes of diameters d1 and d2 on the axis y = 52, joined between x0 and x1.
void sectionChange(Canvas& c, double d1, double d2, double x0, double x1) {
    double y = 52;
    Outline()
        .start({3, y - d1 / 2})
        .wall({x0, y - d1 / 2})
        .wall({x1, y - d2 / 2})
        .wall({102, y - d2 / 2})
        .open({102, y + d2 / 2})
        .wall({x1, y + d2 / 2})
        .wall({x0, y + d1 / 2})
        .wall({3, y + d1 / 2})
        .draw(c);
}

void sectionDims(Canvas& c, double d1, double d2, double xd1, double xd2) {
    double y = 52;
    dim(c, {xd1, y - d1 / 2}, {xd1, y + d1 / 2}, "D1", {xd1, y + std::max(d1, d2) / 2 + 9});
    dim(c, {xd2, y - d2 / 2}, {xd2, y + d2 / 2}, "D2", {xd2, y + std::max(d1, d2) / 2 + 9});
}

// The half angle w of a cone between x0 (diameter d0) and x1 (diameter d1),
// between its upper wall and a parallel to the axis.
void coneAngle(Canvas& c, double d0, double d1, double x0, double x1) {
    double y = 52;
    double slope = std::atan2(std::fabs(d1 - d0) / 2, x1 - x0) * 180 / 3.14159265358979;
    if (d1 > d0) {
        Pt a{x0, y - d0 / 2};
        c.dashed(a, {x1 + 4, a.y}, kAxis);
        angleDim(c, a, 22, 0, slope, "w", polar(a, 28, slope / 2) + Pt{4, 0});
    } else {
        Pt b{x1, y - d1 / 2};
        c.dashed(b, {x0 - 4, b.y}, kAxis);
        angleDim(c, b, 22, 180 - slope, 180, "w", polar(b, 28, 180 - slope / 2) + Pt{-4, 0});
    }
}

}  // namespace

void suddenEnlargement(Canvas& c) {
    sectionChange(c, 20, 48, 52, 52);
    c.dashed({3, 52}, {102, 52}, kAxis);
    c.arrow({8, 52}, {30, 52});
    c.arrow({58, 52}, {78, 52});
    sectionDims(c, 20, 48, 40, 88);
}

void gradualEnlargement(Canvas& c) {
    sectionChange(c, 20, 44, 34, 66);
    coneAngle(c, 20, 44, 34, 66);
    c.arrow({62, 60}, {80, 60});
    sectionDims(c, 20, 44, 10, 88);
}

void suddenContraction(Canvas& c) {
    sectionChange(c, 48, 20, 52, 52);
    c.dashed({3, 52}, {102, 52}, kAxis);
    c.arrow({24, 52}, {46, 52});
    c.arrow({68, 52}, {92, 52});
    sectionDims(c, 48, 20, 14, 60);
}

void gradualContraction(Canvas& c) {
    sectionChange(c, 44, 20, 38, 70);
    coneAngle(c, 44, 20, 38, 70);
    c.arrow({24, 60}, {44, 60});
    sectionDims(c, 44, 20, 16, 94);
}

}  // namespace tolvane::pictures
