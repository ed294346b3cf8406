#include "base/twips.h"
#include "base/vbmath.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

class TstVbMath : public QObject
{
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("2.5001") << 2.5001 << 3;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(vbmath::roundHalfEven(value), expected);
        QCOMPARE(vbmath::toLong(value).value(), expected);
    }

    void conversionsFailOutsideTheirRange()
    {
        QCOMPARE(vbmath::toLong(2147483647.0).value(), 2147483647);
        QCOMPARE(vbmath::toLong(-2147483648.0).value(), int32_t(-2147483648LL));
        QVERIFY(!vbmath::toLong(2147483647.5 + 1).has_value());
        QVERIFY(!vbmath::toLong(qQNaN()).has_value());
        QCOMPARE(vbmath::toInteger(32767.4).value(), int16_t(32767));
        QVERIFY(!vbmath::toInteger(32767.5).has_value()); // rounds to 32768
        QVERIFY(!vbmath::toInteger(-32769).has_value());
        QCOMPARE(vbmath::truncDiv(-7, 2).value(), -3);
        QVERIFY(!vbmath::truncDiv(1, 0).has_value());
    }

    void readsNumericText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "200" << true << 200;
        QTest::newRow("spaces") << "  200 " << true << 200;
        QTest::newRow("half even") << "2.5" << true << 2;
        QTest::newRow("half odd") << "3.5" << true << 4;
        QTest::newRow("negative") << "-12" << true << -12;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("1e10") << "1e10" << false << 0;
        QTest::newRow("too big") << "99999999999" << false << 0;
        QTest::newRow("exponent") << "1e3" << true << 1000;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true
                                  << int(std::numeric_limits<int32_t>::min());
        QTest::newRow("one past") << "2147483648" << false << 0;
        QTest::newRow("rounds past") << "2147483647.5" << false << 0;
        QTest::newRow("fraction only") << ".5" << true << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("inner space") << "2 00" << false << 0;
        QTest::newRow("infinity") << "inf" << false << 0;
        QTest::newRow("not a number") << "nan" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
        QTest::newRow("other digits") << QString::fromUtf8("\u0663") << false << 0;
        QTest::newRow("comma is no group separator") << "2,5" << false << 0;
    }
    void readsNumericText()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, expected);
        const auto v = vbmath::textToLong(text);
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(*v, expected);
    }

    void readsTheUsersDecimalSeparator()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const auto half = vbmath::textToLong(QStringLiteral("2,5"));
        const auto big = vbmath::textToLong(QStringLiteral("3,5"));
        const auto dot = vbmath::textToLong(QStringLiteral("2.5"));
        QLocale::setDefault(before);
        QCOMPARE(half.value(), 2);
        QCOMPARE(big.value(), 4);
        QCOMPARE(dot.value(), 2);
    }

    void twipsAt96Dpi()
    {
        // Xvfb and the offscreen platform both report 96 DPI.
        QCOMPARE(twips::twipsPerPixelX(), 15);
        QCOMPARE(twips::toPixelsX(4425), 295);
        QCOMPARE(twips::toPixelsY(1740), 116);
        QCOMPARE(twips::toTwipsX(4), 60);
    }
};

QTEST_MAIN(TstVbMath)
#include "tst_vbmath.moc"
