#pragma once

#include <QImage>
#include <QString>

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
};
