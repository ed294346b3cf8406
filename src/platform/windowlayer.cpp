#include "platform/windowlayer.h"

#include <QWidget>
#include <QWindow>

namespace windowlayer {

void setTopmost(QWidget *window, bool topmost)
{
    if (!window)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (flags == window->windowFlags())
        return;
    // QWidget::setWindowFlags would hide the window and recreate it; changing the flags of
    // the native window only updates its state with the window manager.
    window->overrideWindowFlags(flags);
    if (QWindow *handle = window->windowHandle())
        handle->setFlags(flags);
}

bool isTopmost(const QWidget *window)
{
    return window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void bringToFront(QWidget *window, const QByteArray &activationToken)
{
    if (!window)
        return;
    // Qt's Wayland platform hands the token in this variable to the desktop with the next
    // activation request, then forgets it.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace windowlayer
