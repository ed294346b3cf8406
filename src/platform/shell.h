#pragma once

#include <QString>

// Opens a document or web page with the desktop's default program. The result is not used.
namespace shell {
bool openUrl(const QString &url);
}
