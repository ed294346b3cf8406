#include "icon/modpic2ico.h"
#include "icon/picturefile.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kData = QStringLiteral(TINTAVO_TEST_DATA "/icon");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage readBytes(QByteArray bytes, int32_t background = 0xFFFFFF)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return modPic2Ico::readIcon(buffer, background);
}

QStringList corpus(const QString &pattern)
{
    const QStringList names = QDir(kData).entryList({pattern}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &n : names)
        paths << QDir(kData).filePath(n);
    return paths;
}

} // namespace

// Files a user may have anywhere: every bad one gives no picture, without a crash, a hang or
// an allocation the file's real size does not justify.
class TstIconReader : public QObject
{
    Q_OBJECT
private slots:
    void refusesTheBadIcons()
    {
        const QStringList bad = corpus(QStringLiteral("bad-*.ico"));
        QVERIFY(bad.size() >= 20);
        for (const QString &path : bad)
            QVERIFY2(modPic2Ico::LoadIconFile(path, 0xFFFFFF).isNull(), qPrintable(path));
        const QStringList good = corpus(QStringLiteral("good-*.ico"));
        QVERIFY(!good.isEmpty());
        for (const QString &path : good)
            QCOMPARE(modPic2Ico::LoadIconFile(path, 0xFFFFFF).size(), QSize(32, 32));
    }

    void refusesEveryTruncation()
    {
        for (const QString &path : corpus(QStringLiteral("good-*.ico"))) {
            const QByteArray whole = fileBytes(path);
            for (int n = 0; n < whole.size(); ++n)
                QVERIFY2(readBytes(whole.left(n)).isNull(), qPrintable(QStringLiteral("%1 cut at %2").arg(path).arg(n)));
            QVERIFY(!readBytes(whole).isNull());
        }
    }

    void surplusBytesAfterTheImageAreHarmless()
    {
        const QByteArray whole = fileBytes(kData + QStringLiteral("/good-star-8.ico"));
        QCOMPARE(readBytes(whole + QByteArray(100, 'x')).size(), QSize(32, 32));
    }

    void survivesCorruptedIcons()
    {
        QRandomGenerator random(20261209);
        const QStringList good = corpus(QStringLiteral("good-*.ico"));
        for (int round = 0; round < 4000; ++round) {
            QByteArray bytes = fileBytes(good.at(round % good.size()));
            const int flips = 1 + int(random.bounded(6));
            for (int i = 0; i < flips; ++i) {
                // Mostly the headers, where the sizes live.
                const int at = int(random.bounded(i % 2 ? bytes.size() : 70));
                bytes[at] = char(random.bounded(256));
            }
            const QImage image = readBytes(bytes);
            if (!image.isNull())
                QVERIFY(image.width() <= 255 && image.height() <= 255);
        }
    }

    void refusesTheBadPictures()
    {
        const QStringList bad = corpus(QStringLiteral("bad-*.bmp"));
        QVERIFY(bad.size() >= 6);
        for (const QString &path : bad)
            QVERIFY2(picturefile::load(path).isNull(), qPrintable(path));
        QCOMPARE(picturefile::load(kData + QStringLiteral("/star.bmp")).size(), QSize(32, 32));
        QVERIFY(picturefile::load(kData + QStringLiteral("/missing.bmp")).isNull());
        QVERIFY(picturefile::load(kData).isNull());
    }

    void picturesMustFitTheirFiles()
    {
        QTemporaryDir dir;
        // A PNG is welcome; a tiny one that unpacks to a huge picture is not.
        QImage small(32, 32, QImage::Format_ARGB32);
        small.fill(Qt::red);
        const QString png = dir.filePath(QStringLiteral("star.png"));
        QVERIFY(small.save(png));
        QCOMPARE(picturefile::load(png).size(), QSize(32, 32));

        QImage huge(4000, 4000, QImage::Format_Mono);
        huge.fill(0);
        const QString bomb = dir.filePath(QStringLiteral("bomb.png"));
        QVERIFY(huge.save(bomb));
        QVERIFY(QFileInfo(bomb).size() * 16 < 4000LL * 4000 * 4);
        QVERIFY(picturefile::load(bomb).isNull());

        // A bitmap whose rows all lie in the file but whose size exceeds the budget is fine
        // when the file really is that large.
        QImage wide(600, 600, QImage::Format_RGB888);
        wide.fill(Qt::blue);
        const QString bmp = dir.filePath(QStringLiteral("wide.bmp"));
        QVERIFY(wide.save(bmp));
        QCOMPARE(picturefile::load(bmp).size(), QSize(600, 600));
    }
};

QTEST_GUILESS_MAIN(TstIconReader)
#include "tst_iconreader.moc"
