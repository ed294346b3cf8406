#pragma once

#include <memory>

class Clipboard;
class Pointer;
class Screen;

// The screen, the pointer and the clipboard of one kind of session. main() picks the back end
// for the session once at start-up and installs it; windows and logic reach the services only
// through current(). Tests install an in-memory back end instead.
class ScreenServices
{
public:
    ScreenServices() = default;
    ScreenServices(const ScreenServices &) = delete;
    ScreenServices &operator=(const ScreenServices &) = delete;
    // Services destroyed while installed are uninstalled.
    virtual ~ScreenServices();

    virtual Screen &screen() = 0;
    virtual Pointer &pointer() = 0;
    virtual Clipboard &clipboard() = 0;
    // False where the window system decides where windows go and what stays in front (a
    // Wayland session): "keep in front" and computed positions have no effect there.
    virtual bool placesWindows() const { return true; }

    // The back end for the session this program runs in: a Wayland session reads the screen
    // through the desktop portal even when this program itself runs through XWayland.
    static std::unique_ptr<ScreenServices> forSession();
    static bool isWaylandSession();

    // Makes these services the ones current() returns; nullptr uninstalls them.
    static void install(ScreenServices *services);
    // The installed services. A program that never installed any (a test that does not go
    // through main()) gets the session's on first use.
    static ScreenServices &current();
};
