#include "icon/faviconset.h"

#include "base/pngbytes.h"
#include "icon/multiicon.h"
#include "platform/filesave.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTextBoundaryFinder>

namespace faviconset {

namespace {

const QString kIco = QStringLiteral("favicon.ico");
const QString kTouch = QStringLiteral("apple-touch-icon.png");
const QString kIcon192 = QStringLiteral("icon-192.png");
const QString kIcon512 = QStringLiteral("icon-512.png");
const QString kManifest = QStringLiteral("site.webmanifest");

constexpr int kTouchSize = 180;

QByteArray png(const QImage &image) { return pngbytes::encode(image); }

} // namespace

QString siteName(const QString &typed, const QString &pictureBaseName)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? pictureBaseName.trimmed() : name;
}

QString shortName(const QString &name)
{
    constexpr int kLongest = 12;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    int count = 0;
    qsizetype end = 0;
    while (count < kLongest && graphemes.toNextBoundary() != -1) {
        end = graphemes.position();
        ++count;
    }
    if (end >= name.size())
        return name;
    // Whole words read better than a word cut in two, when a word boundary is within reach.
    const qsizetype space = name.left(end + 1).lastIndexOf(QLatin1Char(' '));
    const QString cut = space > 0 ? name.left(space) : name.left(end);
    return cut.trimmed();
}

QByteArray manifest(const QString &name, QRgb background)
{
    QJsonArray icons;
    for (int size : { 192, 512 }) {
        icons.append(
            QJsonObject { { QStringLiteral("src"), QStringLiteral("/icon-%1.png").arg(size) },
                { QStringLiteral("sizes"), QStringLiteral("%1x%1").arg(size) },
                { QStringLiteral("type"), QStringLiteral("image/png") } });
    }
    // The colour behind the touch icon is the one the site's window and splash screen take
    // once installed, so the icon sits on the colour around it.
    const QString colour = QColor(background).name();
    return QJsonDocument(
        QJsonObject { { QStringLiteral("name"), name },
            { QStringLiteral("short_name"), shortName(name) }, { QStringLiteral("icons"), icons },
            { QStringLiteral("theme_color"), colour },
            { QStringLiteral("background_color"), colour },
            { QStringLiteral("display"), QStringLiteral("standalone") } })
        .toJson(QJsonDocument::Indented);
}

QStringList fileNames() { return { kIco, kTouch, kIcon192, kIcon512, kManifest }; }

QList<File> build(const sourcepicture::Picture &source, sourcepicture::Fit fit, QRgb background,
    const QString &name)
{
    const QByteArray ico = multiicon::icoBytes(multiicon::entriesFor(source, { 16, 32, 48 }, fit));
    QImage touch(kTouchSize, kTouchSize, QImage::Format_RGB32);
    touch.fill(qRgb(qRed(background), qGreen(background), qBlue(background)));
    {
        QPainter painter(&touch);
        painter.drawImage(0, 0, source.square(kTouchSize, fit));
    }
    const QList<File> files = {
        { kIco, ico },
        { kTouch, png(touch) },
        { kIcon192, png(source.square(192, fit)) },
        { kIcon512, png(source.square(512, fit)) },
        { kManifest, manifest(name, background) },
    };
    for (const File &f : files) {
        if (f.bytes.isEmpty())
            return {};
    }
    return files;
}

QString linkLines()
{
    return QStringLiteral(
        "<link rel=\"icon\" href=\"/favicon.ico\" sizes=\"16x16 32x32 48x48\">\n"
        "<link rel=\"icon\" type=\"image/png\" href=\"/icon-192.png\" sizes=\"192x192\">\n"
        "<link rel=\"apple-touch-icon\" href=\"/apple-touch-icon.png\">\n"
        "<link rel=\"manifest\" href=\"/site.webmanifest\">");
}

QStringList existing(const QString &folder)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString &name : fileNames()) {
        if (QFileInfo::exists(dir.filePath(name)))
            found.append(name);
    }
    return found;
}

WriteResult write(const QString &folder, const QList<File> &files, bool replaceConfirmed)
{
    WriteResult result;
    const QDir dir(folder);
    if (!replaceConfirmed) {
        for (const File &f : files) {
            if (QFileInfo::exists(dir.filePath(f.name)))
                result.existing.append(f.name);
        }
        if (!result.existing.isEmpty()) {
            result.status = WriteResult::Status::NeedsConfirmation;
            return result;
        }
    }
    QList<filesave::NamedBytes> named;
    for (const File &f : files)
        named.append({ dir.filePath(f.name), f.bytes });
    QString failed;
    if (files.isEmpty() || !filesave::writeAllAtomically(named, &failed, &result.reason)) {
        result.failedFile = files.isEmpty() ? QString() : QFileInfo(failed).fileName();
        return result;
    }
    result.status = WriteResult::Status::Written;
    return result;
}

} // namespace faviconset
