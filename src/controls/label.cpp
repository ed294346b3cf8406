#include "controls/label.h"

#include <QMouseEvent>

Label::Label(QWidget *parent)
    : QLabel(parent)
{
}

void Label::setSunken(bool sunken)
{
    setFrameStyle(sunken ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setAutoFillBackground(sunken);
    setBackgroundRole(sunken ? QPalette::Base : QPalette::Window);
    setForegroundRole(sunken ? QPalette::Text : QPalette::WindowText);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
