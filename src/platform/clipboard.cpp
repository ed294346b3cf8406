#include "platform/clipboard.h"

#include <QTimer>

void Clipboard::whenReplaced(QObject *context, std::function<void()> replaced)
{
    QTimer::singleShot(0, context, std::move(replaced));
}
