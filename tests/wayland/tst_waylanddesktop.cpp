// The picker and the capture on a real Wayland desktop (headless sway with the desktop portal,
// see scripts/run-under-wayland): native windows are read through the portal, the picture is
// grim's, a scale-2 monitor gives its physical pixels, and no portal at all is said.

#include "capture/capturepicturebox.h"
#include "capture/frmcapture.h"
#include "capture/frmcaptureinfo.h"
#include "capture/regionsession.h"
#include "picker/frmcolorpicker.h"
#include "picker/pickoverlay.h"
#include "platform/globalshortcut.h"
#include "platform/screenservices.h"
#include "support/programrun.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

const QColor kBlue(0x33, 0x66, 0xCC);
const QColor kOrange(0xCC, 0x66, 0x33);

// A native window: blue, with orange squares every 40 pixels so that a shifted picture shows.
class PatternWindow : public QWidget
{
public:
    PatternWindow()
    {
        setWindowTitle(QStringLiteral("pattern"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), kBlue);
        for (int y = 100; y < height(); y += 40)
            for (int x = 100 + (y / 40 % 2) * 20; x < width(); x += 40)
                p.fillRect(x, y, 13, 7, kOrange);
    }
};

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    // Our own event loop keeps running: the clipboard may be served from here.
    (void)QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 15000);
    return p.readAllStandardOutput();
}

QImage grim(const QStringList &args)
{
    const QString file = QDir::temp().filePath(QStringLiteral("grim-reference.png"));
    run(QStringLiteral("grim"), args + QStringList { file });
    QImage image(file);
    QFile::remove(file);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The process whose window has the keyboard.
qint64 focusedPid()
{
    std::function<qint64(const QJsonObject &)> find = [&](const QJsonObject &node) -> qint64 {
        if (node.value(QStringLiteral("focused")).toBool())
            return node.value(QStringLiteral("pid")).toInteger(-1);
        for (const char *key : { "nodes", "floating_nodes" }) {
            for (const QJsonValue &child : node.value(QLatin1String(key)).toArray()) {
                if (const qint64 pid = find(child.toObject()); pid != -1)
                    return pid;
            }
        }
        return -1;
    };
    return find(QJsonDocument::fromJson(
        run(QStringLiteral("swaymsg"), { QStringLiteral("-t"), QStringLiteral("get_tree") }))
                    .object());
}

bool portalOnBus()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"));
}

void mouse(QWidget *w, QEvent::Type type, QPointF pos, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
        : type == QEvent::MouseButtonPress                           ? Qt::LeftButton
                                           : (mods ? Qt::LeftButton : Qt::NoButton);
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, mods);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstWaylandDesktop : public QObject
{
    Q_OBJECT

    PatternWindow *m_pattern = nullptr;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("not on a Wayland desktop (run through scripts/run-under-wayland)");
        QVERIFY(ScreenServices::isWaylandSession());
        QVERIFY(!ScreenServices::current().screen().isLive());
        m_pattern = new PatternWindow;
        m_pattern->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pattern));
        QTest::qWait(300);
    }
    void cleanupTestCase() { delete m_pattern; }

    void nativeWindowIsPicked()
    {
        if (!portalOnBus())
            QSKIP("no portal on this desktop");
        ToolFixture<frmColorPicker> tool(Tool::ColorPicker, QStringLiteral("Anglais"));
        QVERIFY(tool.exposed);
        frmColorPicker &picker = *tool.w;
        // The headless seat has no keyboard: a virtual one's key gives the picker the input
        // serial that a program needs to take the clipboard, as any key or click of a user does.
        run(QStringLiteral("wtype"),
            { QStringLiteral("-s"), QStringLiteral("200"), QStringLiteral("-k"),
                QStringLiteral("Shift_L"), QStringLiteral("-s"), QStringLiteral("200") });
        QTest::mouseClick(
            picker.findChild<QPushButton *>(QStringLiteral("CmdPipette")), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] { return picker.pickOverlays().size() == QGuiApplication::screens().size(); },
            10000));
        PickOverlay *overlay = picker.pickOverlays().first();
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        // The pattern window fills the output behind the floating picker: its top-left corner
        // is blue.
        mouse(overlay, QEvent::MouseMove, QPointF(10.5, 10.5));
        mouse(overlay, QEvent::MouseButtonRelease, QPointF(10.5, 10.5));
        QLineEdit *html = picker.findChild<QLineEdit *>(QStringLiteral("TxtC(0)"));
        QTRY_COMPARE(html->text(), QStringLiteral("#3366CC"));
        QTRY_VERIFY(picker.pickOverlays().isEmpty());
        QTRY_COMPARE(run(QStringLiteral("wl-paste"), { QStringLiteral("--no-newline") }),
            QByteArray("#3366CC"));
    }

    // The desktop action's command: Enter picks the middle of the primary output, which goes
    // to the clipboard (served until taken) and to standard output.
    void pickCommandCopies()
    {
        if (!portalOnBus())
            QSKIP("no portal on this desktop");
        run(QStringLiteral("wl-copy"), { QStringLiteral("--clear") });
        // The window of the test before gone from the screen.
        QTest::qWait(1000);
        QTemporaryDir home;
        QProcess pick;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        pick.setProcessEnvironment(env);
        pick.start(
            QStringLiteral(TINTAVO_BINARY), { QStringLiteral("pick"), QStringLiteral("--copy") });
        // Its overlay up and focused, as sway's tree tells.
        QVERIFY(QTest::qWaitFor([&] { return focusedPid() == pick.processId(); }, 20000));
        run(QStringLiteral("wtype"),
            { QStringLiteral("-s"), QStringLiteral("300"), QStringLiteral("-k"),
                QStringLiteral("Return"), QStringLiteral("-s"), QStringLiteral("300") });
        QVERIFY(QTest::qWaitFor([&] { return pick.canReadLine(); }, 10000));
        // The pattern window fills the output: the middle is blue or orange.
        const QByteArray printed = pick.readLine().trimmed();
        QVERIFY2(printed == kBlue.name().toUpper().toLatin1()
                || printed == kOrange.name().toUpper().toLatin1(),
            printed.constData());
        QCOMPARE(run(QStringLiteral("wl-paste"), { QStringLiteral("--no-newline") }), printed);
        run(QStringLiteral("wl-copy"), { QStringLiteral("taken") });
        QVERIFY(QTest::qWaitFor([&] { return pick.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(pick.exitCode(), 0);
    }

    // Sway's portal has no GlobalShortcuts: the key is said to be unavailable, so the picker's
    // panel shows the command to bind by hand.
    void globalKeyWithoutGlobalShortcutsIsUnavailable()
    {
        const auto shortcut = GlobalShortcut::forSession(QDBusConnection::sessionBus());
        shortcut->bind(QKeySequence(Qt::META | Qt::SHIFT | Qt::Key_C));
        QVERIFY(QTest::qWaitFor(
            [&] { return shortcut->state() == GlobalShortcut::State::Unavailable; }, 10000));
    }

    void fullCaptureIsGrimsPicture()
    {
        if (!portalOnBus())
            QSKIP("no portal on this desktop");
        ToolFixture<frmCapture> tool(Tool::Capture, QStringLiteral("Anglais"));
        QVERIFY(tool.exposed);
        frmCapture &capture = *tool.w;
        // The reference, taken while the capture window is out of the way as it will be.
        capture.hide();
        QTest::qWait(500);
        const QImage reference = grim({});
        QVERIFY(!reference.isNull());
        capture.findChild<QAction *>(QStringLiteral("MnuCapEcran"))->trigger();
        QAction *save = capture.findChild<QAction *>(QStringLiteral("MnuSave"));
        QVERIFY(QTest::qWaitFor([&] { return save->isEnabled(); }, 10000));
        QImage picture
            = capture.findChild<CapturePictureBox *>(QStringLiteral("PicCapt"))->picture();
        picture.setDevicePixelRatio(1.0);
        QCOMPARE(picture.size(), reference.size());
        QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), reference);
    }

    // The screenshot editor on the desktop's picture: a plain drag selects, a rectangle is
    // drawn, Enter gives the picture under the selection with the rectangle on it.
    void editorMarksTheDesktopsPicture()
    {
        if (!portalOnBus())
            QSKIP("no portal on this desktop");
        const QImage reference = grim({});
        QVERIFY(!reference.isNull());
        RegionSession session;
        QSignalSpy edited(&session, &RegionSession::edited);
        session.startEditor(Language::Spanish);
        QVERIFY(QTest::qWaitFor([&] { return !session.editors().isEmpty(); }, 10000));
        EditorOverlay *editor = session.editors().first();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        mouse(editor, QEvent::MouseButtonPress, QPointF(100, 100));
        mouse(editor, QEvent::MouseMove, QPointF(300, 250));
        mouse(editor, QEvent::MouseButtonRelease, QPointF(300, 250));
        editor->setTool(EditorOverlay::Tool::Rectangle);
        mouse(editor, QEvent::MouseButtonPress, QPointF(150, 150));
        mouse(editor, QEvent::MouseMove, QPointF(250, 200));
        mouse(editor, QEvent::MouseButtonRelease, QPointF(250, 200));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(edited.size(), 1);
        const QImage result
            = edited.first().at(0).value<QImage>().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(result.size(), QSize(200, 150));
        QCOMPARE(result.pixel(50, 75), editor->colour().rgb());
        QCOMPARE(result.pixel(5, 5), reference.pixel(105, 105));
    }

    // A second output at scale 2: the region dragged on its overlay is its physical pixels.
    void regionOnAScaleTwoOutput()
    {
        if (!portalOnBus())
            QSKIP("no portal on this desktop");
        const int screensBefore = int(QGuiApplication::screens().size());
        run(QStringLiteral("swaymsg"), { QStringLiteral("create_output") });
        QVERIFY(QTest::qWaitFor(
            [&] { return QGuiApplication::screens().size() > screensBefore; }, 5000));
        QScreen *added = QGuiApplication::screens().last();
        const QString name = added->name();
        run(QStringLiteral("swaymsg"),
            { QStringLiteral("output"), name, QStringLiteral("scale"), QStringLiteral("2") });
        QVERIFY(QTest::qWaitFor([&] { return added->devicePixelRatio() == 2.0; }, 5000));
        // Something to see there: a pattern window on that output.
        run(QStringLiteral("swaymsg"), { QStringLiteral("focus"), QStringLiteral("output"), name });
        PatternWindow there;
        there.show();
        QVERIFY(QTest::qWaitForWindowExposed(&there));
        QTest::qWait(300);
        run(QStringLiteral("swaymsg"),
            { QStringLiteral("focus"), QStringLiteral("output"),
                QGuiApplication::screens().first()->name() });

        ToolFixture<frmCapture> tool(Tool::Capture, QStringLiteral("Anglais"));
        QVERIFY(tool.exposed);
        frmCapture &capture = *tool.w;
        capture.findChild<QAction *>(QStringLiteral("MnuCapRegion"))->trigger();
        QVERIFY(QTest::qWaitFor(
            [&] { return capture.overlays().size() == QGuiApplication::screens().size(); }, 10000));
        frmCaptureInfo *scaled = nullptr;
        for (frmCaptureInfo *o : capture.overlays()) {
            if (QTest::qWaitForWindowExposed(o) && o->windowHandle()->screen() == added)
                scaled = o;
        }
        QVERIFY(scaled);
        const QImage reference = grim({ QStringLiteral("-o"), name });
        QCOMPARE(reference.size(), added->size() * 2);

        mouse(scaled, QEvent::MouseButtonPress, QPointF(100, 90), Qt::ControlModifier);
        mouse(scaled, QEvent::MouseMove, QPointF(150, 120), Qt::ControlModifier);
        mouse(scaled, QEvent::MouseButtonRelease, QPointF(150, 120), Qt::ControlModifier);
        QAction *save = capture.findChild<QAction *>(QStringLiteral("MnuSave"));
        QVERIFY(QTest::qWaitFor([&] { return save->isEnabled(); }, 10000));
        QImage picture
            = capture.findChild<CapturePictureBox *>(QStringLiteral("PicCapt"))->picture();
        QCOMPARE(picture.size(), QSize(100, 60));
        picture.setDevicePixelRatio(1.0);
        // The rectangle's inside starts one logical pixel past the press, as on X.
        QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), reference.copy(202, 182, 100, 60));
        run(QStringLiteral("swaymsg"),
            { QStringLiteral("output"), name, QStringLiteral("unplug") });
    }

    // No program may learn where windows lie on Wayland: --window takes what the desktop's
    // own screenshot dialog gives, and says so where the desktop has none (sway's portal
    // leaves an interactive request unanswered until the request's time is up).
    void windowWithoutADialogIsSaid()
    {
        const ProgramRun r = runTintavo({ QStringLiteral("capture"), QStringLiteral("--window") },
            true, QStringLiteral("fr_FR.UTF-8"));
        QImage chosen;
        if (r.status == 0 && chosen.loadFromData(r.out, "PNG"))
            return;
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("aucune fenêtre à capturer")), qPrintable(r.err));
    }

    // Run alone on a desktop without a portal (scripts/run-under-wayland --no-portal).
    void noPortalIsSaid()
    {
        if (portalOnBus())
            QSKIP("this desktop has a portal");
        RecordingMessageBox messages;
        ToolFixture<frmColorPicker> tool(Tool::ColorPicker, QStringLiteral("Francais"));
        QVERIFY(tool.exposed);
        frmColorPicker &picker = *tool.w;
        QLineEdit *html = picker.findChild<QLineEdit *>(QStringLiteral("TxtC(0)"));
        const QString before = html->text();
        QPushButton *pipette = picker.findChild<QPushButton *>(QStringLiteral("CmdPipette"));
        QTest::mouseClick(pipette, Qt::LeftButton);
        QTRY_COMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first().text,
            QStringLiteral("Ce bureau ne permet pas aux programmes de lire l'écran."));
        QVERIFY(pipette->isEnabled());
        QVERIFY(picker.pickOverlays().isEmpty());
        QCOMPARE(html->text(), before);

        messages.clear();
        ToolFixture<frmCapture> capture(Tool::Capture, QStringLiteral("Anglais"));
        QVERIFY(capture.exposed);
        capture.w->findChild<QAction *>(QStringLiteral("MnuCapEcran"))->trigger();
        QTRY_COMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first().text,
            QStringLiteral("This desktop does not let programs read the screen."));
        QTRY_VERIFY(capture.w->isVisible());
        QVERIFY(!capture.w->findChild<QAction *>(QStringLiteral("MnuSave"))->isEnabled());

        const ProgramRun window
            = runTintavo({ QStringLiteral("capture"), QStringLiteral("--window") }, true);
        QCOMPARE(window.status, 1);
        QVERIFY2(
            window.err.contains(QStringLiteral("no window to capture")), qPrintable(window.err));
    }
};

QTEST_MAIN(TstWaylandDesktop)
#include "tst_waylanddesktop.moc"
