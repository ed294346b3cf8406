#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QImage;

// Every file the program writes goes through here: the bytes go to a temporary file beside the
// target, which then replaces it in one rename. A failed write leaves the old file as it was.
namespace filesave {
// False when the file could not be written; `reason` then says why in the system's words (no
// such folder, permission denied, disk full). A target that exists and is no regular file (a
// device such as /dev/stdout, a FIFO) has no contents to keep: it is written directly, never
// replaced.
bool writeAtomically(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
}

namespace filesave {
struct NamedBytes
{
    QString path;
    QByteArray bytes;
};
// Several files that belong together: every one is written to a temporary file beside its
// target first, and only when all of them are on disk do they replace their targets. When a
// file cannot be written, no target is touched and `failedPath` names that file.
bool writeAllAtomically(
    const QList<NamedBytes> &files, QString *failedPath = nullptr, QString *reason = nullptr);
} // namespace filesave
