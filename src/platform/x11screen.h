#pragma once

#include "platform/screen.h"

// The screen of an X11 session: monitors as Qt reports them, pixels read from the root window
// in one request. On a platform without an X connection (Qt's offscreen one in tests) the
// pixels come from Qt's own screen grab.
class X11Screen : public Screen
{
public:
    QList<Area> areas() const override;
    QImage grab(const QRect &physical) override;
    std::optional<QRect> activeWindowPhysical(bool withFrame) const override;
    QList<QRect> windowsPhysical() const override;
};
