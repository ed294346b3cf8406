// Dichromacy simulation against culori's Machado matrices applied to linear light
// (tests/data/colour/colourblind.json): within one level per channel.

#include "colour/colourblind.h"

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

} // namespace

class TstColourBlind : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheOracle_data()
    {
        QTest::addColumn<int>("deficiency");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("expected");
        QFile file(QStringLiteral(TINTAVO_TEST_DATA "/colour/colourblind.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(file.readAll())
                                    .object()
                                    .value(QStringLiteral("simulations"))
                                    .toArray();
        QVERIFY(rows.size() >= 30);
        const QStringList names { QStringLiteral("protanopia"), QStringLiteral("deuteranopia"),
            QStringLiteral("tritanopia") };
        for (const QJsonValue &entry : rows) {
            const QJsonObject o = entry.toObject();
            const QString name = o.value(QStringLiteral("deficiency")).toString();
            const QString colour = o.value(QStringLiteral("colour")).toString();
            QTest::newRow(qPrintable(name + u' ' + colour)) << int(
                names.indexOf(name)) << colour << o.value(QStringLiteral("linear")).toString();
        }
    }
    void matchesTheOracle()
    {
        QFETCH(int, deficiency);
        QFETCH(QString, colour);
        QFETCH(QString, expected);
        const int32_t got
            = colourblind::simulate(bgrOfHtml(colour), colourblind::kDeficiencies[deficiency]);
        const int32_t want = bgrOfHtml(expected);
        for (int shift = 0; shift < 24; shift += 8)
            QVERIFY2(std::abs(((got >> shift) & 0xFF) - ((want >> shift) & 0xFF)) <= 1,
                qPrintable(QString::number(got, 16)));
    }
};

QTEST_APPLESS_MAIN(TstColourBlind)
#include "tst_colourblind.moc"
