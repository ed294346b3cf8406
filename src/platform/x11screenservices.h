#pragma once

#include "platform/screenservices.h"
#include "platform/systemclipboard.h"
#include "platform/x11pointer.h"
#include "platform/x11screen.h"

// The services of an X11 session.
class X11ScreenServices : public ScreenServices
{
public:
    Screen &screen() override { return m_screen; }
    Pointer &pointer() override { return m_pointer; }
    Clipboard &clipboard() override { return m_clipboard; }

private:
    X11Screen m_screen;
    X11Pointer m_pointer { m_screen };
    SystemClipboard m_clipboard;
};
