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

    // The persistent image, exactly the inner size.
    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }

    // Puts a picture in the box: it is drawn at the top-left corner over the back colour.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // Fills the persistent image with the back colour (the picture stays underneath).
    void Cls();

    // User scale: the inner width spans scaleWidth units, the inner height scaleHeight units.
    float scaleWidth() const { return m_scaleWidth; }
    float scaleHeight() const { return m_scaleHeight; }
    void setScaleWidth(float w) { m_scaleWidth = w; }
    void setScaleHeight(float h) { m_scaleHeight = h; }
    void setPixelScale(); // scale = inner size in pixels

    // A one-pixel solid line in user units, replacing the pixels under it.
    void Line(double x1, double y1, double x2, double y2, int32_t bgr);

    // Pixel of the persistent image as 0x00BBGGRR, or -1 outside.
    int32_t Point(int x, int y) const;

    // Repaint after drawing into image() directly.
    void refresh() { update(); }

signals:
    void clicked(Qt::MouseButton button, QPoint pos);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void resizeImage();

    QImage m_image;
    QImage m_picture;
    int32_t m_backColor = 0xFFFFFF;
    bool m_border = false;
    float m_scaleWidth = 0;
    float m_scaleHeight = 0;
    bool m_pixelScale = true;
};
