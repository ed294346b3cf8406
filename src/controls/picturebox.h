#pragma once

#include "base/drawingsurface.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

// A picture box showing a drawing surface: what is drawn stays in the surface's image, which
// repaints the control and is what gets saved.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    int32_t backColor() const { return m_surface.backColor(); }
    void setBackColor(int32_t bgr);

    void setBorder(bool single);
    bool hasBorder() const { return m_border; }

    // Inner drawing area in pixels (the widget without its border).
    QRect innerRect() const;
    QSize innerSize() const { return innerRect().size(); }

    // The persistent image, exactly the inner size. Drawing into it directly is fine; call
    // refresh() afterwards so the control shows it.
    const QImage &image() const;
    QImage &image();

    // Puts a picture in the box: it is drawn at the top-left corner over the back colour.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_surface.picture(); }

    // Fills the persistent image with the back colour (the picture stays underneath).
    void Cls();

    // The drawing behind the box, brought to the box's size: draw on it, then refresh().
    DrawingSurface &surface();
    const DrawingSurface &surface() const;

    // The surface's user scale and drawing, repainting the box.
    float scaleWidth() const { return surface().scaleWidth(); }
    float scaleHeight() const { return surface().scaleHeight(); }
    void setScaleWidth(float w) { surface().setScaleWidth(w); }
    void setScaleHeight(float h) { surface().setScaleHeight(h); }
    void setPixelScale() { surface().setPixelScale(); }
    bool hasPixelScale() const { return surface().hasPixelScale(); }
    int64_t toPixelX(double x) const { return surface().toPixelX(x); }
    int64_t toPixelY(double y) const { return surface().toPixelY(y); }
    void Line(double x1, double y1, double x2, double y2, int32_t bgr);
    int32_t Point(int x, int y) const { return surface().Point(x, y); }

    // Repaint after drawing into image() directly.
    void refresh();

signals:
    void clicked(Qt::MouseButton button, QPoint pos);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void syncImageSize() const;

    // The surface follows the widget's size lazily (resize events of hidden widgets come late),
    // so const readers may have to bring it up to date.
    mutable DrawingSurface m_surface;
    bool m_border = false;
    bool m_repaintPending = false;
};
