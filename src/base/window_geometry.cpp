#include "base/window_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tolvane {

namespace {

constexpr int kTitleGrip = 100;
constexpr int kSlideStep = 8;

long long overlapArea(const ScreenRect& a, const ScreenRect& b) {
    const long long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

bool inside(const ScreenRect& r, const ScreenRect& screen) {
    return r.left >= screen.left && r.top >= screen.top && r.right() <= screen.right() &&
           r.bottom() <= screen.bottom();
}

bool onAScreen(const ScreenRect& r, const std::vector<ScreenRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const ScreenRect& s) { return inside(r, s); });
}

// Distance between two rectangles (0 when they touch or overlap), Manhattan.
long long distance(const ScreenRect& a, const ScreenRect& b) {
    const long long dx = std::max({0, b.left - a.right(), a.left - b.right()});
    const long long dy = std::max({0, b.top - a.bottom(), a.top - b.bottom()});
    return dx + dy;
}

const ScreenRect& homeScreen(const ScreenRect& frame, const std::vector<ScreenRect>& screens) {
    const ScreenRect* best = &screens.front();
    long long bestArea = -1, bestDistance = LLONG_MAX;
    for (const ScreenRect& s : screens) {
        const long long area = overlapArea(frame, s);
        const long long d = distance(frame, s);
        if (area > bestArea || (area == 0 && bestArea == 0 && d < bestDistance)) {
            best = &s;
            bestArea = area;
            bestDistance = d;
        }
    }
    return *best;
}

// Moves `r` the least it takes to lie inside `screen`; a frame larger than
// the screen keeps its top left corner on it.
ScreenRect pulledInto(ScreenRect r, const ScreenRect& screen) {
    r.left = std::clamp(r.left, screen.left, std::max(screen.left, screen.right() - r.width));
    r.top = std::clamp(r.top, screen.top, std::max(screen.top, screen.bottom() - r.height));
    return r;
}

// Offsets along a side: 0, then away from the corner up to `length`, then
// back the other way up to `size` (the window still beside the anchor).
std::vector<int> slides(int length, int size) {
    std::vector<int> out;
    for (int d = 0; d < std::max(length, 1); d += kSlideStep) out.push_back(d);
    for (int d = kSlideStep; d < size; d += kSlideStep) out.push_back(-d);
    return out;
}

}  // namespace

bool overlaps(const ScreenRect& a, const ScreenRect& b) { return overlapArea(a, b) > 0; }

bool titleBarReachable(const ScreenRect& frame, int titleHeight,
                       const std::vector<ScreenRect>& screens) {
    const int grip = std::min(kTitleGrip, std::max(frame.width, 1));
    for (const ScreenRect& s : screens) {
        const bool barHeightOn = frame.top >= s.top && frame.top + titleHeight <= s.bottom();
        const int across = std::min(frame.right(), s.right()) - std::max(frame.left, s.left);
        if (barHeightOn && across >= grip) return true;
    }
    return false;
}

ScreenRect keepTitleBarOnScreen(const ScreenRect& frame, int titleHeight,
                                const std::vector<ScreenRect>& screens) {
    if (screens.empty() || titleBarReachable(frame, titleHeight, screens)) return frame;
    return pulledInto(frame, homeScreen(frame, screens));
}

ScreenRect placeBeside(const ScreenRect& anchor, int width, int height,
                       const std::vector<ScreenRect>& avoid, const std::vector<ScreenRect>& screens,
                       int gap) {
    std::vector<ScreenRect> candidates;
    for (int d : slides(anchor.height, height)) {
        candidates.push_back({anchor.right() + gap, anchor.top + d, width, height});
    }
    for (int d : slides(anchor.height, height)) {
        candidates.push_back({anchor.left - gap - width, anchor.top + d, width, height});
    }
    for (int d : slides(anchor.width, width)) {
        candidates.push_back({anchor.left + d, anchor.bottom() + gap, width, height});
    }
    for (int d : slides(anchor.width, width)) {
        candidates.push_back({anchor.left + d, anchor.top - gap - height, width, height});
    }

    const ScreenRect* best = nullptr;
    long long bestCovered = LLONG_MAX;
    for (const ScreenRect& c : candidates) {
        if (overlaps(c, anchor) || (!screens.empty() && !onAScreen(c, screens))) continue;
        long long covered = 0;
        for (const ScreenRect& a : avoid) covered += overlapArea(c, a);
        if (covered == 0) return c;
        if (covered < bestCovered) {
            best = &c;
            bestCovered = covered;
        }
    }
    if (best) return *best;
    if (screens.empty()) return candidates.front();
    return pulledInto(candidates.front(), homeScreen(anchor, screens));
}

}  // namespace tolvane
