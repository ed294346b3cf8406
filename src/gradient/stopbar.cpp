#include "gradient/stopbar.h"

#include "gradient/gradientrender.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace gradientmodel;

namespace {

constexpr int kMargin = 7; // half a handle: the ends' handles fit
constexpr int kStripHeight = 20;
constexpr int kHandleTop = kStripHeight + 3;
constexpr int kHandleHeight = 13;

void paintChecks(QPainter &p, const QRect &area)
{
    p.fillRect(area, Qt::white);
    for (int y = area.top(); y <= area.bottom(); y += 6)
        for (int x = area.left() + ((y - area.top()) / 6 % 2) * 6; x <= area.right(); x += 12)
            p.fillRect(QRect(x, y, 6, 6).intersected(area), QColor(0xCC, 0xCC, 0xCC));
}

} // namespace

StopBar::StopBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("StopBar"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(kHandleTop + kHandleHeight + 2);
    setCursor(Qt::PointingHandCursor);
}

void StopBar::setGradient(const Gradient &gradient)
{
    m_gradient = gradient;
    m_current = std::clamp(m_current, 0, int(m_gradient.stops.size()) - 1);
    refreshStrip();
    update();
}

void StopBar::setCurrent(int index)
{
    index = std::clamp(index, 0, int(m_gradient.stops.size()) - 1);
    if (index == m_current)
        return;
    m_current = index;
    update();
    emit currentChanged(index);
}

int StopBar::xOf(double position) const
{
    return kMargin + int(std::lround(std::clamp(position, 0.0, 1.0) * (width() - 2 * kMargin - 1)));
}

double StopBar::positionAt(int x) const
{
    const double span = std::max(1, width() - 2 * kMargin - 1);
    // Whole percentages: what the position field shows.
    return std::round(std::clamp((x - kMargin) / span, 0.0, 1.0) * 100) / 100;
}

void StopBar::refreshStrip()
{
    Gradient strip = m_gradient;
    strip.kind = Kind::Linear;
    strip.corner = Gradient::Corner::None;
    strip.angle = 90;
    strip.repeating = false;
    const QSize size(std::max(1, width() - 2 * kMargin), kStripHeight);
    m_strip = gradientrender::render(strip, size, gradientrender::Dither::Ordered, 1);
}

void StopBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refreshStrip();
}

void StopBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect strip(kMargin, 0, width() - 2 * kMargin, kStripHeight);
    paintChecks(p, strip);
    p.drawImage(strip.topLeft(), m_strip);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(strip.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < m_gradient.stops.size(); ++i) {
        const Stop &s = m_gradient.stops[i];
        const double x = xOf(s.position) + 0.5;
        QPainterPath handle;
        handle.moveTo(x, kHandleTop - 3);
        handle.lineTo(x + 6, kHandleTop + 3);
        handle.lineTo(x + 6, kHandleTop + kHandleHeight - 1);
        handle.lineTo(x - 6, kHandleTop + kHandleHeight - 1);
        handle.lineTo(x - 6, kHandleTop + 3);
        handle.closeSubpath();
        const Rgba c = rgbaOf(s);
        p.setBrush(QColor::fromRgbF(float(c.r), float(c.g), float(c.b)));
        const bool chosen = i == m_current;
        p.setPen(QPen(
            chosen ? palette().highlight().color() : QColor(0x50, 0x50, 0x50), chosen ? 2.5 : 1));
        p.drawPath(handle);
    }
    if (hasFocus() && !m_gradient.stops.isEmpty()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

int StopBar::handleAt(QPoint at) const
{
    if (at.y() < kHandleTop - 4)
        return -1;
    // The nearest handle within its half width; the chosen one first when they overlap.
    int best = -1, bestDistance = 8;
    for (int i = 0; i < m_gradient.stops.size(); ++i) {
        const int d = std::abs(at.x() - xOf(m_gradient.stops[i].position)) - (i == m_current);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void StopBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const int handle = handleAt(at);
    if (handle >= 0) {
        setCurrent(handle);
        m_dragging = true;
        return;
    }
    if (at.y() > kStripHeight || m_gradient.stops.size() >= kMaxStops)
        return;
    // A new stop takes the colour the gradient has there.
    const double position = positionAt(at.x());
    const Rgba c = Colours(m_gradient).at(position);
    auto level = [](double v) { return int32_t(std::lround(v * 255)); };
    m_gradient.stops.append(Stop {
        level(c.r) | level(c.g) << 8 | level(c.b) << 16, std::round(c.a * 1000) / 1000, position });
    m_current = int(m_gradient.stops.size()) - 1;
    sortKeepingCurrent();
    refreshStrip();
    update();
    emit stopsEdited(m_gradient.stops);
    emit currentChanged(m_current);
}

void StopBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const double position = positionAt(int(event->position().x()));
    if (position == m_gradient.stops[m_current].position)
        return;
    m_gradient.stops[m_current].position = position;
    const int before = m_current;
    sortKeepingCurrent();
    refreshStrip();
    update();
    emit stopsEdited(m_gradient.stops);
    if (before != m_current)
        emit currentChanged(m_current);
}

void StopBar::mouseReleaseEvent(QMouseEvent *) { m_dragging = false; }

void StopBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (handleAt(event->position().toPoint()) >= 0)
        emit colourDialogRequested();
}

void StopBar::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && m_gradient.stops.size() > kMinStops) {
        m_gradient.stops.removeAt(m_current);
        m_current = std::min(m_current, int(m_gradient.stops.size()) - 1);
        refreshStrip();
        update();
        emit stopsEdited(m_gradient.stops);
        emit currentChanged(m_current);
    } else if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
    } else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        setCurrent(m_current + (event->key() == Qt::Key_Left ? -1 : 1));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void StopBar::sortKeepingCurrent()
{
    // Stable: stops at one position keep their order, which makes a hard stop.
    QList<std::pair<Stop, bool>> tagged;
    for (int i = 0; i < m_gradient.stops.size(); ++i)
        tagged.append({ m_gradient.stops[i], i == m_current });
    std::stable_sort(tagged.begin(), tagged.end(),
        [](const auto &a, const auto &b) { return a.first.position < b.first.position; });
    for (int i = 0; i < tagged.size(); ++i) {
        m_gradient.stops[i] = tagged[i].first;
        if (tagged[i].second)
            m_current = i;
    }
}
