// Valves, check valves, nozzles and orifices, and the diverse elements.
#include <cmath>

#include "elements.h"

namespace tolvane::pictures {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAxisY = 66;

double degreesOf(Pt centre, Pt p) {
    return std::atan2(-(p.y - centre.y), p.x - centre.x) * 180 / kPi;
}

std::vector<Pt> ellipsePoints(Pt centre, double rx, double ry, double a0, double a1) {
    std::vector<Pt> points;
    int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 4.0)));
    for (int i = 0; i <= steps; ++i) {
        double a = (a0 + (a1 - a0) * i / steps) * kPi / 180;
        points.push_back({centre.x + rx * std::cos(a), centre.y - ry * std::sin(a)});
    }
    return points;
}

// A straight pipe of diameter d on the axis with an elliptic valve body.
void valveBody(Canvas& c, double d, double rx, double ry) {
    Pt m{52, kAxisY};
    double h = d / 2;
    double a = std::asin(h / ry) * 180 / kPi;
    double cut = rx * std::cos(a * kPi / 180);
    Outline o;
    o.start({3, kAxisY - h}).wall({m.x - cut, kAxisY - h});
    o.walls(ellipsePoints(m, rx, ry, 180 - a, a));
    o.wall({102, kAxisY - h}).open({102, kAxisY + h}).wall({m.x + cut, kAxisY + h});
    o.walls(ellipsePoints(m, rx, ry, -a, -180 + a));
    o.wall({3, kAxisY + h}).draw(c);
}

void pipeDiameter(Canvas& c, double d) {
    dim(c, {13, kAxisY - d / 2}, {13, kAxisY + d / 2}, "D", {13, kAxisY + d / 2 + 9});
}

void handwheel(Canvas& c, Pt end, Pt along) {
    Pt n = normal(unit(along));
    c.line(end - n * 13, end + n * 13, 3, kWall);
    c.fillCircle(end, 2.5, kWall);
}

// A spring between two points (the closing force of a lift check valve).
void spring(Canvas& c, Pt a, Pt b) {
    Pt u = unit(b - a), n = normal(u);
    double l = length(b - a);
    std::vector<Pt> zig{a};
    for (int i = 1; i < 8; ++i) zig.push_back(a + u * (l * i / 8) + n * (i % 2 ? 4.0 : -4.0));
    zig.push_back(b);
    c.polyline(zig, 1, kWall);
}

// A globe valve body with its seat straight across (lift) or inclined (Y-pattern).
// Returns the seat's centre and the direction the disc lifts.
struct Seat {
    Pt centre, lift;
};

Seat straightSeat(Canvas& c) {
    valveBody(c, 20, 23, 19);
    c.polyline({{44, 83}, {44, 66}, {48, 66}}, 2, kWall);
    c.polyline({{56, 66}, {60, 66}, {60, 49}}, 2, kWall);
    return {{52, 66}, {0, -1}};
}

Seat inclinedSeat(Canvas& c) {
    double rx = 23, ry = 19;
    valveBody(c, 20, rx, ry);
    Pt m{52, kAxisY};
    Pt v = unit({1, 1});
    double t = 1 / std::sqrt((v.x / rx) * (v.x / rx) + (v.y / ry) * (v.y / ry)) - 1;
    c.line(m - v * t, m - v * 5, 2, kWall);
    c.line(m + v * 5, m + v * t, 2, kWall);
    return {m, unit({1, -1})};
}

void flowThrough(Canvas& c) {
    c.arrow({20, kAxisY}, {30, kAxisY}, kFlow, 1.5, 4);
    c.arrow({78, kAxisY}, {98, kAxisY});
}

}  // namespace

void globeValve(Canvas& c) {
    Seat s = straightSeat(c);
    solid(c, {{46, 60}, {58, 60}, {58, 64}, {46, 64}});
    c.line({52, 60}, {52, 20}, 2, kWall);
    solid(c, {{45, 43}, {59, 43}, {59, 48}, {45, 48}});
    handwheel(c, {52, 18}, s.lift);
    flowThrough(c);
    pipeDiameter(c, 20);
}

void globeValveY(Canvas& c) {
    Seat s = inclinedSeat(c);
    Pt n = normal(s.lift);
    Pt disc = s.centre + s.lift * 3;
    c.line(disc - n * 7, disc + n * 7, 4, kSolid);
    Pt end = s.centre + s.lift * 46;
    c.line(disc, end, 2, kWall);
    Pt bonnet = s.centre + s.lift * 22;
    c.line(bonnet - n * 6, bonnet + n * 6, 4, kSolid);
    handwheel(c, end, s.lift);
    flowThrough(c);
    pipeDiameter(c, 20);
}

void angleValve(Canvas& c) {
    Pt m{46, 48};
    double r = 17;
    Pt inL{36, m.y + std::sqrt(r * r - 100)}, inR{56, m.y + std::sqrt(r * r - 100)};
    Pt outT{m.x + std::sqrt(r * r - 64), 38}, outB{m.x + std::sqrt(r * r - 64), 54};
    Outline o;
    o.start({36, 102}).wall(inL).arc(m, r, 360 + degreesOf(m, inL), degreesOf(m, outT));
    o.wall({102, 38}).open({102, 54}).wall(outB).arc(m, r, degreesOf(m, outB), degreesOf(m, inR));
    o.wall({56, 102}).draw(c);
    double lipY = 58, lipX = std::sqrt(r * r - (lipY - m.y) * (lipY - m.y));
    c.line({m.x - lipX, lipY}, {41, lipY}, 2, kWall);
    c.line({51, lipY}, {m.x + lipX, lipY}, 2, kWall);
    solid(c, {{40, 52}, {52, 52}, {52, 56}, {40, 56}});
    c.line({46, 52}, {46, 14}, 2, kWall);
    solid(c, {{39, 28}, {53, 28}, {53, 32}, {39, 32}});
    handwheel(c, {46, 12}, {0, -1});
    c.arrow({46, 100}, {46, 74});
    c.arrow({66, 46}, {82, 46});
    dim(c, {93, 38}, {93, 54}, "D", {93, 63});
}

void gateValve(Canvas& c) {
    double top = 54, bottom = 78;
    Outline()
        .start({3, top})
        .wall({40, top})
        .wall({40, 26})
        .wall({64, 26})
        .wall({64, top})
        .wall({102, top})
        .open({102, bottom})
        .wall({3, bottom})
        .draw(c);
    solid(c, {{48, 27}, {56, 27}, {56, 66}, {48, 66}});
    c.line({52, 26}, {52, 9}, 2, kWall);
    handwheel(c, {52, 8}, {0, -1});
    ext(c, {57, 66}, {64, 66});
    dim(c, {61, 66}, {61, 78}, "", {});
    c.label({69, 72}, "H");
    c.arrow({20, 66}, {38, 66});
    c.arrow({78, 66}, {98, 66});
    dim(c, {12, top}, {12, bottom}, "D", {12, bottom + 10});
}

void cock(Canvas& c) {
    double w = 30, d = 16;
    Pt m{52, kAxisY};
    valveBody(c, d, 17, 17);
    // the plug, turned by w, with its bore
    c.fillCircle(m, 13, kLightSolid);
    Pt u = unit(polar({0, 0}, 1, -w)), n = normal(u);
    c.fillPolygon({m - u * 12 - n * 6, m + u * 12 - n * 6, m + u * 12 + n * 6, m - u * 12 + n * 6},
                  kFluid);
    c.line(m - u * 12 - n * 6, m + u * 12 - n * 6, 1, kWall);
    c.line(m - u * 12 + n * 6, m + u * 12 + n * 6, 1, kWall);
    c.arc(m, 13, 0, 360, 1, kWall);
    c.line({52, 49}, {52, 36}, 2, kWall);
    c.line({40, 36}, {64, 36}, 3, kWall);
    c.dashed(m, m + Pt{38, 0}, kAxis);
    c.dashed(m, m + u * 36, kAxis);
    angleDim(c, m, 26, -w, 0, "w", polar(m, 33, -26) + Pt{5, 3});
    c.arrow({19, kAxisY}, {33, kAxisY}, kFlow, 1.5, 4);
    pipeDiameter(c, d);
}

void swingValve(Canvas& c) {
    double w = 35, d = 28;
    Pt m{52, kAxisY};
    Outline()
        .start({3, kAxisY - d / 2})
        .wall({102, kAxisY - d / 2})
        .open({102, kAxisY + d / 2})
        .wall({3, kAxisY + d / 2})
        .draw(c);
    Pt u = unit(polar({0, 0}, 1, w));
    c.dashed({24, kAxisY}, {100, kAxisY}, kAxis);
    c.line(m - u * 13, m + u * 13, 3, kSolid);
    c.fillCircle(m, 2, kWall);
    c.line({52, kAxisY - d / 2}, {52, 36}, 2, kWall);
    c.line({42, 36}, {62, 36}, 3, kWall);
    angleDim(c, m, 20, 0, w, "w", polar(m, 28, w / 2) + Pt{3, 0});
    c.arrow({22, kAxisY + 6}, {38, kAxisY + 6});
    c.arrow({80, kAxisY + 8}, {98, kAxisY + 8});
    pipeDiameter(c, d);
}

void checkValveLift(Canvas& c) {
    straightSeat(c);
    solid(c, {{46, 60}, {58, 60}, {58, 64}, {46, 64}});
    spring(c, {52, 60}, {52, 48});
    solid(c, {{44, 43}, {60, 43}, {60, 48}, {44, 48}});
    flowThrough(c);
    pipeDiameter(c, 20);
}

void checkValveLiftY(Canvas& c) {
    Seat s = inclinedSeat(c);
    Pt n = normal(s.lift);
    Pt disc = s.centre + s.lift * 3;
    c.line(disc - n * 7, disc + n * 7, 4, kSolid);
    Pt cap = s.centre + s.lift * 24;
    spring(c, disc, cap);
    c.line(cap - n * 8, cap + n * 8, 5, kSolid);
    flowThrough(c);
    pipeDiameter(c, 20);
}

void checkValveSwing(Canvas& c) {
    double d = 24, top = kAxisY - d / 2, bottom = kAxisY + d / 2;
    Outline o;
    o.start({3, top}).wall({36, top});
    o.walls(ellipsePoints({56, top}, 20, 24, 180, 0));
    o.wall({102, top}).open({102, bottom}).wall({3, bottom}).draw(c);
    // the seat: a wall across the pipe with the opening below the hinge
    double seatTop = top - 24 * std::sqrt(1 - (44.0 - 56) * (44.0 - 56) / 400);
    c.line({44, seatTop}, {44, top + 4}, 2, kWall);
    c.line({44, bottom - 4}, {44, bottom}, 2, kWall);
    Pt hinge{48, 40};
    Pt u = unit(polar({0, 0}, 1, -42));
    c.line(hinge + u * 4, hinge + u * 30, 4, kSolid);
    c.line(hinge, hinge + u * 5, 2, kWall);
    c.fillCircle(hinge, 2.5, kWall);
    c.arrow({20, kAxisY}, {38, kAxisY});
    c.arrow({78, kAxisY + 4}, {98, kAxisY + 4});
    pipeDiameter(c, d);
}

namespace {

constexpr double kTop = 48, kBottom = 84, kBoreTop = 58, kBoreBottom = 74;

void orificePipe(Canvas& c) {
    Outline().start({3, kTop}).wall({102, kTop}).open({102, kBottom}).wall({3, kBottom}).draw(c);
    c.arrow({22, kAxisY}, {40, kAxisY});
    dim(c, {13, kTop}, {13, kBottom}, "D1", {13, kBottom + 10});
}

// Mirrors the upper half of a plate or nozzle about the axis and draws both.
void mirrored(Canvas& c, const std::vector<Pt>& upper) {
    solid(c, upper);
    std::vector<Pt> lower;
    for (const Pt& p : upper) lower.push_back({p.x, 2 * kAxisY - p.y});
    solid(c, lower);
}

void boreDiameter(Canvas& c, double x) {
    dim(c, {x, kBoreTop}, {x, kBoreBottom}, "", {});
    c.label({x + 12, kAxisY}, "D2");
}

}  // namespace

void orificeStandard(Canvas& c) {
    orificePipe(c);
    mirrored(c, {{48, kTop}, {54, kTop}, {54, kBoreTop - 4}, {50, kBoreTop}, {48, kBoreTop}});
    boreDiameter(c, 62);
}

void orificeSharp(Canvas& c) {
    orificePipe(c);
    mirrored(c, {{50, kTop}, {53, kTop}, {53, kBoreTop}, {50, kBoreTop}});
    boreDiameter(c, 62);
}

void orificeThick(Canvas& c) {
    orificePipe(c);
    mirrored(c, {{42, kTop}, {62, kTop}, {62, kBoreTop}, {42, kBoreTop}});
    ext(c, {42, kTop - 2}, {42, 34});
    ext(c, {62, kTop - 2}, {62, 34});
    dim(c, {42, 38}, {62, 38}, "L", {52, 38});
    boreDiameter(c, 72);
}

void nozzle(Canvas& c) {
    orificePipe(c);
    std::vector<Pt> upper{{36, kTop}};
    for (const Pt& p : ellipsePoints({54, kTop}, 18, kBoreTop - kTop, 180, 270)) upper.push_back(p);
    upper.push_back({64, kBoreTop});
    upper.push_back({64, kTop});
    mirrored(c, upper);
    boreDiameter(c, 72);
}

void venturi(Canvas& c) {
    Outline()
        .start({3, kTop})
        .wall({28, kTop})
        .wall({42, kBoreTop})
        .wall({50, kBoreTop})
        .wall({88, kTop})
        .wall({102, kTop})
        .open({102, kBottom})
        .wall({88, kBottom})
        .wall({50, kBoreBottom})
        .wall({42, kBoreBottom})
        .wall({28, kBottom})
        .wall({3, kBottom})
        .draw(c);
    c.arrow({20, kAxisY}, {34, kAxisY}, kFlow, 1.5, 4);
    c.arrow({58, kAxisY}, {84, kAxisY});
    dim(c, {12, kTop}, {12, kBottom}, "D1", {12, kBottom + 10});
    dim(c, {46, kBoreTop}, {46, kBoreBottom}, "", {});
    c.label({46, kBoreBottom + 10}, "D2");
}

void verticalDifference(Canvas& c) {
    Path p({2, 88});
    p.to({34, 88}).arc({34, 76}, 12, 270, 360).to({46, 30}).arc({58, 30}, 12, 180, 90).to({72, 18});
    tube(c, p.points(), 12);
    c.arrow({46, 66}, {46, 40});
    c.arrow({6, 88}, {24, 88}, kFlow, 1, 4);
    ext(c, {74, 18}, {94, 18});
    ext(c, {56, 88}, {94, 88});
    dim(c, {88, 18}, {88, 88}, "H", {88, 53});
}

void knownCoefficient(Canvas& c) {
    double y = 60, h = 10;
    Outline().start({3, y - h}).wall({102, y - h}).open({102, y + h}).wall({3, y + h}).draw(c);
    c.fillRect({38, 42}, {66, 78}, kLightSolid);
    c.rect({38, 42}, {66, 78}, 2, kWall);
    c.text(47, 53, "z", kWall, 2);
    c.arrow({20, y}, {34, y}, kFlow, 1.5, 4);
    c.arrow({72, y}, {96, y});
    dim(c, {12, y - h}, {12, y + h}, "D", {12, y + h + 9});
}

}  // namespace tolvane::pictures
