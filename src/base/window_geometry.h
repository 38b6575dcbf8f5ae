// Where windows go on the desktop (pixels, y downwards), without any window
// code: a restored window is pulled back when its title bar would lie outside
// every screen, and a small window finds a place beside a larger one where it
// covers none of the others. Rectangles are frames, title bar and borders
// included; screens are their usable areas, the primary screen first.
#pragma once

#include <vector>

namespace tolvane {

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }   // first column outside
    int bottom() const { return top + height; }  // first row outside
    bool operator==(const ScreenRect&) const = default;
};

// The two share at least one pixel.
bool overlaps(const ScreenRect& a, const ScreenRect& b);

// A window can be taken by its title bar (the frame's top `titleHeight` rows)
// when the whole height of the bar and a grip of it (100 pixels, or the whole
// width of a narrower window) lie on one screen.
bool titleBarReachable(const ScreenRect& frame, int titleHeight,
                       const std::vector<ScreenRect>& screens);

// `frame` as it is when its title bar is reachable; otherwise moved, as little
// as it takes, into the screen it overlaps most (the nearest one when it
// overlaps none), as far inside as its size allows. No screens: unchanged.
ScreenRect keepTitleBarOnScreen(const ScreenRect& frame, int titleHeight,
                                const std::vector<ScreenRect>& screens);

// A frame of `width` x `height` beside `anchor`, `gap` pixels off it: to the
// right, else to the left, else below, else above, each side tried from the
// anchor's top (left) corner along its length. The first place that lies on a
// screen and covers neither the anchor nor any of `avoid` is taken; failing
// that, the on-screen place beside the anchor that covers least of `avoid`;
// failing that (a screen too small), the right-hand place pulled onto a screen.
ScreenRect placeBeside(const ScreenRect& anchor, int width, int height,
                       const std::vector<ScreenRect>& avoid, const std::vector<ScreenRect>& screens,
                       int gap = 8);

}  // namespace tolvane
