#include "capture/capturepicturebox.h"
#include "capture/frmcapture.h"
#include "capture/patternwindow.h"
#include "capture/selectionshape.h"
#include "platform/label.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "shell/frmbase.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// The overlay driven with real pointer and key events (XTest through xdotool) on the X
// server's own screen.
namespace {

QByteArray runServing(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    waitUntil([&] { return p.state() == QProcess::NotRunning; }, 15000);
    return p.readAllStandardOutput();
}

void xdo(const QString &commands)
{
    runServing(QStringLiteral("xdotool"), commands.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    pump(100);
}

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

void releaseWithCtrl()
{
    xdo(QStringLiteral("mouseup 1 sleep 0.1 keyup ctrl"));
}

void otherProgramOwnsClipboard(const char *text)
{
    QProcess::startDetached(QStringLiteral("sh"),
                            {QStringLiteral("-c"),
                             QStringLiteral("printf '%1' | xclip -selection clipboard -loops 1 -i").arg(QLatin1String(text))});
    pump(300);
}

QByteArray clipboard(const char *type = nullptr)
{
    QStringList args{QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")};
    if (type)
        args << QStringLiteral("-t") << QString::fromLatin1(type);
    return runServing(QStringLiteral("xclip"), args);
}

struct Session {
    explicit Session(const QMap<QString, QString> &settings = {})
    {
        env.setSetting(QStringLiteral("PressePapier"), QStringLiteral("Non"));
        for (auto it = settings.begin(); it != settings.end(); ++it)
            env.setSetting(it.key(), it.value());
        env.state.loadStartupSettings();
        launcher = std::make_unique<FrmBase>(env.state);
        launcher->CmdCapture->click();
        window = qobject_cast<frmCapture *>(launcher->toolWindow(Tool::Capture));
        if (!QTest::qWaitForWindowExposed(window))
            qWarning("capture window not exposed");
    }
    ~Session()
    {
        xdo(QStringLiteral("keyup ctrl mouseup 1"));
        delete window.data();
    }

    // Starts a region capture and waits for the overlay to take the keyboard.
    frmCaptureInfo *overlayUp()
    {
        window->MnuCapRegion->trigger();
        if (!waitUntil([&] { return window->overlay() && window->overlay()->isVisible(); }, 3000))
            return nullptr;
        pump(300);
        return window->overlay();
    }

    TestEnv env;
    std::unique_ptr<FrmBase> launcher;
    QPointer<frmCapture> window;
};

void comparePattern(const QImage &picture, QPoint screenOrigin)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = PatternWindow::colourAt(screenOrigin.x() + x, screenOrigin.y() + y) & 0xFFFFFF;
            if ((picture.pixel(x, y) & 0xFFFFFF) != want)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, want %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(picture.pixel(x, y) & 0xFFFFFF, 6, 16)
                                     .arg(want, 6, 16)));
        }
}

} // namespace

class TstFrmCaptureInfo : public QObject
{
    Q_OBJECT

private slots:
    void overlayCoversTheDesktopWithoutFrame()
    {
        Session s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        QCOMPARE(o->geometry(), Screen::virtualGeometry());
        QVERIFY(o->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!s.window->isVisible());
        QVERIFY(o->Labaide->isVisible());
        QVERIFY(!o->ShapeSelect->isVisible());
        QCOMPARE(o->cursor().shape(), Qt::WhatsThisCursor);
        QCOMPARE(o->frozen().size(), Screen::virtualGeometryPhysical().size());
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
    }

    void regionComesFromTheFrozenScreen()
    {
        Session s;
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
        QVERIFY(o->ShapeSelect->isVisible());
        QCOMPARE(o->cursor().shape(), Qt::CrossCursor);
        QVERIFY(!o->Labaide->isVisible());
        QCOMPARE(o->ShapeSelect->geometry(), QRect(200, 600, 100, 50));
        QVERIFY(o->LblSize->isVisible());
        QCOMPARE(o->LblSize->text(), QStringLiteral("100 × 50"));
        releaseWithCtrl();

        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
        const QImage picture = s.window->PicCapt->picture();
        QCOMPARE(picture.size(), QSize(100, 50));
        // One pixel inside the outline's corner.
        comparePattern(picture, QPoint(201, 601));
        QCOMPARE(s.window->PicCapt->size(), QSize(100, 50));
        QVERIFY(s.window->MnuSave->isEnabled());
        const bool sized = waitUntil([&] {
            return s.window->outerWidthTwips() == qMax(frmCapture::LimiteH, 1500 + 280)
                && s.window->outerHeightTwips() == qMax(frmCapture::LimiteV, 750 + 930);
        }, 2000);
        QVERIFY2(sized, qPrintable(QStringLiteral("outer %1 x %2").arg(s.window->outerWidthTwips()).arg(s.window->outerHeightTwips())));
        // The copy option is off: the other program's text is still there.
        QCOMPARE(clipboard(), QByteArray("kept"));
    }

    void sizeLabelNeverEndsUpInThePicture()
    {
        Session s({{"PressePapier", "Oui"}});
        const QRect screen = Screen::virtualGeometry();
        const QRect corner(screen.right() - 300, screen.bottom() - 200, 301, 201);
        PatternWindow pattern(corner);
        pattern.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern));
        pump(200);
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        // Dragged into the corner: the label is pushed back over the rectangle.
        ctrlPressAndDrag(corner.topLeft() + QPoint(100, 100), screen.bottomRight());
        QVERIFY(o->LblSize->isVisible());
        QVERIFY(o->ShapeSelect->geometry().intersects(o->LblSize->geometry()));
        releaseWithCtrl();
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        const QImage picture = s.window->PicCapt->picture();
        QVERIFY(!picture.isNull());
        comparePattern(picture, corner.topLeft() + QPoint(101, 101));
        // With the copy option on, exactly that picture is on the clipboard.
        const QImage fromClipboard = QImage::fromData(clipboard("image/png"), "PNG");
        QCOMPARE(fromClipboard.size(), picture.size());
        comparePattern(fromClipboard, corner.topLeft() + QPoint(101, 101));
    }

    void escapeGivesTheWindowBackUnchanged()
    {
        Session s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(400, 400), QPoint(450, 430));
        releaseWithCtrl();
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        const QImage before = s.window->PicCapt->picture();
        QCOMPARE(before.size(), QSize(50, 30));

        o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(300, 300));
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return !o->isVisible() && s.window->isVisible(); }));
        QCOMPARE(s.window->PicCapt->picture(), before);
    }

    void releaseAfterLettingGoOfCtrlKeepsTheOverlay()
    {
        Session s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(200, 200));
        xdo(QStringLiteral("keyup ctrl sleep 0.1 mousemove 210 210 sleep 0.1"));
        QCOMPARE(o->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(o->Labaide->isVisible());
        QVERIFY(o->ShapeSelect->isVisible());
        xdo(QStringLiteral("mouseup 1"));
        QVERIFY(o->isVisible());
        QVERIFY(!o->ShapeSelect->isVisible());
        QVERIFY(o->Labaide->isVisible());
        QVERIFY(!s.window->isVisible());
        QVERIFY(!s.window->MnuSave->isEnabled());
        xdo(QStringLiteral("key Escape"));
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
    }

    void ctrlWithShiftAtTheReleaseDoesNotCapture()
    {
        Session s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        ctrlPressAndDrag(QPoint(100, 100), QPoint(200, 200));
        xdo(QStringLiteral("keydown shift sleep 0.1 mouseup 1 sleep 0.1 keyup shift keyup ctrl"));
        QVERIFY(o->isVisible());
        QVERIFY(!s.window->MnuSave->isEnabled());
        xdo(QStringLiteral("key Escape"));
    }

    void ctrlClickWithoutMovementCapturesNothing()
    {
        Session s;
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        xdo(QStringLiteral("mousemove 500 500 sleep 0.1 keydown ctrl sleep 0.1 click 1 sleep 0.1 keyup ctrl"));
        QVERIFY(waitUntil([&] { return s.window->isVisible(); }));
        QVERIFY(s.window->PicCapt->picture().isNull());
        QVERIFY(s.window->PicCapt->size().isEmpty());
        QVERIFY(waitUntil([&] {
            return s.window->outerWidthTwips() >= frmCapture::LimiteH && s.window->outerHeightTwips() >= frmCapture::LimiteV;
        }));
    }

    void instructionFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("Spanish") << "Spanish" << "Ctrl + clic izquierdo para la selección de pantalla o Esc para cancelar";
        QTest::newRow("French") << "Francais" << "Ctrl + clic gauche pour sélection d'écran ou Echap pour annuler";
        QTest::newRow("unknown") << "Deutsch" << "Ctrl + left click for screen selection or Esc to cancel";
    }
    void instructionFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        Session s({{"Langue", language}});
        frmCaptureInfo *o = s.overlayUp();
        QVERIFY(o);
        QCOMPARE(o->Labaide->text(), text);
        xdo(QStringLiteral("key Escape"));
    }
};

QTEST_MAIN(TstFrmCaptureInfo)
#include "tst_frmcaptureinfo.moc"
