#include "platform/systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
QClipboard *board()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

void SystemClipboard::clear()
{
    if (QClipboard *c = board())
        c->clear();
}

void SystemClipboard::setText(const QString &text)
{
    if (QClipboard *c = board())
        c->setText(text);
}

QString SystemClipboard::text() const
{
    QClipboard *c = board();
    return c ? c->text() : QString();
}

void SystemClipboard::setImage(const QImage &image)
{
    if (QClipboard *c = board())
        c->setImage(image);
}

QImage SystemClipboard::image() const
{
    QClipboard *c = board();
    return c ? c->image() : QImage();
}
