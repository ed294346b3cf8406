// Contrast ratios against values published with the accessibility guidelines and by the common
// contrast checkers, and against colorjs.io's (tests/data/colour/reference.json) where the
// sRGB curve is linear.

#include "colour/contrast.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

namespace {

int32_t bgrOfHtml(const QString &hex)
{
    const uint rgb = hex.mid(1).toUInt(nullptr, 16);
    return int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
}

} // namespace

class TstContrast : public QObject
{
    Q_OBJECT

private slots:
    void knownPairs_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<double>("shown");
        QTest::addColumn<bool>("aaNormal");
        QTest::addColumn<bool>("aaaNormal");
        // Colours as 0x00BBGGRR.
        QTest::newRow("black on white") << 0x000000 << 0xFFFFFF << 21.00 << true << true;
        QTest::newRow("white on black, either order")
            << 0xFFFFFF << 0x000000 << 21.00 << true << true;
        QTest::newRow("#777 on #fff, just under AA")
            << 0x777777 << 0xFFFFFF << 4.48 << false << false;
        QTest::newRow("#767676 on #fff, the lightest AA grey")
            << 0x767676 << 0xFFFFFF << 4.54 << true << false;
        QTest::newRow("#595959 on #fff, the lightest AAA grey")
            << 0x595959 << 0xFFFFFF << 7.00 << true << true;
        QTest::newRow("red on white, 3.998") << 0x0000FF << 0xFFFFFF << 4.00 << false << false;
        QTest::newRow("blue on white") << 0xFF0000 << 0xFFFFFF << 8.59 << true << true;
        QTest::newRow("same colour") << 0x3366CC << 0x3366CC << 1.00 << false << false;
    }
    void knownPairs()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(double, shown);
        QFETCH(bool, aaNormal);
        QFETCH(bool, aaaNormal);
        QCOMPARE(contrast::shownRatio(a, b), shown);
        const contrast::Verdict v = contrast::judge(contrast::ratio(a, b));
        QCOMPARE(v.aaNormal, aaNormal);
        QCOMPARE(v.aaaNormal, aaaNormal);
        QCOMPARE(v.aaLarge, shown >= 3.0);
    }

    // Channels of 1 to 10 lie on the straight start of the sRGB curve, where the ratio moves in
    // the third decimal only: the exact ratio is compared, not the shown one. The oracle's
    // luminance weights carry more digits than the guidelines' (0.2126, 0.7152, 0.0722), which
    // moves a ratio by a few millionths at most.
    void darkChannelsMatchTheOracle_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<double>("expected");
        QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/reference.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray pairs = QJsonDocument::fromJson(file.readAll())
                                     .object()
                                     .value(QStringLiteral("contrasts"))
                                     .toArray();
        QVERIFY(pairs.size() >= 8);
        for (const QJsonValue &entry : pairs) {
            const QJsonObject pair = entry.toObject();
            const QString a = pair.value(QStringLiteral("a")).toString();
            const QString b = pair.value(QStringLiteral("b")).toString();
            QTest::newRow(qPrintable(a + QStringLiteral(" on ") + b))
                << a << b << pair.value(QStringLiteral("ratio")).toDouble();
        }
    }
    void darkChannelsMatchTheOracle()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(double, expected);
        const double got = contrast::ratio(bgrOfHtml(a), bgrOfHtml(b));
        QVERIFY2(std::abs(got / expected - 1) < 2e-5,
            qPrintable(
                QStringLiteral("%1, oracle %2").arg(got, 0, 'g', 12).arg(expected, 0, 'g', 12)));
        QCOMPARE(contrast::ratio(bgrOfHtml(b), bgrOfHtml(a)), got);
    }

    // APCA's Lc against apca-w3 (tests/data/colour/apca.json): both polarities, the dark soft
    // clamp, colours too close to tell apart; and its reading at the thresholds.
    void apcaMatchesTheOracle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("expected");
        QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/apca.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray pairs = QJsonDocument::fromJson(file.readAll())
                                     .object()
                                     .value(QStringLiteral("lc"))
                                     .toArray();
        QVERIFY(pairs.size() >= 12);
        for (const QJsonValue &entry : pairs) {
            const QJsonObject pair = entry.toObject();
            const QString text = pair.value(QStringLiteral("text")).toString();
            const QString background = pair.value(QStringLiteral("background")).toString();
            QTest::newRow(qPrintable(text + QStringLiteral(" on ") + background))
                << text << background << pair.value(QStringLiteral("lc")).toDouble();
        }
    }
    void apcaMatchesTheOracle()
    {
        QFETCH(QString, text);
        QFETCH(QString, background);
        QFETCH(double, expected);
        QVERIFY(
            std::abs(contrast::apcaLc(bgrOfHtml(text), bgrOfHtml(background)) - expected) < 1e-9);
        const contrast::ApcaReading at75 = contrast::readApca(-75);
        QVERIFY(at75.bodyText && at75.largeText && at75.nonText);
        const contrast::ApcaReading below = contrast::readApca(44.9);
        QVERIFY(!below.bodyText && !below.largeText && below.nonText);
    }

    // Shown as 4.50, yet below the threshold: the verdict goes by the exact ratio.
    void verdictIgnoresRounding()
    {
        QVERIFY(!contrast::judge(4.4999).aaNormal);
        QVERIFY(contrast::judge(4.5).aaNormal && contrast::judge(4.5).aaaLarge);
        QVERIFY(!contrast::judge(6.999).aaaNormal);
    }

    void luminanceEnds()
    {
        QCOMPARE(contrast::relativeLuminance(0x000000), 0.0);
        QCOMPARE(contrast::relativeLuminance(0xFFFFFF), 1.0);
        // Green weighs most, blue least.
        QVERIFY(contrast::relativeLuminance(0x00FF00) > contrast::relativeLuminance(0x0000FF));
        QVERIFY(contrast::relativeLuminance(0x0000FF) > contrast::relativeLuminance(0xFF0000));
    }
};

QTEST_APPLESS_MAIN(TstContrast)
#include "tst_contrast.moc"
