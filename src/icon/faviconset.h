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
// colour behind the touch icon and the colour the manifest gives the installed site's window;
// `name` is the site's name in the manifest.
QList<File> build(const sourcepicture::Picture &source, sourcepicture::Fit fit, QRgb background,
    const QString &name);

// The site's name as a manifest states it: the typed name without white space around it, or,
// when none is typed, the picture's file name without its extension.
QString siteName(const QString &typed, const QString &pictureBaseName);

// The short name home screens show under the icon: the name itself up to 12 characters (what
// launchers show without truncating it), else cut at the last space within those 12, else
// after the 12th character. Characters are what a reader counts: an accent or an emoji made of
// several code points is never split.
QString shortName(const QString &name);

// The manifest: the name, short name, colours, display and the two PNG icons.
QByteArray manifest(const QString &name, QRgb background);

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
    QString reason; // Failed: why, in the system's words
};

// Writes the set into `folder`. Files already there are only replaced when `replaceConfirmed`;
// otherwise nothing is written and the existing names come back. A file that cannot be
// written leaves every file of the folder as it was.
WriteResult write(const QString &folder, const QList<File> &files, bool replaceConfirmed);

} // namespace faviconset
