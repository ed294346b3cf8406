#include "controls/label.h"
#include "controls/picturebox.h"
#include "gradient/frmgrd.h"
#include "gradient/frmspheric.h"
#include "gradient/gradientcss.h"
#include "gradient/gradientrender.h"
#include "icon/faviconset.h"
#include "icon/frmtoico.h"
#include "icon/multiicon.h"
#include "icon/sourcepicture.h"
#include "support/namedcontrol.h"
#include "support/programrun.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include "colour/colourschemes.h"
#include "colour/cssnotation.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

namespace {

using Run = ProgramRun;

// The program as a user runs it over SSH: no display at all.
Run tintavo(const QStringList &arguments) { return runTintavo(arguments, false); }

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString hex(int32_t bgr) { return cssnotation::format(bgr, cssnotation::Notation::Hex); }

} // namespace

class TstCommands : public QObject
{
    Q_OBJECT

private slots:
    void colorRoundTripsEveryNotation()
    {
        for (const int32_t colour :
            { 0x000000, 0xFFFFFF, 0x563412, 0x631EE9, 0x808080, 0x0000FF }) {
            const Run all = tintavo({ QStringLiteral("color"), QString::number(colour) });
            QCOMPARE(all.status, 0);
            const QList<QByteArray> lines = all.out.trimmed().split('\n');
            QCOMPARE(lines.size(), 15);
            for (const QByteArray &line : lines) {
                // Each line: the format's id, then the value; the value reads back,
                // both as this program reads it and given back to the command in that
                // format.
                const QString id = QString::fromUtf8(line.left(line.indexOf(' ')));
                const QString value = QString::fromUtf8(line.mid(line.indexOf(' '))).trimmed();
                QCOMPARE(cssnotation::parse(value), std::optional<int32_t>(colour));
                const Run again
                    = tintavo({ QStringLiteral("color"), value, QStringLiteral("--format"), id });
                QCOMPARE(again.status, 0);
                QCOMPARE(QString::fromUtf8(again.out), value + QLatin1Char('\n'));
            }
        }
        const Run chosen
            = tintavo({ QStringLiteral("color"), QStringLiteral("0x123456"), QStringLiteral("-f"),
                QStringLiteral("hex,decimal"), QStringLiteral("--format"), QStringLiteral("vb") });
        QCOMPARE(chosen.out, QByteArray("#563412\n1193046\n&H00123456&\n"));
    }

    // Schemes one colour a line, the harmony (the colour first) before the variations, in the
    // chosen notations separated by tabs: what the picker's scheme rows show.
    void colorPrintsSchemes()
    {
        const Run run = tintavo({ "color", "#0000ff", "--harmony", "triadic", "--tints", "2",
            "--shades", "1", "--tones", "1", "-f", "hex,rgb" });
        QCOMPARE(run.status, 0);
        QList<int32_t> expected = colourschemes::harmony(0xFF0000, colourschemes::Harmony::Triadic);
        for (const auto &v : { std::pair { colourschemes::Variation::Tints, 2 },
                 { colourschemes::Variation::Shades, 1 }, { colourschemes::Variation::Tones, 1 } })
            expected += colourschemes::variation(0xFF0000, v.first, v.second);
        QString lines;
        for (int32_t c : expected)
            lines += hex(c) + u'\t' + cssnotation::format(c, cssnotation::Notation::Rgb) + u'\n';
        QCOMPARE(QString::fromUtf8(run.out), lines);
        QCOMPARE(tintavo({ "color", "white", "--tints", "1" }).out, QByteArray("#FFFFFF\n"));
    }

    void usageErrorsNameTheBadArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown command") << QStringList { "paint" } << "'paint'";
        QTest::newRow("not a colour") << QStringList { "color", "#12345" } << "'#12345'";
        QTest::newRow("unknown format")
            << QStringList { "color", "0", "--format", "hexx" } << "'hexx'";
        QTest::newRow("unknown option")
            << QStringList { "color", "0", "--fromat", "hex" } << "fromat";
        QTest::newRow("unknown harmony")
            << QStringList { "color", "red", "--harmony", "pentadic" } << "'pentadic'";
        QTest::newRow("no steps") << QStringList { "color", "red", "--tints", "0" } << "--tints";
        QTest::newRow("missing value") << QStringList { "icon", "a.bmp", "-o" } << "o";
        QTest::newRow("edit without a picture") << QStringList { "edit" } << "IN";
        QTest::newRow("contrast of one colour")
            << QStringList { "contrast", "red" } << "BACKGROUND";
        QTest::newRow("contrast of no colour")
            << QStringList { "contrast", "red", "#12345" } << "'#12345'";
        QTest::newRow("edit to no known format")
            << QStringList { "edit", "a.png", "-o", "a.xyz" } << "--output";
        QTest::newRow("depth") << QStringList { "icon", "a.bmp", "-o", "a.ico", "--depth", "2" }
                               << "--depth";
        QTest::newRow("five colours") << QStringList { "gradient", "--colors",
            "red,red,red,red,red", "--orientation", "vertical", "--size", "9x9", "-o", "g.bmp" }
                                      << "--colors";
        QTest::newRow("three on a diagonal") << QStringList { "gradient", "--colors",
            "rgb(1, 2, 3),red,blue", "--orientation", "diagonal-up", "--size", "9x9", "-o",
            "g.bmp" } << "--colors";
        QTest::newRow("orientation") << QStringList { "gradient", "--colors", "red,blue",
            "--orientation", "up", "--size", "9x9", "-o", "g.bmp" }
                                     << "'up'";
        QTest::newRow("unreadable css") << QStringList { "gradient", "--from-css",
            "linear-gradient(red 3em, blue)", "--size", "9x9", "-o", "g.png" }
                                        << "“3em”";
        QTest::newRow("css to a bitmap") << QStringList { "gradient", "--from-css",
            "conic-gradient(red, blue)", "--size", "9x9", "-o", "g.bmp" }
                                         << ".webp";
        QTest::newRow("css and colours") << QStringList { "gradient", "--from-css",
            "conic-gradient(red, blue)", "--colors", "red,blue", "--size", "9x9", "-o", "g.png" }
                                         << "--colors";
        QTest::newRow("css past the widest export") << QStringList { "gradient", "--from-css",
            "conic-gradient(red, blue)", "--size", "16385x1", "-o", "g.png" }
                                                    << "--size";
        QTest::newRow("size") << QStringList { "sphere", "--size", "0x9", "--centre", "red",
            "--rim", "blue", "--sphere", "9x9", "-o", "s.bmp" }
                              << "--size";
        QTest::newRow("rim") << QStringList { "sphere", "--size", "9x9", "--centre", "red", "--rim",
            "bleu", "--sphere", "9x9", "-o", "s.bmp" }
                             << "'bleu'";
        QTest::newRow("icon size")
            << QStringList { "icon", "a.png", "-o", "a.ico", "--sizes", "16,20" } << "--sizes";
        QTest::newRow("depth of a multi-size icon") << QStringList { "icon", "a.png", "-o", "a.ico",
            "--sizes", "16", "--depth", "8" } << "--depth";
        QTest::newRow("crop of the 32 x 32 icon")
            << QStringList { "icon", "a.png", "-o", "a.ico", "--crop" } << "--crop";
        QTest::newRow("force without a set") << QStringList { "icon", "a.png", "-o", "a.ico",
            "--sizes", "16", "--force" } << "--force";
        QTest::newRow("set and -o") << QStringList { "icon", "a.png", "--favicon-set", "web", "-o",
            "a.ico" } << "--favicon-set";
        QTest::newRow("capture format")
            << QStringList { "capture", "-o", "shot.xcf" } << "shot.xcf";
        QTest::newRow("two things to capture")
            << QStringList { "capture", "--last-region", "--window" } << "--window";
        QTest::newRow("decorations without a window")
            << QStringList { "capture", "--select", "--no-decorations" } << "--no-decorations";
        QTest::newRow("quality of a PNG")
            << QStringList { "capture", "-o", "shot.png", "--quality", "50" } << "--quality";
    }

    void usageErrorsNameTheBadArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        const Run r = tintavo(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void messagesFollowTheLocale()
    {
        const QStringList arguments { QStringLiteral("icon"), QStringLiteral("star.bmp"),
            QStringLiteral("--depth"), QStringLiteral("3"), QStringLiteral("-o"),
            QStringLiteral("x.ico") };
        QCOMPARE(runTintavo(arguments, false, QStringLiteral("fr_FR.UTF-8")).err,
            QStringLiteral("tintavo icon: valeur incorrecte pour --depth : « 3 »\nEssayez « "
                           "tintavo icon --help ».\n"));
        QCOMPARE(runTintavo(arguments, false, QStringLiteral("es_ES.UTF-8")).err,
            QStringLiteral("tintavo icon: valor incorrecto para --depth: "
                           "«3»\nPruebe «tintavo icon "
                           "--help».\n"));
        QVERIFY(runTintavo({ QStringLiteral("--help") }, false, QStringLiteral("es_ES"))
                    .out.startsWith("Uso: tintavo"));
    }

    void failuresWriteNothing()
    {
        TestEnv env;
        const QString ico = env.path(QStringLiteral("old.ico"));
        QFile f(ico);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
        f.close();
        const Run unreadable = tintavo({ QStringLiteral("icon"),
            env.path(QStringLiteral("none.bmp")), QStringLiteral("-o"), ico });
        QCOMPARE(unreadable.status, 1);
        QVERIFY(unreadable.err.contains(QStringLiteral("none.bmp")));
        QCOMPARE(bytesOf(ico), QByteArray("old"));
        const Run noFolder
            = tintavo({ QStringLiteral("icon"), QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp"),
                QStringLiteral("-o"), env.path(QStringLiteral("missing/star.ico")) });
        QCOMPARE(noFolder.status, 1);
        QVERIFY(!QFile::exists(env.path(QStringLiteral("missing"))));
        const Run noScreen = tintavo({ QStringLiteral("capture"), QStringLiteral("-o"),
            env.path(QStringLiteral("shot.png")) });
        QCOMPARE(noScreen.status, 1);
        QVERIFY(!QFile::exists(env.path(QStringLiteral("shot.png"))));
    }

    // A failure says what to mend in the locale's words: the system's reason for
    // a file that cannot be written, the limit a size passes, a missing file
    // apart from one that holds no picture. Notes tell what was taken otherwise
    // than written. "%D" is a fresh folder.
    void messagesSayWhy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // on standard error; empty: nothing at all
        const QStringList sphere { "sphere", "--size", "9x9", "--centre", "red", "--rim", "blue",
            "--sphere", "9x9" };
        const QString star = QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp");
        const QString notAPicture = QStringLiteral(TINTAVO_TEST_DATA "/../cli/tst_commands.cpp");
        QTest::newRow("no such folder")
            << sphere + QStringList { "-o", "%D/none/s.bmp" } << "" << 1
            << "tintavo sphere: could not write '%D/none/s.bmp': No such file or "
               "directory\n";
        QTest::newRow("disk full") << sphere + QStringList { "-o", "/dev/full" } << "" << 1
                                   << "could not write '/dev/full': No space left on device\n";
        QTest::newRow("disk full, es")
            << QStringList { "icon", star, "-o", "/dev/full" } << "es_ES.UTF-8" << 1
            << "tintavo icon: no se pudo escribir «/dev/full»: ";
        QTest::newRow("missing picture") << QStringList { "icon", "%D/none.png", "-o",
            "%D/a.ico" } << "" << 1 << "tintavo icon: '%D/none.png' does not exist\n";
        QTest::newRow("a folder for a picture") << QStringList { "icon", "%D", "-o",
            "%D/a.ico" } << "" << 1 << "tintavo icon: could not open '%D': Is a directory\n";
        QTest::newRow("not a picture") << QStringList { "icon", notAPicture, "-o",
            "%D/a.ico" } << "" << 1 << "'" + notAPicture + "' holds no picture Tintavo can read";
        QTest::newRow("side past the limit")
            << QStringList { "sphere", "--size", "40000x9", "--centre", "red", "--rim", "blue",
                   "--sphere", "9x9", "-o", "%D/s.bmp" }
            << "" << 2
            << "bad value for --size: '40000x9': each side is from 1 to 32767 "
               "pixels\n";
        QTest::newRow("sphere past its limit, es") << QStringList { "sphere", "--size", "9x9",
            "--centre", "red", "--rim", "blue", "--sphere", "1000000000x9", "-o",
            "%D/s.bmp" } << "es_ES.UTF-8" << 2 << "cada lado va de 1 a 999999999 píxeles";
        QTest::newRow("more pixels than a picture may hold") << QStringList { "gradient",
            "--colors", "red,blue", "--orientation", "vertical", "--size", "30000x30000", "-o",
            "%D/g.bmp" } << "" << 2 << "a picture may take at most 256 MiB (4 bytes a pixel)";
        QTest::newRow("not a colour") << QStringList { "color", "nope" } << "" << 2
                                      << "tintavo color: 'nope' is not a colour\n";
        QTest::newRow("alpha of a hex colour")
            << QStringList { "color", "#fff8", "-f", "hex" } << "" << 0
            << "tintavo color: the alpha of '#fff8' is ignored: the colour is used "
               "opaque\n";
        QTest::newRow("alpha of rgb(), fr")
            << sphere + QStringList { "--rim", "rgb(1 2 3 / 50%)", "-o", "%D/s.bmp" }
            << "fr_FR.UTF-8" << 0 << "l'alpha de « rgb(1 2 3 / 50%) » est ignoré";
        QTest::newRow("a repeated stop is noted once")
            << QStringList { "gradient", "--colors", "red,#00f8", "--orientation", "vertical",
                   "--css" }
            << "" << 0
            << "tintavo gradient: the alpha of '#00f8' is ignored: the colour is "
               "used "
               "opaque\n";
        QTest::newRow("no alpha, no note")
            << QStringList { "color", "rgb(1 2 3)" } << "" << 0 << "";
    }
    void messagesSayWhy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        arguments.replaceInStrings(QStringLiteral("%D"), dir.path());
        said.replace(QStringLiteral("%D"), dir.path());
        const Run r = runTintavo(arguments, false, locale);
        QCOMPARE(r.status, status);
        if (said.isEmpty())
            QCOMPARE(r.err, QString());
        else if (said.endsWith(QLatin1Char('\n')) && said.startsWith(QLatin1String("tintavo")))
            QVERIFY2(r.err.startsWith(said),
                qPrintable(r.err)); // a usage error adds a hint
        else
            QVERIFY2(r.err.contains(said), qPrintable(r.err));
        if (status != 0)
            QVERIFY(QDir(dir.path()).isEmpty());
        // A device stays a device: it is written to, never replaced by a file.
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    }

    void helpAndVersion()
    {
        for (const char *command : { "color", "pick", "capture", "gradient", "sphere", "icon" }) {
            const Run r = tintavo({ QString::fromLatin1(command), QStringLiteral("--help") });
            QCOMPARE(r.status, 0);
            QVERIFY(r.out.startsWith("Usage: tintavo " + QByteArray(command)));
        }
        const QByteArray main = tintavo({ QStringLiteral("--help") }).out;
        QVERIFY2(main.contains("several sizes") && main.contains("favicon set"), main.constData());
        const Run v = tintavo({ QStringLiteral("--version") });
        QCOMPARE(v.status, 0);
        QVERIFY(v.out.startsWith("tintavo 1."));
    }

    // A design system's pair checked in a script: the ratio and the Lc as the WCAG and APCA
    // references give them (4.54:1; apca-w3 says 71.57), the verdicts, status 0 even when one
    // fails.
    void contrastIsPrinted()
    {
        const Run run = tintavo({ "contrast", "#767676", "white" });
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out),
            QStringLiteral("WCAG 2.2 4.54:1\n"
                           "  normal text: AA pass, AAA fail\n"
                           "  large text: AA pass, AAA pass\n"
                           "APCA Lc 71.6\n"
                           "  body text (Lc 75): fail\n"
                           "  large text (Lc 45): pass\n"
                           "  non-text (Lc 30): pass\n"));
    }

    void gradientIsTheWindowsFile_data()
    {
        QTest::addColumn<int>("segments");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("orientation");
        QTest::newRow("2 horizontal") << 1 << "CmdH"
                                      << "horizontal";
        QTest::newRow("3 vertical") << 2 << "CmdV"
                                    << "vertical";
        QTest::newRow("4 horizontal") << 3 << "CmdH"
                                      << "horizontal";
        QTest::newRow("4 vertical") << 3 << "CmdV"
                                    << "vertical";
        QTest::newRow("diagonal down") << 1 << "CmdD1"
                                       << "diagonal-down";
        QTest::newRow("diagonal up") << 1 << "CmdD2"
                                     << "diagonal-up";
    }

    void gradientIsTheWindowsFile()
    {
        QFETCH(int, segments);
        QFETCH(QString, button);
        QFETCH(QString, orientation);
        const int32_t stops[] = { 0x3020F0, 0x10C0E0, 0xE08040, 0x000000 };
        ToolFixture<FrmGRD> f(Tool::Gradient, QStringLiteral("Anglais"));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox boxes;
        QStringList colours;
        for (int i = 0; i <= segments; ++i) {
            dialogs.answerColor(stops[i]);
            QTest::mouseClick(
                control<PictureBox>(f.w, QStringLiteral("Pic%1").arg(i + 1)), Qt::LeftButton);
            colours << hex(stops[i]);
        }
        QTest::mouseClick(
            control<QRadioButton>(f.w, QStringLiteral("op%1").arg(segments)), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(f.w, button), Qt::LeftButton);
        const QString windowFile = f.env.path(QStringLiteral("window.bmp"));
        dialogs.answerFile(windowFile);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CmdEnreg"), Qt::LeftButton);

        const QSize size = control<PictureBox>(f.w, "PicDeg")->innerSize();
        const QString commandFile = f.env.path(QStringLiteral("command.bmp"));
        const Run r = tintavo({ QStringLiteral("gradient"), QStringLiteral("--colors"),
            colours.join(QLatin1Char(',')), QStringLiteral("--orientation"), orientation,
            QStringLiteral("--size"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
            QStringLiteral("-o"), commandFile, QStringLiteral("--css") });
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("linear-gradient("));
        QCOMPARE(r.err, QString()); // nothing of Qt's own on the way
        const QByteArray expected = bytesOf(windowFile);
        QVERIFY(expected.size() > 54);
        QVERIFY(bytesOf(commandFile) == expected);
    }

    // --from-css writes the panel's export: the same pixels, by extension PNG or (lossless)
    // WebP, with alpha where a stop has it.
    void gradientFromCssIsThePanelsExport_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << "linear-gradient(in oklch 135deg, #202020, #e91e63 70%, #fff)"
                             << "g.png";
        QTest::newRow("webp with alpha")
            << "repeating-conic-gradient(from 10deg at 30% 40%, #00f8, red 25%)"
            << "g.webp";
    }
    void gradientFromCssIsThePanelsExport()
    {
        QFETCH(QString, css);
        QFETCH(QString, name);
        TestEnv env;
        const QString file = env.path(name);
        const Run r = tintavo({ QStringLiteral("gradient"), QStringLiteral("--from-css"), css,
            QStringLiteral("--size"), QStringLiteral("300x170"), QStringLiteral("-o"), file });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QImage expected
            = gradientrender::render(std::get<gradientmodel::Gradient>(gradientcss::read(css)),
                QSize(300, 170), gradientrender::Dither::Ordered);
        const QImage written = QImage(file).convertToFormat(expected.format());
        QCOMPARE(written.hasAlphaChannel(), expected.hasAlphaChannel());
        QVERIFY(written == expected);
    }

    void sphereIsTheWindowsFile_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("designed") << "200"
                                  << "200";
        QTest::newRow("wide, past the surface") << "900"
                                                << "120";
        QTest::newRow("narrow") << "7"
                                << "300";
    }

    void sphereIsTheWindowsFile()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        ToolFixture<FrmSpheric> f(Tool::Spherical, QStringLiteral("Anglais"));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox boxes;
        dialogs.answerColor(0x20A0F0);
        QTest::mouseClick(control<Label>(f.w, "LblC1"), Qt::LeftButton);
        dialogs.answerColor(0x401010);
        QTest::mouseClick(control<Label>(f.w, "LblC2"), Qt::LeftButton);
        control<QLineEdit>(f.w, "TxtWidth")->setText(width);
        control<QLineEdit>(f.w, "TxtHeight")->setText(height);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CmdGo"), Qt::LeftButton);
        const QString windowFile = f.env.path(QStringLiteral("window.bmp"));
        dialogs.answerFile(windowFile);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CmdSave"), Qt::LeftButton);

        const QSize size = control<PictureBox>(f.w, "Pik")->innerSize();
        const QString commandFile = f.env.path(QStringLiteral("command.bmp"));
        const Run r = tintavo({ QStringLiteral("sphere"), QStringLiteral("--size"),
            QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
            QStringLiteral("--centre"), QStringLiteral("rgb(240 160 32)"), QStringLiteral("--rim"),
            QStringLiteral("#101040"), QStringLiteral("--sphere"),
            width + QLatin1Char('x') + height, QStringLiteral("-o"), commandFile });
        QCOMPARE(r.status, 0);
        const QByteArray expected = bytesOf(windowFile);
        QVERIFY(expected.size() > 54);
        QVERIFY(bytesOf(commandFile) == expected);
    }

    void multiSizeIconsAndFaviconSetsWithoutADisplay()
    {
        TestEnv env;
        QImage disc(300, 200, QImage::Format_ARGB32);
        disc.fill(Qt::transparent);
        {
            QPainter p(&disc);
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(0xE9, 0x1E, 0x63));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(150, 100), 90, 90);
        }
        const QString png = env.path(QStringLiteral("disc.png"));
        QVERIFY(disc.save(png));

        // The bytes the converter's panel writes for the same picture and sizes.
        const QString ico = env.path(QStringLiteral("disc.ico"));
        const Run multi = tintavo({ QStringLiteral("icon"), png, QStringLiteral("-o"), ico,
            QStringLiteral("--sizes"), QStringLiteral("256,16,48") });
        QCOMPARE(multi.status, 0);
        const QList<int> sizes { 16, 48, 256 };
        const sourcepicture::Result loaded = sourcepicture::load(png);
        QVERIFY(bytesOf(ico)
            == multiicon::icoBytes(
                multiicon::entriesFor(loaded.picture, sizes, sourcepicture::Fit::Centre)));

        // A drawing with text, drawn at each size with no display at all.
        const QString svg = env.path(QStringLiteral("letter.svg"));
        QFile f(svg);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='64' "
                "height='64'><rect width='64' "
                "height='64' "
                "fill='#3366cc'/><text x='8' y='48' font-size='48'>A</text></svg>");
        f.close();
        QCOMPARE(tintavo({ QStringLiteral("icon"), svg, QStringLiteral("-o"),
                             env.path(QStringLiteral("letter.ico")), QStringLiteral("--sizes"),
                             QStringLiteral("16,64") })
                     .status,
            0);
        QImageReader reader(env.path(QStringLiteral("letter.ico")));
        QCOMPARE(reader.imageCount(), 2);

        // The set: every file, and the lines for the page on standard output.
        const QString site = env.path(QStringLiteral("site/static"));
        const QStringList set { QStringLiteral("icon"), png, QStringLiteral("--favicon-set"),
            site };
        const Run first = tintavo(set);
        QCOMPARE(first.status, 0);
        QCOMPARE(QString::fromUtf8(first.out), faviconset::linkLines() + QLatin1Char('\n'));
        QCOMPARE(QDir(site).entryList(QDir::Files, QDir::Name),
            QStringList({ "apple-touch-icon.png", "favicon.ico", "icon-192.png", "icon-512.png",
                "site.webmanifest" }));
        const QByteArray touch
            = bytesOf(QDir(site).filePath(QStringLiteral("apple-touch-icon.png")));
        // Again: nothing is replaced without --force, and the message names what is
        // there.
        const Run again = tintavo(
            set + QStringList { QStringLiteral("--background"), QStringLiteral("black") });
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains(site) && again.err.contains(QStringLiteral("favicon.ico")),
            qPrintable(again.err));
        QVERIFY(bytesOf(QDir(site).filePath(QStringLiteral("apple-touch-icon.png"))) == touch);
        const Run forced = tintavo(set
            + QStringList { QStringLiteral("--background"), QStringLiteral("black"),
                QStringLiteral("--force") });
        QCOMPARE(forced.status, 0);
        const QImage black(QDir(site).filePath(QStringLiteral("apple-touch-icon.png")));
        QCOMPARE(black.size(), QSize(180, 180));
        QCOMPARE(black.pixel(0, 0), qRgb(0, 0, 0));
        // The manifest: the picture's name, or the one given, and the background's colour.
        auto manifest = [&] {
            return QJsonDocument::fromJson(
                bytesOf(QDir(site).filePath(QStringLiteral("site.webmanifest"))))
                .object();
        };
        QCOMPARE(manifest().value(QStringLiteral("name")).toString(), QStringLiteral("disc"));
        QCOMPARE(
            manifest().value(QStringLiteral("theme_color")).toString(), QStringLiteral("#000000"));
        QCOMPARE(tintavo(set
                     + QStringList { QStringLiteral("--force"), QStringLiteral("--name"),
                         QStringLiteral(" Ñandú \"Web\" ") })
                     .status,
            0);
        QCOMPARE(
            manifest().value(QStringLiteral("name")).toString(), QStringLiteral("Ñandú \"Web\""));

        // A picture too large is refused before it is decoded, with its size.
        QImage wide(20000, 1, QImage::Format_Mono);
        wide.fill(0);
        const QString huge = env.path(QStringLiteral("wide.png"));
        QVERIFY(wide.save(huge));
        const Run refused = tintavo({ QStringLiteral("icon"), huge, QStringLiteral("-o"), ico,
            QStringLiteral("--sizes"), QStringLiteral("16") });
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("20000 x 1")), qPrintable(refused.err));
        QVERIFY(bytesOf(ico)
            == multiicon::icoBytes(
                multiicon::entriesFor(loaded.picture, sizes, sourcepicture::Fit::Centre)));
    }

    void iconIsTheWindowsFileAtEveryDepth()
    {
        const QString star = QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp");
        ToolFixture<FrmToIco> f(Tool::ToIco, QStringLiteral("Anglais"));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox boxes;
        dialogs.answerFile(star);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CmdOpen"), Qt::LeftButton);
        const int depths[] = { 1, 4, 8, 16, 24, 32 };
        for (int i = 0; i < 6; ++i) {
            control<QRadioButton>(f.w, "opBpp", i)->click();
            QCOMPARE(f.w->BitDepth, depths[i]);
            const QString windowFile = f.env.path(QStringLiteral("window%1.ico").arg(depths[i]));
            control<QLineEdit>(f.w, "TxtExport")->setText(windowFile);
            QTest::mouseClick(control<QAbstractButton>(f.w, "CcBtnConvertion"), Qt::LeftButton);
            const QString commandFile = f.env.path(QStringLiteral("command%1.ico").arg(depths[i]));
            const Run r = tintavo({ QStringLiteral("icon"), star, QStringLiteral("-o"), commandFile,
                QStringLiteral("--depth"), QString::number(depths[i]) });
            QCOMPARE(r.status, 0);
            const QByteArray expected = bytesOf(windowFile);
            QVERIFY(expected.size() > 22);
            const QByteArray actual = bytesOf(commandFile);
            qsizetype at = 0;
            while (at < std::min(actual.size(), expected.size()) && actual[at] == expected[at])
                ++at;
            QVERIFY2(actual == expected,
                qPrintable(
                    QStringLiteral("depth %1: %2 bytes, the window's %3, first difference at %4")
                        .arg(depths[i])
                        .arg(actual.size())
                        .arg(expected.size())
                        .arg(at)));
        }
        // Another transparent colour, chosen in the window's colour dialog.
        dialogs.answerColor(0xFF0000);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CmdColor"), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(f.w, "CcBtnConvertion"), Qt::LeftButton);
        const QString commandFile = f.env.path(QStringLiteral("blue.ico"));
        QCOMPARE(tintavo({ QStringLiteral("icon"), star, QStringLiteral("-o"), commandFile,
                             QStringLiteral("--depth"), QStringLiteral("32"),
                             QStringLiteral("--transparent"), QStringLiteral("blue") })
                     .status,
            0);
        QVERIFY(bytesOf(commandFile) == bytesOf(f.env.path(QStringLiteral("window32.ico"))));
    }
};

QTEST_MAIN(TstCommands)
#include "tst_commands.moc"
