// Contrast ratios against values published with the accessibility guidelines and by the common
// contrast checkers.

#include "colour/contrast.h"

#include <QTest>

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
