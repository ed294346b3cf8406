#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Every file the program writes goes through here: the bytes go to a temporary file beside the
// target, which then replaces it in one rename. A failed write leaves the old file as it was.
namespace filesave {
bool writeAtomically(const QString &path, const QByteArray &bytes);
}
