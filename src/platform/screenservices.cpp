#include "platform/screenservices.h"

#include "platform/portalscreenservices.h"
#include "platform/x11screenservices.h"

#include <QtGlobal>

namespace {

ScreenServices *g_installed = nullptr;

} // namespace

// The session decides, not Qt's platform plugin: under XWayland Qt runs on xcb while the
// screen and the pointer belong to the compositor.
bool ScreenServices::isWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

ScreenServices::~ScreenServices()
{
    if (g_installed == this)
        g_installed = nullptr;
}

std::unique_ptr<ScreenServices> ScreenServices::forSession()
{
    if (isWaylandSession())
        return std::make_unique<PortalScreenServices>();
    return std::make_unique<X11ScreenServices>();
}

void ScreenServices::install(ScreenServices *services) { g_installed = services; }

ScreenServices &ScreenServices::current()
{
    if (!g_installed) {
        static const std::unique_ptr<ScreenServices> fallback = forSession();
        g_installed = fallback.get();
    }
    return *g_installed;
}
