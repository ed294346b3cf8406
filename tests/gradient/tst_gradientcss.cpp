#include "gradient/gradientcss.h"

#include <QTest>

using namespace gradientmodel;
using gradientcss::Problem;

Q_DECLARE_METATYPE(gradientcss::Problem)
Q_DECLARE_METATYPE(gradientmodel::Kind)

// Reading CSS: what the writer writes reads back to the same gradient, and a broken text is
// refused where it breaks.
class TstGradientCss : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatItWrites_data()
    {
        QTest::addColumn<QString>("css");
        // As pasted: other syntax for the same things, each read and written back.
        const char *const texts[] = {
            "linear-gradient(in oklch longer hue 135deg, #e91e63, rgb(33 150 243 / 0.5) 70%, "
            "lime)",
            "background-image: linear-gradient(to bottom left, red 10%, blue 10% 30%, #0f08);",
            "linear-gradient(0.25turn in srgb-linear, transparent, hsl(120 100% 25%))",
            "repeating-linear-gradient(-30deg, #fff, #000 12.5%)",
            "radial-gradient(circle closest-corner at right 20%, red, blue 40%, green)",
            "radial-gradient(in oklab ellipse farthest-side at 25% top, #123, #fed 80%)",
            "repeating-radial-gradient(closest-side, #ff0000, #0000ff 30%)",
            "conic-gradient(from 0.5turn at 10% 90% in oklch, red, yellow 90deg, red)",
            "repeating-conic-gradient(black 0 25%, white 0 50%)",
            "repeating-linear-gradient(45deg, #000 0 10px, #fff 10px 20px)",
            "radial-gradient(circle, red 10px, blue, yellow 70%)",
            "radial-gradient(ellipse 98px 98px at 100px 100px, #FFFF00, #FF8000 100%, #FFFFFF "
            "100%)",
            "radial-gradient(40% 25px at left 100px, red, blue)",
            "radial-gradient(circle 50px, red, blue)",
        };
        for (const char *t : texts)
            QTest::newRow(t) << QString::fromUtf8(t);
    }
    void readsWhatItWrites()
    {
        QFETCH(QString, css);
        const auto first = gradientcss::read(css);
        QVERIFY2(std::holds_alternative<Gradient>(first),
            std::holds_alternative<gradientcss::ReadError>(first) ? qPrintable(
                gradientcss::describe(std::get<gradientcss::ReadError>(first), Language::English))
                                                                  : "");
        const Gradient g = std::get<Gradient>(first);
        // Both lines the panel copies read back to the gradient (the modern one counts).
        const QString written = gradientcss::declarations(g);
        const auto again = gradientcss::read(written);
        QVERIFY(std::holds_alternative<Gradient>(again));
        QCOMPARE(gradientcss::declarations(std::get<Gradient>(again)), written);
    }

    // A repeating gradient's period is written finely enough that a hundred repeats drift by
    // less than a hundredth of one.
    void repeatsKeepTheirPeriod_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("linear") << Kind::Linear;
        QTest::newRow("radial") << Kind::Radial;
        QTest::newRow("conic") << Kind::Conic;
    }
    void repeatsKeepTheirPeriod()
    {
        QFETCH(Kind, kind);
        Gradient g;
        g.kind = kind;
        g.repeating = true;
        const double period = 48 / 2121.32;
        g.stops = { Stop { 0x403020, 1, 0 }, Stop { 0x80C0F0, 1, period / 2 },
            Stop { 0x403020, 1, period } };
        const auto read = gradientcss::read(gradientcss::declarations(g));
        QVERIFY(std::holds_alternative<Gradient>(read));
        QVERIFY(std::abs(std::get<Gradient>(read).stops.last().position / period - 1) < 1e-4);
    }

    void refusesBrokenTexts_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("token");
        QTest::newRow("no gradient") << "url(a.png)" << Problem::NoGradient << 0 << "url";
        QTest::newRow("unclosed") << "linear-gradient(red, blue" << Problem::Unclosed << 15
                                  << "(red, blue";
        QTest::newRow("shape word")
            << "radial-gradient(circle square, red, blue)" << Problem::Shape << 23 << "square";
        QTest::newRow("circle in percent")
            << "radial-gradient(circle 50%, red, blue)" << Problem::Shape << 23 << "50%";
        QTest::newRow("space") << "linear-gradient(in hsl, red, blue)" << Problem::Shape << 19
                               << "hsl";
        QTest::newRow("colour") << "linear-gradient(red, bleu 50%)" << Problem::Colour << 21
                                << "bleu";
        QTest::newRow("length") << "linear-gradient(red 10em, blue)" << Problem::Position << 20
                                << "10em";
        QTest::newRow("hint") << "linear-gradient(red, 30%, blue)" << Problem::Hint << 21 << "30%";
        QTest::newRow("one stop") << "linear-gradient(90deg, red)" << Problem::StopCount << 16
                                  << "1";
        QTest::newRow("seventeen stops") << "linear-gradient("
                + QStringList(17, QStringLiteral("red")).join(QLatin1Char(',')) + ")"
                                         << Problem::StopCount << 16 << "17";
        QTest::newRow("trailing") << "conic-gradient(red, blue) x" << Problem::Trailing << 25
                                  << " x";
    }
    void refusesBrokenTexts()
    {
        QFETCH(QString, css);
        QFETCH(Problem, problem);
        QFETCH(int, offset);
        QFETCH(QString, token);
        const auto read = gradientcss::read(css);
        QVERIFY(std::holds_alternative<gradientcss::ReadError>(read));
        const auto error = std::get<gradientcss::ReadError>(read);
        QCOMPARE(error.problem, problem);
        QCOMPARE(error.offset, offset);
        QCOMPARE(error.token, token);
        for (Language l : { Language::English, Language::French, Language::Spanish })
            QVERIFY(gradientcss::describe(error, l).contains(token.left(40)));
    }
};

QTEST_GUILESS_MAIN(TstGradientCss)
#include "tst_gradientcss.moc"
