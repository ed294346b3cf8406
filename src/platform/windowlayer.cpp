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

} // namespace windowlayer
