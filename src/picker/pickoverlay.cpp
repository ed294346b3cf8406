#include "picker/pickoverlay.h"

#include "base/colorconv.h"
#include "picker/loupe.h"
#include "picker/loupegeometry.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <QtMath>

namespace {
// Between the crosshair and the loupe, as between the pointer and the floating loupe.
constexpr int kGap = 32;
} // namespace

PickOverlay::PickOverlay(
    const QImage &desktop, QPoint origin, const Screen::Area &area, QScreen *screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_desktop(desktop)
    , m_origin(origin)
    , m_area(area)
    , m_screen(screen ? screen : QGuiApplication::primaryScreen())
    , m_cross(area.physical.center())
    , m_zoom(loupegeometry::kZoom)
{
    setObjectName(QStringLiteral("PickOverlay"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

void PickOverlay::present()
{
    setGeometry(m_area.logical);
    create();
    if (m_screen)
        windowHandle()->setScreen(m_screen);
    showFullScreen();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

QPoint PickOverlay::physicalOf(QPointF logical) const
{
    const qreal dpr = m_area.dpr;
    return m_area.physical.topLeft() + QPoint(qFloor(logical.x() * dpr), qFloor(logical.y() * dpr));
}

QPointF PickOverlay::logicalOf(QPoint physical) const
{
    const QPoint rel = physical - m_area.physical.topLeft();
    return QPointF((rel.x() + 0.5) / m_area.dpr, (rel.y() + 0.5) / m_area.dpr);
}

void PickOverlay::moveCrosshairTo(QPoint physical)
{
    const QRect r = m_area.physical;
    const QPoint p(
        qBound(r.left(), physical.x(), r.right()), qBound(r.top(), physical.y(), r.bottom()));
    if (p == m_cross)
        return;
    m_cross = p;
    update();
    emit moved(p);
}

void PickOverlay::setZoom(int zoom)
{
    m_zoom = zoom;
    update();
}

QImage PickOverlay::frozenPart(const QRect &physical) const
{
    return m_desktop.copy(physical.translated(-m_origin));
}

void PickOverlay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(rect(), m_desktop, m_area.physical.translated(-m_origin));

    // The crosshair: two short lines on each side of the pixel, black and white so that they
    // show on any colour, leaving the pixel itself visible.
    const QPointF c = logicalOf(m_cross);
    const qreal half = 0.5 / m_area.dpr + 1;
    for (const auto &[colour, offset] :
        { std::pair { QColor(Qt::white), 1.0 }, std::pair { QColor(Qt::black), 0.0 } }) {
        p.setPen(QPen(colour, 1.0));
        p.drawLine(
            QPointF(c.x() - half - 8, c.y() + offset), QPointF(c.x() - half, c.y() + offset));
        p.drawLine(
            QPointF(c.x() + half, c.y() + offset), QPointF(c.x() + half + 8, c.y() + offset));
        p.drawLine(
            QPointF(c.x() + offset, c.y() - half - 8), QPointF(c.x() + offset, c.y() - half));
        p.drawLine(
            QPointF(c.x() + offset, c.y() + half), QPointF(c.x() + offset, c.y() + half + 8));
    }

    const int span = loupegeometry::spanFor(m_zoom);
    const QImage patch = frozenPart(loupegeometry::neighbourhood(m_cross, span));
    const int mid = span / 2;
    const int32_t centre = patch.valid(mid, mid) ? fromQRgb(patch.pixel(mid, mid)) : -1;
    const QSize size = Loupe::viewSize(m_zoom);
    const QPoint at = loupegeometry::placement(c.toPoint(), size, rect(), kGap);
    Loupe::paintView(p, QRect(at, size), loupegeometry::magnify(patch, m_zoom), centre);
}

void PickOverlay::mouseMoveEvent(QMouseEvent *event)
{
    moveCrosshairTo(physicalOf(event->position()));
}

void PickOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    moveCrosshairTo(physicalOf(event->position()));
    emit picked(m_cross);
}

void PickOverlay::wheelEvent(QWheelEvent *event)
{
    const int zoom = loupegeometry::zoomedBy(
        m_zoom, loupegeometry::wheelNotches(m_wheel, event->angleDelta().y()));
    if (zoom != m_zoom) {
        setZoom(zoom);
        emit zoomChanged(zoom);
    }
    event->accept();
}

void PickOverlay::keyPressEvent(QKeyEvent *event)
{
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCrosshairTo(m_cross + QPoint(-step, 0));
        break;
    case Qt::Key_Right:
        moveCrosshairTo(m_cross + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        moveCrosshairTo(m_cross + QPoint(0, -step));
        break;
    case Qt::Key_Down:
        moveCrosshairTo(m_cross + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit picked(m_cross);
        break;
    case Qt::Key_Escape:
        emit cancelled();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
