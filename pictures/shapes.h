// Pipe-drawing helpers over the canvas: a fluid region whose edges are walls
// or open pipe ends, a pipe of constant diameter along a path, hatched solid
// material, and dimension lines with their letters.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace tolvane::pictures {

// A closed outline of fluid: each point records whether the edge leading to
// it is a wall (drawn) or an open pipe end (not drawn).
class Outline {
public:
    Outline& start(Pt p);
    Outline& wall(Pt p);
    Outline& open(Pt p);
    // Arc points around `centre` from a0 to a1 degrees, all edges walls.
    Outline& arc(Pt centre, double radius, double a0, double a1);
    Outline& walls(const std::vector<Pt>& points);
    // Fills with fluid and strokes the walls; the edge back to the first
    // point is a wall when `closingWall`.
    void draw(Canvas& c, bool closingWall = false, Colour fill = kFluid) const;
    const std::vector<Pt>& points() const { return points_; }

private:
    std::vector<Pt> points_;
    std::vector<bool> wallTo_;
};

// A polyline path, with arcs and smooth curves sampled into points.
class Path {
public:
    explicit Path(Pt start) { points_.push_back(start); }
    Path& to(Pt p);
    Path& arc(Pt centre, double radius, double a0, double a1);
    Path& curve(Pt control1, Pt control2, Pt end);
    const std::vector<Pt>& points() const { return points_; }
    Pt last() const { return points_.back(); }

private:
    std::vector<Pt> points_;
};

// The two wall lines at +-d/2 beside a path (mitred at corners).
void offsetPath(const std::vector<Pt>& path, double d, std::vector<Pt>& left,
                std::vector<Pt>& right);
// A pipe of diameter d along the path: fluid and both walls; open at both ends.
void tube(Canvas& c, const std::vector<Pt>& path, double d);
void tube(Canvas& c, Pt a, Pt b, double d);

// Solid material (a vessel wall, a plate): light grey with hatching, outlined.
void hatch(Canvas& c, const std::vector<Pt>& polygon, bool outline = true);
void solid(Canvas& c, const std::vector<Pt>& polygon, Colour fill = kSolid);

// A dimension line from a to b with its letters centred on `at`.
void dim(Canvas& c, Pt a, Pt b, const std::string& letters, Pt at);
// A thin extension line.
void ext(Canvas& c, Pt a, Pt b);
// An angle dimension with its letter.
void angleDim(Canvas& c, Pt centre, double radius, double a0, double a1, const std::string& letters,
              Pt at);

// A rounded corner of radius r at the corner p between two lines leaving p
// along d1 and d2: the arc points from the first tangent point to the second.
std::vector<Pt> fillet(Pt p, Pt d1, Pt d2, double r);
// A radius: line from the centre to the point at `degrees`, head at the point.
void radiusDim(Canvas& c, Pt centre, double radius, double degrees, const std::string& letters,
               Pt at);
// A small cross marking a centre.
void centreMark(Canvas& c, Pt p);

// Where the line through p along u crosses the horizontal y (or vertical x).
Pt atY(Pt p, Pt u, double y);
Pt atX(Pt p, Pt u, double x);

using Drawing = void (*)(Canvas&);
struct Picture {
    int number;
    Drawing draw;
};
const std::vector<Picture>& elementPictures();

}  // namespace tolvane::pictures
