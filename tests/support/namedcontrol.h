#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A window's control (widget, menu entry or timer) by its object name, as the tests reach
// them: every control is named after the window's member that holds it. A window without
// such a control is a fault of the window, so the test program stops there and names what is
// missing instead of crashing later on a null pointer.
template <class T> T *control(const QObject *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found) {
        qFatal("no %s named \"%s\" in %s", T::staticMetaObject.className(), qPrintable(name),
            window ? qPrintable(window->objectName()) : "a window that is gone");
    }
    return found;
}

template <class T> T *control(const QObject *window, const char *name)
{
    return control<T>(window, QString::fromLatin1(name));
}

// An element of a control array, named "Name(index)".
template <class T> T *control(const QObject *window, const char *name, int index)
{
    return control<T>(window, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
}
