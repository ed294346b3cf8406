#pragma once

#include "platform/clipboard.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/screenservices.h"

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
    // The virtual desktop's physical pixels; (0, 0) is virtualGeometryPhysical().topLeft().
    QImage &desktop() { return m_desktop; }
    void fill(const QRect &physical, const QColor &colour);
    // An unreadable screen: every grab gives a null image.
    void setReadable(bool readable) { m_readable = readable; }

private:
    QList<Area> m_areas;
    QImage m_desktop;
    bool m_readable = true;
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

// The in-memory back end, installed for its lifetime.
class MemoryScreenServices : public ScreenServices
{
public:
    MemoryScreenServices() { ScreenServices::install(this); }

    MemoryScreen &screen() override { return m_screen; }
    MemoryPointer &pointer() override { return m_pointer; }
    MemoryClipboard &clipboard() override { return m_clipboard; }

private:
    MemoryScreen m_screen;
    MemoryPointer m_pointer;
    MemoryClipboard m_clipboard;
};
