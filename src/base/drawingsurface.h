#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

// A persistent image to draw on, with no widget: what is drawn stays in the image. Back colour,
// clearing, a picture that can be put into it (drawn at the top-left corner), and a user scale
// for drawing one-pixel solid lines (no blending, no antialiasing). A picture box shows one;
// the commands draw into one without any display.
class DrawingSurface
{
public:
    explicit DrawingSurface(QSize size = QSize());

    // The drawing area in pixels; the image is never smaller than 1 x 1.
    QSize size() const { return m_size; }
    // A new size keeps what was drawn (at the top-left corner) over the back colour.
    void resize(QSize size);

    int32_t backColor() const { return m_backColor; }
    void setBackColor(int32_t bgr); // and clears

    // The persistent image. Drawing into it directly is fine.
    const QImage &image() const;
    QImage &image();

    // Puts a picture in: it is drawn at the top-left corner over the back colour.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // Fills the image with the back colour (the picture stays underneath).
    void Cls();

    // User scale: the width spans scaleWidth units, the height scaleHeight units. Single
    // precision, as the drawings that use it were designed with. A user scale keeps its unit
    // counts when the surface is resized (the units stretch); the pixel scale follows the size.
    float scaleWidth() const { return m_scaleWidth; }
    float scaleHeight() const { return m_scaleHeight; }
    void setScaleWidth(float w);
    void setScaleHeight(float h);
    void setPixelScale(); // scale = size in pixels
    bool hasPixelScale() const { return m_pixelScale; }

    // Maps user units to a pixel column/row: floor(x / scaleWidth * width). Values far
    // outside the image are clamped, so the result is only meaningful for clipping.
    int64_t toPixelX(double x) const;
    int64_t toPixelY(double y) const;

    // A one-pixel solid line in user units, replacing the pixels under it. Both end pixels are
    // drawn; the parts outside the image are clipped.
    void Line(double x1, double y1, double x2, double y2, int32_t bgr);

    // Pixel as 0x00BBGGRR, or -1 outside.
    int32_t Point(int x, int y) const;

private:
    void flushPendingLine() const;
    void rasterLine(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t rgb) const;

    QSize m_size;
    mutable QImage m_image;
    QImage m_picture;
    int32_t m_backColor = 0xFFFFFF;
    float m_scaleWidth = 0;
    float m_scaleHeight = 0;
    bool m_pixelScale = true;

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
