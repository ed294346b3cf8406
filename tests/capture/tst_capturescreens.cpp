#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/capturesession.h"
#include "support/patternwindow.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

// Two monitors side by side, of different sizes and scales, on Qt's offscreen platform:
// the left one 1280 x 1024 at scale 1, the right one 1024 x 768 logical pixels at scale 2.
// Only geometry is checked here; the real screen's pixels are checked under X.
namespace {

const char *kScreens = R"({"screens": [
 {"name": "LEFT", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1},
 {"name": "RIGHT", "x": 1280, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 2}]})";

// A desktop copy in physical pixels whose every pixel tells its physical position.
QImage physicalPattern()
{
    const QRect all = ScreenServices::current().screen().virtualGeometryPhysical();
    QImage img(all.size(), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = PatternWindow::colourAt(all.x() + x, all.y() + y);
    }
    return img;
}

void send(
    QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

// Ctrl + drag on the overlay between two of its client positions, then release.
void ctrlDrag(QWidget *overlay, QPoint from, QPoint to)
{
    send(overlay, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::ControlModifier);
    send(overlay, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, Qt::ControlModifier);
    send(overlay, QEvent::MouseMove, to, Qt::LeftButton, Qt::ControlModifier);
    send(overlay, QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::ControlModifier);
}

// A region capture on the test's own desktop copy instead of the offscreen platform's grab.
frmCaptureInfo *regionOverlay(CaptureSession &s, const QImage &desktop)
{
    if (!s.overlayUp())
        return nullptr;
    s.window->overlay()->present(desktop);
    return s.window->overlay();
}

} // namespace

class TstCaptureScreens : public QObject
{
    Q_OBJECT

private slots:
    void desktopSpansBothMonitors()
    {
        const Screen &screen = ScreenServices::current().screen();
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(screen.virtualGeometry(), QRect(0, 0, 2304, 1024));
        QCOMPARE(screen.virtualGeometryPhysical(), QRect(0, 0, 1280 + 2048, 1536));
    }

    void rectanglesMapByTheirMonitorsScale()
    {
        const Screen &screen = ScreenServices::current().screen();
        QCOMPARE(screen.toPhysical(QRect(100, 100, 10, 20)), QRect(100, 100, 10, 20));
        QCOMPARE(screen.toPhysical(QRect(1400, 100, 100, 50)), QRect(1280 + 240, 200, 200, 100));
        // A rectangle whose corner lies below the right monitor still takes its scale.
        QCOMPARE(screen.toPhysical(QRect(2000, 800, 10, 10)), QRect(1280 + 1440, 1600, 20, 20));
        QCOMPARE(screen.devicePixelRatioAt(QPoint(2000, 10)), 2.0);
        QCOMPARE(screen.devicePixelRatioAt(QPoint(10, 10)), 1.0);
    }

    void fullCaptureCoversBothMonitors()
    {
        CaptureSession s;
        control<QAction>(s.window, "MnuCapEcran")->trigger();
        QVERIFY(waitUntil([&] { return control<QAction>(s.window, "MnuSave")->isEnabled(); }));
        QCOMPARE(
            control<CapturePictureBox>(s.window, "PicCapt")->picture().size(), QSize(3328, 1536));
    }

    void regionOnTheScaledMonitorKeepsItsResolution()
    {
        CaptureSession s;
        frmCaptureInfo *o = regionOverlay(s, physicalPattern());
        QVERIFY(o);
        QCOMPARE(o->geometry(), QRect(0, 0, 2304, 1024));
        ctrlDrag(o, QPoint(1500, 150), QPoint(1400, 100));
        QVERIFY(waitUntil(
            [&] { return control<QAction>(s.window, "MnuSave")->isEnabled() && !o->isVisible(); }));
        auto *box = control<CapturePictureBox>(s.window, "PicCapt");
        const QImage picture = box->picture();
        // 100 x 50 logical pixels, starting one logical pixel inside the corner.
        QCOMPARE(picture.size(), QSize(200, 100));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(box->size(), QSize(100, 50));
        const QPoint origin(1280 + 2 * 121, 2 * 101);
        for (const QPoint p : { QPoint(0, 0), QPoint(199, 99), QPoint(57, 33) })
            QCOMPARE(
                picture.pixel(p), PatternWindow::colourAt(origin.x() + p.x(), origin.y() + p.y()));
    }

    void regionOnTheUnscaledMonitorIsOneToOne()
    {
        CaptureSession s;
        frmCaptureInfo *o = regionOverlay(s, physicalPattern());
        QVERIFY(o);
        ctrlDrag(o, QPoint(300, 400), QPoint(340, 430));
        QVERIFY(waitUntil([&] { return control<QAction>(s.window, "MnuSave")->isEnabled(); }));
        const QImage picture = control<CapturePictureBox>(s.window, "PicCapt")->picture();
        QCOMPARE(picture.size(), QSize(40, 30));
        QCOMPARE(picture.pixel(0, 0), PatternWindow::colourAt(301, 401));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly) || f.write(kScreens) < 0)
        return 1;
    f.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config));
    QApplication app(argc, argv);
    TstCaptureScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capturescreens.moc"
