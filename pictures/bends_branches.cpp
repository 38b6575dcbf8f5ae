// Bends, branchings of current and bellows.
#include <cmath>

#include "elements.h"

namespace tolvane::pictures {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A 90 degree bend: inlet from the left on the axis y = centre.y + r, outlet
// upwards on the axis x = centre.x + r.
void bend90(Canvas& c, Pt centre, double r, double d) {
    double h = d / 2;
    Outline()
        .start({3, centre.y + r - h})
        .wall({centre.x, centre.y + r - h})
        .arc(centre, r - h, 270, 360)
        .wall({centre.x + r - h, 3})
        .open({centre.x + r + h, 3})
        .wall({centre.x + r + h, centre.y})
        .arc(centre, r + h, 360, 270)
        .wall({3, centre.y + r + h})
        .draw(c);
}

// Radius R and deflection w of a bend drawn around `centre`.
void bendMarks(Canvas& c, Pt centre, double r, bool withRadius = true) {
    centreMark(c, centre);
    c.dashed(centre, polar(centre, r, 270), kAxis);
    c.dashed(centre, polar(centre, r, 0), kAxis);
    angleDim(c, centre, 10, 270, 360, "w", centre + Pt{8, -7});
    if (withRadius) radiusDim(c, centre, r, 305, "R", centre + Pt{-8, 9});
}

void crossSection(Canvas& c, Pt topLeft, double b, double h) {
    Pt br = topLeft + Pt{b, h};
    Outline().start(topLeft).wall({br.x, topLeft.y}).wall(br).wall({topLeft.x, br.y}).draw(c, true);
    ext(c, {topLeft.x, br.y + 2}, {topLeft.x, br.y + 9});
    ext(c, {br.x, br.y + 2}, {br.x, br.y + 9});
    dim(c, {topLeft.x, br.y + 6}, {br.x, br.y + 6}, "", {});
    c.label({topLeft.x + b / 2, br.y + 14}, "B");
    ext(c, {br.x + 2, topLeft.y}, {br.x + 9, topLeft.y});
    ext(c, {br.x + 2, br.y}, {br.x + 9, br.y});
    dim(c, {br.x + 6, topLeft.y}, {br.x + 6, br.y}, "", {});
    c.label({br.x + 14, topLeft.y + h / 2}, "H");
}

}  // namespace

void circularBend(Canvas& c) {
    Pt centre{40, 44};
    bend90(c, centre, 36, 18);
    bendMarks(c, centre, 36);
    c.arrow({8, 80}, {30, 80});
    c.arrow({76, 38}, {76, 20});
    dim(c, {67, 11}, {85, 11}, "D", {94, 11});
}

void segmentBend(Canvas& c) {
    Pt centre{40, 44};
    double r = 36, d = 18;
    std::vector<Pt> axis{{3, 80}};
    for (int a = 270; a <= 360; a += 30) axis.push_back(polar(centre, r, a));
    axis.push_back({76, 3});
    tube(c, axis, d);
    std::vector<Pt> left, right;
    offsetPath(axis, d, left, right);
    for (std::size_t i = 2; i + 2 < axis.size(); ++i) c.line(left[i], right[i], 1, kWall);
    bendMarks(c, centre, r, false);
    c.arrow({8, 80}, {28, 80});
    c.arrow({76, 38}, {76, 20});
    dim(c, {67, 11}, {85, 11}, "D", {94, 11});
}

void castIronBend(Canvas& c) {
    Pt centre{36, 48};
    bend90(c, centre, 36, 20);
    // flanges at both ends
    solid(c, {{16, 66}, {21, 66}, {21, 102}, {16, 102}});
    solid(c, {{54, 25}, {90, 25}, {90, 30}, {54, 30}});
    c.text(30, 58, "CI", kSolid);
    c.arrow({26, 84}, {46, 84});
    c.arrow({72, 46}, {72, 34});
    dim(c, {62, 11}, {82, 11}, "D", {92, 11});
}

void rectangularBend(Canvas& c) {
    Pt centre{46, 52};
    bend90(c, centre, 32, 18);
    bendMarks(c, centre, 32);
    c.arrow({10, 84}, {34, 84});
    dim(c, {69, 11}, {87, 11}, "B", {96, 11});
    crossSection(c, {6, 8}, 18, 11);
}

namespace {

// A miter bend: the inlet from the left on y = 78 turns at the joint by w.
void miter(Canvas& c, double d, double w) {
    Pt joint{50, 76};
    Pt u = unit(polar({0, 0}, 1, w));
    std::vector<Pt> axis{{3, joint.y}, joint, joint + u * 62};
    tube(c, axis, d);
    std::vector<Pt> left, right;
    offsetPath(axis, d, left, right);
    c.line(left[1], right[1], 1, kWall);
    c.dashed(joint, joint + Pt{40, 0}, kAxis);
    c.dashed(joint, joint + u * 50, kAxis);
    angleDim(c, joint, 26, 0, w, "w", polar(joint, 33, w / 2) + Pt{4, 0});
    c.arrow({20, 76}, {40, 76});
    c.arrow(joint + u * 24, joint + u * 44);
}

}  // namespace

void miterBendCircular(Canvas& c) {
    miter(c, 20, 60);
    dim(c, {11, 66}, {11, 86}, "D", {11, 95});
}

void miterBendRectangular(Canvas& c) {
    miter(c, 20, 60);
    dim(c, {11, 66}, {11, 86}, "B", {11, 95});
    crossSection(c, {6, 8}, 20, 12);
}

namespace {

constexpr double kMainY = 68, kHalf = 11, kBranchX = 52;

void teeArrows(Canvas& c) {
    c.arrow({20, kMainY}, {34, kMainY});
    c.arrow({74, kMainY}, {98, kMainY});
    c.arrow({kBranchX, 34}, {kBranchX, 12});
    dim(c, {12, kMainY - kHalf}, {12, kMainY + kHalf}, "D", {12, kMainY + kHalf + 10});
}

// A globe (sphere) around the junction, radius r, with the three pipes ending on it.
double globeCut(double r) { return std::asin(kHalf / r) * 180 / kPi; }

}  // namespace

void teeSharp(Canvas& c) {
    Outline()
        .start({3, kMainY - kHalf})
        .wall({kBranchX - kHalf, kMainY - kHalf})
        .wall({kBranchX - kHalf, 3})
        .open({kBranchX + kHalf, 3})
        .wall({kBranchX + kHalf, kMainY - kHalf})
        .wall({102, kMainY - kHalf})
        .open({102, kMainY + kHalf})
        .wall({3, kMainY + kHalf})
        .draw(c);
    teeArrows(c);
}

void teeGlobular(Canvas& c) {
    double r = 18, a = globeCut(r);
    Pt m{kBranchX, kMainY};
    double cut = std::sqrt(r * r - kHalf * kHalf);
    Outline()
        .start({3, kMainY - kHalf})
        .wall({m.x - cut, kMainY - kHalf})
        .arc(m, r, 180 - a, 90 + a)
        .wall({kBranchX - kHalf, 3})
        .open({kBranchX + kHalf, 3})
        .wall({kBranchX + kHalf, m.y - cut})
        .arc(m, r, 90 - a, a)
        .wall({102, kMainY - kHalf})
        .open({102, kMainY + kHalf})
        .wall({m.x + cut, kMainY + kHalf})
        .arc(m, r, -a, -180 + a)
        .wall({3, kMainY + kHalf})
        .draw(c);
    teeArrows(c);
}

void teeRoundedBottom(Canvas& c) {
    double r = 9;
    Outline()
        .start({3, kMainY - kHalf})
        .wall({kBranchX - kHalf - r, kMainY - kHalf})
        .arc({kBranchX - kHalf - r, kMainY - kHalf - r}, r, 270, 360)
        .wall({kBranchX - kHalf, 3})
        .open({kBranchX + kHalf, 3})
        .wall({kBranchX + kHalf, kMainY - kHalf - r})
        .arc({kBranchX + kHalf + r, kMainY - kHalf - r}, r, 180, 270)
        .wall({102, kMainY - kHalf})
        .open({102, kMainY + kHalf})
        .wall({3, kMainY + kHalf})
        .draw(c);
    teeArrows(c);
}

void teeGlobularNeckRounded(Canvas& c) {
    double r = 18, a = globeCut(r);
    Pt m{kBranchX, kMainY};
    double cut = std::sqrt(r * r - kHalf * kHalf);
    // the neck of the branch widens smoothly into the globe
    Path leftNeck(polar(m, r, 150));
    leftNeck.curve(polar(m, r, 150) + Pt{4, -7}, {kBranchX - kHalf, kMainY - r - 8},
                   {kBranchX - kHalf, kMainY - r - 16});
    Path rightNeck({kBranchX + kHalf, kMainY - r - 16});
    rightNeck.curve({kBranchX + kHalf, kMainY - r - 8}, polar(m, r, 30) + Pt{-4, -7},
                    polar(m, r, 30));
    Outline o;
    o.start({3, kMainY - kHalf}).wall({m.x - cut, kMainY - kHalf}).arc(m, r, 180 - a, 150);
    o.walls(leftNeck.points()).wall({kBranchX - kHalf, 3}).open({kBranchX + kHalf, 3});
    o.walls(rightNeck.points()).arc(m, r, 30, a).wall({102, kMainY - kHalf});
    o.open({102, kMainY + kHalf}).wall({m.x + cut, kMainY + kHalf}).arc(m, r, -a, -180 + a);
    o.wall({3, kMainY + kHalf}).draw(c);
    teeArrows(c);
}

namespace {

// Main pipe D1 on y = 72 and a branch D2 leaving it at the angle w, its
// upstream edge rounded with the radius R.
void branch(Canvas& c, bool together) {
    double y = 72, h1 = 12, h2 = 7, w = 50;
    Pt a{42, y};
    Pt u = unit(polar({0, 0}, 1, w));
    Pt n = normal(u);  // towards the downstream side
    Pt p1 = atY(a - n * h2, u, y - h1);
    Pt p2 = atY(a + n * h2, u, y - h1);
    Pt e1 = a - n * h2 + u * 70;
    Pt e2 = a + n * h2 + u * 70;
    std::vector<Pt> round = fillet(p1, {-1, 0}, u, 6);
    Outline o;
    o.start({3, y - h1}).walls(round).wall(e1).open(e2).wall(p2).wall({102, y - h1});
    o.open({102, y + h1}).wall({3, y + h1}).draw(c);
    c.dashed({3, y}, {102, y}, kAxis);
    c.dashed(a, a + u * 64, kAxis);
    angleDim(c, a, 30, 0, w, "w", polar(a, 38, 18));
    c.line(round[4] + Pt{-1, -1}, {round[4].x - 8, round[4].y - 12}, 1, kDimension);
    c.label({round[4].x - 10, round[4].y - 17}, "R");
    dim(c, {12, y - h1}, {12, y + h1}, "D1", {12, y + h1 + 10});
    Pt m = a + u * 48;
    dim(c, m - n * h2, m + n * h2, "", {});
    c.label(m + n * (h2 + 10), "D2");
    c.arrow({20, y}, {38, y});
    c.arrow({78, y + 5}, {98, y + 5});
    if (together) {
        c.arrow(a + u * 36, a + u * 20, kFlow, 1.5, 5);
    } else {
        c.arrow(a + u * 20, a + u * 36, kFlow, 1.5, 5);
    }
}

}  // namespace

void branchAsunder(Canvas& c) { branch(c, false); }

void branchTogether(Canvas& c) { branch(c, true); }

void yPipeStraight(Canvas& c) {
    double y = 52, h = 10, w = 35;
    Pt f{40, y};
    Pt u1 = unit(polar({0, 0}, 1, w)), n1 = normal(u1);
    Pt u2 = unit(polar({0, 0}, 1, -w)), n2 = normal(u2);
    Pt q1 = atY(f - n1 * h, u1, y - h);
    Pt q2 = atY(f + n2 * h, u2, y + h);
    Pt crotch = atY(f + n1 * h, u1, y);
    double len = 62;
    Outline()
        .start({3, y - h})
        .wall(q1)
        .wall(f - n1 * h + u1 * len)
        .open(f + n1 * h + u1 * len)
        .wall(crotch)
        .wall(f - n2 * h + u2 * len)
        .open(f + n2 * h + u2 * len)
        .wall(q2)
        .wall({3, y + h})
        .draw(c);
    c.dashed(f, f + Pt{46, 0}, kAxis);
    c.dashed(f, f + u1 * 56, kAxis);
    angleDim(c, f, 30, 0, w, "w", polar(f, 38, w / 2) + Pt{3, 0});
    dim(c, {11, y - h}, {11, y + h}, "D", {11, y + h + 9});
    c.arrow({18, y}, {34, y});
    c.arrow(f + u1 * 34, f + u1 * 52);
    c.arrow(f + u2 * 34, f + u2 * 52);
}

void yPipeBent(Canvas& c) {
    double y = 53, h = 11, r = 22;
    Pt up{40, y - r}, down{40, y + r};
    double crotch = std::acos(r / (r + h)) * 180 / kPi;  // where the outer walls meet on the axis
    Outline()
        .start({3, y - h})
        .wall({40, y - h})
        .arc(up, r - h, 270, 360)
        .wall({40 + r - h, 3})
        .open({40 + r + h, 3})
        .wall({40 + r + h, up.y})
        .arc(up, r + h, 360, 270 + crotch)
        .arc(down, r + h, 90 - crotch, 0)
        .wall({40 + r + h, 102})
        .open({40 + r - h, 102})
        .wall({40 + r - h, down.y})
        .arc(down, r - h, 0, 90)
        .wall({3, y + h})
        .draw(c);
    centreMark(c, up);
    radiusDim(c, up, r, 330, "", {});
    c.label(up + Pt{-8, -4}, "R");
    dim(c, {13, y - h}, {13, y + h}, "D", {13, y + h + 9});
    c.arrow({20, y}, {36, y});
    c.arrow({62, 22}, {62, 6});
    c.arrow({62, 84}, {62, 100});
}

void compensator(Canvas& c) {
    double y = 55, h = 12, x0 = 32, x1 = 80, bulge = 8;
    std::vector<Pt> top, bottom;
    for (int i = 0; i <= 48; ++i) {
        double x = x0 + (x1 - x0) * i / 48.0;
        double s = std::sin(kPi * 3 * i / 48.0);
        top.push_back({x, y - h - bulge * s * s});
        bottom.push_back({x, y + h + bulge * s * s});
    }
    Outline o;
    o.start({3, y - h}).walls(top).wall({102, y - h}).open({102, y + h});
    for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) o.wall(*it);
    o.wall({3, y + h}).draw(c);
    for (int k = 0; k < 3; ++k) {
        double crest = x0 + (x1 - x0) * (2 * k + 1) / 6.0;
        c.line({crest, y - h - bulge - 2}, {56, 22}, 1, kDimension);
    }
    c.label({56, 17}, "n");
    dim(c, {13, y - h}, {13, y + h}, "D", {13, y + h + 9});
    c.arrow({38, y}, {74, y});
    c.arrow({84, y}, {100, y});
}

void lyraBend(Canvas& c) {
    Pt k{52, 36};
    double r = 22, d = 12;
    double left = 235, right = -55;
    Pt neckL = polar(k, r, left), neckR = polar(k, r, right);
    // tangents of the loop where it is entered and left (travelled clockwise)
    auto tangent = [](double degrees) {
        double a = degrees * kPi / 180;
        return Pt{std::sin(a), std::cos(a)};
    };
    Path p({2, 92});
    p.to({18, 92}).arc({18, 80}, 12, 270, 360);
    p.curve({30, 70}, neckL - tangent(left) * 14, neckL);
    p.arc(k, r, left, right);
    p.curve(neckR + tangent(right) * 14, {74, 70}, {74, 80});
    p.arc({86, 80}, 12, 180, 270).to({103, 92});
    tube(c, p.points(), d);
    dim(c, {52, 8}, {52, 20}, "D", {52, 27});
    c.arrow({3, 92}, {14, 92}, kFlow, 1, 4);
    c.arrow({90, 92}, {102, 92}, kFlow, 1, 4);
}

void uBend(Canvas& c) {
    double d = 16;
    Path p({2, 84});
    p.to({50, 84}).arc({50, 70}, 14, 270, 360).to({64, 36}).arc({50, 36}, 14, 0, 90).to({2, 22});
    tube(c, p.points(), d);
    c.line({56, 70}, {72, 70}, 1, kWall);
    c.line({56, 36}, {72, 36}, 1, kWall);
    ext(c, {74, 70}, {93, 70});
    ext(c, {74, 36}, {93, 36});
    dim(c, {89, 36}, {89, 70}, "L", {89, 53});
    dim(c, {20, 76}, {20, 92}, "D", {20, 68});
    c.arrow({28, 84}, {46, 84});
    c.arrow({40, 22}, {14, 22});
}

}  // namespace tolvane::pictures
