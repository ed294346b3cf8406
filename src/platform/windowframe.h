#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

// The frame (borders and title bar) that the window manager puts around a top-level window.
// Windows are sized and placed by their outer size, so the frame must be known before the
// first showing, not only once the window manager has framed the window.
namespace windowframe {

// Widths of the frame on each side, in the window's logical pixels. Known from the window
// once it has been framed; before that the window manager is asked for the frame it will draw
// (on X11: _NET_REQUEST_FRAME_EXTENTS, answered in _NET_FRAME_EXTENTS). Without a window
// manager that answers, the window has no frame.
QMargins margins(const QWidget *window);

// The window's size with its frame.
QSize outerSize(const QWidget *window);

// Puts the outer top-left corner of the window (its frame's) at a point of the desktop. Qt's
// move() means the frame only once the window has been framed; this places the client area
// beside the frame the window manager will draw, shown or not.
void moveTo(QWidget *window, QPoint outerTopLeft);

} // namespace windowframe
