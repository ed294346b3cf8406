#pragma once

class QWidget;

// Keeps a top-level window above all others, or lets it go back among them, without hiding
// or moving it. Needs a window manager to take effect on X11.
namespace windowlayer {

void setTopmost(QWidget *window, bool topmost);
bool isTopmost(const QWidget *window);

} // namespace windowlayer
