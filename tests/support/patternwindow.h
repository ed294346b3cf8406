#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

// A borderless window, placed exactly where asked, whose every pixel tells its own screen
// position: red = x mod 256, green = y mod 256, blue = the high bits of both. Whatever a
// capture copies can then be checked pixel by pixel against where it came from.
class PatternWindow : public QWidget
{
public:
    explicit PatternWindow(const QRect &logical)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(logical);
    }

    static QRgb colourAt(int x, int y)
    {
        return qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // Drawn in device pixels so that a scaled screen shows the pattern of its own pixels.
        const qreal dpr = devicePixelRatioF();
        const QPoint origin = geometry().topLeft();
        QImage img(qRound(width() * dpr), qRound(height() * dpr), QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                line[x] = colourAt(qRound(origin.x() * dpr) + x, qRound(origin.y() * dpr) + y);
        }
        img.setDevicePixelRatio(dpr);
        QPainter p(this);
        p.drawImage(0, 0, img);
    }
};
