#include "base/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/capturesession.h"
#include "support/patternwindow.h"

#include <QApplication>
#include <QScreen>

// The X server's real screen seen through a device pixel ratio of 2: the program works in
// logical pixels, the pictures keep the screen's own pixels. The pointer is driven in the
// server's (physical) coordinates.

class TstCaptureHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0); }

    void grabsHaveTheScreensOwnResolution()
    {
        PatternWindow pattern(QRect(50, 250, 200, 150)); // physical 100, 500, 400 x 300
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        pump(200);
        const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
        Screen &screen = ScreenServices::current().screen();
        const QImage desktop = screen.grabDesktop();
        QCOMPARE(desktop.size(), logical * 2);
        for (const QPoint p : { QPoint(100, 500), QPoint(499, 799), QPoint(301, 613) })
            QCOMPARE(desktop.pixel(p) & 0xFFFFFF, PatternWindow::colourAt(p.x(), p.y()) & 0xFFFFFF);
        QCOMPARE(screen.grab(QRect(301, 613, 3, 2)).pixel(0, 0) & 0xFFFFFF,
            PatternWindow::colourAt(301, 613) & 0xFFFFFF);
        QCOMPARE(screen.pixel(QPoint(302, 614)), fromQRgb(PatternWindow::colourAt(302, 614)));
    }

    void fullCaptureSavesEveryPhysicalPixel()
    {
        CaptureSession s;
        control<QAction>(s.window, "MnuCapEcran")->trigger();
        QVERIFY(waitUntil([&] { return control<QAction>(s.window, "MnuSave")->isEnabled(); }));
        const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        QCOMPARE(box->picture().size(), logical * 2);
        QCOMPARE(box->size(), logical);
    }

    void regionMatchesWhatWasDragged()
    {
        PatternWindow pattern(QRect(50, 250, 200, 150));
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        CaptureSession s;
        QVERIFY(s.overlayUp());
        // Physical 200,600 to 300,700 is logical 100,300 to 150,350.
        xdo(QStringLiteral(
            "mousemove 200 600 sleep 0.1 keydown ctrl sleep 0.1 mousedown 1 sleep 0.1 "
            "mousemove 250 650 sleep 0.1 mousemove 300 700 sleep 0.1 mouseup 1 sleep 0.1 keyup "
            "ctrl"));
        QVERIFY(waitUntil([&] {
            return s.window->isVisible() && control<QAction>(s.window, "MnuSave")->isEnabled();
        }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        const QImage picture = box->picture();
        QCOMPARE(picture.size(), QSize(100, 100));
        QCOMPARE(box->size(), QSize(50, 50));
        // One logical pixel inside the corner: two physical pixels.
        for (const QPoint p : { QPoint(0, 0), QPoint(99, 99), QPoint(40, 71) })
            QCOMPARE(picture.pixel(p) & 0xFFFFFF,
                PatternWindow::colourAt(202 + p.x(), 602 + p.y()) & 0xFFFFFF);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstCaptureHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capturehidpi.moc"
