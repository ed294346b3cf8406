#include "base/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/patternwindow.h"
#include "support/programrun.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramRun tintavo(const QStringList &arguments) { return runTintavo(arguments, true); }

} // namespace

// The capture command against the real X screen: a window whose pixels tell where they are.
class TstCaptureCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (ScreenServices::isWaylandSession())
            QSKIP("the X11 suite");
        m_window = std::make_unique<PatternWindow>(QRect(100, 120, 320, 300));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // Painted once the screen shows the pattern at both corners.
        Screen &screen = ScreenServices::current().screen();
        for (const QPoint corner : { QPoint(100, 120), QPoint(419, 419) })
            QTRY_COMPARE(
                screen.pixel(corner), fromQRgb(PatternWindow::colourAt(corner.x(), corner.y())));
    }

    void regionIsTheScreensPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("standard output") << QString();
        QTest::newRow("png") << "shot.png";
        QTest::newRow("bmp") << "shot.bmp";
        QTest::newRow("tiff") << "shot.tiff";
        QTest::newRow("webp, lossless") << "shot.webp";
    }

    void regionIsTheScreensPixels()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QStringList arguments { QStringLiteral("capture"), QStringLiteral("--region"),
            QStringLiteral("150,170,211,77") };
        if (!name.isEmpty())
            arguments << QStringLiteral("-o") << dir.filePath(name);
        const ProgramRun r = tintavo(arguments);
        QCOMPARE(r.status, 0);
        QImage shot;
        if (name.isEmpty())
            QVERIFY(shot.loadFromData(r.out, "PNG"));
        else
            QVERIFY(shot.load(dir.filePath(name)));
        QCOMPARE(shot.size(), QSize(211, 77));
        const QImage screen = ScreenServices::current().screen().grab(QRect(150, 170, 211, 77));
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                QCOMPARE(shot.pixel(x, y) | 0xFF000000, PatternWindow::colourAt(150 + x, 170 + y));
                QCOMPARE(shot.pixel(x, y) | 0xFF000000, screen.pixel(x, y) | 0xFF000000);
            }
        }
    }

    // A region that reaches past an edge keeps the part on the desktop and says which part.
    void regionPartlyOutsideIsClipped_data()
    {
        QTest::addColumn<QRect>("region");
        QTest::addColumn<QRect>("kept");
        const QRect desktop = ScreenServices::current().screen().virtualGeometryPhysical();
        QTest::newRow("past the top left") << QRect(desktop.left() - 20, desktop.top() - 30, 150,
            160) << QRect(desktop.topLeft(), QSize(130, 130));
        QTest::newRow("past the bottom right") << QRect(desktop.right() - 9, desktop.bottom() - 4,
            40, 40) << QRect(desktop.right() - 9, desktop.bottom() - 4, 10, 5);
    }
    void regionPartlyOutsideIsClipped()
    {
        QFETCH(QRect, region);
        QFETCH(QRect, kept);
        const ProgramRun r = tintavo({ QStringLiteral("capture"), QStringLiteral("--region"),
            QStringLiteral("%1,%2,%3,%4")
                .arg(region.x())
                .arg(region.y())
                .arg(region.width())
                .arg(region.height()) });
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err,
            QStringLiteral("tintavo capture: the region reaches past the desktop: capturing the "
                           "part on it, %1,%2,%3,%4\n")
                .arg(kept.x())
                .arg(kept.y())
                .arg(kept.width())
                .arg(kept.height()));
        QImage shot;
        QVERIFY(shot.loadFromData(r.out, "PNG"));
        QCOMPARE(shot.size(), kept.size());
        const QImage screen = ScreenServices::current().screen().grab(kept);
        QCOMPARE(shot.convertToFormat(QImage::Format_RGB32),
            screen.convertToFormat(QImage::Format_RGB32));
    }

    void regionOutsideTheDesktopFails()
    {
        const ProgramRun r = tintavo({ QStringLiteral("capture"), QStringLiteral("--region"),
            QStringLiteral("5000,0,10,10") });
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(QStringLiteral("outside")));
    }

private:
    std::unique_ptr<PatternWindow> m_window;
};

QTEST_MAIN(TstCaptureCommand)
#include "tst_capturecommand.moc"
