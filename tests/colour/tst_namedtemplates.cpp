// The named formats in the settings: any character survives the settings file, and a garbled
// value loads nothing rather than half.
#include "colour/namedtemplates.h"
#include "support/testenv.h"

#include <QTest>

using namespace namedtemplates;

class TstNamedTemplates : public QObject
{
    Q_OBJECT

private slots:
    void anyTextSurvivesTheSettingsFile()
    {
        const QList<NamedTemplate> templates {
            { QStringLiteral("Kotlin"), QStringLiteral("Color(0xFF%Rh%Gh%Bh)") },
            { QStringLiteral("a=b; [x] \"q\" \\"), QStringLiteral("line 1\nline 2\t%r%%") },
            { QStringLiteral("façade ≈ 色"), QStringLiteral("#%hex, ;=[]{}") },
            { QStringLiteral("Kotlin"), QStringLiteral("repeated: left out") },
            { QStringLiteral("  "), QStringLiteral("no name: left out") },
        };
        TestEnv env;
        write(env.state, templates);
        SettingsStore again(env.path(QStringLiteral("config")));
        AppState reread(again);
        QCOMPARE(read(reread), templates.mid(0, 3));
        QCOMPARE(find(read(reread), QStringLiteral("façade ≈ 色"))->text,
            QStringLiteral("#%hex, ;=[]{}"));
        QCOMPARE(nameFromId(idOf(QStringLiteral("a:b"))), QStringLiteral("a:b"));
        QCOMPARE(nameFromId(QStringLiteral("hex")), QString());
    }

    void garbledValuesLoadNothing_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("not JSON") << "Kotlin=Color(%r)";
        QTest::newRow("an object") << "{\"Kotlin\": \"%r\"}";
        QTest::newRow("wrong shapes") << "[[\"a\"], [1, 2], \"x\", [\"a\", \"b\", \"c\"]]";
        QTest::newRow("cut short") << "[[\"a\", \"%r\"], [\"b\"";
    }
    void garbledValuesLoadNothing()
    {
        QFETCH(QString, value);
        QCOMPARE(fromSetting(value), QList<NamedTemplate>());
    }
};

QTEST_GUILESS_MAIN(TstNamedTemplates)
#include "tst_namedtemplates.moc"
