#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <memory>

// Icons as the window system keeps them: a colour bitmap and a one-bit mask (index 1 =
// transparent) behind a handle, drawn into images the way the system draws icons.
namespace iconhandles {

enum DrawFlags { DiMask = 1, DiImage = 2, DiNormal = 3 };

// A new icon from a mask (any format; non-black pixels are set bits) and a colour bitmap of
// the same size; 0 when either is empty or their sizes differ.
int32_t CreateIconIndirect(const QImage &mask, const QImage &colour);
bool DestroyIcon(int32_t icon);
bool isIcon(int32_t icon);
int liveIcons();

// Draws an icon stretched to w x h at (x, y): the mask ANDed into the image (set bits keep
// what is there, clear bits make it black), the colour bitmap copied, or, for the normal
// drawing, the mask ANDed then the colour XORed.
bool DrawIconEx(QImage &dest, int x, int y, int32_t icon, int w, int h, int flags);

// The system's large icon size (32 x 32 at the usual screen density).
QSize systemIconSize();

// A picture object: nothing, a bitmap, or an icon that it owns and destroys with itself.
class Picture
{
public:
    Picture() = default;
    explicit Picture(const QImage &bitmap)
        : m_bitmap(bitmap)
    {
    }
    static Picture ownIcon(int32_t icon);

    bool isEmpty() const { return m_bitmap.isNull() && !m_icon; }
    bool isIcon() const { return bool(m_icon); }
    const QImage &bitmap() const { return m_bitmap; }
    int32_t handle() const;

private:
    struct Owned;
    QImage m_bitmap;
    std::shared_ptr<Owned> m_icon;
};

} // namespace iconhandles
