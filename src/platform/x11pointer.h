#pragma once

#include "platform/pointer.h"

class Screen;

// The pointer of an X11 session. With a device pixel ratio above 1 Qt's logical positions
// cannot name every physical pixel (the odd ones are lost), so the X server is asked
// directly; without an X connection Qt's position is converted through the screen.
class X11Pointer : public Pointer
{
public:
    explicit X11Pointer(const Screen &screen);

    QPoint physicalPos() override;
    void warpTo(QPoint physical) override;
    bool isNative() const override;
    void setCapture(QWidget *widget) override;
    void releaseCapture(QWidget *widget) override;

private:
    const Screen &m_screen;
};
