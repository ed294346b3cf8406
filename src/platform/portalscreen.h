#pragma once

#include "platform/pointer.h"
#include "platform/screen.h"

class DesktopPortal;

// The screen of a Wayland session: monitors as Qt reports them, pixels only through the
// desktop portal, one picture per request.
class PortalScreen : public Screen
{
public:
    explicit PortalScreen(DesktopPortal &portal);

    QList<Area> areas() const override { return qtAreas(); }
    QImage grab(const QRect &) override { return QImage(); }
    bool isLive() const override { return false; }
    void requestDesktop(QObject *context, DesktopReady done) override;
    void requestColor(QObject *context, ColorReady done) override;
    void requestChosenPicture(QObject *context, DesktopReady done) override;

private:
    DesktopPortal &m_portal;
};

// The desktop's picture laid out as grabDesktop() gives it. The desktop composes its picture
// at one scale over the logical layout of the monitors; each monitor's part of it is scaled
// to that monitor's physical size and put at its physical place.
QImage desktopFromPortalPicture(const QImage &picture, const QList<Screen::Area> &areas);

// The pointer of a Wayland session: known only over this program's own windows, and never
// moved by a program.
class WaylandPointer : public Pointer
{
public:
    explicit WaylandPointer(const Screen &screen);

    QPoint physicalPos() override;
    void warpTo(QPoint) override { }
    bool isNative() const override { return false; }
    void setCapture(QWidget *widget) override;
    void releaseCapture(QWidget *widget) override;

private:
    const Screen &m_screen;
};
