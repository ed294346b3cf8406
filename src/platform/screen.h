#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <QList>

#include <cstdint>

class QWidget;

// The screen as the tools see it: the pointer, grabbing pixels of the whole virtual desktop in
// physical pixels, and capturing the mouse.
//
// Coordinates: Qt's global positions are logical (device-independent) pixels. Each screen
// keeps its top-left corner in physical coordinates and scales its size by its device pixel
// ratio, so a logical point maps to physical as topLeft + (p - topLeft) * dpr.
class Screen
{
public:
    // Logical union of all screens.
    static QRect virtualGeometry();
    // Physical union of all screens.
    static QRect virtualGeometryPhysical();

    // One monitor: where it lies in logical and in physical coordinates, and its scale.
    struct Area {
        QRect logical;
        QRect physical;
        qreal dpr = 1.0;
    };
    static QList<Area> areas();

    static QPoint cursorPos();                // logical
    static QPoint toPhysical(QPoint logical);
    static QPoint toLogical(QPoint physical);
    // A logical rectangle in physical pixels, scaled by the monitor under its top-left corner
    // (a point on no monitor takes the nearest one).
    static QRect toPhysical(const QRect &logical);
    // Device pixel ratio of the monitor at (or nearest to) a logical point.
    static qreal devicePixelRatioAt(QPoint logical);

    // The whole virtual desktop in physical pixels; the image's (0, 0) is
    // virtualGeometryPhysical().topLeft(). Areas covered by no screen are black.
    static QImage grabDesktop();
    // A rectangle of the desktop in physical coordinates.
    static QImage grab(const QRect &physical);
    // One pixel at a physical position as 0x00BBGGRR, or -1 when it cannot be read.
    static int32_t pixel(QPoint physical);

    // Global mouse capture: every press, move and release goes to the widget wherever the
    // pointer is, until released.
    static void setCapture(QWidget *widget);
    static void releaseCapture(QWidget *widget);
};
