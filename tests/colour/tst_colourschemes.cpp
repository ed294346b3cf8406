// Tints, shades, tones and harmonies against colorjs.io's mixes and hue turns in OKLCH with its
// CSS Color 4 gamut mapping (tests/data/colour/schemes.json): within one level per channel.

#include "colour/colourschemes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdlib>

namespace {

int32_t bgrOfHtml(const QString &hex)
{
    const uint rgb = hex.mid(1).toUInt(nullptr, 16);
    return int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
}

QJsonObject reference()
{
    QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/schemes.json"));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

} // namespace

class TstColourSchemes : public QObject
{
    Q_OBJECT

private slots:
    // Every scheme of every colour in the file: "tints", "shades", "tones" and the harmonies
    // by their command-line names.
    void matchesTheOracle_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QStringList>("expected");
        const QJsonObject file = reference();
        const QJsonArray schemes = file.value(QStringLiteral("schemes")).toArray();
        QVERIFY(schemes.size() >= 12);
        for (const QJsonValue &entry : schemes) {
            const QJsonObject o = entry.toObject();
            const QString colour = o.value(QStringLiteral("colour")).toString();
            for (auto it = o.begin(); it != o.end(); ++it) {
                if (!it.value().isArray())
                    continue;
                QStringList expected;
                for (const QJsonValue &v : it.value().toArray())
                    expected << v.toString();
                QTest::newRow(qPrintable(colour + u' ' + it.key()))
                    << colour << it.key() << expected;
            }
        }
    }
    void matchesTheOracle()
    {
        QFETCH(QString, colour);
        QFETCH(QString, scheme);
        QFETCH(QStringList, expected);
        const int32_t bgr = bgrOfHtml(colour);
        const int steps = int(expected.size());
        const QList<int32_t> got = scheme == QLatin1String("tints")
            ? colourschemes::variation(bgr, colourschemes::Variation::Tints, steps)
            : scheme == QLatin1String("shades")
            ? colourschemes::variation(bgr, colourschemes::Variation::Shades, steps)
            : scheme == QLatin1String("tones")
            ? colourschemes::variation(bgr, colourschemes::Variation::Tones, steps)
            : colourschemes::harmony(bgr, colourschemes::harmonyFromId(scheme).value());
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < steps; ++i) {
            const int32_t want = bgrOfHtml(expected.at(i));
            for (int shift = 0; shift < 24; shift += 8)
                QVERIFY2(std::abs(((got.at(i) >> shift) & 0xFF) - ((want >> shift) & 0xFF)) <= 1,
                    qPrintable(QStringLiteral("%1: %2 for %3")
                                   .arg(i)
                                   .arg(got.at(i), 6, 16, QLatin1Char('0'))
                                   .arg(expected.at(i))));
        }
    }
};

QTEST_APPLESS_MAIN(TstColourSchemes)
#include "tst_colourschemes.moc"
