#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace tolvane::pictures {

Outline& Outline::start(Pt p) {
    points_.assign(1, p);
    wallTo_.assign(1, false);
    return *this;
}

Outline& Outline::wall(Pt p) {
    points_.push_back(p);
    wallTo_.push_back(true);
    return *this;
}

Outline& Outline::open(Pt p) {
    points_.push_back(p);
    wallTo_.push_back(false);
    return *this;
}

Outline& Outline::arc(Pt centre, double radius, double a0, double a1) {
    int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 4.0)));
    for (int i = 0; i <= steps; ++i) wall(polar(centre, radius, a0 + (a1 - a0) * i / steps));
    return *this;
}

Outline& Outline::walls(const std::vector<Pt>& points) {
    for (const Pt& p : points) wall(p);
    return *this;
}

void Outline::draw(Canvas& c, bool closingWall, Colour fill) const {
    c.fillPolygon(points_, fill);
    for (std::size_t i = 1; i < points_.size(); ++i)
        if (wallTo_[i]) c.line(points_[i - 1], points_[i], 2, kWall);
    if (closingWall && points_.size() > 2) c.line(points_.back(), points_.front(), 2, kWall);
}

Path& Path::to(Pt p) {
    points_.push_back(p);
    return *this;
}

Path& Path::arc(Pt centre, double radius, double a0, double a1) {
    int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 4.0)));
    for (int i = 0; i <= steps; ++i)
        points_.push_back(polar(centre, radius, a0 + (a1 - a0) * i / steps));
    return *this;
}

Path& Path::curve(Pt c1, Pt c2, Pt end) {
    Pt p0 = points_.back();
    for (int i = 1; i <= 16; ++i) {
        double t = i / 16.0, s = 1 - t;
        points_.push_back(p0 * (s * s * s) + c1 * (3 * s * s * t) + c2 * (3 * s * t * t) +
                          end * (t * t * t));
    }
    return *this;
}

void offsetPath(const std::vector<Pt>& path, double d, std::vector<Pt>& left,
                std::vector<Pt>& right) {
    // Points that coincide would give no direction.
    std::vector<Pt> p;
    for (const Pt& q : path)
        if (p.empty() || length(q - p.back()) > 1e-6) p.push_back(q);
    left.clear();
    right.clear();
    double h = d / 2;
    for (std::size_t i = 0; i < p.size(); ++i) {
        Pt in = i > 0 ? unit(p[i] - p[i - 1]) : unit(p[1] - p[0]);
        Pt out = i + 1 < p.size() ? unit(p[i + 1] - p[i]) : in;
        Pt n = unit(normal(in) + normal(out));
        double k = std::max(0.3, n.x * normal(in).x + n.y * normal(in).y);
        left.push_back(p[i] - n * (h / k));
        right.push_back(p[i] + n * (h / k));
    }
}

void tube(Canvas& c, const std::vector<Pt>& path, double d) {
    std::vector<Pt> left, right;
    offsetPath(path, d, left, right);
    std::vector<Pt> region = left;
    region.insert(region.end(), right.rbegin(), right.rend());
    c.fillPolygon(region, kFluid);
    c.polyline(left, 2, kWall);
    c.polyline(right, 2, kWall);
}

void tube(Canvas& c, Pt a, Pt b, double d) { tube(c, std::vector<Pt>{a, b}, d); }

void hatch(Canvas& c, const std::vector<Pt>& polygon, bool outline) {
    Canvas mask(c.width(), c.height());
    mask.fillPolygon(polygon, kWall);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Colour m = mask.at(x, y);
            if (m == kWall) c.set(x, y, (x + y) % 4 == 0 ? kSolid : kLightSolid);
        }
    if (outline) {
        std::vector<Pt> closed = polygon;
        closed.push_back(polygon.front());
        c.polyline(closed, 1, kWall);
    }
}

void solid(Canvas& c, const std::vector<Pt>& polygon, Colour fill) {
    c.fillPolygon(polygon, fill);
    std::vector<Pt> closed = polygon;
    closed.push_back(polygon.front());
    c.polyline(closed, 1, kWall);
}

void dim(Canvas& c, Pt a, Pt b, const std::string& letters, Pt at) {
    c.dimension(a, b);
    if (!letters.empty()) c.label(at, letters);
}

void ext(Canvas& c, Pt a, Pt b) { c.line(a, b, 1, kDimension); }

void angleDim(Canvas& c, Pt centre, double radius, double a0, double a1, const std::string& letters,
              Pt at) {
    c.angleDimension(centre, radius, a0, a1);
    c.label(at, letters);
}

std::vector<Pt> fillet(Pt p, Pt d1, Pt d2, double r) {
    d1 = unit(d1);
    d2 = unit(d2);
    double cosTheta = std::clamp(d1.x * d2.x + d1.y * d2.y, -1.0, 1.0);
    double half = std::acos(cosTheta) / 2;
    Pt centre = p + unit(d1 + d2) * (r / std::sin(half));
    Pt t1 = p + d1 * (r / std::tan(half));
    Pt t2 = p + d2 * (r / std::tan(half));
    double a1 = std::atan2(-(t1.y - centre.y), t1.x - centre.x);
    double a2 = std::atan2(-(t2.y - centre.y), t2.x - centre.x);
    double pi = std::acos(-1.0);
    while (a2 - a1 > pi) a2 -= 2 * pi;
    while (a1 - a2 > pi) a2 += 2 * pi;
    std::vector<Pt> points;
    for (int i = 0; i <= 8; ++i) {
        double a = a1 + (a2 - a1) * i / 8;
        points.push_back({centre.x + r * std::cos(a), centre.y - r * std::sin(a)});
    }
    return points;
}

void radiusDim(Canvas& c, Pt centre, double radius, double degrees, const std::string& letters,
               Pt at) {
    Pt end = polar(centre, radius, degrees);
    c.line(centre, end, 1, kDimension);
    c.arrowHead(end, end - centre, kDimension, 4);
    if (!letters.empty()) c.label(at, letters);
}

void centreMark(Canvas& c, Pt p) {
    c.line(p - Pt{3, 0}, p + Pt{3, 0}, 1, kDimension);
    c.line(p - Pt{0, 3}, p + Pt{0, 3}, 1, kDimension);
}

Pt atY(Pt p, Pt u, double y) { return {p.x + (y - p.y) * u.x / u.y, y}; }
Pt atX(Pt p, Pt u, double x) { return {x, p.y + (x - p.x) * u.y / u.x}; }

}  // namespace tolvane::pictures
