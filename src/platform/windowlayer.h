#pragma once

#include <QByteArray>

class QWidget;

// Keeps a top-level window above all others, or lets it go back among them, without hiding
// or moving it. Needs a window manager to take effect on X11.
namespace windowlayer {

void setTopmost(QWidget *window, bool topmost);
bool isTopmost(const QWidget *window);

// Shows a window (restored if minimised), raises it and asks for the focus. On Wayland the
// desktop grants it only with the activation token of the start that asked for it.
void bringToFront(QWidget *window, const QByteArray &activationToken);

} // namespace windowlayer
