#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtMath>

#include <optional>

namespace {

std::optional<Screen::Area> containingLogical(const QList<Screen::Area> &areas, QPoint p)
{
    for (const Screen::Area &a : areas) {
        if (a.logical.contains(p))
            return a;
    }
    return std::nullopt;
}

// The monitor holding a logical point, or the primary one.
std::optional<Screen::Area> areaAtLogical(const QList<Screen::Area> &areas, QPoint p)
{
    if (auto a = containingLogical(areas, p))
        return a;
    if (areas.isEmpty())
        return std::nullopt;
    return areas.first();
}

// The monitor holding a logical point, or the one nearest to it: the bottom and right edges of
// a rectangle lie just outside the monitor that holds the rectangle.
std::optional<Screen::Area> areaNearLogical(const QList<Screen::Area> &areas, QPoint p)
{
    if (auto a = containingLogical(areas, p))
        return a;
    if (areas.isEmpty())
        return std::nullopt;
    Screen::Area best = areas.first();
    qint64 bestDistance = -1;
    for (const Screen::Area &a : areas) {
        const QRect g = a.logical;
        const qint64 dx
            = p.x() < g.left() ? g.left() - p.x() : (p.x() > g.right() ? p.x() - g.right() : 0);
        const qint64 dy
            = p.y() < g.top() ? g.top() - p.y() : (p.y() > g.bottom() ? p.y() - g.bottom() : 0);
        const qint64 d = dx * dx + dy * dy;
        if (bestDistance < 0 || d < bestDistance) {
            best = a;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<Screen::Area> areaAtPhysical(const QList<Screen::Area> &areas, QPoint p)
{
    for (const Screen::Area &a : areas) {
        if (a.physical.contains(p))
            return a;
    }
    return std::nullopt;
}

} // namespace

QRect Screen::virtualGeometry() const
{
    QRect r;
    for (const Area &a : areas())
        r = r.united(a.logical);
    return r;
}

QRect Screen::virtualGeometryPhysical() const
{
    QRect r;
    for (const Area &a : areas())
        r = r.united(a.physical);
    return r;
}

Screen::Area Screen::primaryArea() const
{
    const QList<Area> all = areas();
    return all.isEmpty() ? Area { QRect(0, 0, 1, 1), QRect(0, 0, 1, 1), 1.0 } : all.first();
}

Screen::Area Screen::areaAt(QPoint logical) const
{
    const auto a = areaAtLogical(areas(), logical);
    return a ? *a : primaryArea();
}

qreal Screen::devicePixelRatioAt(QPoint logical) const
{
    const auto a = areaNearLogical(areas(), logical);
    return a ? a->dpr : 1.0;
}

QRect Screen::toPhysical(const QRect &logical) const
{
    const auto a = areaNearLogical(areas(), logical.topLeft());
    if (!a)
        return logical;
    const QPoint origin = a->logical.topLeft();
    const qreal dpr = a->dpr;
    const QPoint topLeft = origin
        + QPoint(
            qRound((logical.x() - origin.x()) * dpr), qRound((logical.y() - origin.y()) * dpr));
    return QRect(topLeft, QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
}

QPoint Screen::toPhysical(QPoint logical) const
{
    const auto a = areaAtLogical(areas(), logical);
    if (!a)
        return logical;
    const QPoint origin = a->logical.topLeft();
    const qreal dpr = a->dpr;
    return origin
        + QPoint(
            qFloor((logical.x() - origin.x()) * dpr), qFloor((logical.y() - origin.y()) * dpr));
}

QPoint Screen::toLogical(QPoint physical) const
{
    const auto a = areaAtPhysical(areas(), physical);
    if (!a)
        return physical;
    const QPoint origin = a->logical.topLeft();
    const qreal dpr = a->dpr;
    return origin
        + QPoint(
            qFloor((physical.x() - origin.x()) / dpr), qFloor((physical.y() - origin.y()) / dpr));
}

QImage Screen::grabDesktop() { return grab(virtualGeometryPhysical()); }

int32_t Screen::pixel(QPoint physical)
{
    const QImage one = grab(QRect(physical, QSize(1, 1)));
    if (one.isNull() || !areaAtPhysical(areas(), physical))
        return -1;
    const QRgb c = one.pixel(0, 0);
    return int32_t(qRed(c)) | (int32_t(qGreen(c)) << 8) | (int32_t(qBlue(c)) << 16);
}

void Screen::requestDesktop(QObject *context, DesktopReady done)
{
    QTimer::singleShot(0, context, [this, done = std::move(done)] {
        DesktopPicture picture;
        picture.image = grabDesktop();
        picture.outcome = picture.image.isNull() ? Outcome::Unavailable : Outcome::Read;
        done(picture);
    });
}

void Screen::requestColor(QObject *context, ColorReady done)
{
    QTimer::singleShot(0, context, [done = std::move(done)] { done(Outcome::Unavailable, -1); });
}

void Screen::requestChosenPicture(QObject *context, DesktopReady done)
{
    QTimer::singleShot(0, context, [done = std::move(done)] { done(DesktopPicture {}); });
}

std::optional<QRect> Screen::activeWindowPhysical(bool) const { return std::nullopt; }

QList<QRect> Screen::windowsPhysical() const { return {}; }

QList<Screen::Area> Screen::qtAreas()
{
    QList<Area> out;
    // Qt lists the primary screen first.
    for (const QScreen *s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const qreal dpr = s->devicePixelRatio();
        out.append({ g,
            QRect(g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr))), dpr });
    }
    return out;
}
