#pragma once

#include <QPoint>

class QWidget;

// The pointer in physical pixels of the desktop, the coordinates Screen::grab and
// Screen::pixel take, and the capture of the mouse. One implementation per kind of session
// (see ScreenServices).
class Pointer
{
public:
    virtual ~Pointer() = default;

    virtual QPoint physicalPos() = 0;
    // Moves the pointer to a physical position, as if the user had moved the mouse.
    virtual void warpTo(QPoint physical) = 0;
    // True when positions come from the display server itself, so that every physical pixel
    // can be named even where a monitor is scaled.
    virtual bool isNative() const = 0;

    // Global mouse capture: every press, move and release goes to the widget wherever the
    // pointer is, until released.
    virtual void setCapture(QWidget *widget) = 0;
    virtual void releaseCapture(QWidget *widget) = 0;
};
