#include "base/colorconv.h"
#include "platform/screen.h"
#include "platform/screenservices.h"
#include "support/patternwindow.h"
#include "support/programrun.h"
#include "support/realprogram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramRun tintavo(const QStringList &arguments, const QString &locale = QString())
{
    return runTintavo(arguments, true, locale);
}

// The picture on the clipboard as another program reads it, once one is there.
QImage clipboardPicture()
{
    QImage picture;
    waitUntil([&] {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
            { QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                QStringLiteral("image/png"), QStringLiteral("-o") });
        xclip.waitForFinished(5000);
        picture = QImage::fromData(xclip.readAllStandardOutput());
        return !picture.isNull();
    });
    return picture;
}

// The program started without waiting for its end, for what a user does meanwhile.
struct Running
{
    explicit Running(const QStringList &arguments)
    {
        process.start(QStringLiteral(TINTAVO_BINARY), arguments);
        process.waitForStarted(5000);
        clock.start();
    }
    ~Running()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    // The exit status, once it has ended (-1 if it did not within a minute).
    int status()
    {
        if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000))
            return -1;
        return process.exitCode();
    }
    // True once it shows a window, as xdotool finds it.
    bool showsAWindow()
    {
        return waitUntil([&] {
            QProcess x;
            x.start(QStringLiteral("xdotool"),
                { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(process.processId()) });
            x.waitForFinished(5000);
            return !x.readAllStandardOutput().trimmed().isEmpty();
        });
    }

    QProcess process;
    QElapsedTimer clock;
};

// True when every pixel of the picture is the pattern's at the screen position of its corner.
bool showsPattern(const QImage &picture, QPoint corner)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF)
                != (PatternWindow::colourAt(corner.x() + x, corner.y() + y) & 0xFFFFFF))
                return false;
    return true;
}

bool screenShowsPattern(const QRect &r)
{
    return showsPattern(ScreenServices::current().screen().grab(r), r.topLeft());
}

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
        // The programs this test runs keep their settings here, never in the user's.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
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
            result = clipboardPicture();
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
        // The selection is kept for --last-region.
        QTRY_COMPARE(QSettings(ini.fileName(), QSettings::IniFormat)
                         .value(QStringLiteral("Options/DerniereZone"))
                         .toString(),
            QStringLiteral("150,170,200,150"));
        // The pattern, uncovered by the overlay, is painted again before the next test.
        QTRY_COMPARE(ScreenServices::current().screen().pixel(QPoint(150, 170)),
            fromQRgb(PatternWindow::colourAt(150, 170)));
    }

    // A click without a drag in the editor takes the window under it, frame and all.
    void editorClickTakesAWindow()
    {
        TestEnv env;
        Program editor(env.path(QString()));
        QVERIFY(editor.start({ QStringLiteral("capture"), QStringLiteral("--edit") }));
        QVERIFY(!editor.window(QStringLiteral("Tintavo screenshot")).isEmpty());
        QVERIFY(xdotool(QStringLiteral("mousemove 260 270 click 1 key Return").split(u' ')));
        const QImage result = clipboardPicture();
        QCOMPARE(result.size(), m_window->frameGeometry().size());
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

    // The window the window manager names active, with the frame it draws or without.
    void windowIsTheActiveWindow_data()
    {
        QTest::addColumn<bool>("withFrame");
        QTest::newRow("with its frame") << true;
        QTest::newRow("without decorations") << false;
    }
    void windowIsTheActiveWindow()
    {
        QFETCH(bool, withFrame);
        PatternWindow framed(QRect(560, 420, 300, 200));
        framed.setWindowFlags(Qt::Window);
        framed.setGeometry(QRect(560, 420, 300, 200));
        framed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&framed));
        QVERIFY(activate(QString::number(framed.winId())));
        // Framed and painted where the window manager put it.
        QTRY_VERIFY(framed.frameGeometry().size() != framed.geometry().size());
        QTRY_VERIFY((framed.update(), screenShowsPattern(framed.geometry())));
        const QRect frame = framed.frameGeometry();
        const QRect client = framed.geometry();
        QVERIFY(frame.contains(client) && frame.size() != client.size());

        QStringList arguments { QStringLiteral("capture"), QStringLiteral("--window") };
        if (!withFrame)
            arguments << QStringLiteral("--no-decorations");
        const ProgramRun r = tintavo(arguments);
        QCOMPARE(r.status, 0);
        QImage shot;
        QVERIFY(shot.loadFromData(r.out, "PNG"));
        const QRect expected = withFrame ? frame : client;
        QCOMPARE(shot.size(), expected.size());
        QVERIFY(showsPattern(shot.copy(client.translated(-expected.topLeft())), client.topLeft()));
        QCOMPARE(shot.convertToFormat(QImage::Format_RGB32),
            ScreenServices::current().screen().grab(expected).convertToFormat(
                QImage::Format_RGB32));
    }

    // What is on the screen once the delay is over, not when the command started.
    void delayComesBeforeTheRegionIsRead()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("later.png"));
        const QRect region(700, 150, 80, 60);
        Running capture({ QStringLiteral("capture"), QStringLiteral("--delay"), QStringLiteral("2"),
            QStringLiteral("--region"), QStringLiteral("700,150,80,60"), QStringLiteral("-o"),
            file });
        PatternWindow later(region);
        later.show();
        QTRY_VERIFY(screenShowsPattern(region));
        QCOMPARE(capture.status(), 0);
        QVERIFY(capture.clock.elapsed() >= 2000);
        QImage shot;
        QVERIFY(shot.load(file));
        QCOMPARE(shot.size(), region.size());
        QVERIFY(showsPattern(shot, region.topLeft()));
    }

    void noStoredRegionIsSaid_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("said");
        QTest::newRow("en") << "C.UTF-8"
                            << "tintavo capture: no region is stored yet: draw one with "
                               "--select first\n";
        QTest::newRow("fr") << "fr_FR.UTF-8"
                            << "aucune zone n'est encore gardée";
        QTest::newRow("es") << "es_ES.UTF-8"
                            << "aún no hay ninguna zona guardada";
    }
    void noStoredRegionIsSaid()
    {
        QFETCH(QString, locale);
        QFETCH(QString, said);
        QFile::remove(m_config.filePath(QStringLiteral("Tintavo/Tintavo.ini")));
        const ProgramRun r
            = tintavo({ QStringLiteral("capture"), QStringLiteral("--last-region") }, locale);
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
    }

    // A region drawn with --select is taken again by --last-region, without the overlay.
    void lastRegionRetakesTheSelection()
    {
        QTemporaryDir dir;
        const QString selected = dir.filePath(QStringLiteral("selected.png"));
        {
            Running select({ QStringLiteral("capture"), QStringLiteral("--select"),
                QStringLiteral("-o"), selected });
            QVERIFY(select.showsAWindow());
            QVERIFY(xdotool(QStringLiteral("mousemove 150 170 keydown ctrl mousedown 1 mousemove "
                                           "200 200 mousemove 261 231 mouseup 1 keyup ctrl")
                                .split(u' ')));
            QCOMPARE(select.status(), 0);
        }
        const QSettings ini(
            m_config.filePath(QStringLiteral("Tintavo/Tintavo.ini")), QSettings::IniFormat);
        const QStringList stored
            = ini.value(QStringLiteral("Options/DerniereZone")).toString().split(u',');
        QCOMPARE(stored.size(), 4);
        const QRect region(
            stored[0].toInt(), stored[1].toInt(), stored[2].toInt(), stored[3].toInt());
        QVERIFY(QRect(150, 170, 112, 62).contains(region));
        QVERIFY(region.width() >= 100 && region.height() >= 50);
        QImage first;
        QVERIFY(first.load(selected));
        QCOMPARE(first.size(), region.size());
        QVERIFY(showsPattern(first, region.topLeft()));

        // The overlay is gone and the pattern painted again before the second capture.
        QTRY_VERIFY(screenShowsPattern(region));
        const ProgramRun again
            = tintavo({ QStringLiteral("capture"), QStringLiteral("--last-region") });
        QCOMPARE(again.status, 0);
        QImage second;
        QVERIFY(second.loadFromData(again.out, "PNG"));
        QCOMPARE(second.convertToFormat(QImage::Format_RGB32),
            first.convertToFormat(QImage::Format_RGB32));
    }

private:
    QTemporaryDir m_config;
    std::unique_ptr<PatternWindow> m_window;
};

QTEST_MAIN(TstCaptureCommand)
#include "tst_capturecommand.moc"
