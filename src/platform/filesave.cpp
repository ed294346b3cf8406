#include "platform/filesave.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <memory>
#include <vector>

#include <unistd.h>

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

namespace filesave {
bool writeAllAtomically(const QList<NamedBytes> &files, QString *failedPath)
{
    std::vector<std::unique_ptr<QTemporaryFile>> temporaries;
    auto fail = [&](const QString &path) {
        if (failedPath)
            *failedPath = path;
        return false; // the temporaries remove themselves
    };
    for (const NamedBytes &f : files) {
        const QFileInfo target(f.path);
        // Something that is no file (a folder of that name) cannot be replaced.
        if (f.path.isEmpty() || (target.exists() && !target.isFile()))
            return fail(f.path);
        auto temp = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.")
            + target.fileName() + QStringLiteral(".XXXXXX"));
        if (!temp->open())
            return fail(f.path);
        // As a new file would be: readable by all (a web server serves these), writable by its
        // owner.
        temp->setPermissions(target.exists() ? QFile::permissions(f.path)
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                    | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (temp->write(f.bytes) != f.bytes.size() || !temp->flush()
            || ::fsync(temp->handle()) != 0)
            return fail(f.path);
        temporaries.push_back(std::move(temp));
    }
    for (size_t i = 0; i < temporaries.size(); ++i) {
        const QString &path = files[qsizetype(i)].path;
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(temporaries[i]->fileName()).toStdString(),
            QFile::encodeName(path).toStdString(), error);
        if (error)
            return fail(path);
        temporaries[i]->setAutoRemove(false);
    }
    return true;
}
} // namespace filesave
