#pragma once

#include "platform/screen.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class QScreen;

// The pipette where the desktop cannot be read live (Wayland): one monitor of a picture taken
// when the pipette started, shown full screen over that monitor. The pointer moves over it as
// over the desktop; a loupe beside the pointer magnifies the picture. The arrow keys move a
// crosshair one physical pixel (Shift: ten), Enter or a left click picks, Esc cancels; the
// mouse wheel zooms the loupe.
class PickOverlay : public QWidget
{
    Q_OBJECT
public:
    // `desktop` as Screen::grabDesktop() gives it, its (0, 0) at `origin` (physical); `area`
    // the monitor covered, `screen` Qt's screen for it (null: the primary one).
    PickOverlay(const QImage &desktop, QPoint origin, const Screen::Area &area, QScreen *screen);

    // Full screen over its monitor.
    void present();

    // The physical pixel the crosshair is on; starts at the monitor's centre.
    QPoint crosshair() const { return m_cross; }
    void moveCrosshairTo(QPoint physical);
    // The picture under a physical rectangle (black outside it).
    QImage frozenPart(const QRect &physical) const;
    // The monitor this overlay covers.
    const Screen::Area &area() const { return m_area; }
    // The loupe's zoom, one of loupegeometry::kZooms; the mouse wheel changes it.
    int zoom() const { return m_zoom; }
    void setZoom(int zoom);

signals:
    void moved(QPoint physical);
    void picked(QPoint physical);
    void cancelled();
    void zoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPoint physicalOf(QPointF logical) const;
    QPointF logicalOf(QPoint physical) const;

    QImage m_desktop;
    QPoint m_origin;
    Screen::Area m_area;
    QScreen *m_screen;
    QPoint m_cross;
    int m_zoom;
    int m_wheel = 0;
};
