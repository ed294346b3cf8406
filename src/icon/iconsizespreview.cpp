#include "icon/iconsizespreview.h"

#include <QPainter>

namespace {
constexpr int kMargin = 4; // around each picture on its tile
constexpr int kGap = 6; // between pairs
} // namespace

IconSizesPreview::IconSizesPreview(QWidget *parent)
    : QWidget(parent)
{
}

void IconSizesPreview::setPictures(const QList<QImage> &pictures, int wrapWidth)
{
    m_pictures = pictures;
    m_light.clear();
    m_dark.clear();
    int x = 0, y = 0, rowHeight = 0, width = 0;
    for (const QImage &p : pictures) {
        const int tile = p.width() + 2 * kMargin;
        if (x > 0 && x + 2 * tile > wrapWidth) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        m_light.append(QPoint(x + kMargin, y + kMargin));
        m_dark.append(QPoint(x + tile + kMargin, y + kMargin));
        x += 2 * tile + kGap;
        width = std::max(width, x - kGap);
        rowHeight = std::max(rowHeight, p.height() + 2 * kMargin);
    }
    setFixedSize(std::max(width, 1), std::max(y + rowHeight, 1));
    update();
}

void IconSizesPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (qsizetype i = 0; i < m_pictures.size(); ++i) {
        QImage picture = m_pictures[i];
        // One picture pixel to one screen pixel, whatever the display's scale.
        picture.setDevicePixelRatio(devicePixelRatioF());
        const QSize logical = picture.deviceIndependentSize().toSize();
        const QPoint origins[2] = { m_light[i], m_dark[i] };
        const QRgb backs[2] = { kLight, kDark };
        for (int k = 0; k < 2; ++k) {
            const QRect tile(
                origins[k] - QPoint(kMargin, kMargin), logical + QSize(2 * kMargin, 2 * kMargin));
            painter.fillRect(tile, QColor::fromRgb(backs[k]));
            painter.drawImage(origins[k], picture);
        }
    }
}
