#pragma once

#include "text/language.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

// A screenshot pinned to the screen: a frameless window kept in front of the others (where the
// desktop lets a program decide that) showing the picture. A drag moves it, the wheel zooms it,
// Ctrl+C copies the picture, the right button offers copy, save and close, Esc or a double
// click closes it. Several may be open at once; each is deleted when closed.
class PinWindow : public QWidget
{
    Q_OBJECT
public:
    PinWindow(const QImage &picture, Language language);

    qreal zoom() const { return m_zoom; }
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void setZoom(qreal zoom);
    void copy();
    void save();

    QImage m_picture;
    Language m_language;
    qreal m_zoom = 1.0;
    QPoint m_grab; // where the window was grabbed, while it is dragged by hand
};
