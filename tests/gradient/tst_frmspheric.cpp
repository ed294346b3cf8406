#include "app/programtools.h"
#include "base/twips.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "gradient/frmgrd.h"
#include "gradient/frmspheric.h"
#include "launcher/frmbase.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "support/toolfixture.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kOrange = 0x0080FF;

struct Fixture : ToolFixture<FrmSpheric>
{
    explicit Fixture(const QString &language = QStringLiteral("Anglais"))
        : ToolFixture(Tool::Spherical, language)
    {
    }

    QLineEdit *field(const char *name) const { return control<QLineEdit>(w, name); }
    QPushButton *button(const char *name) const { return control<QPushButton>(w, name); }
    // Colour swatch 1 or 2.
    Label *swatch(int n) const { return control<Label>(w, QStringLiteral("LblC%1").arg(n)); }
    // The drawing surface.
    PictureBox *surface() const { return control<PictureBox>(w, "Pik"); }

    void go(const QString &width, const QString &height = QStringLiteral("200"))
    {
        field("TxtWidth")->setText(width);
        field("TxtHeight")->setText(height);
        QTest::mouseClick(button("CmdGo"), Qt::LeftButton);
    }
    int32_t px(int x, int y) const { return surface()->Point(x, y); }
    bool blank() const
    {
        const QImage &img = surface()->image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != 0xFFFFFFFF)
                    return false;
        return true;
    }
};

} // namespace

class TstFrmSpheric : public QObject
{
    Q_OBJECT
private slots:
    void opensInItsDesignedState()
    {
        Fixture f;
        QVERIFY(f.w);
        QVERIFY(f.exposed);
        QCOMPARE(f.field("TxtWidth")->text(), QStringLiteral("200"));
        QCOMPARE(f.field("TxtHeight")->text(), QStringLiteral("200"));
        QCOMPARE(FrmSpheric::backColor(f.swatch(1)), kYellow);
        QCOMPARE(FrmSpheric::backColor(f.swatch(2)), kOrange);
        QVERIFY(!f.button("CmdSave")->isEnabled());
        QVERIFY(f.blank());
        QCOMPARE(f.surface()->geometry().topLeft(),
            QPoint(twips::toPixelsX(60), twips::toPixelsY(1200)));
        QVERIFY(f.button("Foc")->isDefault());
        // The window opens at least at its smallest outer size, the surface laid out for it.
        QVERIFY(f.w->frameGeometry().height() >= twips::toPixelsY(6030));
        QCOMPARE(f.surface()->height(), twips::toPixelsY(twips::toTwipsY(f.w->height()) - 1400));
        QCOMPARE(f.surface()->width(), twips::toPixelsX(twips::toTwipsX(f.w->width()) - 120));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected"); // title, DraDim, Lbl(0), Lbl(1), Lbl(2), CmdGo,
                                                   // CmdSave, FraColor, tooltip 1, tooltip 2
        QTest::newRow("English") << "Anglais"
                                 << QStringList { "Spherical gradient", "Dimensions", "Width",
                                        "Height", "Color1", "Go", "Save", "Color selection",
                                        "Color1 palette", "Color2 palette" };
        QTest::newRow("French") << "Francais"
                                << QStringList { "Dégradé sphérique", "Dimensions", "Largeur",
                                       "Hauteur", "Color1", "Lancer", "Enregistrer",
                                       "Choix des couleurs", "Palette couleur 1",
                                       "Palette couleur 2" };
        QTest::newRow("Spanish") << "Spanish"
                                 << QStringList { "Degradado esférico", "Dimensiones", "Ancho",
                                        "Altura", "Color1", "Comenzar", "Guardar",
                                        "Elección de colores", "Paleta de colores 1",
                                        "Paleta de colores 2" };
        QTest::newRow("unknown") << "Deutsch"
                                 << QStringList { "Spherical gradient", "Dimensions", "Width",
                                        "Height", "Color1", "Go", "Save", "Color selection",
                                        "Color1 palette", "Color2 palette" };
    }
    void captions()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        Fixture f(language);
        const QStringList actual { f.w->windowTitle(), control<QGroupBox>(f.w, "DraDim")->title(),
            control<Label>(f.w, "Lbl", 0)->text(), control<Label>(f.w, "Lbl", 1)->text(),
            control<Label>(f.w, "Lbl", 2)->text(), f.button("CmdGo")->text(),
            f.button("CmdSave")->text(), control<QGroupBox>(f.w, "FraColor")->title(),
            f.swatch(1)->toolTip(), f.swatch(2)->toolTip() };
        QCOMPARE(actual, expected);
    }

    void designedSphere_data()
    {
        QTest::addColumn<int>("colour1");
        QTest::addColumn<int>("colour2");
        QTest::addColumn<int>("ring40"); // ring 40 of 98, worked out by hand
        QTest::addColumn<QString>("css");
        // Green 255 - 127 x 40 / 98 = 203.2.
        QTest::newRow("designed") << kYellow << kOrange << 0x00CBFF << "#FFFF00, #FF8000";
        // Red 65 + 135 x 40 / 98 = 120.1, green 105 - 75 x 40 / 98 = 74.4,
        // blue 225 - 185 x 40 / 98 = 149.49.
        QTest::newRow("royal blue to brick red")
            << 0xE16941 << 0x281EC8 << 0x954A78 << "#4169E1, #C81E28";
        // Blue 255 x 40 / 98 = 104.1.
        QTest::newRow("black to blue") << 0x000000 << 0xFF0000 << 0x680000 << "#000000, #0000FF";
    }
    void designedSphere()
    {
        QFETCH(int, colour1);
        QFETCH(int, colour2);
        QFETCH(int, ring40);
        QFETCH(QString, css);
        Fixture f;
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        if (colour1 != kYellow) {
            dialogs.answerColor(colour1);
            QTest::mouseClick(f.swatch(1), Qt::LeftButton);
            dialogs.answerColor(colour2);
            QTest::mouseClick(f.swatch(2), Qt::LeftButton);
        }
        f.go(QStringLiteral("200"));
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(f.button("CmdSave")->isEnabled());
        QCOMPARE(f.px(100, 100), colour1);
        for (const QPoint rim :
            { QPoint(199, 100), QPoint(1, 100), QPoint(100, 1), QPoint(100, 199) })
            QCOMPARE(f.px(rim.x(), rim.y()), colour2);
        // On the axes the pixel at distance r shows ring r.
        for (const QPoint at : { QPoint(140, 100), QPoint(60, 100), QPoint(100, 60) })
            QCOMPARE(f.px(at.x(), at.y()), ring40);
        for (const QPoint out :
            { QPoint(200, 100), QPoint(0, 100), QPoint(100, 200), QPoint(250, 150), QPoint(5, 5) })
            QCOMPARE(f.px(out.x(), out.y()), kWhite);
        QTest::mouseClick(f.button("CmdCss"), Qt::LeftButton);
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral(
                "radial-gradient(ellipse 98px 98px at 100px 100px, %1 100%, #FFFFFF 100%)")
                .arg(css));
    }

    void flatEllipseAndSizeTexts()
    {
        Fixture f;
        RecordingMessageBox messages;
        f.go(QStringLiteral("300"), QStringLiteral("100")); // a flat ellipse centred at (150, 50)
        QCOMPARE(f.px(150, 0), kOrange);
        QCOMPARE(f.px(150, 101), kWhite);
        QCOMPARE(f.px(1, 50), kOrange);
        // Spaces around the number, and halves to even: "200.5" is 200, "201.5" is 202.
        f.go(QStringLiteral("  200.5 "), QStringLiteral(" 200 "));
        QCOMPARE(f.px(100, 100), kYellow);
        QCOMPARE(f.px(199, 100), kOrange);
        QCOMPARE(f.px(200, 100), kWhite);
        f.go(QStringLiteral("201.5"));
        QCOMPARE(f.px(101, 100), kYellow);
        QCOMPARE(f.px(201, 100), kOrange);
        QVERIFY(messages.messages().isEmpty());
    }

    void badSizesEndInTheMessage_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("letters") << "abc"
                                 << "200";
        QTest::newRow("empty") << ""
                               << "200";
        QTest::newRow("1e10") << "1e10"
                              << "200";
        QTest::newRow("eleven nines") << "99999999999"
                                      << "200";
        QTest::newRow("negative width") << "-200"
                                        << "200";
        QTest::newRow("negative height") << "200"
                                         << "-200";
        QTest::newRow("65539") << "65539"
                               << "200";
        QTest::newRow("0") << "0"
                           << "200";
        QTest::newRow("1") << "1"
                           << "200";
        QTest::newRow("3") << "3"
                           << "200";
        QTest::newRow("5") << "5"
                           << "200";
        QTest::newRow("hexadecimal") << "0x10"
                                     << "200";
    }
    void badSizesEndInTheMessage()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        Fixture f;
        RecordingMessageBox messages;
        f.go(QStringLiteral("200"));
        QVERIFY(f.button("CmdSave")->isEnabled());
        f.go(width, height);
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].text, QStringLiteral("Incompatible value."));
        QCOMPARE(messages.messages()[0].icon, MessageBox::Icon::Information);
        QCOMPARE(messages.messages()[0].title, QStringLiteral("Tintavo"));
        QVERIFY(!f.button("CmdSave")->isEnabled());
        QVERIFY(f.blank()); // the earlier sphere was cleared and nothing was drawn
        QVERIFY(f.button("Foc")->hasFocus() || !f.w->isActiveWindow());
    }

    void widestAndNarrowestAccepted()
    {
        Fixture f;
        RecordingMessageBox messages;
        f.go(QStringLiteral("2"));
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(f.button("CmdSave")->isEnabled());
        QVERIFY(f.blank());
        f.go(QStringLiteral("65538"));
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(f.button("CmdSave")->isEnabled());
        QCOMPARE(f.px(2, 100), kOrange); // the left end of the rim
        QCOMPARE(f.px(0, 100), kWhite);
    }

    void enterInASizeFieldDraws()
    {
        Fixture f;
        f.field("TxtHeight")->setFocus();
        QTest::keyClick(f.field("TxtHeight"), Qt::Key_Return);
        QCOMPARE(f.px(100, 100), kYellow);
        QVERIFY(f.button("CmdSave")->isEnabled());
        f.surface()->Cls();
        QTest::mouseClick(f.button("Foc"), Qt::LeftButton);
        QCOMPARE(f.px(100, 100), kYellow);
    }

    void colourChoice()
    {
        Fixture f;
        ScriptedCommonDialog dialogs;
        f.go(QStringLiteral("200"));
        dialogs.answerColor(0x112233);
        QTest::mouseClick(f.swatch(1), Qt::LeftButton);
        QCOMPARE(dialogs.requests().size(), 1);
        QCOMPARE(dialogs.requests()[0].kind, CommonDialog::Kind::Color);
        QCOMPARE(dialogs.requests()[0].color, kYellow); // the dialog starts from the swatch
        QCOMPARE(FrmSpheric::backColor(f.swatch(1)), 0x112233);
        QCOMPARE(f.px(100, 100), kYellow); // nothing is redrawn
        dialogs.answerCancel();
        QTest::mouseClick(f.swatch(2), Qt::LeftButton);
        QCOMPARE(FrmSpheric::backColor(f.swatch(2)), kOrange);
        f.go(QStringLiteral("200"));
        QCOMPARE(f.px(100, 100), 0x112233);
        QCOMPARE(f.px(199, 100), kOrange);
    }

    void savingKeepsTheNameBetweenSaves()
    {
        Fixture f;
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        f.go(QStringLiteral("200"));
        const QString path = f.env.path(QStringLiteral("sphere"));
        dialogs.answerFile(path);
        QTest::mouseClick(f.button("CmdSave"), Qt::LeftButton);
        const auto &r = dialogs.requests().at(0);
        QCOMPARE(r.kind, CommonDialog::Kind::Save);
        QCOMPARE(r.initDir, f.env.dir.path());
        QCOMPARE(r.dialogTitle, QStringLiteral("Save"));
        QCOMPARE(r.filter, QStringLiteral("Picture file (*.bmp)|*.bmp|"));
        QCOMPARE(r.flags, 14u);
        QVERIFY(r.fileName.isEmpty());
        QVERIFY(r.defaultExt.isEmpty());
        QVERIFY(!r.cancelError);
        QVERIFY(f.button("CmdSave")->isEnabled());

        // The whole surface, not the 200 x 200 sphere, read back byte by byte and as an image.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const QSize inner = f.surface()->innerSize();
        QVERIFY(inner.width() > 200 && inner.height() > 200);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), inner.width());
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), inner.height());
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const int row = (inner.width() * 3 + 3) / 4 * 4;
        // Bottom-up: the centre pixel (100, 100) is yellow, stored blue, green, red.
        const int at = 54 + (inner.height() - 1 - 100) * row + 100 * 3;
        QCOMPARE(bytes.mid(at, 3), QByteArray::fromHex("00ffff"));
        QImage back;
        QVERIFY(back.loadFromData(bytes, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), f.surface()->image());

        // The next save proposes the last name; cancelling it writes nothing.
        QVERIFY(file.remove());
        dialogs.answerCancel();
        QTest::mouseClick(f.button("CmdSave"), Qt::LeftButton);
        QCOMPARE(dialogs.requests().at(1).fileName, path);
        QVERIFY(!QFile::exists(path));
        QVERIFY(f.button("CmdSave")->isEnabled());
        QVERIFY(messages.messages().isEmpty());
    }

    void failedSaveSaysSoAndWritesNothing_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << "Anglais"
                                 << "Could not save.";
        QTest::newRow("French") << "Francais"
                                << "Impossible d'enregistrer.";
        QTest::newRow("Spanish") << "Spanish"
                                 << "No se pudo guardar.";
        QTest::newRow("unknown") << "Deutsch"
                                 << "Could not save.";
    }
    void failedSaveSaysSoAndWritesNothing()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        Fixture f(language);
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        f.go(QStringLiteral("200"));
        const auto entries = [&] {
            return QDir(f.env.dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();
        dialogs.answerFile(f.env.path(QStringLiteral("missing/sphere.bmp")));
        QTest::mouseClick(f.button("CmdSave"), Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].text, message);
        QCOMPARE(messages.messages()[0].icon, MessageBox::Icon::Information);
        QCOMPARE(messages.messages()[0].title, QStringLiteral("Tintavo"));
        QVERIFY(f.button("CmdSave")->isEnabled());
        QCOMPARE(entries(), before);

        // Another place works, and says nothing.
        const QString elsewhere = f.env.path(QStringLiteral("sphere.bmp"));
        dialogs.answerFile(elsewhere);
        QTest::mouseClick(f.button("CmdSave"), Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(f.button("CmdSave")->isEnabled());
        QCOMPARE(
            QImage(elsewhere, "BMP").convertToFormat(QImage::Format_RGB32), f.surface()->image());
    }

    void resizingClearsAndSnapsBack()
    {
        Fixture f;
        f.go(QStringLiteral("200"));
        const QSize before = f.w->size();
        f.w->resize(before + QSize(50, 30));
        QVERIFY(waitUntil([&] { return !f.button("CmdSave")->isEnabled(); }));
        QVERIFY(waitUntil([&] { return f.w->size() == before + QSize(50, 30); }));
        QVERIFY(f.blank());
        const int innerW = twips::toTwipsX(f.w->width()), innerH = twips::toTwipsY(f.w->height());
        QCOMPARE(f.surface()->width(), twips::toPixelsX(innerW - 120));
        QCOMPARE(f.surface()->height(), twips::toPixelsY(innerH - 1400));
        f.w->resize(120, 80);
        QVERIFY(waitUntil([&] {
            return f.w->frameGeometry().width() >= twips::toPixelsX(7800)
                && f.w->frameGeometry().height() >= twips::toPixelsY(6030);
        }));
    }

    void copiesTheSphereAsCss()
    {
        Fixture f;
        RecordingMessageBox messages;
        QTest::mouseClick(f.button("CmdCss"), Qt::LeftButton); // nothing drawn: the fields
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral("radial-gradient(ellipse 98px 98px at 100px 100px, #FFFF00, #FF8000 "
                           "100%, #FFFFFF 100%)"));
        f.go(QStringLiteral("300"), QStringLiteral("100"));
        f.field("TxtWidth")->setText(QStringLiteral("oops")); // the copy follows the picture
        auto *menu = f.surface()->findChild<QAction *>(QStringLiteral("MnuCss"));
        QVERIFY(menu);
        menu->trigger();
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral("radial-gradient(ellipse 148px 49px at 150px 50px, #FFFF00, #FF8000 "
                           "100%, #FFFFFF 100%)"));
        QVERIFY(messages.messages().isEmpty());
        f.go(QStringLiteral("oops"));
        QCOMPARE(messages.messages().size(), 1);
        QTest::mouseClick(f.button("CmdCss"), Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 2);
        QCOMPARE(messages.messages()[1].text, QStringLiteral("Incompatible value."));
    }

    void launcherButtonsOpenBothWindows()
    {
        TestEnv env;
        env.state.loadStartupSettings();
        FrmBase launcher(env.state, programTools());
        QTest::mouseClick(control<QPushButton>(&launcher, "CmdGradient1"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(&launcher, "CmdGradient2"), Qt::LeftButton);
        QPointer<QWidget> grd = launcher.toolWindow(Tool::Gradient);
        QPointer<QWidget> sph = launcher.toolWindow(Tool::Spherical);
        QVERIFY(qobject_cast<FrmGRD *>(grd.data()));
        QVERIFY(qobject_cast<FrmSpheric *>(sph.data()));
        QVERIFY(grd->isVisible() && sph->isVisible());
        delete grd.data();
        delete sph.data();
    }
};

QTEST_MAIN(TstFrmSpheric)
#include "tst_frmspheric.moc"
