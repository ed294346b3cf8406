#pragma once

#include "icon/sourcepicture.h"

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

// The files a web site needs for its icons, made from one picture: favicon.ico for the
// browsers' tabs, the touch icon of phones' home screens (opaque, as those platforms fill
// transparency with black), the two PNG sizes web app manifests ask for, and the manifest.
namespace faviconset {

struct File
{
    QString name;
    QByteArray bytes;
};

// The names written, in the order they are written.
QStringList fileNames();

// Every file of the set; empty when the picture gave nothing. `background` is the opaque
// colour behind the touch icon.
QList<File> build(const sourcepicture::Picture &source, sourcepicture::Fit fit, QRgb background);

// The lines that go into the <head> of a page, for files at the site's root.
QString linkLines();

// Which of the set's files already exist in `folder`.
QStringList existing(const QString &folder);

struct WriteResult
{
    enum class Status { Written, NeedsConfirmation, Failed };
    Status status = Status::Failed;
    QStringList existing; // NeedsConfirmation: the files that would be replaced
    QString failedFile; // Failed: the file that could not be written
};

// Writes the set into `folder`. Files already there are only replaced when `replaceConfirmed`;
// otherwise nothing is written and the existing names come back. A file that cannot be
// written leaves every file of the folder as it was.
WriteResult write(const QString &folder, const QList<File> &files, bool replaceConfirmed);

} // namespace faviconset
