// The color and pick commands with names and formats of the user's own: templates given on the
// command line or stored by the picker (in a settings folder of the test's own), and templates
// that do not read, said with where they are wrong.
#include "colour/namedtemplates.h"
#include "support/programrun.h"
#include "support/testenv.h"

#include <QTest>

class TstColorFormats : public QObject
{
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        // The programs this test runs keep their settings here, never in the user's.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        SettingsStore store(m_config.path());
        AppState state(store);
        namedtemplates::write(state,
            { { QStringLiteral("Kotlin"), QStringLiteral("Color(0xFF%Rh%Gh%Bh)") },
                { QStringLiteral("a, b"), QStringLiteral("%r;%g;%b") },
                { QStringLiteral("Broken"), QStringLiteral("rgb(%z)") } });
    }

    void printsTheChosenFormats_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // standard output, or the start of standard error
        QTest::newRow("template") << QStringList { "color", "#e91e63", "--template",
            "Color(0xFF%Rh%Gh%Bh)" }
                                  << "" << 0 << "Color(0xFFE91E63)\n";
        QTest::newRow("stored") << QStringList { "color", "#e91e63", "-f", "Kotlin" } << "" << 0
                                << "Color(0xFFE91E63)\n";
        QTest::newRow("stored name with a comma")
            << QStringList { "color", "#e91e63", "-f", "a, b" } << "" << 0 << "233;30;99\n";
        // colorjs.io finds cerise nearest (tests/data/colour/names.json).
        QTest::newRow("formats, then templates")
            << QStringList { "color", "#e91e63", "--template", "%name!", "-f", "hex,name,Kotlin" }
            << "" << 0 << "#E91E63\n≈ cerise\nColor(0xFFE91E63)\ncerise!\n";
        QTest::newRow("exact name")
            << QStringList { "color", "#ff7f50", "-f", "name" } << "" << 0 << "coral\n";
        QTest::newRow("bad template")
            << QStringList { "color", "red", "--template", "Color(%q)" } << "" << 2
            << "tintavo color: bad template 'Color(%q)': unknown "
               "placeholder %q at column 7\n";
        QTest::newRow("bad template, fr")
            << QStringList { "color", "red", "--template", "Color(%q)" } << "fr_FR.UTF-8" << 2
            << "tintavo color: modèle « Color(%q) » incorrect : code inconnu %q en colonne 7\n";
        QTest::newRow("bad stored template")
            << QStringList { "color", "red", "-f", "Broken" } << "" << 2
            << "tintavo color: bad template 'rgb(%z)': unknown "
               "placeholder %z at column 5\n";
        QTest::newRow("unknown format") << QStringList { "color", "red", "-f", "nope" } << "" << 2
                                        << "tintavo color: bad value for --format: 'nope'\n";
        QTest::newRow("pick, bad template, es")
            << QStringList { "pick", "--template", "%.9r" } << "es_ES.UTF-8" << 2
            << "tintavo pick: plantilla «%.9r» incorrecta: precisión %.9 incorrecta en la "
               "columna 1: de .0 a .5\n";
    }
    void printsTheChosenFormats()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, status);
        QFETCH(QString, out);
        const ProgramRun r = runTintavo(arguments, false, locale);
        QCOMPARE(r.status, status);
        if (status == 0)
            QCOMPARE(QString::fromUtf8(r.out), out);
        else
            QVERIFY2(r.err.startsWith(out), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TstColorFormats)
#include "tst_colorformats.moc"
