// CSS notations against colorjs.io's values (tests/data/colour/reference.json, written by
// make-reference.mjs beside it), paste round trips, and texts that are no colour.
#include "colour/colorvalue.h"
#include "colour/cssnotation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace cssnotation;

namespace {

int32_t bgrOfHtml(const QString &html) // "#rrggbb"
{
    const uint rgb = QStringView(html).mid(1).toUInt(nullptr, 16);
    return int32_t(((rgb >> 16) & 255) | (rgb & 0xFF00) | ((rgb & 255) << 16));
}

QList<double> numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?"));
    QList<double> out;
    for (auto it = number.globalMatch(text.mid(text.indexOf(QLatin1Char('(')))); it.hasNext();)
        out << it.next().captured().toDouble();
    return out;
}

} // namespace

class TstCssNotation : public QObject
{
    Q_OBJECT
    QJsonObject m_reference;

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/reference.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_reference = QJsonDocument::fromJson(file.readAll()).object();
        QVERIFY(m_reference.value(QStringLiteral("colours")).toArray().size() >= 20);
    }

    void formatsEveryNotation_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("texts");
        // Hex, lower, short, rgb, legacy rgb, hsl, hwb, lab, oklch, hsv, cmyk
        QTest::newRow("#E91E63") << bgrOfHtml("#e91e63")
                                 << QStringList { "#E91E63", "#e91e63", "#e91e63", "rgb(233 30 99)",
                                        "rgb(233, 30, 99)", "hsl(339.6 82.2% 51.6%)",
                                        "hwb(339.6 11.8% 8.6%)", "lab(51.63 74.48 17.07)",
                                        "oklch(60.62% 0.22978 9.63)", "hsv(339.6, 87.1%, 91.4%)",
                                        "cmyk(0%, 87.1%, 57.5%, 8.6%)" };
        QTest::newRow("black") << 0
                               << QStringList { "#000000", "#000000", "#000", "rgb(0 0 0)",
                                      "rgb(0, 0, 0)", "hsl(0 0% 0%)", "hwb(0 0% 100%)",
                                      "lab(0 0 0)", "oklch(0% 0 0)", "hsv(0, 0%, 0%)",
                                      "cmyk(0%, 0%, 0%, 100%)" };
        // A grey: no hue anywhere, and oklch's float noise must not print as a chroma.
        QTest::newRow("#808080") << 0x808080
                                 << QStringList { "#808080", "#808080", "#808080",
                                        "rgb(128 128 128)", "rgb(128, 128, 128)", "hsl(0 0% 50.2%)",
                                        "hwb(0 50.2% 49.8%)", "lab(53.59 0 0)", "oklch(59.99% 0 0)",
                                        "hsv(0, 0%, 50.2%)", "cmyk(0%, 0%, 0%, 49.8%)" };
        // The hue nearest 360 that 8-bit channels give hsl(), hwb() and hsv(): at one decimal
        // none of them rounds up to 360.
        QTest::newRow("#FF0001") << bgrOfHtml("#ff0001")
                                 << QStringList { "#FF0001", "#ff0001", "#ff0001", "rgb(255 0 1)",
                                        "rgb(255, 0, 1)", "hsl(359.8 100% 50%)", "hwb(359.8 0% 0%)",
                                        "lab(54.29 80.81 69.63)", "oklch(62.8% 0.25765 29.18)",
                                        "hsv(359.8, 100%, 100%)", "cmyk(0%, 100%, 99.6%, 0%)" };
        // An oklch hue of 359.9992 rounds up to 360 at two decimals, written as 0.
        QTest::newRow("#79053E") << bgrOfHtml("#79053e")
                                 << QStringList { "#79053E", "#79053e", "#79053e", "rgb(121 5 62)",
                                        "rgb(121, 5, 62)", "hsl(330.5 92.1% 24.7%)",
                                        "hwb(330.5 2% 52.5%)", "lab(25.73 47.65 0.76)",
                                        "oklch(37.58% 0.14838 0)", "hsv(330.5, 95.9%, 47.5%)",
                                        "cmyk(0%, 95.9%, 48.8%, 52.5%)" };
        QTest::newRow("#FFCC00") << bgrOfHtml("#ffcc00")
                                 << QStringList { "#FFCC00", "#ffcc00", "#fc0", "rgb(255 204 0)",
                                        "rgb(255, 204, 0)", "hsl(48 100% 50%)", "hwb(48 0% 0%)",
                                        "lab(84.76 8.24 84.79)", "oklch(86.52% 0.17683 90.38)",
                                        "hsv(48, 100%, 100%)", "cmyk(0%, 20%, 100%, 0%)" };
    }
    void formatsEveryNotation()
    {
        QFETCH(int, value);
        QFETCH(QStringList, texts);
        for (const NotationInfo &n : notations())
            QCOMPARE(format(value, n.notation), texts.at(int(n.notation)));
        QVERIFY(format(colorvalue::kSystemWindowColor, Notation::Rgb).isEmpty());
        QVERIFY(format(colorvalue::kUnreadable, Notation::Hex).isEmpty());
    }

    // Every printed number is the oracle's value rounded at the notation's last decimal.
    void numbersMatchTheOracle()
    {
        struct Check
        {
            Notation notation;
            const char *key;
            QList<int> decimals;
            QList<double> scale; // oracle value to the printed one
        };
        const Check checks[] = {
            { Notation::Hsl, "hsl", { 1, 1, 1 }, { 1, 1, 1 } },
            { Notation::Hwb, "hwb", { 1, 1, 1 }, { 1, 1, 1 } },
            { Notation::Hsv, "hsv", { 1, 1, 1 }, { 1, 1, 1 } },
            { Notation::Cmyk, "cmyk", { 1, 1, 1, 1 }, { 1, 1, 1, 1 } },
            { Notation::Lab, "lab", { 2, 2, 2 }, { 1, 1, 1 } },
            { Notation::Oklch, "oklch", { 2, 5, 2 }, { 100, 1, 1 } },
        };
        for (const QJsonValue &entry : m_reference.value(QStringLiteral("colours")).toArray()) {
            const QJsonObject colour = entry.toObject();
            const QString hex = colour.value(QStringLiteral("hex")).toString();
            for (const Check &check : checks) {
                const QString text = format(bgrOfHtml(hex), check.notation);
                const QList<double> printed = numbersIn(text);
                const QJsonArray expected = colour.value(QLatin1String(check.key)).toArray();
                QCOMPARE(printed.size(), expected.size());
                const bool polar
                    = check.notation != Notation::Lab && check.notation != Notation::Cmyk;
                const int hueAt = check.notation == Notation::Oklch ? 2 : 0;
                // Without chroma the oracle has no hue; this module prints 0.
                const bool hueless = expected[hueAt].isNull()
                    || (check.notation == Notation::Oklch && expected[1].toDouble() < 0.5e-5);
                for (int i = 0; i < printed.size(); ++i) {
                    double want = expected[i].toDouble() * check.scale[i];
                    double diff = std::abs(printed[i] - want);
                    if (polar && i == hueAt) {
                        want = hueless ? 0 : want;
                        diff = std::abs(std::remainder(printed[i] - want, 360.0));
                        // A hue that rounds up to 360 is written as 0.
                        if (printed[i] < 0 || printed[i] >= 360)
                            diff = 360;
                    }
                    const double halfUnit = 0.5 * std::pow(10.0, -check.decimals[i]) + 1e-9;
                    if (diff > halfUnit)
                        QFAIL(qPrintable(QStringLiteral("%1: %2, oracle %3 at %4")
                                             .arg(hex, text)
                                             .arg(want)
                                             .arg(i)));
                }
            }
        }
    }

    // Texts in CSS syntax, several far outside sRGB: the same colour as colorjs.io clipped to
    // sRGB, and the clipped colour then pastes back from every notation.
    void readsWhatTheOracleReads()
    {
        for (const QJsonValue &entry : m_reference.value(QStringLiteral("texts")).toArray()) {
            const QString text = entry.toObject().value(QStringLiteral("text")).toString();
            const int32_t want
                = bgrOfHtml(entry.toObject().value(QStringLiteral("hex")).toString());
            const auto got = parse(text);
            QVERIFY2(got, qPrintable(text));
            QVERIFY2(*got == want,
                qPrintable(text + QStringLiteral(" gave ") + format(*got, Notation::Hex)));
            for (const NotationInfo &n : notations())
                QCOMPARE(parse(format(want, n.notation)), std::optional<int32_t>(want));
        }
        const QJsonObject names = m_reference.value(QStringLiteral("names")).toObject();
        QCOMPARE(names.size(), 148);
        for (auto it = names.begin(); it != names.end(); ++it) {
            const std::optional<int32_t> want = bgrOfHtml(it.value().toString());
            QCOMPARE(parse(it.key()), want);
            QCOMPARE(parse(it.key().toUpper()), want);
        }
    }

    // Each notation, and the picker's own boxes, pasted back gives the very colour: the
    // decimals printed are enough for every one of the 16777216 colours, here a spread of them.
    void pastesBackExactly()
    {
        for (int32_t value = 0; value <= 0xFFFFFF; value += value < 0x000200 ? 1 : 3001) {
            for (const NotationInfo &n : notations())
                QCOMPARE(parse(format(value, n.notation)), std::optional<int32_t>(value));
            const auto boxes = colorvalue::notations(value);
            for (int box : { colorvalue::Html, colorvalue::VisualBasic, colorvalue::Delphi,
                     colorvalue::CLiteral, colorvalue::LongData })
                QCOMPARE(parse(boxes[box]), std::optional<int32_t>(value));
        }
    }

    void readsPastedForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        // The program's notations are the value itself, blue in the high byte.
        QTest::newRow("vb") << "&H00123456&" << 0x123456;
        QTest::newRow("vb lower, no &") << "&h563412" << 0x563412;
        QTest::newRow("delphi") << "$00E91E63" << 0xE91E63;
        QTest::newRow("delphi red") << "$ff" << 0xFF;
        QTest::newRow("c") << "0X00e91e63" << 0xE91E63;
        QTest::newRow("decimal grouped") << " 16 777 215 " << 0xFFFFFF;
        QTest::newRow("decimal zeros") << "000000000255" << 255;
        // Six bare hex digits with a letter are HTML order, as design tools show them.
        QTest::newRow("bare hex") << "E91E63" << bgrOfHtml("#e91e63");
        QTest::newRow("declaration") << "  background-color: #E91E63 ;" << bgrOfHtml("#e91e63");
        QTest::newRow("non-breaking spaces")
            << QString::fromUtf8("rgb(1\u00a02\u20093)") << bgrOfHtml("#010203");
        QTest::newRow("hsv") << "hsv(339.6, 87.1%, 91.4%)" << bgrOfHtml("#e91e63");
        QTest::newRow("hsb spaces") << "HSB(120 100 50 / 1)" << bgrOfHtml("#008000");
        QTest::newRow("cmyk numbers are percent")
            << "cmyk(0, 87.1, 57.5, 8.6)" << bgrOfHtml("#e91e63");
        QTest::newRow("device-cmyk") << "device-cmyk(0 0.871 0.575 0.086)" << bgrOfHtml("#e91e63");
        QTest::newRow("cmyk clamped") << "cmyk(-5% 150% 0% 0%)" << bgrOfHtml("#ff00ff");
        QTest::newRow("alpha none") << "rgb(255 0 0 / none)" << 0xFF;
        QTest::newRow("exponent") << "rgb(2.55e2 +0 1E1)" << bgrOfHtml("#ff000a");
        QTest::newRow("huge hue rad") << "hsl(1e300rad 0% 50%)" << 0x808080;
        QTest::newRow("huge lab") << "lab(50 1e300 -1e300)" << -2; // any colour: never a crash
    }
    void readsPastedForms()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const auto got = parse(text);
        QVERIFY(got);
        if (value >= 0)
            QCOMPARE(*got, value);
        QVERIFY(colorvalue::isColor(*got));
    }

    void refusesWhatIsNoColour()
    {
        // clang-format off
        const char *texts[] = {
            "", "   ", ";", "#", "#12", "#12345", "#1234567", "#ggg", "#e91e63ff00", "e91e6",
            "123abc7", "rgb(1 2)", "rgb(1, 2 3)", "rgb(1 2 3 4)", "rgb(1 2 3 /)", "rgb(1 2 / 3)",
            "rgb(1,,2,3)", "rgb(, 1, 2, 3)", "rgb(1 2 3 / 4 5)", "rgb(1 2 3, 0.5)",
            "rgb(1, 2, 3 / 0.5)", "rgb(1deg 2 3)", "rgb(1 2 3", "rgb (1 2 3)", "rgb(1em 2 3)",
            "rgb(1. 2 3)", "rgb(nan 0 0)", "rgb(inf 0 0)", "rgb(1e999 0 0)", "rgb(0x10 0 0)",
            "hsl(10% 50% 50%)", "hsl(10 50deg 50%)", "lab(50 20 10 / 1deg)", "oklch(50% 0.1 10%)",
            "cmyk(1 2 3)", "foo(1 2 3)", "transparent", "currentColor", "canvas", "notacolour",
            "red blue", "0x", "0x1000000", "&H80000005&", "&H&", "$", "$-1", "-1", "+5", "16777216",
            "123456789", "1 2 3", "12 34", "1  234", "16777 215", "1.5", "color:", "1color: red",
            "-: red", "é", "rgb(1\u00e9 2 3)",
        };
        // clang-format on
        for (const char *text : texts)
            QVERIFY2(!parse(QString::fromUtf8(text)), text);
        QVERIFY(!parse(QString(513, QLatin1Char(' ')) + QStringLiteral("red")));
        QVERIFY(!parse(QStringLiteral("red") + QChar(0)));
    }

    void notationsHaveStableIds()
    {
        QSet<QString> ids;
        for (const NotationInfo &n : notations()) {
            ids << idOf(n.notation);
            QCOMPARE(notationFromId(idOf(n.notation)), std::optional<Notation>(n.notation));
            for (Language language : { Language::English, Language::French, Language::Spanish })
                QVERIFY(!displayName(n.notation, language).isEmpty());
        }
        QCOMPARE(ids.size(), kNotationCount);
        QCOMPARE(notationFromId(u"oklch"), std::optional<Notation>(Notation::Oklch));
        QCOMPARE(notationFromId(u"rgb-legacy"), std::optional<Notation>(Notation::RgbLegacy));
        QVERIFY(!notationFromId(u"OKLCH"));
    }

    // What keeps an alpha (gradient stops) gets the one the text gave.
    void translucentKeepsTheAlpha_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bgr");
        QTest::addColumn<double>("alpha");
        QTest::newRow("#rrggbbaa") << "#ff000080" << 0x0000FF << 128 / 255.0;
        QTest::newRow("#rgba") << "#00f8" << 0xFF0000 << 0x88 / 255.0;
        QTest::newRow("slash percent") << "rgb(1 2 3 / 25%)" << 0x030201 << 0.25;
        QTest::newRow("legacy comma") << "hsla(0, 100%, 50%, 0.3)" << 0x0000FF << 0.3;
        QTest::newRow("above one") << "oklch(100% 0 0 / 1.5)" << 0xFFFFFF << 1.0;
        QTest::newRow("none given") << "red" << 0x0000FF << 1.0;
        QTest::newRow("transparent") << "Transparent" << 0x000000 << 0.0;
    }
    void translucentKeepsTheAlpha()
    {
        QFETCH(QString, text);
        QFETCH(int, bgr);
        QFETCH(double, alpha);
        const auto read = cssnotation::parseTranslucent(text);
        QVERIFY(read);
        QCOMPARE(read->bgr, bgr);
        QCOMPARE(read->alpha, alpha);
    }
};

QTEST_APPLESS_MAIN(TstCssNotation)
#include "tst_cssnotation.moc"
