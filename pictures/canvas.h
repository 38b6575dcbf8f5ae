// A tiny raster for drawing the element pictures: 24-bit colour, y growing
// downwards, lines, arcs and filled polygons in pixel coordinates, arrows and
// dimension lines, a 5 x 7 pixel font, and a writer for Windows BMP files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::pictures {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kWall{0, 0, 0};
inline constexpr Colour kFluid{205, 228, 255};
inline constexpr Colour kFlow{0, 70, 210};
inline constexpr Colour kDimension{200, 0, 0};
inline constexpr Colour kAxis{150, 150, 150};
inline constexpr Colour kSolid{120, 120, 120};
inline constexpr Colour kLightSolid{200, 200, 200};

struct Pt {
    double x = 0, y = 0;
};

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }

double length(Pt v);
Pt unit(Pt v);
Pt normal(Pt v);  // v turned by +90 degrees (towards +y for a vector along +x)
// Point at `degrees` on a circle; 0 degrees points right, 90 points up.
Pt polar(Pt centre, double radius, double degrees);

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour at(int x, int y) const;

    void set(int x, int y, Colour c);
    void dot(Pt p, double thickness, Colour c);
    void line(Pt a, Pt b, double thickness, Colour c);
    void dashed(Pt a, Pt b, Colour c, double dash = 4, double gap = 2);
    void polyline(const std::vector<Pt>& points, double thickness, Colour c);
    // Arc around `centre` from angle a0 to a1 (degrees, counter-clockwise as seen on screen).
    void arc(Pt centre, double radius, double a0, double a1, double thickness, Colour c);
    std::vector<Pt> arcPoints(Pt centre, double radius, double a0, double a1) const;
    void fillPolygon(const std::vector<Pt>& points, Colour c);
    void fillCircle(Pt centre, double radius, Colour c);
    void fillRect(Pt topLeft, Pt bottomRight, Colour c);
    void rect(Pt topLeft, Pt bottomRight, double thickness, Colour c);

    // A filled arrow head with its tip at `tip`, pointing along `direction`.
    void arrowHead(Pt tip, Pt direction, Colour c, double size = 5);
    // A flow arrow from a to b.
    void arrow(Pt a, Pt b, Colour c = kFlow, double thickness = 1.5, double head = 5);
    // A dimension line between a and b with heads at both ends.
    void dimension(Pt a, Pt b, Colour c = kDimension);
    // An angle dimension: arc from a0 to a1 around centre, heads at both ends.
    void angleDimension(Pt centre, double radius, double a0, double a1, Colour c = kDimension);

    // Text in the 5 x 7 font, top-left corner at (x, y); one pixel between characters.
    void text(int x, int y, const std::string& s, Colour c = kDimension, int scale = 1);
    // Text centred on p.
    void label(Pt p, const std::string& s, Colour c = kDimension);
    static int textWidth(const std::string& s);
    // Every text drawn, in order, and how many of its characters had no glyph.
    const std::vector<std::string>& texts() const { return texts_; }
    int missingGlyphs() const { return missingGlyphs_; }

    // The picture as a 24-bit Windows bitmap.
    std::vector<std::uint8_t> bmp() const;

private:
    int width_, height_;
    std::vector<Colour> pixels_;
    std::vector<std::string> texts_;
    int missingGlyphs_ = 0;
};

// Rows of a glyph of the 5 x 7 font, bit 4 = leftmost column; nullptr for a
// character the font does not have.
const std::uint8_t* glyph(char c);

}  // namespace tolvane::pictures
