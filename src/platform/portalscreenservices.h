#pragma once

#include "platform/desktopportal.h"
#include "platform/portalscreen.h"
#include "platform/screenservices.h"
#include "platform/systemclipboard.h"

// The services of a Wayland session: the screen through the desktop portal, the pointer as
// far as a Wayland program may know it, the clipboard through Qt.
class PortalScreenServices : public ScreenServices
{
public:
    Screen &screen() override { return m_screen; }
    Pointer &pointer() override { return m_pointer; }
    Clipboard &clipboard() override { return m_clipboard; }
    bool placesWindows() const override { return false; }

private:
    DesktopPortal m_portal;
    PortalScreen m_screen { m_portal };
    WaylandPointer m_pointer { m_screen };
    SystemClipboard m_clipboard;
};
