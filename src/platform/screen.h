#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <cstdint>

// Reading the screen: where each monitor lies, at what scale, and the pixels of the whole
// virtual desktop in physical pixels. One implementation per kind of session (see
// ScreenServices); everything else here is worked out from those two answers.
//
// Coordinates: Qt's global positions are logical (device-independent) pixels. Each monitor
// keeps its top-left corner in physical coordinates and scales its size by its device pixel
// ratio, so a logical point maps to physical as topLeft + (p - topLeft) * dpr.
class Screen
{
public:
    // One monitor: where it lies in logical and in physical coordinates, and its scale.
    struct Area {
        QRect logical;
        QRect physical;
        qreal dpr = 1.0;
    };

    virtual ~Screen() = default;

    // Every monitor, the primary one first.
    virtual QList<Area> areas() const = 0;
    // A rectangle of the desktop in physical coordinates; parts covered by no monitor are
    // black. Null when the screen cannot be read.
    virtual QImage grab(const QRect &physical) = 0;

    // Logical union of all monitors.
    QRect virtualGeometry() const;
    // Physical union of all monitors.
    QRect virtualGeometryPhysical() const;
    // The primary monitor (a 1 x 1 area at scale 1 when there is none).
    Area primaryArea() const;
    // The monitor holding a logical point, or the primary one.
    Area areaAt(QPoint logical) const;

    QPoint toPhysical(QPoint logical) const;
    QPoint toLogical(QPoint physical) const;
    // A logical rectangle in physical pixels, scaled by the monitor under its top-left corner
    // (a point on no monitor takes the nearest one).
    QRect toPhysical(const QRect &logical) const;
    // Device pixel ratio of the monitor at (or nearest to) a logical point.
    qreal devicePixelRatioAt(QPoint logical) const;

    // The whole virtual desktop in physical pixels; the image's (0, 0) is
    // virtualGeometryPhysical().topLeft().
    QImage grabDesktop();
    // One pixel at a physical position as 0x00BBGGRR, or -1 when it cannot be read.
    int32_t pixel(QPoint physical);
};
