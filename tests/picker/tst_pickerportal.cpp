// The picker where the desktop hands its pixels out only on request (a Wayland desktop and its
// portal), on the in-memory back end: the pipette works on one frozen picture, shown by an
// overlay per monitor; refusals end in a message, never in a black pick.

#include "controls/label.h"
#include "picker/frmcolorpicker.h"
#include "picker/pickoverlay.h"
#include "support/memoryscreenservices.h"
#include "support/scripteddialogs.h"
#include "support/toolfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace {

using Outcome = Screen::Outcome;

const QColor kRed(255, 0, 0);
const QColor kTeal(0x12, 0x80, 0x80);

struct PickerOnPortal
{
    explicit PickerOnPortal(const QString &language = QStringLiteral("Anglais"))
        : tool(Tool::ColorPicker, language)
    {
    }

    MemoryScreenServices services { MemoryScreenServices::Session::Wayland };
    // The monitors exist before the window opens, as on a real desktop.
    bool monitorsSet = [this] {
        services.screen().setTwoMonitors();
        return true;
    }();
    RecordingMessageBox messages;
    ToolFixture<frmColorPicker> tool;
    frmColorPicker &picker = *tool.w;
    qsizetype copiesBefore = services.clipboard().changes().size();

    template <class T> T *control(const char *name)
    {
        return picker.findChild<T *>(QLatin1String(name));
    }
    QPushButton *pipette() { return control<QPushButton>("CmdPipette"); }
    QString html() { return control<QLineEdit>("TxtC(0)")->text(); }
    QStringList copies() { return services.clipboard().changes().mid(copiesBefore); }
    void startPipette() { QTest::mouseClick(pipette(), Qt::LeftButton); }
    QList<PickOverlay *> waitForOverlays()
    {
        waitUntil([&] { return picker.pickOverlays().size() == 2; });
        return picker.pickOverlays();
    }
    PickOverlay *overlayOf(const QRect &logical)
    {
        for (PickOverlay *o : picker.pickOverlays()) {
            if (o->area().logical == logical)
                return o;
        }
        return nullptr;
    }
};

void mouse(QWidget *w, QEvent::Type type, QPointF pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstPickerPortal : public QObject
{
    Q_OBJECT

private slots:
    void pipettePicksTheFrozenPhysicalPixel()
    {
        PickerOnPortal m;
        MemoryScreen &screen = m.services.screen();
        screen.fill(QRect(1280 + 21, 41, 1, 1), kTeal);
        m.startPipette();
        QVERIFY(!m.pipette()->isEnabled());
        QCOMPARE(m.waitForOverlays().size(), 2);
        QCOMPARE(screen.desktopRequests(), 1);
        // The live desktop changes after the picture was taken: the pick does not see it.
        screen.fill(QRect(1280, 0, 1280, 1024), kRed);

        PickOverlay *scaled = m.overlayOf(QRect(1280, 0, 640, 512));
        QVERIFY(scaled);
        QVERIFY(QTest::qWaitForWindowExposed(scaled));
        // Logical (10.5, 20.5) on a scale-2 monitor is physical (21, 41) of that monitor.
        mouse(scaled, QEvent::MouseMove, QPointF(10.5, 20.5));
        QCOMPARE(scaled->crosshair(), QPoint(1301, 41));
        QCOMPARE(m.control<Label>("LblPosX")->text(), QStringLiteral("1301"));
        QCOMPARE(m.control<Label>("LblPosY")->text(), QStringLiteral("41"));
        mouse(scaled, QEvent::MouseButtonRelease, QPointF(10.5, 20.5));

        QTRY_COMPARE(m.html(), QStringLiteral("#128080"));
        QCOMPARE(m.picker.currentColor(), 0x808012);
        QVERIFY(m.pipette()->isEnabled());
        QVERIFY(!m.picker.pipetteActive());
        QTRY_VERIFY(m.picker.pickOverlays().isEmpty());
        QCOMPARE(m.copies().mid(0, 2), (QStringList { "clear", "text:#128080" }));
        QVERIFY(m.messages.messages().isEmpty());
    }

    void arrowsMoveOnePhysicalPixelAndEnterPicks()
    {
        PickerOnPortal m;
        // From (640, 512), three right and ten down (Shift).
        m.services.screen().fill(QRect(643, 522, 1, 1), kTeal);
        m.startPipette();
        m.waitForOverlays();
        PickOverlay *first = m.overlayOf(QRect(0, 0, 1280, 1024));
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        mouse(first, QEvent::MouseMove, QPointF(640.5, 512.5));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(first, Qt::Key_Right);
        QTest::keyClick(first, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(first->crosshair(), QPoint(643, 522));
        // The crosshair stops at the monitor's edge.
        for (int i = 0; i < 80; ++i)
            QTest::keyClick(first, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(first->crosshair(), QPoint(0, 522));
        for (int i = 0; i < 64; ++i)
            QTest::keyClick(first, Qt::Key_Right, Qt::ShiftModifier);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(first, Qt::Key_Right);
        QCOMPARE(first->crosshair(), QPoint(643, 522));
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_COMPARE(m.html(), QStringLiteral("#128080"));
    }

    void theWheelZoomsTheLoupeOnEveryMonitor()
    {
        PickerOnPortal m;
        m.startPipette();
        const QList<PickOverlay *> overlays = m.waitForOverlays();
        QCOMPARE(overlays.size(), 2);
        auto wheel = [&](int delta) {
            QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(overlays.first(), &e);
        };
        wheel(120);
        QCOMPARE(overlays.first()->zoom(), 12);
        QCOMPARE(overlays.last()->zoom(), 12);
        wheel(-240);
        QCOMPARE(overlays.last()->zoom(), 6);
        QTest::keyClick(overlays.first(), Qt::Key_Escape);
        QTRY_VERIFY(m.picker.pickOverlays().isEmpty());
        // The next pipette starts at the zoom left.
        m.startPipette();
        for (PickOverlay *o : m.waitForOverlays())
            QCOMPARE(o->zoom(), 6);
    }

    void escapeCancelsWithoutTouchingAnything()
    {
        PickerOnPortal m;
        const QString before = m.html();
        m.startPipette();
        m.waitForOverlays();
        QTest::keyClick(m.picker.pickOverlays().first(), Qt::Key_Escape);
        QTRY_VERIFY(m.picker.pickOverlays().isEmpty());
        QVERIFY(m.pipette()->isEnabled());
        QVERIFY(!m.picker.pipetteActive());
        QTest::qWait(200);
        QCOMPARE(m.copies(), QStringList());
        QCOMPARE(m.html(), before);
    }

    // No picture, but the desktop's own picker gives a colour: it is shown and copied like a
    // pick. A picture the user declined ends quietly.
    void desktopPickerStandsInForARefusedPicture()
    {
        PickerOnPortal m;
        m.services.screen().answerRequests(Outcome::Refused, Outcome::Read, 0x00563412);
        m.startPipette();
        QTRY_COMPARE(m.html(), QStringLiteral("#123456"));
        QCOMPARE(m.services.screen().colorRequests(), 1);
        QVERIFY(m.pipette()->isEnabled());
        QVERIFY(m.picker.pickOverlays().isEmpty());
        QCOMPARE(m.copies(), (QStringList { "clear", "text:#123456" }));

        m.services.screen().answerRequests(Outcome::Cancelled);
        m.startPipette();
        QTRY_VERIFY(m.pipette()->isEnabled());
        QTest::qWait(100);
        QCOMPARE(m.services.screen().colorRequests(), 1);
        QVERIFY(m.messages.messages().isEmpty());
    }

    void noWayToReadTheScreenIsSaidInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("desktop");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("colorRequests");
        QTest::newRow("no portal, en")
            << "Anglais" << int(Outcome::Unavailable) << int(Outcome::Unavailable)
            << "This desktop does not let programs read the screen." << 1;
        QTest::newRow("refused, fr")
            << "Francais" << int(Outcome::Refused) << int(Outcome::Refused)
            << "Ce bureau ne permet pas aux programmes de lire l'écran." << 1;
        QTest::newRow("refused, es")
            << "Spanish" << int(Outcome::Refused) << int(Outcome::Unavailable)
            << "Este escritorio no permite que los programas lean la pantalla." << 1;
        // A desktop that never answered is not asked again.
        QTest::newRow("no answer, en")
            << "Anglais" << int(Outcome::TimedOut) << int(Outcome::Read)
            << "The desktop did not answer the request to read the screen." << 0;
    }

    void noWayToReadTheScreenIsSaidInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, desktop);
        QFETCH(int, color);
        QFETCH(QString, message);
        QFETCH(int, colorRequests);
        PickerOnPortal m(language);
        const QString shownBefore = m.html();
        const int32_t colourBefore = m.picker.currentColor();
        m.services.screen().answerRequests(Outcome(desktop), Outcome(color), 0x00FFFFFF);
        m.startPipette();
        QTRY_COMPARE(m.messages.messages().size(), 1);
        QCOMPARE(m.messages.messages().first().text, message);
        QCOMPARE(m.services.screen().colorRequests(), colorRequests);
        QVERIFY(m.pipette()->isEnabled());
        QVERIFY(!m.picker.pipetteActive());
        QCOMPARE(m.html(), shownBefore);
        QCOMPARE(m.picker.currentColor(), colourBefore);
        QCOMPARE(m.copies(), QStringList());
    }

    void keepInFrontIsOffAndSaysWhy_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tip");
        QTest::newRow("en")
            << "Anglais"
            << "On this desktop (Wayland), the desktop alone decides which window stays in front.";
        QTest::newRow("fr") << "Francais"
                            << "Sur ce bureau (Wayland), seul le bureau décide quelle fenêtre "
                               "reste au premier plan.";
        QTest::newRow("es") << "Spanish"
                            << "En este escritorio (Wayland), solo el escritorio decide qué "
                               "ventana queda en primer plano.";
    }

    void keepInFrontIsOffAndSaysWhy()
    {
        QFETCH(QString, language);
        QFETCH(QString, tip);
        PickerOnPortal m(language);
        QVERIFY(!m.control<QCheckBox>("chkKeepFront")->isEnabled());
        QVERIFY(!m.control<QCheckBox>("chkKeepFront")->isChecked());
        QCOMPARE(m.control<QCheckBox>("chkKeepFront")->toolTip(), tip);
        QVERIFY(!m.picker.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(TstPickerPortal)
#include "tst_pickerportal.moc"
