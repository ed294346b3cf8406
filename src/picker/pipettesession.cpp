#include "picker/pipettesession.h"

#include "colour/colorvalue.h"
#include "picker/loupe.h"
#include "picker/loupegeometry.h"
#include "picker/pickoverlay.h"
#include "platform/pointer.h"
#include "platform/screenservices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <utility>

namespace {
Pointer &thePointer() { return ScreenServices::current().pointer(); }
} // namespace

PipetteSession::PipetteSession(QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_owner(owner)
    , m_zoom(loupegeometry::kZoom)
{
    if (m_owner)
        m_loupe = new Loupe(m_owner);
}

PipetteSession::~PipetteSession() { cancel(); }

int PipetteSession::zoom() const { return m_loupe ? m_loupe->zoom() : m_zoom; }

void PipetteSession::setZoom(int zoom)
{
    m_zoom = zoom;
    if (m_loupe)
        m_loupe->setZoom(zoom);
    for (PickOverlay *overlay : overlays())
        overlay->setZoom(zoom);
}

void PipetteSession::startLive(QWidget *pressedButton)
{
    if (m_active || !m_owner)
        return;
    ++m_run;
    Pointer &pointer = thePointer();
    pointer.releaseCapture(m_owner);
    pointer.setCapture(m_owner);
    // Arrows, Enter and Esc steer the pipette wherever the pointer is; the wheel zooms the
    // loupe over whatever window the pointer is on.
    m_owner->grabKeyboard();
    qApp->installEventFilter(this);
    m_pressedButton = pressedButton;
    m_active = m_live = m_liveGrabs = true;
    m_loupe->start();
}

void PipetteSession::startFrozen(QPoint keyboardAt)
{
    if (m_active)
        return;
    m_active = true;
    m_live = false;
    const unsigned run = ++m_run;
    ScreenServices::current().screen().requestDesktop(
        this, [this, run, keyboardAt](const Screen::DesktopPicture &picture) {
            // Cancelled or started again meanwhile: this picture is no longer wanted.
            if (run == m_run && m_active)
                desktopReady(picture, keyboardAt);
        });
}

void PipetteSession::cancel()
{
    ++m_run;
    closeOverlays();
    releaseGrabs();
    m_active = false;
}

void PipetteSession::finish()
{
    closeOverlays();
    releaseGrabs();
    m_active = false;
}

void PipetteSession::releaseGrabs()
{
    if (!std::exchange(m_liveGrabs, false))
        return;
    m_pressedButton = nullptr;
    qApp->removeEventFilter(this);
    m_loupe->stop();
    m_owner->releaseKeyboard();
    thePointer().releaseCapture(m_owner);
}

bool PipetteSession::pointerOver(const QWidget *widget) const
{
    const QPoint logical = ScreenServices::current().screen().toLogical(thePointer().physicalPos());
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(logical);
}

bool PipetteSession::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_liveGrabs)
        return false;
    if (event->type() == QEvent::Wheel) {
        const int notches = loupegeometry::wheelNotches(
            m_wheel, static_cast<QWheelEvent *>(event)->angleDelta().y());
        setZoom(loupegeometry::zoomedBy(m_loupe->zoom(), notches));
        return true;
    }
    if (watched != m_owner)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return true;
        // The release that ends a press on the pipette's button: over the button it was a
        // click, and the pick waits for the next one.
        QPointer<QWidget> button = std::exchange(m_pressedButton, nullptr);
        if (button && pointerOver(button))
            return true;
        const QPoint at = thePointer().physicalPos();
        finish();
        emit picked(at);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int step = (key->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Left:
            movePointerBy(-step, 0);
            break;
        case Qt::Key_Right:
            movePointerBy(step, 0);
            break;
        case Qt::Key_Up:
            movePointerBy(0, -step);
            break;
        case Qt::Key_Down:
            movePointerBy(0, step);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QPoint at = thePointer().physicalPos();
            finish();
            emit picked(at);
            break;
        }
        case Qt::Key_Escape:
            cancel();
            emit cancelled();
            break;
        default:
            break;
        }
        return true;
    }
    return false;
}

void PipetteSession::movePointerBy(int dx, int dy)
{
    const QPoint next = thePointer().physicalPos() + QPoint(dx, dy);
    const QRect desktop = ScreenServices::current().screen().virtualGeometryPhysical();
    thePointer().warpTo(QPoint(qBound(desktop.left(), next.x(), desktop.right()),
        qBound(desktop.top(), next.y(), desktop.bottom())));
}

PipetteSession::AreaReader PipetteSession::readerFor(QPoint picked) const
{
    if (!m_live) {
        return [frozen = m_frozen, origin = m_frozenOrigin](
                   const QRect &physical) { return frozen.copy(physical.translated(-origin)); };
    }
    return [picked](const QRect &physical) {
        Screen &screen = ScreenServices::current().screen();
        const QImage shot = screen.grab(physical);
        return screen.pixel(picked) == colorvalue::kUnreadable ? QImage() : shot;
    };
}

void PipetteSession::desktopReady(const Screen::DesktopPicture &picture, QPoint keyboardAt)
{
    if (picture.outcome == Screen::Outcome::Cancelled) {
        cancel();
        emit cancelled();
        return;
    }
    if (picture.outcome == Screen::Outcome::TimedOut) {
        desktopColorReady(picture.outcome, -1);
        return;
    }
    if (picture.outcome != Screen::Outcome::Read || picture.image.isNull()) {
        // No picture, but the desktop may still pick a colour itself (without the loupe).
        const unsigned run = m_run;
        ScreenServices::current().screen().requestColor(
            this, [this, run](Screen::Outcome outcome, int32_t colour) {
                if (run == m_run && m_active)
                    desktopColorReady(outcome, colour);
            });
        return;
    }
    showOverlays(picture.image, keyboardAt);
}

void PipetteSession::desktopColorReady(Screen::Outcome outcome, int32_t colour)
{
    finish();
    if (outcome == Screen::Outcome::Read)
        emit colourPicked(colour);
    else if (outcome == Screen::Outcome::Cancelled)
        emit cancelled();
    else
        emit failed(outcome == Screen::Outcome::Unavailable ? Screen::Outcome::Refused : outcome);
}

void PipetteSession::showOverlays(const QImage &desktop, QPoint keyboardAt)
{
    Screen &screen = ScreenServices::current().screen();
    m_frozen = desktop;
    m_frozenOrigin = screen.virtualGeometryPhysical().topLeft();
    for (const Screen::Area &area : screen.areas()) {
        auto *overlay = new PickOverlay(
            desktop, m_frozenOrigin, area, QGuiApplication::screenAt(area.logical.center()));
        overlay->setZoom(zoom());
        m_overlays << overlay;
        // One zoom for every monitor, and for the next pipette.
        connect(overlay, &PickOverlay::zoomChanged, this, &PipetteSession::setZoom);
        connect(overlay, &PickOverlay::moved, this, &PipetteSession::moved);
        connect(overlay, &PickOverlay::cancelled, this, [this] {
            cancel();
            emit cancelled();
        });
        connect(overlay, &PickOverlay::picked, this, [this](QPoint at) {
            finish();
            emit picked(at);
        });
    }
    const Screen::Area here = screen.areaAt(keyboardAt);
    for (PickOverlay *overlay : overlays()) {
        if (overlay->area().logical != here.logical)
            overlay->present();
    }
    for (PickOverlay *overlay : overlays()) {
        if (overlay->area().logical == here.logical)
            overlay->present();
    }
}

QList<PickOverlay *> PipetteSession::overlays() const
{
    QList<PickOverlay *> out;
    for (const QPointer<PickOverlay> &overlay : m_overlays) {
        if (overlay)
            out << overlay;
    }
    return out;
}

void PipetteSession::closeOverlays()
{
    for (PickOverlay *overlay : overlays())
        overlay->close();
    m_overlays.clear();
}
