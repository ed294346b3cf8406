#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
QClipboard *board()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

void Clipboard::clear()
{
    if (QClipboard *c = board())
        c->clear();
}

void Clipboard::setText(const QString &text)
{
    if (QClipboard *c = board())
        c->setText(text);
}

QString Clipboard::text()
{
    QClipboard *c = board();
    return c ? c->text() : QString();
}

void Clipboard::setImage(const QImage &image)
{
    if (QClipboard *c = board())
        c->setImage(image);
}

QImage Clipboard::image()
{
    QClipboard *c = board();
    return c ? c->image() : QImage();
}
