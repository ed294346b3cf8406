#pragma once

#include <QImage>
#include <QString>

// The system clipboard. Never blocks: when another program owns it, reads give nothing.
class Clipboard
{
public:
    static void clear();
    static void setText(const QString &text);
    static QString text();
    static void setImage(const QImage &image);
    static QImage image();
};
