#include "controls/label.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/capturesession.h"
#include "support/patternwindow.h"

#include <QScreen>

// The overlay driven with real pointer and key events (XTest through xdotool) on the X
// server's own screen.
namespace {

// Ctrl + drag from one screen point to another, without letting go yet.
void ctrlPressAndDrag(QPoint from, QPoint to)
{
    xdo(QStringLiteral("mousemove %1 %2 sleep 0.1 keydown ctrl sleep 0.1 mousedown 1 sleep 0.1 "
                       "mousemove %3 %4 sleep 0.1 mousemove %5 %6 sleep 0.1")
            .arg(from.x())
            .arg(from.y())
            .arg((from.x() + to.x()) / 2)
            .arg((from.y() + to.y()) / 2)
            .arg(to.x())
            .arg(to.y()));
}

void releaseWithCtrl() { xdo(QStringLiteral("mouseup 1 sleep 0.1 keyup ctrl")); }

void comparePattern(const QImage &picture, QPoint screenOrigin)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want
                = PatternWindow::colourAt(screenOrigin.x() + x, screenOrigin.y() + y) & 0xFFFFFF;
            if ((picture.pixel(x, y) & 0xFFFFFF) != want)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, want %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(picture.pixel(x, y) & 0xFFFFFF, 6, 16)
                                     .arg(want, 6, 16)));
        }
}

// The overlay's controls.
Label *instruction(frmCaptureInfo *o) { return control<Label>(o, "Labaide"); }
SelectionShape *outline(frmCaptureInfo *o) { return control<SelectionShape>(o, "ShapeSelect"); }
QLabel *sizeLabel(frmCaptureInfo *o) { return control<QLabel>(o, "LblSize"); }

} // namespace

class TstFrmCaptureInfo : public QObject
{
    Q_OBJECT

private slots:
    void overlayCoversTheDesktopWithoutFrame()
    {
        CaptureSession s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        // The whole desktop as Qt itself reports it.
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(o->geometry(), screen->virtualGeometry());
        QVERIFY(o->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!s.window->isVisible());
        QVERIFY(instruction(o)->isVisible());
        QVERIFY(!outline(o)->isVisible());
        QCOMPARE(o->cursor().shape(), Qt::WhatsThisCursor);
        QCOMPARE(o->frozen().size(), screen->virtualSize() * screen->devicePixelRatio());
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
    }

    void regionComesFromTheFrozenScreen()
    {
        CaptureSession s;
        PatternWindow pattern(QRect(100, 500, 500, 400));
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        pump(200);
        otherProgramOwnsClipboard("kept");
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        // What the live screen does now no longer matters.
        pattern.hide();
        pump(200);

        ctrlPressAndDrag(QPoint(300, 650), QPoint(200, 600));
        QVERIFY(outline(o)->isVisible());
        QCOMPARE(o->cursor().shape(), Qt::CrossCursor);
        QVERIFY(!instruction(o)->isVisible());
        QCOMPARE(outline(o)->geometry(), QRect(200, 600, 100, 50));
        QVERIFY(sizeLabel(o)->isVisible());
        QCOMPARE(sizeLabel(o)->text(), QStringLiteral("100 × 50"));
        releaseWithCtrl();

        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        const QImage picture = box->picture();
        QCOMPARE(picture.size(), QSize(100, 50));
        // One pixel inside the outline's corner.
        comparePattern(picture, QPoint(201, 601));
        QCOMPARE(box->size(), QSize(100, 50));
        QVERIFY(control<QAction>(s.window, "MnuSave")->isEnabled());
        const QSize wanted(
            qMax(frmCapture::LimiteH, 1500 + 280), qMax(frmCapture::LimiteV, 750 + 930));
        const bool sized = waitUntil([&] { return outerSizeTwips(s.window) == wanted; }, 2000);
        const QSize outer = outerSizeTwips(s.window);
        QVERIFY2(sized,
            qPrintable(QStringLiteral("outer %1 x %2").arg(outer.width()).arg(outer.height())));
        // The copy option is off: the other program's text is still there.
        QCOMPARE(clipboard(), QByteArray("kept"));
    }

    void sizeLabelNeverEndsUpInThePicture()
    {
        CaptureSession s({ { "PressePapier", "Oui" } });
        const QRect screen = ScreenServices::current().screen().virtualGeometry();
        const QRect corner(screen.right() - 300, screen.bottom() - 200, 301, 201);
        PatternWindow pattern(corner);
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        pump(200);
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        // Dragged into the corner: the label is pushed back over the rectangle.
        ctrlPressAndDrag(corner.topLeft() + QPoint(100, 100), screen.bottomRight());
        QVERIFY(sizeLabel(o)->isVisible());
        QVERIFY(outline(o)->geometry().intersects(sizeLabel(o)->geometry()));
        releaseWithCtrl();
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        const QImage picture = control<CapturePictureBox>(s.window, "PicCapt")->picture();
        QVERIFY(!picture.isNull());
        comparePattern(picture, corner.topLeft() + QPoint(101, 101));
        // With the copy option on, exactly that picture is on the clipboard.
        const QImage fromClipboard = QImage::fromData(clipboard("image/png"), "PNG");
        QCOMPARE(fromClipboard.size(), picture.size());
        comparePattern(fromClipboard, corner.topLeft() + QPoint(101, 101));
    }

    void aLargeRegionShowsWhole()
    {
        CaptureSession s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(700, 500));
        releaseWithCtrl();
        QVERIFY(waitUntil([&] { return s.window->isVisible() && !o->isVisible(); }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        QCOMPARE(box->size(), QSize(600, 400));
        // No edge of the picture lies under PictureDoc's edge or the window's.
        auto *client = control<QWidget>(s.window, "Client");
        const QRect picture(box->mapTo(client, QPoint()), box->size());
        QVERIFY(control<PictureBox>(s.window, "PictureDoc")->geometry().contains(picture));
        QVERIFY(client->rect().contains(picture));
    }

    void escapeGivesTheWindowBackUnchanged()
    {
        CaptureSession s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(400, 400), QPoint(450, 430));
        releaseWithCtrl();
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        const QImage before = box->picture();
        QCOMPARE(before.size(), QSize(50, 30));

        o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(300, 300));
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
        QCOMPARE(box->picture(), before);
    }

    void releaseAfterLettingGoOfCtrlKeepsTheOverlay()
    {
        CaptureSession s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(200, 200));
        xdo(QStringLiteral("keyup ctrl sleep 0.1 mousemove 210 210 sleep 0.1"));
        QCOMPARE(o->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(instruction(o)->isVisible());
        QVERIFY(outline(o)->isVisible());
        xdo(QStringLiteral("mouseup 1"));
        QVERIFY(o->isVisible());
        QVERIFY(!outline(o)->isVisible());
        QVERIFY(instruction(o)->isVisible());
        QVERIFY(!s.window->isVisible());
        QVERIFY(!control<QAction>(s.window, "MnuSave")->isEnabled());
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
    }

    void ctrlClickWithoutMovementCapturesNothing()
    {
        CaptureSession s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        xdo(QStringLiteral(
            "mousemove 500 500 sleep 0.1 keydown ctrl sleep 0.1 click 1 sleep 0.1 keyup ctrl"));
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        QVERIFY(box->picture().isNull());
        QVERIFY(box->size().isEmpty());
        QVERIFY(waitUntil([&] {
            const QSize outer = outerSizeTwips(s.window);
            return outer.width() >= frmCapture::LimiteH && outer.height() >= frmCapture::LimiteV;
        }));
    }

    void instructionFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("Spanish")
            << "Spanish"
            << "Ctrl + clic izquierdo para la selección de pantalla o Esc para cancelar";
        QTest::newRow("French")
            << "Francais"
            << "Ctrl + clic gauche pour sélection d'écran ou Echap pour annuler";
        QTest::newRow("unknown") << "Deutsch"
                                 << "Ctrl + left click for screen selection or Esc to cancel";
    }
    void instructionFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        CaptureSession s({ { "Langue", language } });
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        QCOMPARE(instruction(o)->text(), text);
        xdo(QStringLiteral("key Escape"));
    }
};

QTEST_MAIN(TstFrmCaptureInfo)
#include "tst_frmcaptureinfo.moc"
