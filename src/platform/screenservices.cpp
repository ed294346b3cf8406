#include "platform/screenservices.h"

#include "platform/x11screenservices.h"

#include <QtGlobal>

namespace {

ScreenServices *g_installed = nullptr;

// The session decides, not Qt's platform plugin: under XWayland Qt runs on xcb while the
// screen and the pointer belong to the compositor.
bool isWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

} // namespace

ScreenServices::~ScreenServices()
{
    if (g_installed == this)
        g_installed = nullptr;
}

std::unique_ptr<ScreenServices> ScreenServices::forSession()
{
    if (isWaylandSession()) {
        // The desktop-portal back end (org.freedesktop.portal.Screenshot) is returned here.
        // Until it exists a Wayland session gets the X11 one, which works through XWayland as
        // far as the compositor lets it.
        return std::make_unique<X11ScreenServices>();
    }
    return std::make_unique<X11ScreenServices>();
}

void ScreenServices::install(ScreenServices *services)
{
    g_installed = services;
}

ScreenServices &ScreenServices::current()
{
    if (!g_installed) {
        static const std::unique_ptr<ScreenServices> fallback = forSession();
        g_installed = fallback.get();
    }
    return *g_installed;
}
