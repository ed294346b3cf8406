#include "platform/systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <memory>

namespace {
QClipboard *board()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        ? QGuiApplication::clipboard()
        : nullptr;
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

void SystemClipboard::whenReplaced(QObject *context, std::function<void()> replaced)
{
    QClipboard *c = board();
    if (!c || !c->ownsClipboard()) {
        Clipboard::whenReplaced(context, std::move(replaced));
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(c, &QClipboard::changed, context,
        [c, connection, replaced = std::move(replaced)](QClipboard::Mode mode) {
            if (mode != QClipboard::Clipboard || c->ownsClipboard())
                return;
            QObject::disconnect(*connection);
            replaced();
        });
}

QImage SystemClipboard::image() const
{
    QClipboard *c = board();
    return c ? c->image() : QImage();
}
