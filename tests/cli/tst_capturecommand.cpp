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
