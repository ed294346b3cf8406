#include "base/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/patternwindow.h"
#include "support/programrun.h"
#include "support/realprogram.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
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

    // The editor as a user drives it: a plain drag selects, R and a drag draw a rectangle, then
    // Enter copies the result or Ctrl+S saves it in the save folder.
    void editorCopiesOrSavesWhatWasMarked_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("Enter copies") << "Return";
        QTest::newRow("Ctrl+S saves") << "ctrl+s";
    }
    void editorCopiesOrSavesWhatWasMarked()
    {
        QFETCH(QString, key);
        TestEnv env;
        const QString shots = env.path(QStringLiteral("shots"));
        QDir().mkpath(shots);
        QDir().mkpath(env.path(QStringLiteral("config/Tintavo")));
        QFile ini(env.path(QStringLiteral("config/Tintavo/Tintavo.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\nChemin=" + shots.toUtf8() + "\n");
        ini.close();
        Program editor(env.path(QString()));
        QVERIFY(editor.start({ QStringLiteral("capture"), QStringLiteral("--edit") }));
        QVERIFY(!editor.window(QStringLiteral("Tintavo screenshot")).isEmpty());
        const QStringList steps = { QStringLiteral(
                                        "mousemove 150 170 mousedown 1 mousemove 250 250 "
                                        "mousemove 350 320 mouseup 1"),
            QStringLiteral("key r"),
            QStringLiteral("mousemove 180 200 mousedown 1 mousemove 250 250 mousemove 300 280 "
                           "mouseup 1"),
            QStringLiteral("key ") + key };
        for (const QString &step : steps)
            QVERIFY(xdotool(step.split(u' ')));
        QImage result;
        if (key == QLatin1String("Return")) {
            QVERIFY(waitUntil([&] {
                QProcess xclip;
                xclip.start(QStringLiteral("xclip"),
                    { QStringLiteral("-selection"), QStringLiteral("clipboard"),
                        QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o") });
                xclip.waitForFinished(5000);
                result = QImage::fromData(xclip.readAllStandardOutput());
                return !result.isNull();
            }));
        } else {
            QVERIFY(editor.process().waitForFinished(15000));
            QCOMPARE(editor.process().exitCode(), 0);
            const QStringList saved = QDir(shots).entryList({ QStringLiteral("Tintavo_*.png") });
            QCOMPARE(saved.size(), 1);
            QVERIFY(QString::fromUtf8(editor.process().readAllStandardOutput())
                        .contains(QDir(shots).filePath(saved.first())));
            result = QImage(QDir(shots).filePath(saved.first()));
        }
        QCOMPARE(result.size(), QSize(200, 150));
        QCOMPARE(result.pixel(5, 5), PatternWindow::colourAt(155, 175));
        QCOMPARE(result.pixel(30, 70), qRgb(0xE5, 0x39, 0x35)); // the rectangle's left side
        QCOMPARE(result.pixel(80, 70), PatternWindow::colourAt(230, 240));
        // The pattern, uncovered by the overlay, is painted again before the next test.
        QTRY_COMPARE(ScreenServices::current().screen().pixel(QPoint(150, 170)),
            fromQRgb(PatternWindow::colourAt(150, 170)));
    }

    // A picture from a file in the editor's window: a step drawn on it, Ctrl+S saves it whole
    // at its own size, Esc closes the window and ends the program.
    void editorWindowSavesAFile()
    {
        TestEnv env;
        QImage picture(900, 700, QImage::Format_RGB32);
        picture.fill(QColor(0x33, 0x66, 0xCC));
        const QString in = env.path(QStringLiteral("in.png"));
        const QString out = env.path(QStringLiteral("out.png"));
        QVERIFY(picture.save(in));
        Program editor(env.path(QString()));
        QVERIFY(editor.start({ QStringLiteral("edit"), in, QStringLiteral("-o"), out }));
        const QString window = editor.window(QStringLiteral("in.png — Tintavo"));
        QVERIFY(activate(window));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("n") }));
        QVERIFY(xdotool(
            { QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("60"),
                QStringLiteral("60"), QStringLiteral("click"), QStringLiteral("1") }));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+s") }));
        QVERIFY(waitUntil([&] { return QImage(out).size() == picture.size(); }));
        QVERIFY(QImage(out).pixel(0, 0) == picture.pixel(0, 0));
        QVERIFY(QImage(out) != picture); // the step is on it
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape") }));
        QVERIFY(editor.process().waitForFinished(10000));
        QCOMPARE(editor.process().exitCode(), 0);
        QTRY_COMPARE(ScreenServices::current().screen().pixel(QPoint(150, 170)),
            fromQRgb(PatternWindow::colourAt(150, 170)));
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
