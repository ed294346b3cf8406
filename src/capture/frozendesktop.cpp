#include "capture/frozendesktop.h"

#include "platform/screenservices.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

FrozenDesktop FrozenDesktop::forPicture(const QImage &picture, qreal physicalPerLogical)
{
    FrozenDesktop shown(std::nullopt);
    shown.m_picture = picture;
    shown.m_picture.setDevicePixelRatio(1.0);
    shown.m_scale = physicalPerLogical;
    return shown;
}

QRect FrozenDesktop::geometry() const
{
    if (isPicture())
        return QRect(QPoint(0, 0), (QSizeF(m_picture.size()) / m_scale).toSize());
    return m_monitor ? m_monitor->logical : ScreenServices::current().screen().virtualGeometry();
}

QPoint FrozenDesktop::origin(const QWidget *overlay) const
{
    if (isPicture())
        return QPoint(0, 0);
    return m_monitor ? m_monitor->logical.topLeft() : overlay->geometry().topLeft();
}

void FrozenDesktop::freeze(const QImage &desktop)
{
    m_picture = desktop;
    m_picture.setDevicePixelRatio(1.0);
    m_pictureOrigin = ScreenServices::current().screen().virtualGeometryPhysical().topLeft();
}

void FrozenDesktop::show(QWidget *overlay) const
{
    // Covers every monitor: its place is the virtual desktop, not a window manager's idea of
    // a full-screen window. One monitor's overlay covers that monitor.
    overlay->setGeometry(geometry());
    if (m_monitor) {
        overlay->winId(); // the native window, so that it can be given its screen
        if (QScreen *s = QGuiApplication::screenAt(m_monitor->logical.center()))
            overlay->windowHandle()->setScreen(s);
        overlay->showFullScreen();
    } else {
        overlay->show();
    }
    overlay->raise();
    overlay->activateWindow();
    overlay->setFocus(Qt::ActiveWindowFocusReason);
    overlay->update();
    grabKeyboardWhenMapped(overlay, 25);
}

void FrozenDesktop::hide(QWidget *overlay)
{
    if (QWindow *w = overlay->windowHandle())
        w->setKeyboardGrabEnabled(false);
    overlay->hide();
}

void FrozenDesktop::grabKeyboardWhenMapped(QWidget *overlay, int attempts)
{
    // Without a window manager giving it the focus, the overlay takes the keyboard itself; the
    // grab only succeeds once the window is on the screen.
    if (!overlay->isVisible())
        return;
    QWindow *w = overlay->windowHandle();
    if (w && w->isExposed() && w->setKeyboardGrabEnabled(true))
        return;
    if (attempts > 0) {
        QTimer::singleShot(
            20, overlay, [overlay, attempts] { grabKeyboardWhenMapped(overlay, attempts - 1); });
    }
}

void FrozenDesktop::paint(QPainter &p, const QWidget *overlay, const QRect &exposed) const
{
    p.fillRect(exposed, Qt::black);
    if (m_picture.isNull())
        return;
    if (isPicture()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, m_scale > 1);
        p.drawImage(geometry(), m_picture);
        return;
    }
    const QPoint topLeft = origin(overlay);
    for (const Screen::Area &a : ScreenServices::current().screen().areas()) {
        const QRect target = a.logical.translated(-topLeft);
        if (target.intersects(exposed))
            p.drawImage(target, m_picture, a.physical.translated(-m_pictureOrigin));
    }
}

QRect FrozenDesktop::physicalOf(const QWidget *overlay, const QRect &logical) const
{
    if (isPicture()) {
        const QRectF r(QPointF(logical.topLeft()) * m_scale, QSizeF(logical.size()) * m_scale);
        return r.toAlignedRect() & m_picture.rect();
    }
    const QRect global = logical.translated(origin(overlay));
    return ScreenServices::current().screen().toPhysical(global).translated(-m_pictureOrigin);
}

QRect FrozenDesktop::logicalOf(const QWidget *overlay, const QRect &desktopPhysical) const
{
    const Screen &screen = ScreenServices::current().screen();
    const QPoint o = origin(overlay);
    return QRect(screen.toLogical(desktopPhysical.topLeft()) - o,
        screen.toLogical(desktopPhysical.bottomRight() + QPoint(1, 1)) - o - QPoint(1, 1));
}

QImage FrozenDesktop::part(const QWidget *overlay, const QRect &logical) const
{
    if (logical.isEmpty() || m_picture.isNull())
        return QImage();
    // Outside the picture the part is black, as the screen has nothing there.
    QImage part = m_picture.copy(physicalOf(overlay, logical));
    if (!isPicture())
        part.setDevicePixelRatio(ScreenServices::current().screen().devicePixelRatioAt(
            logical.topLeft() + origin(overlay)));
    return part;
}
