#include "platform/filesave.h"

#include <QSaveFile>

namespace filesave {
bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk cuts short is only attempted when the file is
    // committed, and QSaveFile then loses the error and puts the truncated file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace filesave
