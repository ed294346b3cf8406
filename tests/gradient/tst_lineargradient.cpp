#include "gradient/lineargradient.h"

#include <QTest>

#include <cmath>
#include <vector>

using namespace lineargradient;

namespace {

struct DrawnLine
{
    double x1, y1, x2, y2;
    int32_t color;
};

Stops designedStops()
{
    return { splitColor(0x0000FF), splitColor(0x00FFFF), splitColor(0x408000),
        splitColor(0xFF0080) };
}

std::vector<DrawnLine> straight(const Stops &stops, Orientation o, double across = 1000)
{
    std::vector<DrawnLine> lines;
    drawStraight(stops, o, across, [&](double x1, double y1, double x2, double y2, int32_t c) {
        lines.push_back({ x1, y1, x2, y2, c });
    });
    return lines;
}

int32_t rgbRounded(double r, double g, double b)
{
    return int(std::nearbyint(r)) + 256 * int(std::nearbyint(g)) + 65536 * int(std::nearbyint(b));
}

} // namespace

class TstLinearGradient : public QObject
{
    Q_OBJECT
private slots:
    void swatchColoursSplitIntoComponents()
    {
        const Stop s = splitColor(0x000A05);
        QCOMPARE(s.R, 5.0);
        QCOMPARE(s.G, 10.0);
        QCOMPARE(s.B, 0.0);
        const Stop green = splitColor(0x408000);
        QCOMPARE(green.R, 0.0);
        QCOMPARE(green.G, 128.0);
        QCOMPARE(green.B, 64.0);
    }

    void straightDrawingsRunAllThreeSegments()
    {
        const Stops stops = designedStops();
        const auto lines = straight(stops, Orientation::Horizontal, 1234);
        // p grows by repeated addition of 0.1, so the segments hold 2561, 2559 and 2560 lines.
        int counts[3] = { 0, 0, 0 };
        std::vector<size_t> firstOfSegment(3, 0);
        for (size_t i = 0; i < lines.size(); ++i) {
            const int segment = lines[i].x1 < 256 ? 0 : lines[i].x1 < 512 ? 1 : 2;
            if (counts[segment]++ == 0)
                firstOfSegment[segment] = i;
        }
        QCOMPARE(counts[0], 2561);
        QCOMPARE(counts[1], 2559);
        QCOMPARE(counts[2], 2560);
        QCOMPARE(lines.size(), size_t(7680));

        // The first line of each segment carries the segment's start colour exactly, the
        // last line of the first one reaches stop 2.
        for (int j = 0; j < 3; ++j)
            QCOMPARE(lines[firstOfSegment[j]].color, stops[j].color);
        QCOMPARE(lines[firstOfSegment[1] - 1].color, stops[1].color);

        // Every other line carries the colour computed at the previous position.
        for (size_t i = 1; i < lines.size(); ++i) {
            const double prev = lines[i - 1].x1;
            const int j = i < firstOfSegment[1] ? 0 : i < firstOfSegment[2] ? 1 : 2;
            if (i == firstOfSegment[j])
                continue;
            const Stop &a = stops[j], &b = stops[j + 1];
            const double t = prev - 256.0 * j;
            QCOMPARE(lines[i].color,
                rgbRounded(a.R + t * (b.R - a.R) / 256, a.G + t * (b.G - a.G) / 256,
                    a.B + t * (b.B - a.B) / 256));
        }

        // Horizontal lines run down from the top; p is never recomputed from a counter.
        QCOMPARE(lines[0].y2, 1234.0);
        QVERIFY(lines[10].x1 != 1.0); // ten additions of 0.1 are not exactly 1
    }

    void diagonalLineCounts()
    {
        QCOMPARE(diagonalLineCount(44.068348f, 17.656193f), int16_t(67));
        QCOMPARE(diagonalLineCount(256, 256), int16_t(512));
        QCOMPARE(diagonalLineCount(30000, 30000), int16_t(0)); // beyond a 16-bit count: nothing
    }

    void diagonalsFromEitherCorner()
    {
        Stops stops = designedStops();
        stops[0] = splitColor(0x000A05); // 5, 10, 0
        const int16_t n = 67;
        std::vector<DrawnLine> left, right;
        drawDiagonal(
            stops, Orientation::DiagonalFromLeft, n, [] { return 44.0f; },
            [&](double x1, double y1, double x2, double y2, int32_t c) {
                left.push_back({ x1, y1, x2, y2, c });
            });
        float sw = 40;
        drawDiagonal(
            stops, Orientation::DiagonalFromRight, n, [&] { return sw += 1; },
            [&](double x1, double y1, double x2, double y2, int32_t c) {
                right.push_back({ x1, y1, x2, y2, c });
            });
        QCOMPARE(left.size(), size_t(n));
        QCOMPARE(right.size(), size_t(n));

        // The first line already carries one step; the last one is stop 2.
        QCOMPARE(left.front().color, rgbRounded(5 + 250.0 / n, 10 + 245.0 / n, 0));
        QCOMPARE(left.back().color, stops[1].color);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(left[i].color, right[i].color);
            QCOMPARE(left[i].x1, double(i + 1));
            QCOMPARE(left[i].y1, 0.0);
            QCOMPARE(left[i].x2, 0.0);
            QCOMPARE(left[i].y2, double(i + 1));
            // The scale width is read anew for every line.
            const double swi = 41.0 + i;
            QCOMPARE(right[i].x1, swi - (i + 1));
            QCOMPARE(right[i].x2, swi);
            QCOMPARE(right[i].y2, double(i + 1));
        }
    }

    void stylesheetText()
    {
        const Stops stops = designedStops();
        QCOMPARE(css(Orientation::Horizontal, stops, 1),
            QStringLiteral("linear-gradient(90deg, #FF0000 0%, #FFFF00 100%)"));
        QCOMPARE(css(Orientation::Vertical, stops, 2),
            QStringLiteral("linear-gradient(180deg, #FF0000 0%, #FFFF00 50%, #008040 100%)"));
        QCOMPARE(css(Orientation::Horizontal, stops, 3),
            QStringLiteral("linear-gradient(90deg, #FF0000 0%, #FFFF00 33.33%, #008040 66.67%, "
                           "#8000FF 100%)"));
        QCOMPARE(css(Orientation::DiagonalFromLeft, stops, 3), // diagonals use two stops
            QStringLiteral("linear-gradient(to bottom right, #FF0000 0%, #FFFF00 100%)"));
    }
};

QTEST_MAIN(TstLinearGradient)
#include "tst_lineargradient.moc"
