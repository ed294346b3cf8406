#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QObject;

// The system clipboard. Never blocks: when another program owns it, reads give nothing. One
// implementation per kind of session (see ScreenServices).
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
    virtual void setImage(const QImage &image) = 0;
    virtual QImage image() const = 0;

    // What this program put on the clipboard lives only as long as the program on X11 and
    // Wayland. `replaced` runs once, from the event loop, when another program has taken the
    // clipboard (a clipboard manager does so at once); not at all once `context` is gone.
    // Here: at once, as nothing is served.
    virtual void whenReplaced(QObject *context, std::function<void()> replaced);
};
