// Formats of the user's own: what the brief's kind of templates print, agreement with the CSS
// notations over a spread of every colour, and faults named where they are.
#include "colour/colourtemplate.h"
#include "colour/cssnotation.h"

#include <QTest>

using namespace colourtemplate;

namespace {

QString formatted(const QString &text, int32_t bgr)
{
    const auto compiled = compile(text);
    if (const Error *error = std::get_if<Error>(&compiled))
        return QStringLiteral("error: ") + errorText(*error, Language::English);
    return format(std::get<Template>(compiled), bgr);
}

} // namespace

class TstColourTemplate : public QObject
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("expected");
        const int pink = 0x631EE9; // #E91E63
        QTest::newRow("Kotlin") << "Color(0xFF%Rh%Gh%Bh)" << pink << "Color(0xFFE91E63)";
        QTest::newRow("Swift") << "UIColor(red: %rf, green: %gf, blue: %bf, alpha: 1)" << pink
                               << "UIColor(red: 0.914, green: 0.118, blue: 0.388, alpha: 1)";
        QTest::newRow("custom property") << "--brand: %hex;" << pink << "--brand: #e91e63;";
        QTest::newRow("lower hex, upper #") << "%rh%gh%bh %HEX" << pink << "e91e63 #E91E63";
        QTest::newRow("precision, braces, %%")
            << "%.1rf|%.0h|%{r}h|%.0L|100%%" << pink << "0.9|340|233h|61|100%";
        QTest::newRow("greedy names") << "%hex%sv%rh%bf" << 0x0000FF << "#ff0000100ff0";
        QTest::newRow("name") << "%name / %name" << 0x507FFF << "coral / coral";
        QTest::newRow("black") << "%c %m %y %k %h %H" << 0 << "0 0 0 100 0 0";
        QTest::newRow("literal only") << "plain" << 0 << "plain";
    }
    void formats()
    {
        QFETCH(QString, text);
        QFETCH(int, colour);
        QFETCH(QString, expected);
        QCOMPARE(formatted(text, colour), expected);
    }

    // The placeholders print the very numbers of the CSS notations.
    void agreesWithTheNotations()
    {
        const std::pair<cssnotation::Notation, const char *> same[] = {
            { cssnotation::Notation::Hex, "#%Rh%Gh%Bh" },
            { cssnotation::Notation::HexLower, "%hex" },
            { cssnotation::Notation::Rgb, "rgb(%r %g %b)" },
            { cssnotation::Notation::Hsl, "hsl(%h %s%% %l%%)" },
            { cssnotation::Notation::Hsv, "hsv(%h, %sv%%, %v%%)" },
            { cssnotation::Notation::Oklch, "oklch(%L%% %C %H)" },
            { cssnotation::Notation::Cmyk, "cmyk(%c%%, %m%%, %y%%, %k%%)" },
        };
        for (const auto &[notation, text] : same) {
            const Template t = std::get<Template>(compile(QString::fromLatin1(text)));
            for (int32_t c = 0; c <= 0xFFFFFF; c += 997)
                QCOMPARE(format(t, c), cssnotation::format(c, notation));
        }
    }

    void faultsSayWhere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("said");
        QTest::newRow("unknown") << "Color(%q)" << 0 << "unknown placeholder %q at column 7";
        QTest::newRow("unknown word") << "a %qux b" << 0 << "unknown placeholder %qux at column 3";
        QTest::newRow("unknown in braces")
            << "x %{rr}" << 0 << "unknown placeholder %{rr} at column 3";
        QTest::newRow("lone %") << "100%" << 0 << "lone % at column 4: write %% for a percent sign";
        QTest::newRow("precision") << "%.9r" << 0 << "bad precision %.9 at column 1: from .0 to .5";
        QTest::newRow("two digits")
            << "%.12h" << 0 << "bad precision %.1 at column 1: from .0 to .5";
        QTest::newRow("brace") << "ab%{r" << 0 << "unclosed brace %{r at column 3";
        QTest::newRow("no decimals") << "%.2Rh" << 0 << "%.2Rh at column 1 has no decimals";
        QTest::newRow("fr") << "Color(%q)" << 1 << "code inconnu %q en colonne 7";
        QTest::newRow("es") << "100%" << 2
                            << "% suelto en la columna 4: escriba %% para un signo de porcentaje";
    }
    void faultsSayWhere()
    {
        QFETCH(QString, text);
        QFETCH(int, language);
        QFETCH(QString, said);
        const auto compiled = compile(text);
        QVERIFY(std::holds_alternative<Error>(compiled));
        QCOMPARE(errorText(std::get<Error>(compiled), Language(language)), said);
    }
};

QTEST_GUILESS_MAIN(TstColourTemplate)
#include "tst_colourtemplate.moc"
