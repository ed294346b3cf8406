#include "icon/faviconset.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using faviconset::WriteResult;
using sourcepicture::Fit;

namespace {

// A green square on transparent: the touch icon's background shows at its corners.
sourcepicture::Picture picture()
{
    QImage img(300, 200, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 50; y < 150; ++y)
        for (int x = 100; x < 200; ++x)
            img.setPixel(x, y, qRgba(0, 160, 0, 255));
    return sourcepicture::Picture::fromImage(img);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

QString output(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return p.exitCode() == 0 ? QString::fromLatin1(p.readAllStandardOutput()).trimmed() : QString();
}

} // namespace

// The favicon set: its files as other programs read them, and writes that replace nothing
// unasked and leave the folder as it was when one file fails.
class TstFaviconSet : public QObject
{
    Q_OBJECT
    const QRgb m_background = qRgb(250, 240, 10);

private slots:
    void filesAsOtherProgramsReadThem()
    {
        QTemporaryDir dir;
        const QList<faviconset::File> files
            = faviconset::build(picture(), Fit::Centre, m_background, QStringLiteral("Site"));
        QCOMPARE(faviconset::write(dir.path(), files, false).status, WriteResult::Status::Written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({ "apple-touch-icon.png", "favicon.ico", "icon-192.png", "icon-512.png",
                "site.webmanifest" }));

        const QString ico = output(QStringLiteral("icotool"),
            { QStringLiteral("-l"), dir.filePath(QStringLiteral("favicon.ico")) });
        QCOMPARE(ico.count(QStringLiteral("--bit-depth=32")), 3);
        for (int size : { 16, 32, 48 })
            QVERIFY2(
                ico.contains(QStringLiteral("--width=%1 --height=%1 ").arg(size)), qPrintable(ico));

        const struct
        {
            const char *name;
            const char *described;
        } pngs[] = { { "apple-touch-icon.png", "PNG 180 180" }, { "icon-192.png", "PNG 192 192" },
            { "icon-512.png", "PNG 512 512" } };
        for (const auto &png : pngs) {
            const QString path = dir.filePath(QString::fromLatin1(png.name));
            QCOMPARE(output(QStringLiteral("identify"),
                         { QStringLiteral("-format"), QStringLiteral("%m %w %h"), path }),
                QString::fromLatin1(png.described));
        }
        // Phones show the touch icon without transparency: it is opaque on the chosen colour.
        const QImage touch(dir.filePath(QStringLiteral("apple-touch-icon.png")));
        QVERIFY(!touch.hasAlphaChannel());
        QCOMPARE(touch.pixel(0, 0), m_background);
        QCOMPARE(touch.pixel(90, 90), qRgb(0, 160, 0));
        const QImage large(dir.filePath(QStringLiteral("icon-512.png")));
        QCOMPARE(qAlpha(large.pixel(0, 0)), 0);

        const QString manifest = dir.filePath(QStringLiteral("site.webmanifest"));
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(contents(manifest), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray icons = doc.object().value(QStringLiteral("icons")).toArray();
        QCOMPARE(icons.size(), 2);
        QCOMPARE(icons[1].toObject().value(QStringLiteral("sizes")).toString(),
            QStringLiteral("512x512"));
    }

    // The manifest as Python's strict reader sees it: the name escaped whole, a short name
    // home screens show uncut, the background as theme, a window of its own.
    void manifestDescribesTheSite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("twelve") << "Twelve chars" << QStringLiteral("Twelve chars");
        QTest::newRow("cut at a space") << "Tintavo colour tools" << QStringLiteral("Tintavo");
        QTest::newRow("one long word") << "Supercalifragilistic" << QStringLiteral("Supercalifra");
        QTest::newRow("escapes") << "Say \"hi\" \\ back\tslash" << QStringLiteral("Say \"hi\" \\");
        // Two code points each: an emoji with its skin tone is one character.
        QTest::newRow("emoji") << QStringLiteral("👍🏽").repeated(13)
                               << QStringLiteral("👍🏽").repeated(12);
    }
    void manifestDescribesTheSite()
    {
        QFETCH(QString, name);
        QFETCH(QString, shortName);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("site.webmanifest")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(faviconset::manifest(name, qRgb(0x1e, 0x1e, 0x2e)));
        file.close();
        const QString read = output(QStringLiteral("python3"),
            { QStringLiteral("-c"),
                QStringLiteral(
                    "import json, sys; m = json.load(open(sys.argv[1], encoding='utf-8'));"
                    " print(json.dumps([m[k] for k in ('name', 'short_name', "
                    "'theme_color', 'background_color', 'display')]))"),
                file.fileName() });
        QCOMPARE(QJsonDocument::fromJson(read.toUtf8()).array(),
            QJsonArray({ name, shortName, "#1e1e2e", "#1e1e2e", "standalone" }));
    }

    void existingFilesAreOnlyReplacedWhenConfirmed()
    {
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("favicon.ico")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old icon");
        old.close();
        const QList<faviconset::File> files
            = faviconset::build(picture(), Fit::Crop, m_background, QStringLiteral("Site"));
        const WriteResult asked = faviconset::write(dir.path(), files, false);
        QCOMPARE(asked.status, WriteResult::Status::NeedsConfirmation);
        QCOMPARE(asked.existing, QStringList { QStringLiteral("favicon.ico") });
        QCOMPARE(contents(old.fileName()), QByteArray("old icon"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        QCOMPARE(faviconset::write(dir.path(), files, true).status, WriteResult::Status::Written);
        QCOMPARE(contents(old.fileName()), files[0].bytes);
    }

    // A file that cannot be written (a folder in its place, a full disk): the failure names
    // it, and every file of the folder is as it was, with no temporary left behind.
    void aFailedWriteLeavesTheFolderAsItWas()
    {
        QTemporaryDir dir;
        const QStringList names = faviconset::fileNames();
        for (const QString &name : names) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(name.toUtf8());
        }
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("icon-192.png"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("icon-192.png")));
        const QList<faviconset::File> files
            = faviconset::build(picture(), Fit::Centre, m_background, QStringLiteral("Site"));
        auto unchanged = [&] {
            for (const QString &name : names) {
                if (name != QLatin1String("icon-192.png")
                    && contents(dir.filePath(name)) != name.toUtf8())
                    return false;
            }
            return QDir(dir.path())
                       .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                       .size()
                == 5;
        };
        WriteResult r = faviconset::write(dir.path(), files, true);
        QCOMPARE(r.status, WriteResult::Status::Failed);
        QCOMPARE(r.failedFile, QStringLiteral("icon-192.png"));
        QVERIFY(unchanged());

        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("icon-192.png")));
        QFile f(dir.filePath(QStringLiteral("icon-192.png")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("icon-192.png");
        f.close();
        // The disk fills up: the first file larger than what is left fails.
        qint64 limit = 0;
        for (const faviconset::File &file : files)
            limit = std::max(limit, qint64(file.bytes.size()));
        limit -= 1;
        QString firstTooLarge;
        for (const faviconset::File &file : files) {
            if (file.bytes.size() > limit) {
                firstTooLarge = file.name;
                break;
            }
        }
        const std::optional<bool> written = runWithFileSizeLimit(limit, [&] {
            const WriteResult inChild = faviconset::write(dir.path(), files, true);
            return inChild.status == WriteResult::Status::Failed
                && inChild.failedFile == firstTooLarge;
        });
        QVERIFY(written.has_value());
        QVERIFY2(*written, "the failure names the file that did not fit");
        QVERIFY(unchanged());
    }
};

QTEST_GUILESS_MAIN(TstFaviconSet)
#include "tst_faviconset.moc"
