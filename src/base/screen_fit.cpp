#include "base/screen_fit.h"

#include <algorithm>

namespace tolvane {

namespace {

// The start of a span of `length` that lies inside [from, from + room) when
// it can, else at `from`; moved as little as it takes.
int keepInside(int start, int length, int from, int room) {
    return std::max(from, std::min(start, from + room - length));
}

}  // namespace

ScreenRect fitInside(const ScreenRect& frame, const ScreenRect& area) {
    ScreenRect out = frame;
    out.width = std::clamp(frame.width, 0, std::max(area.width, 0));
    out.height = std::clamp(frame.height, 0, std::max(area.height, 0));
    out.left = keepInside(frame.left, out.width, area.left, area.width);
    out.top = keepInside(frame.top, out.height, area.top, area.height);
    return out;
}

ScreenRect centredIn(int width, int height, const ScreenRect& area) {
    const ScreenRect size = fitInside({0, 0, width, height}, area);
    return {area.left + (area.width - size.width) / 2, area.top + (area.height - size.height) / 2,
            size.width, size.height};
}

}  // namespace tolvane
