#include "base/twips.h"

#include "base/vbmath.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace twips {

namespace {
int ratio(qreal dpi)
{
    if (dpi <= 0)
        return 15;
    const int r = vbmath::roundHalfEven(1440.0 / dpi);
    return r > 0 ? r : 1;
}
} // namespace

int twipsPerPixelX()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return ratio(s ? s->logicalDotsPerInchX() : 96.0);
}

int twipsPerPixelY()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return ratio(s ? s->logicalDotsPerInchY() : 96.0);
}

int toPixelsX(int t) { return vbmath::roundHalfEven(double(t) / twipsPerPixelX()); }
int toPixelsY(int t) { return vbmath::roundHalfEven(double(t) / twipsPerPixelY()); }
int toTwipsX(int p) { return p * twipsPerPixelX(); }
int toTwipsY(int p) { return p * twipsPerPixelY(); }

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, top, width, height));
}

void setClientSize(QWidget *window, int width, int height)
{
    window->resize(toPixelsX(width), toPixelsY(height));
}

} // namespace twips
