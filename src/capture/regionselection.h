#pragma once

#include <QRect>

#include <cstdint>

// The rectangle the user drags on the region overlay, in twips of the overlay's client area.
// Pure state: the overlay feeds it pointer positions and reads the shape back.
class RegionSelection
{
public:
    struct Shape
    {
        float left = 90;
        float top = 90;
        float width = 675;
        float height = 555;
    };

    // Ctrl + button press: the anchor is the pointer, the shape starts there with no size.
    void press(float x, float y);

    // A move with Ctrl held while the shape is shown. Positions outside the client area
    // (bounds included as inside) leave the shape as it is. Returns whether it was accepted.
    bool move(float x, float y, float clientWidth, float clientHeight);

    const Shape &shape() const { return m_shape; }
    void setShape(const Shape &shape) { m_shape = shape; }

    float anchorX() const { return m_anchorX; }
    float anchorY() const { return m_anchorY; }

    // Where the pixels of a shape are copied from, in pixels of the client area, and how many.
    // The copy starts one pixel right of and below the corner, inside the dotted outline.
    struct Source
    {
        int32_t widthTwips = 0; // region size handed to the capture window
        int32_t heightTwips = 0;
        QRect pixels; // source x, y and the region's size in pixels
    };
    static Source sourceOf(const Shape &shape, int twipsPerPixelX, int twipsPerPixelY);

private:
    float m_anchorX = 0;
    float m_anchorY = 0;
    float m_currentX = 0;
    int32_t m_currentY = 0;
    Shape m_shape;
};
