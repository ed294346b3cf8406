// Colour names: every CSS name for its own colour, survey names for theirs, and the nearest name
// against colorjs.io's deltaEOK search (tests/data/colour/names.json, from make-names.mjs).
#include "colour/colournames.h"
#include "colour/colourspaces.h"
#include "colour/cssnotation.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

namespace {

int32_t bgrOfRgb(uint32_t rgb)
{
    return int32_t(((rgb >> 16) & 255) | (rgb & 0xFF00) | ((rgb & 255) << 16));
}

double distance(int32_t a, int32_t b)
{
    const auto p = colourspaces::oklabOf(a), q = colourspaces::oklabOf(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

} // namespace

class TstColourNames : public QObject
{
    Q_OBJECT

private slots:
    // The name given is a CSS name of the colour (aqua for cyan, gray for grey).
    void everyCssColourHasItsName()
    {
        for (const cssnotation::NamedColour &n : cssnotation::namedColours()) {
            const int32_t colour = bgrOfRgb(n.rgb);
            const colournames::Named named = colournames::nameOf(colour);
            QVERIFY(named.exact);
            QCOMPARE(cssnotation::parse(named.name), std::optional<int32_t>(colour));
            QCOMPARE(colournames::shown(named), named.name);
        }
        QCOMPARE(colournames::count(), 994);
    }

    void surveyColoursHaveTheirNames_data()
    {
        QTest::addColumn<uint>("rgb");
        QTest::addColumn<QString>("name");
        QTest::newRow("cloudy blue") << 0xacc2d9u << "cloudy blue";
        QTest::newRow("dust") << 0xb2996eu << "dust";
        QTest::newRow("electric lime") << 0xa8ff04u << "electric lime";
        QTest::newRow("nasty green") << 0x70b23fu << "nasty green";
        QTest::newRow("burnt sienna") << 0xb04e0fu << "burnt sienna";
    }
    void surveyColoursHaveTheirNames()
    {
        QFETCH(uint, rgb);
        QFETCH(QString, name);
        const colournames::Named named = colournames::nameOf(bgrOfRgb(rgb));
        QCOMPARE(named.name, name);
        QVERIFY(named.exact);
    }

    // Ties aside, the same name; always the same distance.
    void nearestAsColorjsFindsIt()
    {
        QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/names.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject reference = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(reference.value(QStringLiteral("names")).toInt(), colournames::count());
        int sameName = 0;
        const QJsonArray colours = reference.value(QStringLiteral("colours")).toArray();
        QElapsedTimer timer;
        qint64 spent = 0;
        for (const QJsonValue &entry : colours) {
            const QJsonArray row = entry.toArray();
            const int32_t colour = bgrOfRgb(row[0].toString().mid(1).toUInt(nullptr, 16));
            timer.start();
            const colournames::Named named = colournames::nameOf(colour);
            spent += timer.nsecsElapsed();
            QVERIFY2(std::abs(distance(colour, named.colour) - row[2].toDouble()) < 1e-5,
                qPrintable(row[0].toString() + QLatin1Char(' ') + named.name));
            QCOMPARE(named.exact, row[2].toDouble() == 0);
            QCOMPARE(colournames::shown(named).startsWith(QStringLiteral("≈ ")), !named.exact);
            sameName += named.name == row[1].toString();
        }
        QVERIFY(sameName >= colours.size() - 2);
        qInfo("nearest name: %.1f µs a colour", spent / 1000.0 / colours.size());
    }
};

QTEST_GUILESS_MAIN(TstColourNames)
#include "tst_colournames.moc"
