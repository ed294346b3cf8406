#pragma once

#include "text/language.h"

#include <QImage>
#include <QString>

#include <optional>

class QWidget;

// Saving a marked or pinned screenshot where the user says, in the format its name's extension
// asks for (PNG for a name without one).
namespace picturesave {

// The save dialog over `owner`, proposing `name` in `folder`; nothing when cancelled.
std::optional<QString> askPath(
    QWidget *owner, Language language, const QString &folder = {}, const QString &name = {});

// Writes the picture atomically; false with the system's reason when it could not.
bool write(const QImage &picture, const QString &path, QString *reason = nullptr);

} // namespace picturesave
