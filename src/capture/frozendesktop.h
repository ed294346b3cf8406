#pragma once

#include "platform/screen.h"

#include <QImage>
#include <QPoint>

#include <optional>

class QPainter;
class QWidget;

// What every overlay over a frozen picture of the desktop shares: where it lies, how it shows
// itself and takes the keyboard, how it paints the picture, and which pixels lie under a part
// of it. Where a window cannot span monitors (Wayland) there is one overlay per monitor. A
// picture from a file is shown the same way in a window of its own, scaled to fit the screen.
class FrozenDesktop
{
public:
    explicit FrozenDesktop(std::optional<Screen::Area> monitor)
        : m_monitor(std::move(monitor))
    {
    }
    // A picture shown in a window, `physicalPerLogical` of its pixels to one of the window's.
    static FrozenDesktop forPicture(const QImage &picture, qreal physicalPerLogical);
    bool isPicture() const { return m_scale > 0; }

    // The overlay's place: the whole virtual desktop, or its monitor.
    QRect geometry() const;
    // Logical position of the overlay's (0, 0) on the desktop; a Wayland window does not know
    // where it is, its monitor does.
    QPoint origin(const QWidget *overlay) const;

    // Keeps a picture of the whole desktop in physical pixels, as Screen::grabDesktop gives it.
    void freeze(const QImage &desktop);
    const QImage &picture() const { return m_picture; }

    // Shows the overlay full screen over its place, in front, with the keyboard.
    void show(QWidget *overlay) const;
    // Lets the keyboard go and hides the overlay.
    static void hide(QWidget *overlay);

    // Paints the picture under the overlay's part `exposed` (black where no monitor is).
    void paint(QPainter &painter, const QWidget *overlay, const QRect &exposed) const;

    // The pixels under a rectangle of the overlay (logical pixels), at the picture's
    // resolution, with the device pixel ratio of the monitor under its top-left corner; null
    // for an empty rectangle.
    QImage part(const QWidget *overlay, const QRect &logical) const;
    // The same rectangle in the picture's physical pixels.
    QRect physicalOf(const QWidget *overlay, const QRect &logical) const;
    // A rectangle of physical pixels of the virtual desktop in the overlay's logical pixels.
    QRect logicalOf(const QWidget *overlay, const QRect &desktopPhysical) const;
    // The same rectangle in physical pixels of the virtual desktop.
    QRect desktopPhysicalOf(const QWidget *overlay, const QRect &logical) const
    {
        return physicalOf(overlay, logical).translated(m_pictureOrigin);
    }

private:
    static void grabKeyboardWhenMapped(QWidget *overlay, int attempts);

    std::optional<Screen::Area> m_monitor;
    QImage m_picture;
    QPoint m_pictureOrigin;
    qreal m_scale = 0; // a picture's pixels per window pixel; 0 for the desktop
};
