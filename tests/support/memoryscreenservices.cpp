#include "support/memoryscreenservices.h"

#include <QPainter>
#include <QTimer>

MemoryScreen::MemoryScreen() { setAreas({ { QRect(0, 0, 1280, 1024), 1.0 } }); }

void MemoryScreen::setAreas(const QList<QPair<QRect, qreal>> &logicalAndScale)
{
    m_areas.clear();
    for (const auto &[logical, dpr] : logicalAndScale) {
        const QSize physicalSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr));
        m_areas.append({ logical, QRect(logical.topLeft(), physicalSize), dpr });
    }
    m_desktop = QImage(virtualGeometryPhysical().size(), QImage::Format_RGB32);
    m_desktop.fill(Qt::black);
}

void MemoryScreen::fill(const QRect &physical, const QColor &colour)
{
    const QPoint origin = virtualGeometryPhysical().topLeft();
    QPainter(&m_desktop).fillRect(physical.translated(-origin), colour);
}

QImage MemoryScreen::grab(const QRect &physical)
{
    if (!m_readable || physical.isEmpty())
        return QImage();
    QImage out(physical.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    const QPoint origin = virtualGeometryPhysical().topLeft();
    for (const Area &a : m_areas) {
        const QRect part = a.physical.intersected(physical);
        if (!part.isEmpty())
            p.drawImage(part.topLeft() - physical.topLeft(), m_desktop, part.translated(-origin));
    }
    return out;
}

void MemoryScreen::answerRequests(Outcome desktop, Outcome color, int32_t colorValue)
{
    m_live = false;
    m_readable = false;
    m_desktopAnswer = desktop;
    m_colorAnswer = color;
    m_colorValue = colorValue;
}

void MemoryScreen::requestDesktop(QObject *context, DesktopReady done)
{
    if (m_live) {
        Screen::requestDesktop(context, std::move(done));
        return;
    }
    ++m_desktopRequests;
    const DesktopPicture answer { m_desktopAnswer,
        m_desktopAnswer == Outcome::Read ? m_desktop : QImage() };
    QTimer::singleShot(0, context, [answer, done = std::move(done)] { done(answer); });
}

void MemoryScreen::requestColor(QObject *context, ColorReady done)
{
    ++m_colorRequests;
    QTimer::singleShot(
        0, context, [outcome = m_colorAnswer, value = m_colorValue, done = std::move(done)] {
            done(outcome, outcome == Outcome::Read ? value : -1);
        });
}

MemoryScreenServices::MemoryScreenServices(Session session)
    : m_session(session)
{
    if (session == Session::Wayland)
        m_screen.answerRequests(Screen::Outcome::Read);
    ScreenServices::install(this);
}

void MemoryPointer::releaseCapture(QWidget *widget)
{
    if (m_captured == widget)
        m_captured = nullptr;
}

void MemoryClipboard::clear()
{
    m_text.clear();
    m_image = QImage();
    m_changes << QStringLiteral("clear");
}

void MemoryClipboard::setText(const QString &text)
{
    m_text = text;
    m_image = QImage();
    m_changes << QStringLiteral("text:") + text;
}

void MemoryClipboard::setImage(const QImage &image)
{
    m_text.clear();
    m_image = image;
    m_changes << QStringLiteral("image:%1x%2").arg(image.width()).arg(image.height());
}
