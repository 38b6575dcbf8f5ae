// A window that must be seen whole: its frame made to fit a screen's usable
// area, as large as it may be and moved as little as it takes.
#pragma once

#include "base/window_geometry.h"

namespace tolvane {

// `frame` no wider and no higher than `area`, then moved into it (a frame
// already inside stays where it is).
ScreenRect fitInside(const ScreenRect& frame, const ScreenRect& area);

// A frame of `width` x `height` in the middle of `area`, fitted to it.
ScreenRect centredIn(int width, int height, const ScreenRect& area);

}  // namespace tolvane
