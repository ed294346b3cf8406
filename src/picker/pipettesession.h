#pragma once

#include "platform/screen.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <functional>

class Loupe;
class PickOverlay;
class QWidget;

// One run of the pipette, wherever it is started from. On a live screen (X11) the pointer and
// the keyboard are captured for `owner` and a loupe follows the pointer; elsewhere the desktop
// is asked for a picture, shown frozen on every monitor, and where it gives none, for a colour
// picked with its own picker. While it runs, the arrow keys move one physical pixel (Shift:
// ten), Enter or a left click picks, Esc cancels and the wheel zooms the loupe. The picker
// window and the pick command both run their pipettes through here.
class PipetteSession : public QObject
{
    Q_OBJECT
public:
    // `owner` receives the captured mouse and keyboard of the live pipette and parents its
    // loupe; it may be null where only frozen pipettes run.
    explicit PipetteSession(QWidget *owner = nullptr, QObject *parent = nullptr);
    ~PipetteSession() override;

    // The live pipette. A pipette started by pressing `pressedButton` (press, drag, release)
    // picks where the button is released, unless that is over the button itself: that was a
    // click, and the pipette waits for the next one.
    void startLive(QWidget *pressedButton = nullptr);
    // The pipette on a frozen picture of the desktop. The overlay of the monitor holding
    // `keyboardAt` (logical) is raised last, so that it gets the keyboard.
    void startFrozen(QPoint keyboardAt);
    // Ends the pipette without a pick; nothing is emitted.
    void cancel();

    bool isActive() const { return m_active; }
    // The frozen pipette's overlays, one per monitor, while it runs.
    QList<PickOverlay *> overlays() const;
    // The loupe's zoom, kept from one pipette to the next.
    int zoom() const;

    // Reads the pixels of a physical rectangle around the point just picked: from the screen
    // after a live pick (null when that point is unreadable), from the frozen picture after a
    // frozen one (black outside it). It stays valid when another pipette starts.
    using AreaReader = std::function<QImage(const QRect &physical)>;
    AreaReader readerFor(QPoint picked) const;

signals:
    // A pixel was picked (physical coordinates); the pipette is over.
    void picked(QPoint physical);
    // The desktop's own picker gave a colour (0x00BBGGRR); the pipette is over.
    void colourPicked(int32_t colour);
    // The crosshair of a frozen overlay moved.
    void moved(QPoint physical);
    // Esc, or the user said no to the desktop; the pipette is over.
    void cancelled();
    // The screen could not be read; the pipette is over.
    void failed(Screen::Outcome outcome);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void desktopReady(const Screen::DesktopPicture &picture, QPoint keyboardAt);
    void desktopColorReady(Screen::Outcome outcome, int32_t colour);
    void showOverlays(const QImage &desktop, QPoint keyboardAt);
    void closeOverlays();
    void releaseGrabs();
    void finish();
    void setZoom(int zoom);
    void movePointerBy(int dx, int dy);
    bool pointerOver(const QWidget *widget) const;

    QWidget *m_owner;
    Loupe *m_loupe = nullptr;
    QPointer<QWidget> m_pressedButton;
    QList<QPointer<PickOverlay>> m_overlays;
    QImage m_frozen; // the frozen pipette's picture, kept for areaAround()
    QPoint m_frozenOrigin;
    bool m_active = false;
    bool m_live = false;
    bool m_liveGrabs = false;
    int m_zoom;
    int m_wheel = 0; // part of a wheel notch left over
    unsigned m_run = 0; // only the latest run's answers count
};
