#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// Icon pictures at 1:1, each on a light and on a dark tile side by side, so that a halo or a
// hard edge shows on whichever background it spoils. The pairs flow left to right and wrap
// at `wrapWidth`.
class IconSizesPreview : public QWidget
{
    Q_OBJECT
public:
    explicit IconSizesPreview(QWidget *parent = nullptr);

    static constexpr QRgb kLight = 0xFFF4F4F4;
    static constexpr QRgb kDark = 0xFF202124;

    void setPictures(const QList<QImage> &pictures, int wrapWidth);
    const QList<QImage> &pictures() const { return m_pictures; }
    // Where each picture's light and dark copies are drawn, in this widget.
    QList<QPoint> lightOrigins() const { return m_light; }
    QList<QPoint> darkOrigins() const { return m_dark; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QImage> m_pictures;
    QList<QPoint> m_light;
    QList<QPoint> m_dark;
};
