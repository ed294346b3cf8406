#pragma once

#include "capture/frozendesktop.h"
#include "capture/regionselection.h"
#include "platform/screen.h"
#include "text/language.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

#include <optional>

class Label;
class QLabel;
class SelectionShape;

// The region overlay: a borderless window over the whole desktop showing a frozen copy of
// it. Ctrl + drag draws the rectangle; the release hands the pixels under it, from the same
// frozen copy, to whoever opened the overlay. Esc cancels. It knows nothing of that window.
// Where a window cannot span monitors (Wayland) there is one per monitor, each full screen
// over its own.
class frmCaptureInfo : public QWidget
{
    Q_OBJECT
public:
    explicit frmCaptureInfo(Language language, std::optional<Screen::Area> monitor = std::nullopt);

    // The language of the instruction shown by the next present().
    void setLanguage(Language language) { m_language = language; }

    // Freezes the given desktop copy (physical pixels of the whole virtual desktop), hides the
    // rectangle, sets the instruction of the language and shows the overlay as the active
    // window.
    void present(const QImage &desktop);
    // Hides the overlay and lets the keyboard go.
    void dismiss();

    // The desktop copy the overlay shows and takes regions from.
    const QImage &frozen() const { return m_desktop.picture(); }
    // The last region selected, in physical pixels of the virtual desktop (the part on the
    // desktop); empty when it held no pixel.
    QRect selectedPhysical() const { return m_selectedPhysical; }

signals:
    // A region was selected; the overlay is gone. `picture` is null when the rectangle holds
    // no pixel, `sizeTwips` the rectangle's size either way.
    void regionCaptured(const QImage &picture, const QSize &sizeTwips);
    // The mouse went up without a region (no Ctrl, or no rectangle); the overlay stays.
    void released();
    // Esc: the overlay is gone without a region.
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void Form_Load();
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);
    void Form_KeyPress(int KeyAscii);
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);

private:
    Label *Labaide;
    SelectionShape *ShapeSelect;
    // Size of the selection in pixels, shown next to the rectangle while dragging.
    QLabel *LblSize;

    // The part of the frozen copy under a rectangle of the client area (logical pixels), at
    // the copy's resolution; null for an empty rectangle.
    QImage frozenPart(const QRect &clientPixels) const;
    void setCrosshair(bool cross);
    bool isCrosshair() const;
    void showShape(bool visible);
    void placeShape();

    Language m_language;
    FrozenDesktop m_desktop;
    RegionSelection m_selection;
    QRect m_selectedPhysical;
};
