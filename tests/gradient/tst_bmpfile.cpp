#include "gradient/bmpfile.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <unistd.h>

namespace {

quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// A 3 x 2 picture whose every pixel differs.
QImage sample()
{
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(255, 0, 0));
    img.setPixel(1, 0, qRgb(0, 255, 0));
    img.setPixel(2, 0, qRgb(0, 0, 255));
    img.setPixel(0, 1, qRgb(1, 2, 3));
    img.setPixel(1, 1, qRgb(250, 251, 252));
    img.setPixel(2, 1, qRgb(16, 32, 64));
    return img;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstBmpFile : public QObject
{
    Q_OBJECT
private slots:
    void headerFields()
    {
        const QByteArray b = bmpfile::encode24(sample());
        // 3 pixels of 3 bytes make 9, padded to 12; two rows.
        QCOMPARE(b.size(), 14 + 40 + 24);
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(u32(b, 2), quint32(b.size()));
        QCOMPARE(u32(b, 6), quint32(0));
        QCOMPARE(u32(b, 10), quint32(54));
        QCOMPARE(u32(b, 14), quint32(40));
        QCOMPARE(u32(b, 18), quint32(3));
        QCOMPARE(u32(b, 22), quint32(2)); // positive height: bottom-up rows
        QCOMPARE(u16(b, 26), quint16(1));
        QCOMPARE(u16(b, 28), quint16(24));
        QCOMPARE(u32(b, 30), quint32(0)); // no compression
        QCOMPARE(u32(b, 34), quint32(24));
        QCOMPARE(u32(b, 46), quint32(0));
        // Rows of every width end on a 4-byte boundary.
        for (int w = 1; w <= 4; ++w) {
            QImage img(w, 3, QImage::Format_RGB32);
            img.fill(qRgb(9, 8, 7));
            QCOMPARE(bmpfile::encode24(img).size(), 54 + 3 * ((w * 3 + 3) / 4 * 4));
        }
    }

    void rowsBottomUpInBlueGreenRedOrder()
    {
        const QByteArray b = bmpfile::encode24(sample());
        const QByteArray bottom = b.mid(54, 12);
        const QByteArray top = b.mid(66, 12);
        QCOMPARE(bottom,
            QByteArray::fromHex("030201"
                                "fcfbfa"
                                "402010"
                                "000000"));
        QCOMPARE(top,
            QByteArray::fromHex("0000ff"
                                "00ff00"
                                "ff0000"
                                "000000"));
    }

    void savedFileReadsBackAsTheImage()
    {
        QTemporaryDir dir;
        QImage img(37, 21, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, qRgb(x * 6, y * 12, (x * y) & 0xFF));
        // The name is used as given: no extension is added.
        const QString path = dir.filePath(QStringLiteral("gradient"));
        QVERIFY(bmpfile::save24(img, path));
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("gradient") });
        QImage back(path, "BMP");
        QCOMPARE(back.size(), img.size());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), img);

        // An independent reader agrees on size and depth.
        const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
        if (identify.isEmpty())
            return;
        QProcess p;
        p.start(identify,
            { QStringLiteral("-format"), QStringLiteral("%m %w %h %z"),
                QStringLiteral("BMP:") + path });
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(QString::fromLatin1(p.readAllStandardOutput()).trimmed(),
            QStringLiteral("BMP3 37 21 8"));
    }

    void failedWritesKeepWhatWasThere()
    {
        QTemporaryDir dir;
        QVERIFY(!bmpfile::save24(QImage(), dir.filePath(QStringLiteral("empty.bmp"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("empty.bmp"))));
        QVERIFY(!bmpfile::save24(sample(), dir.filePath(QStringLiteral("missing/out.bmp"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        // A folder nobody can create files in, not even the superuser.
        QVERIFY(!bmpfile::save24(sample(), QStringLiteral("/proc/tintavo-test.bmp")));
        // A name that is a folder stays a folder.
        QVERIFY(!bmpfile::save24(sample(), dir.path()));
        QVERIFY(QFileInfo(dir.path()).isDir());

        // The disk fills up part-way through the new file (12 342 bytes): the old one stays
        // whole and no temporary file is left beside it.
        const QString kept = dir.filePath(QStringLiteral("kept.bmp"));
        const QByteArray old(5000, 'o');
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        QImage big(64, 64, QImage::Format_RGB32);
        big.fill(qRgb(10, 20, 200));
        const auto saved = runWithFileSizeLimit(500, [&] { return bmpfile::save24(big, kept); });
        QVERIFY(saved.has_value());
        QVERIFY(!*saved);
        QCOMPARE(readAll(kept), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("kept.bmp") });

        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        const QString sub = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkdir(sub));
        const QString existing = sub + QStringLiteral("/old.bmp");
        {
            QFile f(existing);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old contents");
        }
        QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!bmpfile::save24(sample(), existing));
        QVERIFY(!bmpfile::save24(sample(), sub + QStringLiteral("/new.bmp")));
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(existing), QByteArray("old contents"));
        QVERIFY(!QFile::exists(sub + QStringLiteral("/new.bmp")));
    }
};

QTEST_MAIN(TstBmpFile)
#include "tst_bmpfile.moc"
