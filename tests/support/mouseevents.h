#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A left-button press, move or release at a widget's point, sent straight to it with the
// modifiers held (Ctrl, as the region overlay's drag wants).
inline void sendMouse(QWidget *w, QEvent::Type type, QPoint pos,
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, modifiers);
    QApplication::sendEvent(w, &e);
}
