#include "picker/loupe.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "picker/loupegeometry.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

#include <QPainter>

namespace {
constexpr int kBorder = 1;
constexpr int kTextHeight = 18;
// Far enough that the loupe stays clear of the pointer's pixel and of the area the pick
// copies around it, so hiding it late could never change a pick.
constexpr int kGap = 32;
} // namespace

Loupe::Loupe(QWidget *parent)
    : QWidget(parent,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Loupe"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setZoom(loupegeometry::kZoom);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Loupe::refresh);
}

void Loupe::start()
{
    refresh();
    show();
    m_timer.start();
}

void Loupe::stop()
{
    m_timer.stop();
    hide();
}

void Loupe::setZoom(int zoom)
{
    m_zoom = zoom;
    setFixedSize(viewSize(zoom));
    if (isVisible())
        refreshAt(m_pointer);
}

void Loupe::refresh() { refreshAt(ScreenServices::current().pointer().physicalPos()); }

void Loupe::refreshAt(QPoint physicalPointer)
{
    Screen &screen = ScreenServices::current().screen();
    m_pointer = physicalPointer;
    const int span = loupegeometry::spanFor(m_zoom);
    const QImage patch = screen.grab(loupegeometry::neighbourhood(physicalPointer, span));
    const int c = span / 2;
    m_centre = patch.valid(c, c) ? fromQRgb(patch.pixel(c, c)) : -1;
    m_view = loupegeometry::magnify(patch, m_zoom);

    const QPoint logical = screen.toLogical(physicalPointer);
    move(loupegeometry::placement(logical, size(), screen.areaAt(logical).logical, kGap));
    if (isVisible())
        repaint();
}

void Loupe::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintView(p, rect(), m_view, m_centre);
}

QSize Loupe::viewSize(int zoom)
{
    const int side = loupegeometry::spanFor(zoom) * zoom + 2 * kBorder;
    return QSize(side, side + kTextHeight);
}

void Loupe::paintView(QPainter &p, const QRect &box, const QImage &view, int32_t centre)
{
    p.fillRect(box, QColor(0x40, 0x40, 0x40));
    p.drawImage(QRect(box.topLeft() + QPoint(kBorder, kBorder), view.size()), view);
    const QRect text(box.left(), box.bottom() + 1 - kTextHeight, box.width(), kTextHeight);
    p.fillRect(text, Qt::white);
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Liberation Mono"), 9, QFont::Bold));
    if (colorvalue::isColor(centre))
        p.drawText(text, Qt::AlignCenter, colorvalue::htmlNotation(centre));
}
