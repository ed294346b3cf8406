#include "colour/palettefile.h"
#include "platform/filesave.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace palettefile;

namespace {

const Palette kTwo { "Brand", 0, { { 0x631EE9, "Pink" }, { 0xCC6633, "" } } };
const QString kData = QStringLiteral(TINTAVO_TEST_DATA "/palette/");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What Python prints; null when it failed.
QByteArray python(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), arguments);
    const bool ok
        = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? p.readAllStandardOutput() : QByteArray();
}

} // namespace

class TstPaletteFile : public QObject
{
    Q_OBJECT
private slots:
    void writtenFiles()
    {
        QCOMPARE(encode(kTwo, Format::Gpl),
            "GIMP Palette\nName: Brand\n#\n233  30  99\tPink\n 51 102 204\t#3366CC\n");
        QCOMPARE(encode(kTwo, Format::Css),
            "/* Brand */\n:root {\n  --color-1: #e91e63; /* Pink */\n  --color-2: #3366cc;\n}\n");
        QCOMPARE(encode(kTwo, Format::Json),
            "{\n  \"name\": \"Brand\",\n  \"colors\": [\n"
            "    { \"name\": \"Pink\", \"hex\": \"#e91e63\", \"rgb\": [233, 30, 99] },\n"
            "    { \"name\": \"\", \"hex\": \"#3366cc\", \"rgb\": [51, 102, 204] }\n  ]\n}\n");
        QVERIFY(QJsonDocument::fromJson(encode(Palette(), Format::Json))["colors"].isArray());
        // Unnamed, a column count past GIMP's bound, values that are not colours.
        const Palette odd { "", 999,
            { { -1, "unreadable" }, { 0xFFFFFF, "White" }, { int32_t(0x80000005u), "" } } };
        QCOMPARE(encode(odd, Format::Gpl),
            "GIMP Palette\nName: Tintavo\nColumns: 256\n#\n255 255 255\tWhite\n");

        // Names that could break a line, a comment or a string come back as one line of text.
        const QString tricky = QStringLiteral("  Rosé « vif » */ end\tand\r\nnext \"q\" \\ ");
        const QString shown = QStringLiteral("Rosé « vif » */ end and  next \"q\" \\");
        const Palette p { tricky, 5,
            { { 0x010203, tricky }, { 0x0A0B0C, "   " }, { 0x0A0B0C, "again" } } };
        QCOMPARE(parseGpl(encode(p, Format::Gpl)).palette,
            (Palette { shown, 5,
                { { 0x010203, shown }, { 0x0A0B0C, "#0C0B0A" }, { 0x0A0B0C, "again" } } }));
        const QJsonDocument json = QJsonDocument::fromJson(encode(p, Format::Json));
        QCOMPARE(json["name"].toString(), shown);
        QCOMPARE(json["colors"][0]["name"].toString(), shown);
        QCOMPARE(json["colors"][1]["name"].toString(), QString());
        QCOMPARE(encode(p, Format::Css).count("*/"), 3); // the ends of the three comments, no more
    }

    void readsGimpAndHandMadeFiles()
    {
        const LoadResult gimp = loadGpl(kData + "gimp-brand.gpl");
        QCOMPARE(gimp.palette,
            (Palette { QStringLiteral("Brand – spring"), 3,
                { { 0x631EE9, "Pink" }, { 0xCC6633, "Royal blue" }, { 0, "Black" },
                    { 0xFFFFFF, "White" }, { 0xB5513F, "Indigo 500" },
                    { 0x07C1FF, QStringLiteral("Ambre doré") } } }));
        QCOMPARE(parseGpl(encode(gimp.palette, Format::Gpl)).palette, gimp.palette);
        // CR LF, comments and blank lines among colours, tabs or spaces, padded names, no name.
        QCOMPARE(loadGpl(kData + "web-crlf.gpl").palette,
            (Palette { "Web basics", 0,
                { { 0x800000, "Navy blue" }, { 0x808000, "Teal" }, { 0x000080, "Maroon" },
                    { 0xC0C0C0, "Silver   grey" }, { 0x808080, "" } } }));
        // Byte order mark, lone CR line ends, a Latin-1 name, no "Name:" line; no colour at all.
        QCOMPARE(
            parseGpl("\xEF\xBB\xBFGIMP Palette\r255 0 0 Rouge vif \xE9t\xE9\r\r").palette.entries,
            (QList<Entry> { { 0x0000FF, QStringLiteral("Rouge vif été") } }));
        QVERIFY(parseGpl("GIMP Palette\nName: Empty\nColumns: 0\n").ok());
    }

    void faultsNameTheirLine()
    {
        const struct
        {
            QByteArray file;
            Error error;
            int line;
        } cases[] = {
            { "", Error::NotAPalette, 1 },
            { "Name: x\n255 0 0\n", Error::NotAPalette, 1 },
            { "GIMP Palette v2\n", Error::NotAPalette, 1 },
            { QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR"), Error::NotAPalette, 1 },
            { QByteArrayLiteral("GIMP Palette\0\n"), Error::NotText, 1 },
            { QByteArrayLiteral("GIMP Palette\n1 2 3 a\n1 2 3 a\0b\n"), Error::NotText, 3 },
            { "GIMP Palette\nName: a\nColumns: many\n", Error::BadColumns, 3 },
            { "GIMP Palette\nColumns: 257\n", Error::BadColumns, 2 },
            { "GIMP Palette\nColumns: -4\n", Error::BadColumns, 2 },
            { "GIMP Palette\n1 2 3\nName: late\n", Error::BadLine, 3 },
            { "GIMP Palette\nAuthor: me\n", Error::BadLine, 2 },
            { "GIMP Palette\n#\n12 34\tName\n", Error::BadLine, 3 },
            { "GIMP Palette\n1 2 3Pink\n", Error::BadLine, 2 },
            { "GIMP Palette\n+1 2.5 3\n", Error::BadLine, 2 },
            { "GIMP Palette\n255 255 256\n", Error::OutOfRange, 2 },
            { "GIMP Palette\n-0 0 0\n", Error::OutOfRange, 2 },
            { "GIMP Palette\n0 0 " + QByteArray(5000, '9') + '\n', Error::OutOfRange, 2 },
            // CR LF and lone CR are one line end each; the byte order mark is no line.
            { "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n\r\n1 2 3\r\n4 5\r\n", Error::BadLine, 5 },
            { "GIMP Palette\r#\r\r1 2 300\r", Error::OutOfRange, 4 },
            { readAll(kData + "out-of-range.gpl"), Error::OutOfRange, 5 },
        };
        for (const auto &c : cases) {
            const LoadResult r = parseGpl(c.file);
            QVERIFY2(r.error == c.error && r.line == c.line, c.file.left(60).constData());
            QCOMPARE(r.palette, Palette()); // nothing of a faulty file is kept
        }
    }

    void limitsComeFirst()
    {
        const QByteArray header = "GIMP Palette\nName: Big\n";
        const auto colourLines = [](int count) {
            QByteArray out;
            for (int i = 0; i < count; ++i)
                out += QByteArray::number(i % 256) + ' ' + QByteArray::number(i / 256) + " 7\tc\n";
            return out;
        };
        QCOMPARE(parseGpl(header + colourLines(kMaxColours)).palette.entries.size(), kMaxColours);
        // One colour too many is reported there, before the bad line after it.
        const LoadResult over = parseGpl(header + colourLines(kMaxColours + 1) + "junk\n");
        QVERIFY(over.error == Error::TooManyColours && over.line == 2 + kMaxColours + 1);

        // Past the size limit not even the header is looked at.
        QVERIFY(parseGpl(QByteArray(kMaxFileBytes + 1, ' ')).error == Error::TooLarge);
        QByteArray most = header + QByteArray(kMaxFileBytes - header.size() - 1, '#') + '\n';
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.gpl"));
        QVERIFY(filesave::writeAtomically(path, most) && loadGpl(path).ok());
        QVERIFY(
            filesave::writeAtomically(path, most + '\n') && loadGpl(path).error == Error::TooLarge);
        QVERIFY(
            ::truncate(QFile::encodeName(path).constData(), qint64(4) << 30) == 0); // sparse 4 GiB
        QVERIFY(loadGpl(path).error == Error::TooLarge);

        // Only regular files: a FIFO is refused at once, without waiting for a writer.
        const QString fifo = dir.filePath(QStringLiteral("pipe.gpl"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString &p : { fifo, dir.path(), dir.filePath(QStringLiteral("missing.gpl")) })
            QVERIFY(loadGpl(p).error == Error::CannotOpen && loadGpl(p).line == 0);
    }

    // Each fault and language its own words, the line number in those about a line.
    void messagesInThreeLanguages()
    {
        QSet<QString> seen;
        for (auto e = int(Error::CannotOpen); e <= int(Error::TooManyColours); ++e) {
            for (Language l :
                { Language::English, Language::French, Language::Spanish, Language::Other }) {
                const QString text = errorText(Error(e), 4321, l);
                QVERIFY2(!text.isEmpty() && !text.contains(u'%')
                        && (!seen.contains(text) || l == Language::Other),
                    qPrintable(text));
                QCOMPARE(text.contains(QLatin1String("4321")), e > int(Error::NotAPalette));
                seen.insert(text);
            }
        }
        QCOMPARE(seen.size(), 3 * int(Error::TooManyColours));
        QCOMPARE(errorText(parseGpl("GIMP Palette\n\n300 0 0\n"), Language::Spanish),
            QStringLiteral("Línea 3: un valor de color está fuera del intervalo de 0 a 255."));
    }

    void savesAtomically()
    {
        QTemporaryDir dir;
        for (Format f : { Format::Gpl, Format::Css, Format::Json }) {
            const QString path = dir.filePath("brand" + suffixOf(f));
            QVERIFY(save(kTwo, f, path) && readAll(path) == encode(kTwo, f));
        }
        // The disk fills up part-way: the old file stays whole and nothing is left beside it.
        const QString kept = dir.filePath(QStringLiteral("brand.gpl"));
        const QByteArray old = readAll(kept);
        Palette big;
        for (int i = 0; i < 2000; ++i)
            big.entries.append({ i, QStringLiteral("colour %1").arg(i) });
        for (Format f : { Format::Gpl, Format::Css, Format::Json })
            QVERIFY(runWithFileSizeLimit(4096, [&] { return save(big, f, kept); })
                == std::optional(false));
        QCOMPARE(readAll(kept), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList { "brand.css", "brand.gpl", "brand.json" }));
        // Nor is a palette written that could not be read back.
        big.entries.resize(kMaxColours + 1);
        QVERIFY(!save(big, Format::Json, kept) && readAll(kept) == old);
    }

    // Other programs read the files: Pillow's GIMP palette reader, Python's JSON tools, and
    // tinycss2, a parser that follows the browsers' CSS syntax. Names try to end comments.
    void otherProgramsReadTheFiles()
    {
        QTemporaryDir dir;
        const Palette p { "Brand */ x", 4,
            { { 0x631EE9, "Pink */ --color-9: red" }, { 0xCC6633, "" },
                { 0x07C1FF, "Ambre doré" } } };
        const QString gpl = dir.filePath("p.gpl"), css = dir.filePath("p.css"),
                      json = dir.filePath("p.json");
        QVERIFY(
            save(p, Format::Gpl, gpl) && save(p, Format::Css, css) && save(p, Format::Json, json));

        QVERIFY(python({ "-c",
                           "import sys\nfrom PIL.GimpPaletteFile import GimpPaletteFile\n"
                           "print(GimpPaletteFile(open(sys.argv[1], 'rb')).getpalette()[0].hex())",
                           gpl })
                    .contains("e91e63"
                              "3366cc"
                              "ffc107"));
        QVERIFY(!python({ "-m", "json.tool", json }).isEmpty());
        QCOMPARE(
            python({ "-c",
                "import json, sys\nd = json.load(open(sys.argv[1], encoding='utf-8'))\n"
                "print(d['name'])\nfor c in d['colors']: print(c['hex'], *c['rgb'], c['name'])",
                json }),
            "Brand */ x\n#e91e63 233 30 99 Pink */ --color-9: red\n#3366cc 51 102 204 \n"
            "#ffc107 255 193 7 Ambre doré\n");
        QCOMPARE(python({ "-c",
                     "import sys, tinycss2 as t\n"
                     "text = open(sys.argv[1], encoding='utf-8').read()\n"
                     "for r in t.parse_stylesheet(text, True, True):\n"
                     "  print(r.type, t.serialize(r.prelude).strip())\n"
                     "  for d in t.parse_declaration_list(r.content, True, True):\n"
                     "    print(d.type, d.name, t.serialize(d.value).strip())",
                     css }),
            "qualified-rule :root\ndeclaration --color-1 #e91e63\n"
            "declaration --color-2 #3366cc\ndeclaration --color-3 #ffc107\n");
    }
};

QTEST_GUILESS_MAIN(TstPaletteFile)
#include "tst_palettefile.moc"
