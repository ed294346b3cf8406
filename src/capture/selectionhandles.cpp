#include "capture/selectionhandles.h"

#include <QList>

#include <algorithm>
#include <cstdlib>

namespace selectionhandles {

namespace {

QRect square(QPoint centre)
{
    return QRect(centre - QPoint(kGrab, kGrab), QSize(2 * kGrab + 1, 2 * kGrab + 1));
}

// The handles' centres in hit-test order: corners, then edges.
struct Placed
{
    Handle handle;
    QPoint centre;
};
QList<Placed> placed(const QRect &s)
{
    const int cx = s.left() + s.width() / 2, cy = s.top() + s.height() / 2;
    return { { Handle::TopLeft, s.topLeft() }, { Handle::TopRight, s.topRight() },
        { Handle::BottomRight, s.bottomRight() }, { Handle::BottomLeft, s.bottomLeft() },
        { Handle::Top, { cx, s.top() } }, { Handle::Right, { s.right(), cy } },
        { Handle::Bottom, { cx, s.bottom() } }, { Handle::Left, { s.left(), cy } } };
}

// A rectangle kept inside the bounds by moving it, not by shrinking it (unless it is larger).
QRect keptInside(QRect r, const QRect &bounds)
{
    r.setWidth(std::min(r.width(), bounds.width()));
    r.setHeight(std::min(r.height(), bounds.height()));
    r.moveLeft(std::clamp(r.left(), bounds.left(), bounds.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), bounds.top(), bounds.bottom() + 1 - r.height()));
    return r;
}

QPoint clamped(QPoint p, const QRect &bounds)
{
    return { std::clamp(p.x(), bounds.left(), bounds.right()),
        std::clamp(p.y(), bounds.top(), bounds.bottom()) };
}

} // namespace

Handle hitTest(const QRect &selection, QPoint at)
{
    if (selection.isEmpty())
        return Handle::None;
    for (const Placed &p : placed(selection)) {
        if (square(p.centre).contains(at))
            return p.handle;
    }
    return selection.contains(at) ? Handle::Inside : Handle::None;
}

QRect dragged(const QRect &start, Handle handle, QPoint from, QPoint to, const QRect &bounds)
{
    to = clamped(to, bounds);
    if (handle == Handle::None) {
        // The pixels between where the button went down and where it is now.
        from = clamped(from, bounds);
        return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
            QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
    }
    if (handle == Handle::Inside)
        return keptInside(start.translated(to - from), bounds);
    // The grabbed edges follow the pointer; the others stay. Crossing over flips the rectangle.
    int left = start.left(), top = start.top(), right = start.right(), bottom = start.bottom();
    const QPoint d = to - from;
    switch (handle) {
    case Handle::Left:
    case Handle::TopLeft:
    case Handle::BottomLeft:
        left += d.x();
        break;
    case Handle::Right:
    case Handle::TopRight:
    case Handle::BottomRight:
        right += d.x();
        break;
    default:
        break;
    }
    switch (handle) {
    case Handle::Top:
    case Handle::TopLeft:
    case Handle::TopRight:
        top += d.y();
        break;
    case Handle::Bottom:
    case Handle::BottomLeft:
    case Handle::BottomRight:
        bottom += d.y();
        break;
    default:
        break;
    }
    return QRect(clamped({ left, top }, bounds), clamped({ right, bottom }, bounds)).normalized();
}

QRect nudged(const QRect &selection, QPoint step, bool resize, const QRect &bounds)
{
    if (selection.isEmpty())
        return selection;
    if (!resize)
        return keptInside(selection.translated(step), bounds);
    const QPoint corner = clamped(selection.bottomRight() + step, bounds);
    return QRect(selection.topLeft(),
        QPoint(std::max(corner.x(), selection.left()), std::max(corner.y(), selection.top())));
}

QList<QRect> handleSquares(const QRect &selection)
{
    QList<QRect> out;
    for (const Placed &p : placed(selection))
        out << QRect(p.centre - QPoint(3, 3), QSize(7, 7));
    return out;
}

} // namespace selectionhandles
