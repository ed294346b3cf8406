#include "app/programtools.h"
#include "base/twips.h"
#include "controls/intervaltimer.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "icon/frmtoico.h"
#include "launcher/frmbase.h"
#include "support/namedcontrol.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "ui/appstate.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString kStar = QStringLiteral(TINTAVO_TEST_DATA "/icon/star.bmp");
const QRgb kLightGrey = qRgb(0xE0, 0xE0, 0xE0);

QImage star() { return QImage(kStar); }

QRgb rgb(const QImage &image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

// What the preview box shows.
QImage preview(FrmToIco *f) { return control<PictureBox>(f, "picView")->image(); }
} // namespace

// The converter window driven through its controls, with scripted dialogs and message boxes.
class TstFrmToIco : public QObject
{
    Q_OBJECT

    struct World
    {
        explicit World(const QString &language = QStringLiteral("Anglais"))
        {
            env.state.loadStartupSettings();
            env.state.setLangue(language);
            launcher = new FrmBase(env.state, programTools());
            QDir().mkpath(env.path(QStringLiteral("out")));
            env.state.setChemin(env.path(QStringLiteral("out")));
            QFile::copy(kStar, env.path(QStringLiteral("star.bmp")));
        }
        ~World()
        {
            if (window)
                delete window.data();
            delete launcher;
        }
        FrmToIco *open()
        {
            window = qobject_cast<FrmToIco *>(launcher->showTool(Tool::ToIco));
            return window;
        }
        void click(const char *name)
        {
            QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
        }
        void loadStar()
        {
            dialogs.answerFile(env.path(QStringLiteral("star.bmp")));
            click("CmdOpen");
        }
        QString exported() const { return env.path(QStringLiteral("out/star.ico")); }

        TestEnv env;
        ScriptedCommonDialog dialogs;
        RecordingMessageBox boxes;
        FrmBase *launcher = nullptr;
        QPointer<FrmToIco> window;
    };

private slots:
    void opensInItsDesignedState()
    {
        World w;
        QTest::mouseClick(control<QPushButton>(w.launcher, "CmdIco"),
            Qt::LeftButton); // the launcher's "BMP to ICO"
        auto *f = qobject_cast<FrmToIco *>(w.launcher->toolWindow(Tool::ToIco));
        QVERIFY(f);
        w.window = f;
        QCOMPARE(f->objectName(), QStringLiteral("FrmToIco"));
        QCOMPARE(f->windowTitle(), QStringLiteral("BMP 32x32 to ICO 32x32"));
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(f->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(f->size(), QSize(487, 266));
        for (const char *name : { "CmdColor", "CcBtnExport", "CcBtnConvertion" })
            QVERIFY(!f->findChild<QPushButton *>(name)->isEnabled());
        QVERIFY(f->findChild<QPushButton *>("CmdOpen")->isEnabled());
        QCOMPARE(f->findChild<PictureBox *>("picView")->geometry(), QRect(84, 60, 33, 33));
        QCOMPARE(f->findChild<PictureBox *>("CcPicCible")->geometry(), QRect(84, 200, 164, 57));
        QCOMPARE(f->findChild<QRadioButton *>("opBpp(4)")->parentWidget()->objectName(),
            QStringLiteral("FraCD"));
        QCOMPARE(
            f->findChild<QRadioButton *>("opBpp(4)")->text(), QStringLiteral("24 Bit Truecolor"));
        QVERIFY(f->findChild<QPushButton *>("CmdFoc")->y() >= f->height());
        QCOMPARE(f->findChild<PictureBox *>("CcPicTransparent")->backColor(), 0x808080);
        QCOMPARE(f->findChild<Label *>("LblIc3")->text(), QStringLiteral("Normal"));
        // First opening: 256 colours, stored again.
        QVERIFY(f->findChild<QRadioButton *>("opBpp(2)")->isChecked());
        QCOMPARE(f->BitDepth, 8);
        QCOMPARE(w.env.setting(QStringLiteral("ColorDepth")), QStringLiteral("2"));
    }

    void loadingABitmapPreparesTheConversion()
    {
        World w;
        FrmToIco *f = w.open();
        w.loadStar();
        const auto &req = w.dialogs.requests().constLast();
        QCOMPARE(req.kind, CommonDialog::Kind::Open);
        QCOMPARE(req.dialogTitle, QStringLiteral("Sélectionnez un fichier ..."));
        QCOMPARE(req.filter, QStringLiteral("Image file 32x32 pixel (BMP)|*.BMP"));
        QCOMPARE(req.flags, 14u);
        QCOMPARE(req.initDir, w.env.state.chemin());
        QCOMPARE(req.defaultExt, QStringLiteral("bmp"));
        QVERIFY(req.cancelError);
        QVERIFY(req.fileName.isEmpty());

        QCOMPARE(
            control<QLineEdit>(f, "TxtSource")->text(), w.env.path(QStringLiteral("star.bmp")));
        QCOMPARE(control<QLineEdit>(f, "TxtExport")->text(), w.exported());
        for (const char *name : { "CmdColor", "CcBtnExport", "CcBtnConvertion" })
            QVERIFY(control<QPushButton>(f, name)->isEnabled());
        QCOMPARE(control<PictureBox>(f, "CcPicTransparent")->backColor(),
            0xFFFF00); // the top-left pixel, cyan
        QCOMPARE(rgb(preview(f), 16, 16), qRgb(0, 0, 255));
        QCOMPARE(rgb(preview(f), 32, 32), kLightGrey); // the box is one pixel wider
        QVERIFY(control<IntervalTimer>(f, "TimResult")->isActive());

        // The preview, once: mask (clear, so all black), image, and both together.
        QVERIFY(
            waitUntil([&] { return !control<IntervalTimer>(f, "TimResult")->isActive(); }, 3000));
        const QImage &cible = control<PictureBox>(f, "CcPicCible")->image();
        QCOMPARE(rgb(cible, 8 + 5, 20 + 5), qRgb(0, 0, 0));
        QCOMPARE(rgb(cible, 65 + 16, 20 + 16), qRgb(0, 0, 255));
        QCOMPARE(rgb(cible, 65, 20), qRgb(0, 255, 255));
        QCOMPARE(rgb(cible, 120, 20), qRgb(0, 255, 255));
        QCOMPARE(rgb(cible, 120 + 16, 20 + 6), qRgb(255, 0, 0));
        QCOMPARE(rgb(cible, 3, 50), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(rgb(cible, 100, 40), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(iconhandles::liveIcons(), 0);
    }

    void convertsAtDepths8And32()
    {
        World w;
        FrmToIco *f = w.open();
        w.loadStar();
        // At 8 bits the preview keeps the loaded bitmap.
        w.click("CcBtnConvertion");
        QCOMPARE(QFileInfo(w.exported()).size(), 2238);
        QCOMPARE(rgb(preview(f), 0, 0), qRgb(0, 255, 255));

        QTest::mouseClick(control<QRadioButton>(f, "opBpp", 5), Qt::LeftButton);
        QCOMPARE(f->BitDepth, 32);
        QCOMPARE(w.env.setting(QStringLiteral("ColorDepth")), QStringLiteral("5"));
        w.click("CcBtnConvertion");
        QCOMPARE(QFileInfo(w.exported()).size(), 4286);
        QCOMPARE(w.boxes.messages().size(), 2);
        const auto &m = w.boxes.messages().constLast();
        QCOMPARE(m.text, QStringLiteral("The icon has been saved in:\r\n") + w.exported());
        QCOMPARE(m.icon, MessageBox::Icon::Information);
        QCOMPARE(m.title, QStringLiteral("Tintavo"));
        // The written icon, its transparent pixels in the box's light grey.
        QCOMPARE(rgb(preview(f), 0, 0), kLightGrey);
        QCOMPARE(rgb(preview(f), 16, 16), qRgb(0, 0, 255));
    }

    void getIconMasksTheTransparentColour()
    {
        World w;
        FrmToIco *f = w.open();
        iconhandles::Picture none;
        QCOMPARE(f->GetIcon(none, 0xFFFF00), 0);
        iconhandles::Picture pic(star());
        const int32_t icon = f->GetIcon(pic, 0xFFFF00);
        QVERIFY(icon && !pic.isIcon());
        QImage canvas(40, 40, QImage::Format_RGB32);
        const auto draw = [&](int flags) {
            canvas.fill(qRgb(0x80, 0x80, 0x80));
            QVERIFY(iconhandles::DrawIconEx(canvas, 4, 4, icon, 32, 32, flags));
        };
        draw(iconhandles::DiMask); // see-through pixels keep the canvas, the rest turn black
        QCOMPARE(rgb(canvas, 4, 4), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(rgb(canvas, 20, 20), qRgb(0, 0, 0));
        draw(iconhandles::DiImage); // the colour bitmap, see-through pixels black
        QCOMPARE(rgb(canvas, 4, 4), qRgb(0, 0, 0));
        QCOMPARE(rgb(canvas, 20, 20), qRgb(0, 0, 255));
        draw(iconhandles::DiNormal);
        QCOMPARE(rgb(canvas, 4, 4), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(rgb(canvas, 20, 10), qRgb(255, 0, 0));
        QCOMPARE(rgb(canvas, 2, 2), qRgb(0x80, 0x80, 0x80));
        QVERIFY(iconhandles::DestroyIcon(icon));
        // A picture made to own its icon hands that icon back, and frees it with itself.
        {
            iconhandles::Picture owner(star());
            const int32_t owned = f->GetIcon(owner, -1, true, true);
            QVERIFY(owner.isIcon());
            QCOMPARE(f->GetIcon(owner), owned);
        }
        QCOMPARE(iconhandles::liveIcons(), 0);
    }

    void cancelledDialogsChangeNothing()
    {
        World w;
        FrmToIco *f = w.open();
        w.dialogs.answerCancel();
        w.click("CmdOpen");
        QVERIFY(control<QLineEdit>(f, "TxtSource")->text().isEmpty());
        QVERIFY(!control<QPushButton>(f, "CcBtnConvertion")->isEnabled());

        w.loadStar();
        w.dialogs.answerCancel();
        w.click("CmdColor");
        QCOMPARE(control<PictureBox>(f, "CcPicTransparent")->backColor(), 0xFFFF00);
        w.dialogs.answerCancel();
        w.click("CcBtnExport");
        QCOMPARE(control<QLineEdit>(f, "TxtExport")->text(), w.exported());
        const auto &save = w.dialogs.requests().constLast();
        QCOMPARE(save.kind, CommonDialog::Kind::Save);
        QCOMPARE(save.flags, 0x81806u);
        QCOMPARE(save.fileName, w.exported());
        QCOMPARE(save.filterIndex, 1);
        QCOMPARE(save.dialogTitle, QStringLiteral("Sélectionnez un fichier ..."));
        QCOMPARE(save.defaultExt, QStringLiteral("ico"));
        QVERIFY(w.boxes.messages().isEmpty());
    }

    void chosenColourAndPathAreUsed()
    {
        World w;
        FrmToIco *f = w.open();
        w.loadStar();
        w.dialogs.answerColor(0x0000FF); // red
        w.click("CmdColor");
        QCOMPARE(control<PictureBox>(f, "CcPicTransparent")->backColor(), 0x0000FF);
        const QString other = w.env.path(QStringLiteral("other.ico"));
        w.dialogs.answerFile(other);
        w.click("CcBtnExport");
        QCOMPARE(control<QLineEdit>(f, "TxtExport")->text(), other);
        QTest::mouseClick(control<QRadioButton>(f, "opBpp", 5), Qt::LeftButton);
        w.click("CcBtnConvertion");
        // Red is now the see-through colour; the cyan background stays.
        QCOMPARE(rgb(preview(f), 16, 6), kLightGrey);
        QCOMPARE(rgb(preview(f), 0, 0), qRgb(0, 255, 255));
        QVERIFY(!QFile::exists(w.exported()));
    }

    void aFailedSaveSaysSoAndKeepsTheOldFile()
    {
        World w(QStringLiteral("Francais"));
        FrmToIco *f = w.open();
        w.loadStar();
        w.click("CcBtnConvertion");
        const QByteArray before = [&] {
            QFile x(w.exported());
            x.open(QIODevice::ReadOnly);
            return x.readAll();
        }();
        control<QLineEdit>(f, "TxtExport")->setText(w.env.path(QStringLiteral("missing/star.ico")));
        w.click("CcBtnConvertion");
        QCOMPARE(w.boxes.messages().size(), 2);
        QCOMPARE(w.boxes.messages().at(0).text,
            QStringLiteral("L'icone a été enregistrée dans:.\r\n") + w.exported());
        QCOMPARE(w.boxes.messages().at(1).text, QStringLiteral("Impossible d'enregistrer."));
        QCOMPARE(w.boxes.messages().at(1).icon, MessageBox::Icon::Information);
        QVERIFY(control<PictureBox>(f, "picView")->picture().isNull());
        QCOMPARE(rgb(preview(f), 16, 16), kLightGrey);
        QFile x(w.exported());
        QVERIFY(x.open(QIODevice::ReadOnly));
        QCOMPARE(x.readAll(), before);
        // The source is kept: converting again to a good path works.
        control<QLineEdit>(f, "TxtExport")->setText(w.exported());
        w.click("CcBtnConvertion");
        QCOMPARE(w.boxes.messages().size(), 3);
    }

    void speaksTheStoredLanguage()
    {
        World w(QStringLiteral("Spanish"));
        FrmToIco *f = w.open();
        QCOMPARE(control<QPushButton>(f, "CcBtnConvertion")->text(),
            QStringLiteral("Transformar a\narchivo de icono"));
        QCOMPARE(control<Label>(f, "Lbl2")->text(),
            QStringLiteral("Cargar una imagen *.BMP 32x32 píxel."));
        auto *result = control<Label>(f, "CcLbl", 1);
        QCOMPARE(result->text(), QStringLiteral("Resultado:"));
        // The longer caption grows to the left and keeps clear of the preview box.
        QVERIFY(result->width() >= result->sizeHint().width());
        QCOMPARE(result->geometry().right() + 1, twips::toPixelsX(555 + 690));
        QCOMPARE(control<Label>(f, "LblColorDep")->text(), QStringLiteral("Profundidad del color"));
        QCOMPARE(control<QRadioButton>(f, "opBpp", 0)->text(), QStringLiteral("2 Color"));
        QCOMPARE(f->windowTitle(), QStringLiteral("BMP 32x32 to ICO 32x32"));
        w.loadStar();
        control<QLineEdit>(f, "TxtExport")->setText(w.env.path(QStringLiteral("missing/star.ico")));
        w.click("CcBtnConvertion");
        QCOMPARE(w.boxes.messages().constLast().text, QStringLiteral("No se pudo guardar."));
    }

    void anUnknownLanguageKeepsTheDesignAndThePreviousMessage()
    {
        World w(QStringLiteral("Klingon"));
        FrmToIco *f = w.open();
        QCOMPARE(control<Label>(f, "Lbl3")->text(), QStringLiteral("Save to icon file:"));
        w.env.state.MessageText = QStringLiteral("earlier");
        w.loadStar();
        w.click("CcBtnConvertion");
        QCOMPARE(w.boxes.messages().constLast().text, QStringLiteral("earlier\r\n") + w.exported());
        control<QLineEdit>(f, "TxtExport")->setText(w.env.path(QStringLiteral("missing/star.ico")));
        w.click("CcBtnConvertion");
        QCOMPARE(w.boxes.messages().size(), 1);
    }

    void reopensWithTheLastDepth()
    {
        World w;
        FrmToIco *f = w.open();
        QTest::mouseClick(control<QRadioButton>(f, "opBpp", 3), Qt::LeftButton);
        f->close();
        QVERIFY(waitUntil([&] { return w.window.isNull(); }));
        QCOMPARE(w.env.state.ToolWindowState, uint8_t(100));
        QCOMPARE(control<IntervalTimer>(w.launcher, "TimVisible")->interval(), 100);
        f = w.open();
        QVERIFY(control<QRadioButton>(f, "opBpp", 3)->isChecked());
        QCOMPARE(f->BitDepth, 16);
    }

    void aStrangeStoredDepthFallsBackTo256Colours_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("6") << QStringLiteral("6");
        QTest::newRow("-1") << QStringLiteral("-1");
        QTest::newRow("text") << QStringLiteral("abc");
    }
    void aStrangeStoredDepthFallsBackTo256Colours()
    {
        QFETCH(QString, stored);
        World w;
        w.env.state.setColorDepth(stored);
        FrmToIco *f = w.open();
        QVERIFY(control<QRadioButton>(f, "opBpp", 2)->isChecked());
        QCOMPARE(f->BitDepth, 8);
        QCOMPARE(w.env.setting(QStringLiteral("ColorDepth")), QStringLiteral("2"));
    }

    void opensOtherPicturesAndForgetsUnreadableOnes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("en") << QStringLiteral("Anglais")
                            << QStringLiteral("Could not read this picture file.");
        QTest::newRow("fr") << QStringLiteral("Francais")
                            << QStringLiteral("Impossible de lire ce fichier image.");
        QTest::newRow("es") << QStringLiteral("Spanish")
                            << QStringLiteral("No se pudo leer este archivo de imagen.");
        QTest::newRow("other") << QStringLiteral("Klingon")
                               << QStringLiteral("Could not read this picture file.");
    }
    void opensOtherPicturesAndForgetsUnreadableOnes()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        World w(language);
        FrmToIco *f = w.open();
        QImage png(32, 32, QImage::Format_RGB32);
        png.fill(qRgb(10, 20, 30));
        const QString pngPath = w.env.path(QStringLiteral("disc.png"));
        QVERIFY(png.save(pngPath));
        w.dialogs.answerFile(pngPath);
        w.click("CmdOpen");
        QCOMPARE(
            control<QLineEdit>(f, "TxtExport")->text(), w.env.path(QStringLiteral("out/disc.ico")));
        QCOMPARE(control<PictureBox>(f, "CcPicTransparent")->backColor(), 0x1E140A);
        QVERIFY(w.boxes.messages().isEmpty());

        // A file that cannot be read: nothing of the old picture is left for "Convert" to
        // write under the new name, and the user is told.
        const QString bad = QStringLiteral(TINTAVO_TEST_DATA "/icon/bad-huge.bmp");
        w.dialogs.answerFile(bad);
        w.click("CmdOpen");
        QCOMPARE(w.boxes.messages().size(), 1);
        QCOMPARE(w.boxes.messages().at(0).text, message + QStringLiteral("\r\n") + bad);
        QCOMPARE(w.boxes.messages().at(0).title, QStringLiteral("Tintavo"));
        QVERIFY(control<QLineEdit>(f, "TxtSource")->text().isEmpty());
        QVERIFY(control<QLineEdit>(f, "TxtExport")->text().isEmpty());
        QVERIFY(!control<QPushButton>(f, "CcBtnConvertion")->isEnabled());
        QVERIFY(!control<QPushButton>(f, "CcBtnExport")->isEnabled());
        QVERIFY(!control<QPushButton>(f, "CmdColor")->isEnabled());
        QVERIFY(control<PictureBox>(f, "CcPicSource")->picture().isNull());
        QVERIFY(control<PictureBox>(f, "picView")->picture().isNull());
        QCOMPARE(rgb(preview(f), 5, 5), kLightGrey);
        QCOMPARE(control<PictureBox>(f, "CcPicTransparent")->backColor(), 0x808080);
        QVERIFY(!QFileInfo::exists(w.env.path(QStringLiteral("out/bad-huge.ico"))));

        // A title too short to lose an extension stops before anything changes.
        const QString tiny = w.env.path(QStringLiteral("a.b"));
        QVERIFY(QFile::copy(kStar, tiny));
        w.dialogs.answerFile(tiny);
        w.click("CmdOpen");
        QVERIFY(control<QLineEdit>(f, "TxtSource")->text().isEmpty());
        QCOMPARE(w.boxes.messages().size(), 1);

        // A good file afterwards works as on a fresh window.
        w.loadStar();
        QCOMPARE(control<QLineEdit>(f, "TxtExport")->text(), w.exported());
        QVERIFY(control<QPushButton>(f, "CcBtnConvertion")->isEnabled());
        w.click("CcBtnConvertion");
        QCOMPARE(QFileInfo(w.exported()).size(), 2238);
    }
};

QTEST_MAIN(TstFrmToIco)
#include "tst_frmtoico.moc"
