#pragma once

#include "platform/clipboard.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// A desktop held in memory: monitors as the test sets them (one 1280 x 1024 at scale 1 to
// begin with) and an image of their physical pixels, black until painted.
class MemoryScreen : public Screen
{
public:
    MemoryScreen();

    QList<Area> areas() const override { return m_areas; }
    QImage grab(const QRect &physical) override;

    // Monitors with their logical place and scale; the physical place follows the platform's
    // rule (same top-left corner, size scaled). The desktop image is cleared to black.
    void setAreas(const QList<QPair<QRect, qreal>> &logicalAndScale);
    // The portal tests' desktop: a 1280 x 1024 monitor at scale 1, the primary one, with a
    // 640 x 512 one at scale 2 on its right.
    void setTwoMonitors()
    {
        setAreas({ { QRect(0, 0, 1280, 1024), 1.0 }, { QRect(1280, 0, 640, 512), 2.0 } });
    }
    // The virtual desktop's physical pixels; (0, 0) is virtualGeometryPhysical().topLeft().
    QImage &desktop() { return m_desktop; }
    void fill(const QRect &physical, const QColor &colour);
    // An unreadable screen: every grab gives a null image.
    void setReadable(bool readable) { m_readable = readable; }

    // A desktop that hands its pixels out only on request, as through a Wayland desktop's
    // portal: grab() reads nothing; a request for the desktop is answered with `desktop`
    // (the desktop image when Read), one for a colour with `color` and `colorValue`.
    void answerRequests(
        Outcome desktop, Outcome color = Outcome::Unavailable, int32_t colorValue = -1);
    bool isLive() const override { return m_live; }
    void requestDesktop(QObject *context, DesktopReady done) override;
    void requestColor(QObject *context, ColorReady done) override;
    // The active window's frame and client area, as a window manager would name them; none
    // until set.
    void setActiveWindow(const QRect &frame, const QRect &client)
    {
        m_activeFrame = frame;
        m_activeClient = client;
    }
    std::optional<QRect> activeWindowPhysical(bool withFrame) const override
    {
        const QRect r = withFrame ? m_activeFrame : m_activeClient;
        return r.isEmpty() ? std::nullopt : std::optional<QRect>(r);
    }
    int desktopRequests() const { return m_desktopRequests; }
    int colorRequests() const { return m_colorRequests; }

private:
    QList<Area> m_areas;
    QImage m_desktop;
    bool m_readable = true;
    bool m_live = true;
    Outcome m_desktopAnswer = Outcome::Read;
    Outcome m_colorAnswer = Outcome::Unavailable;
    int32_t m_colorValue = -1;
    int m_desktopRequests = 0;
    int m_colorRequests = 0;
    QRect m_activeFrame;
    QRect m_activeClient;
};

// A pointer that is wherever the test puts it; warps move it, captures are only recorded.
class MemoryPointer : public Pointer
{
public:
    QPoint physicalPos() override { return m_pos; }
    void warpTo(QPoint physical) override { m_pos = physical; }
    bool isNative() const override { return true; }
    void setCapture(QWidget *widget) override { m_captured = widget; }
    void releaseCapture(QWidget *widget) override;

    void setPos(QPoint physical) { m_pos = physical; }
    QWidget *captured() const { return m_captured; }

private:
    QPoint m_pos;
    QPointer<QWidget> m_captured;
};

// A clipboard that keeps what is put on it and records every change in order: "clear",
// "text:<text>", "image:<width>x<height>".
class MemoryClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override { return m_text; }
    void setImage(const QImage &image) override;
    QImage image() const override { return m_image; }

    const QStringList &changes() const { return m_changes; }

private:
    QString m_text;
    QImage m_image;
    QStringList m_changes;
};

// The in-memory back end, installed for its lifetime. As a Wayland session it reads the
// screen only on request (answered Read until the test says otherwise) and does not place
// windows.
class MemoryScreenServices : public ScreenServices
{
public:
    enum class Session { X11, Wayland };
    explicit MemoryScreenServices(Session session = Session::X11);

    bool placesWindows() const override { return m_session == Session::X11; }

    MemoryScreen &screen() override { return m_screen; }
    MemoryPointer &pointer() override { return m_pointer; }
    MemoryClipboard &clipboard() override { return m_clipboard; }

private:
    MemoryScreen m_screen;
    MemoryPointer m_pointer;
    MemoryClipboard m_clipboard;
    Session m_session;
};
