#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

// A picture box with a persistent image: what is drawn stays in the image, the image repaints
// the control and is what gets saved. Back colour, clearing, a user scale for drawing, and a
// picture that can be put into it (drawn at the top-left corner).
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    int32_t backColor() const { return m_backColor; }
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
    const QImage &picture() const { return m_picture; }

    // Fills the persistent image with the back colour (the picture stays underneath).
    void Cls();

    // User scale: the inner width spans scaleWidth units, the inner height scaleHeight units.
    // Single precision, as the drawings that use it were designed with. A user scale keeps its
    // unit counts when the box is resized (the units stretch); the pixel scale follows the size.
    float scaleWidth() const { return m_scaleWidth; }
    float scaleHeight() const { return m_scaleHeight; }
    void setScaleWidth(float w);
    void setScaleHeight(float h);
    void setPixelScale(); // scale = inner size in pixels
    bool hasPixelScale() const { return m_pixelScale; }

    // Maps user units to a pixel column/row: floor(x / scaleWidth * inner width). Values far
    // outside the image are clamped, so the result is only meaningful for clipping.
    int64_t toPixelX(double x) const;
    int64_t toPixelY(double y) const;

    // A one-pixel solid line in user units, replacing the pixels under it (no blending, no
    // antialiasing). Both end pixels are drawn; the parts outside the image are clipped.
    void Line(double x1, double y1, double x2, double y2, int32_t bgr);

    // Pixel of the persistent image as 0x00BBGGRR, or -1 outside.
    int32_t Point(int x, int y) const;

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
    void flushPendingLine() const;
    void rasterLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t rgb) const;

    // The image follows the widget's size lazily (resize events of hidden widgets come late),
    // so const readers may have to bring it up to date.
    mutable QImage m_image;
    QImage m_picture;
    int32_t m_backColor = 0xFFFFFF;
    bool m_border = false;
    float m_scaleWidth = 0;
    float m_scaleHeight = 0;
    bool m_pixelScale = true;
    bool m_repaintPending = false;

    // A run of lines over exactly the same pixels leaves only the last one visible, so such a
    // line is held back and replaced by its successor instead of being painted over and over.
    struct PendingLine
    {
        bool active = false;
        int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        uint32_t rgb = 0;
    };
    mutable PendingLine m_pending;
};
