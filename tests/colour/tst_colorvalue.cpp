#include "colour/colorvalue.h"

#include <QTest>

using namespace colorvalue;

class TstColorValue : public QObject
{
    Q_OBJECT
private slots:
    void notationsOfEveryBox_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("boxes");
        // HTML, R, G, B, H, L, S, Visual Basic, Delphi, C, decimal
        QTest::newRow("black") << 0
                               << QStringList { "#000000", "0", "0", "0", "160", "0", "0", "&H000&",
                                      "$000", "0x0", "0" };
        QTest::newRow("red") << 255
                             << QStringList { "#FF0000", "255", "0", "0", "0", "120", "240",
                                    "&H00FF&", "$00FF", "0xFF", "255" };
        QTest::newRow("green") << 65280
                               << QStringList { "#00FF00", "0", "255", "0", "80", "120", "240",
                                      "&H00FF00&", "$00FF00", "0xFF00", "65280" };
        QTest::newRow("0x123456") << 0x123456
                                  << QStringList { "#563412", "86", "52", "18", "20", "49", "157",
                                         "&H00123456&", "$00123456", "0x123456", "1193046" };
        // Blue below 16: the literals stay unpadded, the HTML form does not.
        QTest::newRow("658188") << 658188
                                << QStringList { "#0C0B0A", "12", "11", "10", "20", "10", "22",
                                       "&H00A0B0C&", "$00A0B0C", "0xA0B0C", "658188" };
        // Blue the largest channel: the third branch of the hue.
        QTest::newRow("blue") << 16711680
                              << QStringList { "#0000FF", "0", "0", "255", "160", "120", "240",
                                     "&H00FF0000&", "$00FF0000", "0xFF0000", "16711680" };
        QTest::newRow("royal blue")
            << 14772545
            << QStringList { "#4169E1", "65", "105", "225", "150", "136", "175", "&H00E16941&",
                   "$00E16941", "0xE16941", "14772545" };
        QTest::newRow("white") << 16777215
                               << QStringList { "#FFFFFF", "255", "255", "255", "160", "240", "0",
                                      "&H00FFFFFF&", "$00FFFFFF", "0xFFFFFF", "16777215" };
    }
    void notationsOfEveryBox()
    {
        QFETCH(int, value);
        QFETCH(QStringList, boxes);
        QVERIFY(isColor(value));
        const auto got = notations(value);
        for (int i = 0; i < kBoxCount; ++i)
            QCOMPARE(got[i], boxes.at(i));
    }

    void componentsTruncateTowardZero()
    {
        QVERIFY(isColor(16777215) && !isColor(16777216) && !isColor(-1)
            && !isColor(kSystemWindowColor));
        int r = -1, g = -1, b = -1;
        GetRGB(0x00123456, r, g, b);
        QCOMPARE(r, 0x56);
        QCOMPARE(g, 0x34);
        QCOMPARE(b, 0x12);
        // A negative value divides toward zero: -2147483643 \ 256 = -8388607 (low byte 1).
        GetRGB(kSystemWindowColor, r, g, b);
        QCOMPARE(r, 5);
        QCOMPARE(g, 1);
        QCOMPARE(b, 1);
    }

    // Values a designer reads in the system colour dialog.
    void hueLuminanceSaturation_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("s");
        QTest::newRow("red") << 255 << 0 << 0 << 0 << 120 << 240;
        QTest::newRow("grey 128") << 128 << 128 << 128 << 160 << 120 << 0;
        QTest::newRow("black") << 0 << 0 << 0 << 160 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255 << 160 << 240 << 0;
        QTest::newRow("green") << 0 << 255 << 0 << 80 << 120 << 240;
        QTest::newRow("blue") << 0 << 0 << 255 << 160 << 120 << 240;
        QTest::newRow("yellow") << 255 << 255 << 0 << 40 << 120 << 240;
        QTest::newRow("magenta") << 255 << 0 << 255 << 200 << 120 << 240;
        QTest::newRow("teal") << 0 << 128 << 128 << 120 << 60 << 240;
        QTest::newRow("light red (upper half)") << 255 << 128 << 128 << 0 << 180 << 240;
        QTest::newRow("pink (hue wraps)") << 255 << 0 << 128 << 220 << 120 << 240;
        QTest::newRow("dark olive") << 85 << 107 << 47 << 55 << 72 << 94;
        // Blue the largest channel, with green above red and red above green: the hue moves
        // away from 160 by the two other channels' difference, in opposite directions.
        QTest::newRow("royal blue") << 65 << 105 << 225 << 150 << 136 << 175;
        QTest::newRow("violet") << 100 << 50 << 200 << 173 << 118 << 144;
        QTest::newRow("indigo") << 75 << 0 << 130 << 183 << 61 << 240;
        QTest::newRow("near-black navy") << 10 << 20 << 30 << 140 << 19 << 120;
        // Exactly half luminance, where the dialog switches saturation formulas: the lower-half
        // one holds at L = 120 (its denominator is the channel sum, 254 or 256 here; with the
        // upper-half one, 256 or 254, each saturation moves by two). The exact saturation of
        // both is 240; the dialog's rounding says 238 for the second.
        QTest::newRow("half luminance, sum 254") << 254 << 0 << 0 << 0 << 120 << 240;
        QTest::newRow("half luminance, sum 256") << 1 << 1 << 255 << 160 << 120 << 238;
    }
    void hueLuminanceSaturation()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, h);
        QFETCH(int, l);
        QFETCH(int, s);
        const Hls hls = ColorRGBToHLS(r + 256 * g + 65536 * b);
        QCOMPARE(hls.hue, h);
        QCOMPARE(hls.luminance, l);
        QCOMPARE(hls.saturation, s);
    }
};

QTEST_APPLESS_MAIN(TstColorValue)
#include "tst_colorvalue.moc"
