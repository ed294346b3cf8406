#pragma once

#include "base/twips.h"
#include "ui/captions.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <cstdint>

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

// Puts a control of an addition (a panel beyond the designed window) into `parent` under its
// name, at its place in pixels.
void placeIn(
    QWidget *parent, QWidget *control, const char *name, int x, int y, int width, int height);

// A colour's swatch for buttons, menus and lists: the colour (0x00BBGGRR) with a grey outline.
QIcon swatchIcon(int32_t bgr, QSize size = QSize(14, 14));
