#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvane::pictures {

double length(Pt v) { return std::hypot(v.x, v.y); }

Pt unit(Pt v) {
    double l = length(v);
    return l > 0 ? Pt{v.x / l, v.y / l} : Pt{1, 0};
}

Pt normal(Pt v) { return {-v.y, v.x}; }

Pt polar(Pt centre, double radius, double degrees) {
    double a = degrees * std::numbers::pi / 180.0;
    return {centre.x + radius * std::cos(a), centre.y - radius * std::sin(a)};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), kWhite) {}

Colour Canvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Canvas::dot(Pt p, double thickness, Colour c) {
    if (thickness <= 1.0) {
        set(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)), c);
        return;
    }
    double r = thickness / 2.0;
    int x0 = static_cast<int>(std::floor(p.x - r)), x1 = static_cast<int>(std::ceil(p.x + r));
    int y0 = static_cast<int>(std::floor(p.y - r)), y1 = static_cast<int>(std::ceil(p.y + r));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = x + 0.5 - p.x, dy = y + 0.5 - p.y;
            if (dx * dx + dy * dy <= r * r + 0.05) set(x, y, c);
        }
}

void Canvas::line(Pt a, Pt b, double thickness, Colour c) {
    double l = length(b - a);
    int steps = std::max(1, static_cast<int>(std::ceil(l * 2)));
    for (int i = 0; i <= steps; ++i)
        dot(a + (b - a) * (static_cast<double>(i) / steps), thickness, c);
}

void Canvas::dashed(Pt a, Pt b, Colour c, double dash, double gap) {
    double l = length(b - a);
    Pt u = unit(b - a);
    for (double s = 0; s < l; s += dash + gap) line(a + u * s, a + u * std::min(l, s + dash), 1, c);
}

void Canvas::polyline(const std::vector<Pt>& points, double thickness, Colour c) {
    for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], thickness, c);
}

std::vector<Pt> Canvas::arcPoints(Pt centre, double radius, double a0, double a1) const {
    std::vector<Pt> points;
    int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 4.0)));
    for (int i = 0; i <= steps; ++i)
        points.push_back(polar(centre, radius, a0 + (a1 - a0) * i / steps));
    return points;
}

void Canvas::arc(Pt centre, double radius, double a0, double a1, double thickness, Colour c) {
    polyline(arcPoints(centre, radius, a0, a1), thickness, c);
}

void Canvas::fillPolygon(const std::vector<Pt>& points, Colour c) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const Pt& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < points.size(); ++i) {
            Pt p = points[i], q = points[(i + 1) % points.size()];
            if ((p.y <= sy && q.y > sy) || (q.y <= sy && p.y > sy))
                xs.push_back(p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x)
                set(x, y, c);
    }
}

void Canvas::fillCircle(Pt centre, double radius, Colour c) {
    fillPolygon(arcPoints(centre, radius, 0, 360), c);
}

void Canvas::fillRect(Pt a, Pt b, Colour c) { fillPolygon({a, {b.x, a.y}, b, {a.x, b.y}}, c); }

void Canvas::rect(Pt a, Pt b, double thickness, Colour c) {
    polyline({a, {b.x, a.y}, b, {a.x, b.y}, a}, thickness, c);
}

void Canvas::arrowHead(Pt tip, Pt direction, Colour c, double size) {
    Pt u = unit(direction), n = normal(u);
    Pt base = tip - u * size;
    fillPolygon({tip + u * 0.5, base + n * (size * 0.45), base - n * (size * 0.45)}, c);
}

void Canvas::arrow(Pt a, Pt b, Colour c, double thickness, double head) {
    line(a, b - unit(b - a) * (head * 0.8), thickness, c);
    arrowHead(b, b - a, c, head);
}

void Canvas::dimension(Pt a, Pt b, Colour c) {
    line(a, b, 1, c);
    arrowHead(a, a - b, c, 4);
    arrowHead(b, b - a, c, 4);
}

void Canvas::angleDimension(Pt centre, double radius, double a0, double a1, Colour c) {
    std::vector<Pt> p = arcPoints(centre, radius, a0, a1);
    polyline(p, 1, c);
    arrowHead(p.front(), p.front() - p[1], c, 4);
    arrowHead(p.back(), p.back() - p[p.size() - 2], c, 4);
}

int Canvas::textWidth(const std::string& s) {
    return s.empty() ? 0 : static_cast<int>(s.size()) * 6 - 1;
}

void Canvas::text(int x, int y, const std::string& s, Colour c, int scale) {
    texts_.push_back(s);
    for (char ch : s) {
        if (const std::uint8_t* rows = glyph(ch)) {
            for (int r = 0; r < 7 * scale; ++r)
                for (int col = 0; col < 5 * scale; ++col)
                    if (rows[r / scale] & (0x10 >> (col / scale))) set(x + col, y + r, c);
        } else {
            ++missingGlyphs_;
        }
        x += 6 * scale;
    }
}

void Canvas::label(Pt p, const std::string& s, Colour c) {
    int w = textWidth(s);
    int x = static_cast<int>(std::lround(p.x - w / 2.0));
    int y = static_cast<int>(std::lround(p.y - 3.5));
    // A white margin keeps the letters readable over lines they cross.
    for (int yy = y - 1; yy <= y + 7; ++yy)
        for (int xx = x - 1; xx <= x + w; ++xx) set(xx, yy, kWhite);
    text(x, y, s, c);
}

std::vector<std::uint8_t> Canvas::bmp() const {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width_) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
    const std::uint32_t fileBytes = 54 + imageBytes;
    std::vector<std::uint8_t> out;
    out.reserve(fileBytes);
    auto u16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    u32(fileBytes);
    u32(0);
    u32(54);
    // BITMAPINFOHEADER: bottom-up rows, 24 bits, uncompressed, 96 dpi
    u32(40);
    u32(static_cast<std::uint32_t>(width_));
    u32(static_cast<std::uint32_t>(height_));
    u16(1);
    u16(24);
    u32(0);
    u32(imageBytes);
    u32(3780);
    u32(3780);
    u32(0);
    u32(0);
    for (int y = height_ - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width_; ++x) {
            Colour c = at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
            written += 3;
        }
        for (; written < rowBytes; ++written) out.push_back(0);
    }
    return out;
}

}  // namespace tolvane::pictures
