#include "platform/portalscreen.h"

#include "platform/desktopportal.h"

#include <QCursor>
#include <QPainter>
#include <QWidget>

PortalScreen::PortalScreen(DesktopPortal &portal)
    : m_portal(portal)
{
}

void PortalScreen::requestDesktop(QObject *context, DesktopReady done)
{
    m_portal.screenshot(
        context, [this, done = std::move(done)](Outcome outcome, const QImage &picture) {
            DesktopPicture result { outcome, QImage() };
            if (outcome == Outcome::Read) {
                result.image = desktopFromPortalPicture(picture, areas());
                if (result.image.isNull())
                    result.outcome = Outcome::Unavailable;
            }
            done(result);
        });
}

void PortalScreen::requestChosenPicture(QObject *context, DesktopReady done)
{
    m_portal.screenshot(
        context,
        [done = std::move(done)](Outcome outcome, const QImage &picture) {
            done(DesktopPicture { outcome, outcome == Outcome::Read ? picture : QImage() });
        },
        true);
}

void PortalScreen::requestColor(QObject *context, ColorReady done)
{
    m_portal.pickColor(context, std::move(done));
}

QImage desktopFromPortalPicture(const QImage &picture, const QList<Screen::Area> &areas)
{
    QRect logical, physical;
    for (const Screen::Area &a : areas) {
        logical = logical.united(a.logical);
        physical = physical.united(a.physical);
    }
    if (picture.isNull() || logical.isEmpty() || physical.isEmpty())
        return QImage();
    // One monitor, pictured at its own scale: the picture is the desktop.
    if (areas.size() == 1 && picture.size() == physical.size())
        return picture.convertToFormat(QImage::Format_RGB32);
    // The picture's own scale, one per axis so that rounding by the desktop cannot shift a
    // monitor by a pixel.
    const qreal sx = qreal(picture.width()) / logical.width();
    const qreal sy = qreal(picture.height()) / logical.height();
    QImage out(physical.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    for (const Screen::Area &a : areas) {
        const QRect l = a.logical.translated(-logical.topLeft());
        const QRect source(qRound(l.x() * sx), qRound(l.y() * sy), qRound(l.width() * sx),
            qRound(l.height() * sy));
        const QRect target = a.physical.translated(-physical.topLeft());
        if (source.size() == target.size()) {
            painter.drawImage(target.topLeft(), picture, source);
        } else {
            // A monitor at a lower scale than the picture's: its pixels were enlarged, and
            // averaging brings them back.
            const QImage part = picture.copy(source).scaled(
                target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(target.topLeft(), part);
        }
    }
    painter.end();
    return out;
}

WaylandPointer::WaylandPointer(const Screen &screen)
    : m_screen(screen)
{
}

QPoint WaylandPointer::physicalPos() { return m_screen.toPhysical(QCursor::pos()); }

void WaylandPointer::setCapture(QWidget *widget)
{
    if (widget)
        widget->grabMouse();
}

void WaylandPointer::releaseCapture(QWidget *widget)
{
    if (widget)
        widget->releaseMouse();
}
