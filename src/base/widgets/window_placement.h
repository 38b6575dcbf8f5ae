// Puts top-level windows where their frames (title bar and borders included)
// should stand. Under X11 the frame is known only once the window manager
// has framed the window; until then Qt places the client area, so a window
// put at a frame place before it is on the screen lands one title bar lower
// (or, read back as a frame, climbs one title bar at every restart). Here the
// frame margins are guessed first and the place corrected the moment the
// window is first exposed, before anything is painted.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

#include "base/window_geometry.h"

class QWidget;

namespace tolvane {

// The usable areas of every screen, the primary screen first.
std::vector<ScreenRect> usableScreens();

inline ScreenRect toScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The window's frame margins once it is framed; `guess` before that.
QMargins frameMarginsOr(const QWidget* window, const QMargins& guess);

// The frame the window has, or will have with `guess` margins while unframed.
QRect expectedFrame(const QWidget* window, const QMargins& guess);

// Height of a title bar, for keeping one reachable, when none is known yet.
inline constexpr int kTitleBarGuess = 24;

// The margins of `framedWindow` once it is framed (other windows of the
// program get the same decoration), else a bare title bar.
QMargins marginsLike(const QWidget* framedWindow);

// Puts the frame's top left corner at `frameTopLeft`, with `guess` as the
// margins while the window is not framed; `placed` runs once the place is
// final (at the first exposure, at once for a window already on the screen,
// or after a second when no exposure comes).
void putFrameAt(QWidget* window, QPoint frameTopLeft, const QMargins& guess,
                std::function<void()> placed = {});

}  // namespace tolvane
