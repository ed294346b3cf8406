#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class QPainter;

// A small floating window beside the pointer showing its neighbourhood magnified, with the
// HTML value of the pixel under the pointer. It never takes the mouse or the focus.
class Loupe : public QWidget
{
    Q_OBJECT
public:
    explicit Loupe(QWidget *parent = nullptr);

    void start(); // shows it and follows the pointer
    void stop(); // hides it at once

    // One refresh for a pointer position in physical pixels: grab, magnify, move, repaint.
    void refreshAt(QPoint physicalPointer);

    // Centre pixel of the last refresh, or -1.
    int32_t centreColor() const { return m_centre; }

    // One of loupegeometry::kZooms; the loupe's size follows.
    int zoom() const { return m_zoom; }
    void setZoom(int zoom);

    static constexpr int kIntervalMs = 30; // above 30 refreshes a second

    // The loupe's outer size, and its picture drawn into `box` of that size: the magnified
    // neighbourhood and the HTML value of its centre pixel (nothing for -1).
    static QSize viewSize(int zoom);
    static void paintView(QPainter &painter, const QRect &box, const QImage &view, int32_t centre);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    QTimer m_timer;
    QImage m_view;
    int32_t m_centre = -1;
    int m_zoom;
    QPoint m_pointer;
};
