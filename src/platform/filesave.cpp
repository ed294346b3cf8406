#include "platform/filesave.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include <unistd.h>

namespace filesave {

namespace {
bool failWith(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}
} // namespace

bool writeAtomically(const QString &path, const QByteArray &bytes, QString *reason)
{
    if (path.isEmpty())
        return failWith(reason, QString::fromLocal8Bit(std::strerror(ENOENT)));
    // QSaveFile would put a regular file in the place of a device (as root even of /dev/full).
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return failWith(reason, device.errorString());
        if (device.write(bytes) != bytes.size())
            return failWith(reason, device.errorString());
        return true;
    }
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk cuts short is only attempted when the file is
    // committed, and QSaveFile then loses the error and puts the truncated file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failWith(reason, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failWith(reason, why);
    }
    if (!file.commit())
        return failWith(reason, file.errorString());
    return true;
}
} // namespace filesave

namespace filesave {
bool writeAllAtomically(const QList<NamedBytes> &files, QString *failedPath, QString *reason)
{
    std::vector<std::unique_ptr<QTemporaryFile>> temporaries;
    auto fail = [&](const QString &path, const QString &why) {
        if (failedPath)
            *failedPath = path;
        if (reason)
            *reason = why;
        return false; // the temporaries remove themselves
    };
    for (const NamedBytes &f : files) {
        const QFileInfo target(f.path);
        // Something that is no file (a folder of that name) cannot be replaced.
        if (f.path.isEmpty() || (target.exists() && !target.isFile()))
            return fail(
                f.path, QString::fromLocal8Bit(std::strerror(target.isDir() ? EISDIR : EINVAL)));
        auto temp = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.")
            + target.fileName() + QStringLiteral(".XXXXXX"));
        if (!temp->open())
            return fail(f.path, temp->errorString());
        // As a new file would be: readable by all (a web server serves these), writable by its
        // owner.
        temp->setPermissions(target.exists() ? QFile::permissions(f.path)
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                    | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (temp->write(f.bytes) != f.bytes.size() || !temp->flush())
            return fail(f.path, temp->errorString());
        if (::fsync(temp->handle()) != 0)
            return fail(f.path, QString::fromLocal8Bit(std::strerror(errno)));
        temporaries.push_back(std::move(temp));
    }
    for (size_t i = 0; i < temporaries.size(); ++i) {
        const QString &path = files[qsizetype(i)].path;
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(temporaries[i]->fileName()).toStdString(),
            QFile::encodeName(path).toStdString(), error);
        if (error)
            return fail(path, QString::fromStdString(error.message()));
        temporaries[i]->setAutoRemove(false);
    }
    return true;
}
} // namespace filesave
