#pragma once

#include <QPoint>
#include <QRect>

// The editor's selection rectangle and what a drag does to it: a drag from outside draws a new
// one, a drag from one of the eight handles moves that edge or corner, a drag from inside moves
// the whole rectangle. Positions in the overlay's pixels; the rectangle never leaves `bounds`.
namespace selectionhandles {

enum class Handle {
    None,
    Inside,
    Left,
    TopLeft,
    Top,
    TopRight,
    Right,
    BottomRight,
    Bottom,
    BottomLeft
};

// Half the side of the square a handle is grabbed by.
constexpr int kGrab = 6;

// The handle under a point (corners before edges, edges before the inside).
Handle hitTest(const QRect &selection, QPoint at);

// The selection after dragging `handle` (None: a new rectangle from `from`) from `from` to `to`.
// `start` is the selection when the drag began.
QRect dragged(const QRect &start, Handle handle, QPoint from, QPoint to, const QRect &bounds);

// The selection moved (or, with `resize`, its bottom-right corner moved) by a step.
QRect nudged(const QRect &selection, QPoint step, bool resize, const QRect &bounds);

// The eight handle squares, for painting.
QList<QRect> handleSquares(const QRect &selection);

} // namespace selectionhandles
