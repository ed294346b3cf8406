#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

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
    struct Area
    {
        QRect logical;
        QRect physical;
        qreal dpr = 1.0;
    };

    // What a request to read the screen came to.
    enum class Outcome {
        Read,
        Cancelled, // the user said no to this one request
        Refused, // the desktop does not let this program read the screen
        Unavailable, // nothing here can read the screen
        TimedOut, // the desktop never answered
    };
    struct DesktopPicture
    {
        Outcome outcome = Outcome::Unavailable;
        QImage image; // as grabDesktop() gives it; null unless read
    };
    using DesktopReady = std::function<void(const DesktopPicture &)>;
    // The colour as 0x00BBGGRR, meaningful when read.
    using ColorReady = std::function<void(Outcome, int32_t)>;

    virtual ~Screen() = default;

    // Every monitor, the primary one first.
    virtual QList<Area> areas() const = 0;
    // A rectangle of the desktop in physical coordinates; parts covered by no monitor are
    // black. Null when the screen cannot be read.
    virtual QImage grab(const QRect &physical) = 0;

    // False where the desktop only hands its pixels out on request, in its own time (a
    // Wayland desktop, through its portal): grab() reads nothing there, so the pipette and
    // the region overlay work on one picture asked for when they start.
    virtual bool isLive() const { return true; }
    // The whole desktop, as grabDesktop() gives it. `done` runs once, from the event loop and
    // never inside this call; not at all once `context` is gone.
    virtual void requestDesktop(QObject *context, DesktopReady done);
    // A colour chosen with the desktop's own picker, where it offers one (Unavailable here).
    virtual void requestColor(QObject *context, ColorReady done);
    // A picture the user chooses in the desktop's own screenshot dialog, where it has one
    // (Unavailable here): the desktop decides what it offers (a window, a monitor, an area)
    // and the picture is the one it gives, not laid out as the desktop.
    virtual void requestChosenPicture(QObject *context, DesktopReady done);

    // Where the window that has the keyboard lies, in physical pixels: with the frame the
    // window manager draws around it, or its client area alone. Nothing where the session
    // does not say (no window manager naming an active window; a Wayland desktop, which keeps
    // the places of windows to itself).
    virtual std::optional<QRect> activeWindowPhysical(bool withFrame) const;
    // The top-level windows on the screen with their frames, in physical pixels, the topmost
    // first. Empty where the session does not say (a Wayland desktop).
    virtual QList<QRect> windowsPhysical() const;

    // The monitors as Qt reports them, each with its physical place.
    static QList<Area> qtAreas();

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
