#pragma once

#include "base/twips.h"
#include "ui/captions.h"

#include <QString>
#include <QWidget>

// Builds a named control of a window's layout table at its place in twips.
template <class T>
T *makeControl(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *control = new T(parent);
    control->setObjectName(name);
    twips::place(control, left, top, width, height);
    return control;
}

// The same, with its designed caption.
template <class T>
T *makeControl(QWidget *parent, const QString &name, int left, int top, int width, int height,
    const QString &text)
{
    T *control = makeControl<T>(parent, name, left, top, width, height);
    setCaption(control, text);
    return control;
}

// Places a window: horizontally centred, its top at one third of the free height.
void centreWindow(QWidget *window);
