#pragma once

class QWidget;
class QRect;

// Window, control and pointer positions of the layout tables are in twips (1/1440 inch).
namespace twips {

int twipsPerPixelX();
int twipsPerPixelY();

int toPixelsX(int twips);
int toPixelsY(int twips);
int toTwipsX(int pixels);
int toTwipsY(int pixels);

QRect toPixels(int left, int top, int width, int height);

// Places a child widget at a rectangle given in twips, relative to its parent's client area.
void place(QWidget *widget, int left, int top, int width, int height);

// Sets a window's client size in twips.
void setClientSize(QWidget *window, int width, int height);

} // namespace twips
