#include "base/twips.h"
#include "controls/intervaltimer.h"
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
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QtEndian>

#include <memory>

namespace {

constexpr int32_t kBackground = 0xE0E0E0;

struct Fixture : ToolFixture<FrmGRD>
{
    explicit Fixture(const QString &language = QStringLiteral("Anglais"))
        : ToolFixture(Tool::Gradient, language)
    {
    }

    void click(const char *button)
    {
        QTest::mouseClick(control<QAbstractButton>(w, button), Qt::LeftButton);
    }
    QPushButton *button(const char *name) const { return control<QPushButton>(w, name); }
    // Colour stop 1 to 4.
    PictureBox *swatch(int stop) const
    {
        return control<PictureBox>(w, QStringLiteral("Pic%1").arg(stop));
    }
    // The drawing surface.
    PictureBox *surface() const { return control<PictureBox>(w, "PicDeg"); }
    int32_t px(int x, int y) const { return surface()->Point(x, y); }
    int width() const { return surface()->image().width(); }
    int height() const { return surface()->image().height(); }
};

int red(int32_t c) { return c & 0xFF; }
int green(int32_t c) { return (c >> 8) & 0xFF; }
int blue(int32_t c) { return (c >> 16) & 0xFF; }

bool onlyColour(const PictureBox *pic, int32_t colour)
{
    const QImage &img = pic->image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (pic->Point(x, y) != colour)
                return false;
    return true;
}

} // namespace

class TstFrmGRD : public QObject
{
    Q_OBJECT
private slots:
    void opensInItsDesignedState()
    {
        Fixture f;
        QVERIFY(f.w);
        QVERIFY(f.exposed);
        QCOMPARE(f.w->objectName(), QStringLiteral("FrmGRD"));
        QVERIFY(control<QRadioButton>(f.w, "op3")->isChecked());
        QCOMPARE(f.w->segmentCount(), 3);
        for (int stop = 1; stop <= 4; ++stop)
            QVERIFY(f.swatch(stop)->isVisible());
        QVERIFY(!f.button("CmdD1")->isEnabled());
        QVERIFY(!f.button("CmdD2")->isEnabled());
        QVERIFY(!f.button("CmdEnreg")->isEnabled());
        QCOMPARE(f.w->stops()[2].G, 128.0);
        QCOMPARE(f.w->stops()[3].B, 255.0);
        QCOMPARE(f.surface()->scaleWidth(), 44.068348f);
        QCOMPARE(f.surface()->scaleHeight(), 17.656193f);
        QVERIFY(onlyColour(f.surface(), kBackground));
        // The surface sits under the top line, 60 twips from the left.
        QCOMPARE(f.surface()->geometry().topLeft(),
            QPoint(twips::toPixelsX(60), twips::toPixelsY(1440)));
        QCOMPARE(f.surface()->height(), twips::toPixelsY(twips::toTwipsY(f.w->height()) - 1444));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>(
            "expected"); // title, Fra1, Fra3, op1, CmdSpheric, CmdEnreg, CmdCss
        QTest::newRow("English") << "Anglais"
                                 << QStringList { "Gradient", "Orientation", "Colors", "2 colors",
                                        "Spherical\ngradient", "Save\npicture", "Copy CSS" };
        QTest::newRow("French") << "Francais"
                                << QStringList { "Dégradés", "Orientation", "Couleurs",
                                       "2 couleurs", "Dégradé\nsphérique", "Enregistrer\nl'image",
                                       "Copier CSS" };
        QTest::newRow("Spanish") << "Spanish"
                                 << QStringList { "Degradado", "Orientación", "Colores",
                                        "2 colores", "Degradado\nesférico", "Guardar\nimagen",
                                        "Copiar CSS" };
        QTest::newRow("unknown keeps the designed texts")
            << "Klingon"
            << QStringList { "Gradient", "Orientation", "Colors", "2 colors", "Spherical gradient",
                   "Enregistrer", "Copy CSS" };
    }
    void captions()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        Fixture f(language);
        const QStringList actual { f.w->windowTitle(), control<QGroupBox>(f.w, "Fra1")->title(),
            control<QGroupBox>(f.w, "Fra3")->title(), control<QRadioButton>(f.w, "op1")->text(),
            f.button("CmdSpheric")->text(), f.button("CmdEnreg")->text(),
            control<QToolButton>(f.w, "CmdCss")->text() };
        QCOMPARE(actual, expected);
    }

    void optionButtonsSetTheStopsInUse()
    {
        Fixture f;
        f.click("op1");
        QCOMPARE(f.w->segmentCount(), 1);
        QVERIFY(!f.swatch(3)->isVisible());
        QVERIFY(!f.swatch(4)->isVisible());
        QVERIFY(f.button("CmdD1")->isEnabled());
        QVERIFY(f.button("CmdD2")->isEnabled());
        f.click("op2");
        QCOMPARE(f.w->segmentCount(), 2);
        QVERIFY(f.swatch(3)->isVisible());
        QVERIFY(!f.swatch(4)->isVisible());
        QVERIFY(!f.button("CmdD1")->isEnabled());
        f.click("op3");
        QCOMPARE(f.w->segmentCount(), 3);
        QVERIFY(f.swatch(4)->isVisible());
        QVERIFY(!f.button("CmdD2")->isEnabled());
    }

    void horizontalWithTwoColours()
    {
        Fixture f;
        f.click("op1");
        f.click("CmdH");
        QCOMPARE(f.surface()->scaleWidth(), 256.0f);
        QCOMPARE(f.surface()->scaleHeight(), 17.656193f);
        QVERIFY(f.button("CmdEnreg")->isEnabled());
        for (int y : { 0, f.height() / 2, f.height() - 1 }) {
            QCOMPARE(f.px(0, y), 0x0000FF);
            QCOMPARE(f.px(f.width() - 1, y), 0x00FFFF);
        }
        // Red to yellow only: the segments towards stops 3 and 4 leave no trace.
        int previousGreen = -1;
        for (int x = 0; x < f.width(); ++x) {
            const int32_t c = f.px(x, 7);
            QCOMPARE(red(c), 255);
            QCOMPARE(blue(c), 0);
            QVERIFY(green(c) >= previousGreen);
            previousGreen = green(c);
            QCOMPARE(f.px(x, f.height() - 1), c);
        }
    }

    void horizontalWithThreeColoursSplitsAtTheMiddle()
    {
        Fixture f;
        f.click("op2");
        f.click("CmdH");
        QCOMPARE(f.surface()->scaleWidth(), 512.0f);
        const int w = f.width();
        // Ten lines share the first column here, the last one a step past stop 1.
        QVERIFY(qAbs(green(f.px(0, 3))) <= 1);
        QCOMPARE(red(f.px(0, 3)), 255);
        QCOMPARE(f.px(w - 1, 3), 0x408000);
        const int32_t middle = f.px(w / 2, 3);
        QVERIFY2(red(middle) >= 250 && green(middle) >= 250 && blue(middle) <= 3,
            qPrintable(QString::number(middle, 16)));
        for (int x = 0; x < w; ++x)
            QVERIFY(blue(f.px(x, 3)) <= 64); // nothing of the fourth stop
    }

    void verticalAndTheScaleTheDiagonalsFind()
    {
        Fixture f;
        f.click("op1");
        f.click("CmdV");
        QCOMPARE(f.surface()->scaleHeight(), 256.0f);
        QCOMPARE(f.surface()->scaleWidth(), 44.068348f);
        // The surface is short: its first row holds a couple of steps past stop 1.
        QCOMPARE(red(f.px(5, 0)), 255);
        QVERIFY(green(f.px(5, 0)) <= 2);
        QCOMPARE(f.px(5, f.height() - 1), 0x00FFFF);
        f.click("CmdH");
        QCOMPARE(f.surface()->scaleWidth(), 256.0f);
        QCOMPARE(f.surface()->scaleHeight(), 256.0f);
    }

    void diagonalsRightAfterOpeningLeaveStripes()
    {
        Fixture f;
        f.click("op1");
        f.click("CmdD1");
        QVERIFY(f.button("CmdEnreg")->isEnabled());
        // 67 lines several pixels apart: the background stays between them.
        int background = 0, painted = 0, lastGreen = -1;
        bool rising = true;
        for (int x = 0; x < f.width(); ++x) {
            const int32_t c = f.px(x, 0);
            if (c == kBackground) {
                ++background;
                continue;
            }
            ++painted;
            QCOMPARE(red(c), 255);
            rising = rising && green(c) >= lastGreen;
            lastGreen = green(c);
        }
        QVERIFY(background > painted);
        QVERIFY(painted >= 40);
        QVERIFY(rising);
        QCOMPARE(f.px(0, 0), kBackground);

        // From the other corner the colours fall along the top edge instead.
        f.surface()->Cls();
        f.click("CmdD2");
        lastGreen = 256;
        bool falling = true;
        for (int x = 0; x < f.width(); ++x) {
            const int32_t c = f.px(x, 0);
            if (c == kBackground)
                continue;
            falling = falling && green(c) <= lastGreen;
            lastGreen = green(c);
        }
        QVERIFY(falling);
        QVERIFY(lastGreen < 20);
    }

    void chosenColoursReachEveryOrientation()
    {
        Fixture f;
        ScriptedCommonDialog dialogs;
        dialogs.answerColor(0x000A05);
        QTest::mouseClick(f.swatch(1), Qt::LeftButton);
        QCOMPARE(dialogs.requests().size(), 1);
        QCOMPARE(dialogs.requests()[0].kind, CommonDialog::Kind::Color);
        QVERIFY(dialogs.requests()[0].cancelError);
        QCOMPARE(f.swatch(1)->backColor(), 0x000A05);
        QCOMPARE(f.w->stops()[0].R, 5.0);
        QCOMPARE(f.w->stops()[0].G, 10.0);
        QCOMPARE(f.w->stops()[0].B, 0.0);

        dialogs.answerCancel();
        QTest::mouseClick(f.swatch(2), Qt::LeftButton);
        QCOMPARE(f.swatch(2)->backColor(), 0x00FFFF);
        QCOMPARE(f.w->stops()[1].G, 255.0);

        f.click("op1");
        f.click("CmdD1");
        int32_t nearest = -1;
        for (int x = 0; x < f.width() && nearest < 0; ++x)
            if (f.px(x, 0) != kBackground)
                nearest = f.px(x, 0);
        // One step from (5, 10, 0) towards (255, 255, 0) over the designed scale's 67 lines.
        QCOMPARE(nearest, 9 + 256 * 14);
        f.click("CmdH");
        QCOMPARE(f.px(0, 0), 0x000A05);
        f.click("CmdV");
        QVERIFY(red(f.px(f.width() - 1, 0)) <= 7 && green(f.px(f.width() - 1, 0)) <= 12);
    }

    void savingWritesTheWholeSurface()
    {
        Fixture f;
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        f.click("CmdH");
        const QString path = f.env.path(QStringLiteral("picture"));
        dialogs.answerFile(path);
        f.click("CmdEnreg");

        QCOMPARE(dialogs.requests().size(), 1);
        const auto &r = dialogs.requests()[0];
        QCOMPARE(r.kind, CommonDialog::Kind::Save);
        QCOMPARE(r.flags, 0x81806u);
        QCOMPARE(r.fileName, f.env.dir.path() + QStringLiteral("/.bmp"));
        QCOMPARE(r.filterIndex, 1);
        QVERIFY(r.dialogTitle.isEmpty() && r.filter.isEmpty() && r.defaultExt.isEmpty());
        QVERIFY(!f.button("CmdEnreg")->isEnabled());
        QVERIFY(messages.messages().isEmpty());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QSize inner = f.surface()->innerSize();
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), inner.width());
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), inner.height());
        QImage back;
        QVERIFY(back.loadFromData(bytes, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), f.surface()->image());

        // Accepting the proposed name unchanged gives a file literally named ".bmp".
        f.click("CmdV");
        dialogs.answerFile(r.fileName);
        f.click("CmdEnreg");
        QVERIFY(QFile::exists(f.env.path(QStringLiteral(".bmp"))));
    }

    void cancelledOrFailedSavesWriteNothing_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << "Anglais"
                                 << "Could not save.";
        QTest::newRow("French") << "Francais"
                                << "Impossible d'enregistrer.";
        QTest::newRow("Spanish") << "Spanish"
                                 << "No se pudo guardar.";
        // A failure must not pass unseen, so an unknown language gets the English text.
        QTest::newRow("unknown") << "Klingon"
                                 << "Could not save.";
    }
    void cancelledOrFailedSavesWriteNothing()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        Fixture f(language);
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        const QStringList before = QDir(f.env.dir.path()).entryList(QDir::Files | QDir::Hidden);
        f.click("CmdH");
        dialogs.answerCancel();
        f.click("CmdEnreg");
        QVERIFY(!f.button("CmdEnreg")->isEnabled());
        QVERIFY(messages.messages().isEmpty());

        // A name the dialog lets through but no file can take (a folder holds it): the user
        // is told, and may try another place. (A missing folder is refused in the dialog.)
        QVERIFY(QDir(f.env.dir.path()).mkdir(QStringLiteral("taken.bmp")));
        f.click("CmdH");
        dialogs.answerFile(f.env.path(QStringLiteral("taken.bmp")));
        f.click("CmdEnreg");
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].text, message);
        QCOMPARE(messages.messages()[0].icon, MessageBox::Icon::Information);
        QCOMPARE(messages.messages()[0].title, QStringLiteral("Tintavo"));
        QVERIFY(f.button("CmdEnreg")->isEnabled());
        QCOMPARE(QDir(f.env.dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        QVERIFY(!QFile::exists(f.env.path(QStringLiteral("missing"))));

        const QString elsewhere = f.env.path(QStringLiteral("picture.bmp"));
        dialogs.answerFile(elsewhere);
        f.click("CmdEnreg");
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(!f.button("CmdEnreg")->isEnabled());
        QCOMPARE(
            QImage(elsewhere, "BMP").convertToFormat(QImage::Format_RGB32), f.surface()->image());
    }

    void resizingClearsAndSnapsBack()
    {
        Fixture f;
        f.click("CmdH");
        QVERIFY(f.button("CmdEnreg")->isEnabled());
        const QSize before = f.w->size();
        f.w->resize(before + QSize(60, 40));
        QVERIFY(waitUntil([&] { return f.w->size() == before + QSize(60, 40); }));
        QVERIFY(waitUntil([&] { return !f.button("CmdEnreg")->isEnabled(); }));
        QVERIFY(onlyColour(f.surface(), kBackground));
        // The surface follows the window: 4 twips short of the bottom, 8 twips short of the
        // width (it starts 60 twips in).
        const int innerW = twips::toTwipsX(f.w->width()), innerH = twips::toTwipsY(f.w->height());
        QCOMPARE(f.surface()->width(), twips::toPixelsX(innerW - 8));
        QCOMPARE(f.surface()->height(), twips::toPixelsY(innerH - 1444));
        // A resize keeps the user scale's unit counts.
        QCOMPARE(f.surface()->scaleWidth(), 768.0f);

        f.w->resize(100, 60);
        QVERIFY(waitUntil([&] {
            return f.w->frameGeometry().width() >= twips::toPixelsX(7800)
                && f.w->frameGeometry().height() >= twips::toPixelsY(3600);
        }));
    }

    void closingBringsTheLauncherBack()
    {
        Fixture f;
        f.env.state.ToolWindowState = 0;
        f.w->close();
        QCOMPARE(int(f.env.state.ToolWindowState), 100);
        QCOMPARE(control<IntervalTimer>(f.launcher.get(), "TimVisible")->interval(), 100);
        QVERIFY(waitUntil([&] { return f.w.isNull(); }));
    }

    void switchingHandsOverToTheSphericalWindow()
    {
        Fixture f;
        f.env.state.ToolWindowState = 0;
        f.click("CmdSpheric");
        auto *spheric = qobject_cast<FrmSpheric *>(f.launcher->toolWindow(Tool::Spherical));
        QVERIFY(spheric);
        QVERIFY(spheric->isVisible());
        QVERIFY(waitUntil([&] { return f.w.isNull(); }));
        QCOMPARE(int(f.env.state.ToolWindowState), 0);
        auto *visibility = control<IntervalTimer>(f.launcher.get(), "TimVisible");
        QVERIFY(visibility->interval() != 100);
        // The spherical window brings the launcher back when it closes.
        spheric->close();
        QCOMPARE(int(f.env.state.ToolWindowState), 100);
        QCOMPARE(visibility->interval(), 100);
    }

    void copiesTheDrawnGradientAsCss()
    {
        Fixture f;
        f.click("CmdCss"); // nothing drawn yet: the stops in use, left to right
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral("linear-gradient(90deg, #FF0000 0%, #FFFF00 33.33%, #008040 66.67%, "
                           "#8000FF 100%)"));
        f.click("op2");
        f.click("CmdV");
        f.click("op1"); // not drawn: the copy follows the picture
        f.click("CmdCss");
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral("linear-gradient(180deg, #FF0000 0%, #FFFF00 50%, #008040 100%)"));
        f.click("CmdD2");
        auto *menu = f.surface()->findChild<QAction *>(QStringLiteral("MnuCss"));
        QVERIFY(menu);
        QVERIFY(f.surface()->actions().contains(menu));
        menu->trigger();
        QCOMPARE(ScreenServices::current().clipboard().text(),
            QStringLiteral("linear-gradient(to bottom left, #FF0000 0%, #FFFF00 100%)"));
    }
};

QTEST_MAIN(TstFrmGRD)
#include "tst_frmgrd.moc"
