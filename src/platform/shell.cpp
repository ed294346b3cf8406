#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace shell {
bool openUrl(const QString &url) { return QDesktopServices::openUrl(QUrl(url)); }
} // namespace shell
