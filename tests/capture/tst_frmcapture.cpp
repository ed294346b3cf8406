#include "base/twips.h"
#include "capture/editoroverlay.h"
#include "capture/modcapture.h"
#include "support/capturesession.h"
#include "support/namedcontrol.h"
#include "support/patternwindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

QAction *entry(frmCapture *w, const char *name) { return control<QAction>(w, name); }

QPlainTextEdit *helpBox(frmCapture *w, const char *name)
{
    return control<QPlainTextEdit>(w, name);
}

CapturePictureBox *pictureBox(frmCapture *w) { return control<CapturePictureBox>(w, "PicCapt"); }

QStringList checkedEntries(frmCapture *w)
{
    QStringList out;
    // The format entries in menu order.
    for (const char *name : { "MnuFbmp", "MnuFgif", "MnuCompresse1", "MnuCompresse2",
             "MnuCompresse3", "MnuCompresse4", "MnuFpng", "MnuFtif" })
        if (QAction *a = entry(w, name); a->isChecked())
            out << a->text();
    return out;
}

bool fullCapture(frmCapture *w)
{
    entry(w, "MnuCapEcran")->trigger();
    return waitUntil(
        [&] {
            return pictureBox(w)->isVisible() && entry(w, "MnuSave")->isEnabled()
                && !w->isMinimized();
        },
        5000);
}

QImage patternPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, PatternWindow::colourAt(x, y));
    return img;
}

} // namespace

class TstFrmCapture : public QObject
{
    Q_OBJECT

private slots:
    void opensInFrenchWithSixEntriesTranslated()
    {
        CaptureSession s({ { "Langue", "Francais" } });
        frmCapture *w = s.window;
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Screenshot"));
        QCOMPARE(entry(w, "MnuSave")->text(), QStringLiteral("Enregistrer"));
        QCOMPARE(entry(w, "MnExit")->text(), QStringLiteral("Fermer"));
        QCOMPARE(
            control<QMenu>(w, "MnuFormat")->title(), QStringLiteral("Format d'enregistrement"));
        QCOMPARE(entry(w, "MnuCapRegion")->text(), QStringLiteral("Capturer une zone de l'écran"));
        QCOMPARE(entry(w, "MnuCapEcran")->text(), QStringLiteral("Capturer tout l'écran"));
        QCOMPARE(entry(w, "MnuCopier")->text(), QStringLiteral("Copier la capture dans le PP"));
        QCOMPARE(control<QMenu>(w, "MnMenu")->title(), QStringLiteral("Menu"));
        QCOMPARE(control<QMenu>(w, "MnuCapture")->title(), QStringLiteral("Capture (Ctrl+clic)"));
        QCOMPARE(control<QMenu>(w, "MnuOption")->title(), QStringLiteral("Options"));
        QCOMPARE(control<QMenu>(w, "MnuAide")->title(), QStringLiteral("?"));
        QCOMPARE(entry(w, "MnuHelp")->text(), QStringLiteral("Help"));
        QCOMPARE(helpBox(w, "TxtFR")->pos(), QPoint(0, 0));
        QVERIFY(helpBox(w, "TxtFR")->isVisibleTo(w));
        QCOMPARE(helpBox(w, "TxtEn")->pos(), QPoint(twips::toPixelsX(600), twips::toPixelsY(3000)));
        QVERIFY(!entry(w, "MnuSave")->isEnabled());
    }

    void helpBoxShowsAndHides()
    {
        CaptureSession s({ { "Langue", "Spanish" } });
        frmCapture *w = s.window;
        auto *options = control<QMenu>(w, "MnuOption");
        QPlainTextEdit *english = helpBox(w, "TxtEn");
        QPlainTextEdit *spanish = helpBox(w, "TxtEs");
        options->popup(w->mapToGlobal(QPoint(10, 10)));
        QVERIFY(waitUntil([&] { return options->isVisible(); }));
        options->close();
        QVERIFY(!english->isVisibleTo(w) && !helpBox(w, "TxtFR")->isVisibleTo(w)
            && !spanish->isVisibleTo(w));

        entry(w, "MnuHelp")->trigger();
        QVERIFY(spanish->isVisibleTo(w));
        QCOMPARE(spanish->pos(), QPoint(0, 0));
        QVERIFY(!english->isVisibleTo(w));
        // A click on the box hides it.
        QTest::mouseClick(spanish->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!spanish->isVisibleTo(w));
    }

    void storedFormatChecksOneEntry()
    {
        CaptureSession s({ { "FormatImage", "JPG50" } });
        frmCapture *w = s.window;
        QCOMPARE(checkedEntries(w), QStringList { QStringLiteral("Compression 50%") });
        QCOMPARE(w->jpegQuality(), int16_t(50));
        QVERIFY(!control<QMenu>(w, "MnuFjpg")->menuAction()->isChecked());

        entry(w, "MnuFbmp")->trigger();
        QCOMPARE(checkedEntries(w), QStringList { QStringLiteral("BMP") });
        QCOMPARE(s.env.setting(QStringLiteral("FormatImage")), QStringLiteral("BMP"));
        QCOMPARE(s.env.state.formatImage(), QStringLiteral("BMP"));
        QCOMPARE(w->jpegQuality(), int16_t(50));

        // Choosing the entry already checked keeps it checked.
        entry(w, "MnuFbmp")->trigger();
        QCOMPARE(checkedEntries(w), QStringList { QStringLiteral("BMP") });

        entry(w, "MnuCompresse1")->trigger();
        QCOMPARE(w->jpegQuality(), int16_t(0));
        QCOMPARE(s.env.setting(QStringLiteral("FormatImage")), QStringLiteral("JPG"));
    }

    // The "Delay" entry added to the options: its captions, the stored choice checked, a new
    // choice stored.
    void delayMenuShowsTheStoredChoice_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("checked");
        QTest::newRow("none stored") << "Anglais"
                                     << ""
                                     << "Delay"
                                     << "None";
        QTest::newRow("fr") << "Francais"
                            << "5"
                            << "Délai"
                            << "5 s";
        QTest::newRow("es, not a delay offered") << "Spanish"
                                                 << "7"
                                                 << "Retardo"
                                                 << "Ninguno";
    }
    void delayMenuShowsTheStoredChoice()
    {
        QFETCH(QString, language);
        QFETCH(QString, stored);
        QFETCH(QString, title);
        QFETCH(QString, checked);
        CaptureSession s({ { "Langue", language }, { "DelaiCapture", stored } });
        frmCapture *w = s.window;
        auto *menu = control<QMenu>(w, "MnuDelai");
        QCOMPARE(menu->title(), title);
        QStringList ticked;
        for (QAction *a : menu->actions())
            if (a->isChecked())
                ticked << a->text();
        QCOMPARE(ticked, QStringList { checked });

        entry(w, "MnuDelai10")->trigger();
        QCOMPARE(s.env.setting(QStringLiteral("DelaiCapture")), QStringLiteral("10"));
        QVERIFY(entry(w, "MnuDelai10")->isChecked());
        QVERIFY(!entry(w, "MnuDelai0")->isChecked() && !entry(w, "MnuDelai5")->isChecked());
        QCOMPARE(w->delaySeconds(), 10);
    }

    // Both grabs wait the chosen delay after the window steps aside.
    void delayHoldsBackBothGrabs()
    {
        CaptureSession s;
        frmCapture *w = s.window;
        entry(w, "MnuDelai3")->trigger();
        ScreenServices &before = ScreenServices::current();
        {
            MemoryScreenServices desktop;
            desktop.screen().setAreas({ { QRect(0, 0, 320, 200), 1.0 } });
            desktop.screen().fill(QRect(0, 0, 320, 200), Qt::darkCyan);
            QElapsedTimer clock;
            clock.start();
            entry(w, "MnuCapEcran")->trigger();
            QVERIFY(waitUntil(
                [&] { return pictureBox(w)->picture().size() == QSize(320, 200); }, 10000));
            QVERIFY(clock.elapsed() >= 3000 + 300);

            clock.restart();
            entry(w, "MnuCapRegion")->trigger();
            QVERIFY(waitUntil([&] { return w->overlay() && w->overlay()->isVisible(); }, 10000));
            QVERIFY(clock.elapsed() >= 3000 + 400);
            QTest::keyClick(w->overlay(), Qt::Key_Escape);
            QVERIFY(waitUntil([&] { return w->isVisible(); }));
        }
        ScreenServices::install(&before);
    }

    void compressionChoiceSurvivesReopening()
    {
        CaptureSession s({ { "FormatImage", "PNG" } });
        frmCapture *w = s.window;
        entry(w, "MnuCompresse2")->trigger();
        w->close();
        QVERIFY(waitUntil([&] { return s.window.isNull(); }));
        QVERIFY(s.launcher->isVisible());
        frmCapture *again = s.open();
        QVERIFY(again);
        QCOMPARE(checkedEntries(again), QStringList { QStringLiteral("Compression 25%") });
        QCOMPARE(again->jpegQuality(), int16_t(25));
        // The reopened window has its imaging started again: saving works.
        QVERIFY(captureOf(again, patternPicture(8, 8)));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        dialogs.answerFile(s.env.path(QStringLiteral("again.JPG")));
        entry(again, "MnuSave")->trigger();
        QCOMPARE(again->windowTitle(), QStringLiteral("OK"));
    }

    void copyEntryTicksTheLaunchersBox()
    {
        CaptureSession s({ { "PressePapier", "Non" } });
        frmCapture *w = s.window;
        QAction *copy = entry(w, "MnuCopier");
        QVERIFY(copy->isVisible());
        auto *launcherCopyOption = control<QCheckBox>(s.launcher.get(), "ChkPP");
        QVERIFY(!launcherCopyOption->isChecked());
        copy->trigger();
        QVERIFY(!copy->isVisible());
        QVERIFY(launcherCopyOption->isChecked());
        QCOMPARE(s.env.setting(QStringLiteral("PressePapier")), QStringLiteral("Oui"));
        QCOMPARE(s.env.state.pressePapier(), true);

        CaptureSession on({ { "PressePapier", "Oui" } });
        QVERIFY(!entry(on.window, "MnuCopier")->isVisible());
    }

    void windowCannotBeMadeSmallerThanItsLimits()
    {
        CaptureSession s;
        frmCapture *w = s.window;
        pump(200);
        s.env.state.ToolWindowState = 0;
        resizeOuterTwips(w, 3000, 1500);
        QVERIFY(waitUntil([&] {
            const QSize outer = outerSizeTwips(w);
            return outer.width() >= frmCapture::LimiteH && outer.height() >= frmCapture::LimiteV;
        }));
        resizeOuterTwips(w, 9000, 6000);
        QVERIFY(waitUntil([&] { return outerSizeTwips(w) == QSize(9000, 6000); }));
        auto *document = control<PictureBox>(w, "PictureDoc");
        QCOMPARE(document->width(), twips::toPixelsX(9000 - 240));
        QCOMPARE(document->height(), twips::toPixelsY(6000 - 890));
    }

    void fullScreenCaptureReadsTheScreenAndLeavesTheClipboard()
    {
        CaptureSession s({ { "PressePapier", "Non" } });
        PatternWindow pattern(QRect(100, 560, 400, 300));
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        frmCapture *w = s.window;
        pump(700); // the launcher hides
        const QRect before = w->frameGeometry();
        otherProgramOwnsClipboard("kept");

        QVERIFY(fullCapture(w));
        const QImage shot = pictureBox(w)->picture();
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(shot.size(), screen);
        for (const QPoint p : { QPoint(100, 560), QPoint(499, 859), QPoint(250, 700) })
            QCOMPARE(shot.pixel(p) & 0xFFFFFF, PatternWindow::colourAt(p.x(), p.y()) & 0xFFFFFF);
        // The capture window was out of the way: no grey of its own in the picture.
        QVERIFY((shot.pixel(before.center()) & 0xFFFFFF) != 0x808080);
        QCOMPARE(pictureBox(w)->size(), screen);
        QVERIFY(entry(w, "MnuSave")->isEnabled());
        QVERIFY(waitUntil([&] { return w->frameGeometry().size() == screen; }, 2000));

        QCOMPARE(clipboard(), QByteArray("kept"));
    }

    void fullScreenCaptureWithCopyOptionFillsTheClipboard()
    {
        CaptureSession s({ { "PressePapier", "Oui" } });
        PatternWindow pattern(QRect(600, 600, 200, 100));
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        frmCapture *w = s.window;
        otherProgramOwnsClipboard("replaced");
        QVERIFY(fullCapture(w));
        const QImage fromClipboard = QImage::fromData(clipboard("image/png"), "PNG");
        QCOMPARE(fromClipboard.size(), pictureBox(w)->picture().size());
        QCOMPARE(
            fromClipboard.pixel(650, 650) & 0xFFFFFF, PatternWindow::colourAt(650, 650) & 0xFFFFFF);
    }

    void savesInTheChosenFormat_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("BMP") << "BMP" << QByteArray("bmp");
        QTest::newRow("GIF") << "GIF" << QByteArray("gif");
        QTest::newRow("JPG75") << "JPG75" << QByteArray("jpeg");
        QTest::newRow("PNG") << "PNG" << QByteArray("png");
        QTest::newRow("TIF") << "TIF" << QByteArray("tiff");
    }
    // "Annotate…" opens the picture in the editor; Enter puts the marked picture back.
    void annotatedPictureComesBack()
    {
        CaptureSession s({ { "Langue", "Francais" } });
        frmCapture *w = s.window;
        const QImage picture = patternPicture(120, 80);
        QVERIFY(captureOf(w, picture));
        QAction *annotate = entry(w, "MnuAnnotate");
        QCOMPARE(annotate->text(), QStringLiteral("Annoter…"));
        annotate->trigger();
        EditorOverlay *editor = nullptr;
        QVERIFY(waitUntil([&] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *e = qobject_cast<EditorOverlay *>(top); e && e->isVisible())
                    editor = e;
            return editor != nullptr;
        }));
        QCOMPARE(editor->selection(), QRect(0, 0, 120, 80));
        editor->setTool(EditorOverlay::Tool::Redact);
        QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(editor, QPoint(30, 30));
        QTest::mouseRelease(editor, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::keyClick(editor, Qt::Key_Return);
        const QImage marked = control<CapturePictureBox>(w, "PicCapt")->picture();
        QCOMPARE(marked.size(), picture.size());
        QCOMPARE(marked.pixel(20, 20), qRgb(0, 0, 0));
        QCOMPARE(marked.pixel(100, 70), picture.pixel(100, 70));
    }

    void savesInTheChosenFormat()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, format);
        CaptureSession s({ { "FormatImage", code }, { "Chemin", QDir::tempPath() } });
        frmCapture *w = s.window;
        const QImage picture = patternPicture(120, 80);
        QVERIFY(captureOf(w, picture));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        const QString ext = code.left(3);
        const QString path = s.env.path(QStringLiteral("shot.") + ext);
        dialogs.answerFile(path);
        entry(w, "MnuSave")->trigger();

        QCOMPARE(dialogs.requests().size(), 1);
        const auto &r = dialogs.requests().first();
        QCOMPARE(r.kind, CommonDialog::Kind::Save);
        QCOMPARE(r.filter, ext + QStringLiteral("|*.") + ext);
        QCOMPARE(r.defaultExt, QStringLiteral(".") + ext);
        QCOMPARE(r.flags, 1030u);
        QCOMPARE(r.initDir, QDir::tempPath());
        QVERIFY(r.fileName.isEmpty());
        QVERIFY(r.cancelError);

        QCOMPARE(w->windowTitle(), QStringLiteral("OK"));
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first().text,
            QStringLiteral("The registration process was completed successfully : \r\n") + path);
        QCOMPARE(messages.messages().first().title, QStringLiteral("Screenshot"));

        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage back = reader.read();
        QCOMPARE(back.size(), picture.size());
        // JPEG and the 256-colour GIF palette are lossy for this many colours.
        if (format != "jpeg" && format != "gif")
            QCOMPARE(back.pixel(37, 51) & 0xFFFFFF, picture.pixel(37, 51) & 0xFFFFFF);
    }

    // The typed name's extension wins over the checked format; any other name keeps it.
    void typedExtensionDecidesTheFormat_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("quality"); // JPEG only: the quality the bytes were made with
        QTest::newRow("png, JPG checked") << "JPG75" << QByteArray("png") << "a.PNG" << 0;
        QTest::newRow("jpeg, JPG checked") << "JPG25" << QByteArray("jpeg") << "a.Jpeg" << 25;
        QTest::newRow("jpg, PNG checked") << "PNG" << QByteArray("jpeg") << "a.jpg" << -1;
        QTest::newRow("tiff, GIF checked") << "GIF" << QByteArray("tiff") << "a.b.tiff" << 0;
        QTest::newRow("no extension") << "JPG50" << QByteArray("jpeg") << "shot" << 50;
        QTest::newRow("webp, PNG checked") << "PNG" << QByteArray("webp") << "a.WebP" << 0;
        QTest::newRow("unknown extension") << "PNG" << QByteArray("png") << "a.xcf" << 0;
        QTest::newRow("dotted folder") << "BMP" << QByteArray("bmp") << "d.png/a" << 0;
    }
    void typedExtensionDecidesTheFormat()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, format);
        QFETCH(QString, name);
        QFETCH(int, quality);
        CaptureSession s({ { "FormatImage", code } });
        frmCapture *w = s.window;
        const QImage picture = patternPicture(90, 60);
        QVERIFY(captureOf(w, picture));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        const QString path = s.env.path(name);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        dialogs.answerFile(path);
        entry(w, "MnuSave")->trigger();
        QCOMPARE(w->windowTitle(), QStringLiteral("OK"));

        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.read().size(), picture.size());
        if (format == "jpeg") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(),
                modCapture::encodeImage(picture, QStringLiteral("JPG"), int16_t(quality)));
        }
    }

    void jpegQualityAsChosenReachesTheFile()
    {
        CaptureSession s({ { "FormatImage", "JPG" } });
        frmCapture *w = s.window;
        QVERIFY(captureOf(w, patternPicture(300, 200)));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        dialogs.answerFile(s.env.path(QStringLiteral("q0.JPG")));
        entry(w, "MnuSave")->trigger();
        entry(w, "MnuCompresse4")->trigger();
        dialogs.answerFile(s.env.path(QStringLiteral("q75.JPG")));
        entry(w, "MnuSave")->trigger();
        const qint64 small = QFileInfo(s.env.path(QStringLiteral("q0.JPG"))).size();
        const qint64 large = QFileInfo(s.env.path(QStringLiteral("q75.JPG"))).size();
        QVERIFY2(small > 0 && large > small,
            qPrintable(QStringLiteral("%1 vs %2").arg(small).arg(large)));
        QVERIFY(!QImage(s.env.path(QStringLiteral("q0.JPG"))).isNull());
        QVERIFY(!QImage(s.env.path(QStringLiteral("q75.JPG"))).isNull());
    }

    void cancelShowsNothingAndKeepsTheTitle()
    {
        CaptureSession s({ { "FormatImage", "PNG" } });
        frmCapture *w = s.window;
        QVERIFY(captureOf(w, patternPicture(10, 10)));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        dialogs.answerFile(s.env.path(QStringLiteral("a.PNG")));
        entry(w, "MnuSave")->trigger();
        QCOMPARE(w->windowTitle(), QStringLiteral("OK"));
        dialogs.answerCancel();
        entry(w, "MnuSave")->trigger();
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("OK"));
    }

    void failedSavesSayBackupIsNotDone_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("emptyPicture");
        QTest::newRow("missing directory") << "PNG"
                                           << "missing/shot.PNG" << false;
        QTest::newRow("directory is a file") << "BMP"
                                             << "plain/shot.BMP" << false;
        QTest::newRow("unknown format code") << "XYZ42"
                                             << "shot.XYZ" << false;
        QTest::newRow("empty selection") << "GIF"
                                         << "shot.GIF" << true;
    }
    void failedSavesSayBackupIsNotDone()
    {
        QFETCH(QString, code);
        QFETCH(QString, target);
        QFETCH(bool, emptyPicture);
        CaptureSession s({ { "FormatImage", code } });
        QFile plain(s.env.path(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        frmCapture *w = s.window;
        QVERIFY(emptyPicture ? captureNothing(w) : captureOf(w, patternPicture(30, 20)));
        ScriptedCommonDialog dialogs;
        RecordingMessageBox messages;
        dialogs.answerFile(s.env.path(target));
        entry(w, "MnuSave")->trigger();
        QCOMPARE(
            dialogs.requests().first().filter, code.left(3) + QStringLiteral("|*.") + code.left(3));
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first().text, QStringLiteral("Backup is not done"));
        QCOMPARE(messages.messages().first().title, QStringLiteral("Screenshot"));
        QCOMPARE(w->windowTitle(), QStringLiteral("In progress..."));
        QVERIFY(!QFile::exists(s.env.path(target)));
    }

    void closingDuringTheDelaysIsSafe_data()
    {
        QTest::addColumn<bool>("region");
        QTest::addColumn<int>("after");
        QTest::newRow("full, first delay") << false << 100;
        QTest::newRow("full, second delay") << false << 400;
        QTest::newRow("region, before the overlay") << true << 150;
        QTest::newRow("region, overlay up") << true << 900;
    }
    void closingDuringTheDelaysIsSafe()
    {
        QFETCH(bool, region);
        QFETCH(int, after);
        CaptureSession s;
        frmCapture *w = s.window;
        entry(w, region ? "MnuCapRegion" : "MnuCapEcran")->trigger();
        pump(after);
        w->close();
        QVERIFY(waitUntil([&] { return s.window.isNull(); }));
        pump(800);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!(top->objectName() == QLatin1String("frmCaptureInfo") && top->isVisible()),
                "overlay left up");
        QVERIFY(s.launcher->isVisible());
        QCOMPARE(s.env.state.ToolWindowState, uint8_t(100));
    }
};

QTEST_MAIN(TstFrmCapture)
#include "tst_frmcapture.moc"
